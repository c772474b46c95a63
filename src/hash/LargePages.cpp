// Large-page backing for the transposition table where the system offers it
// (Linux: transparent huge pages on request); elsewhere plain memory.
#include "hash/hash.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
const size_t LARGE_PAGE = 2u << 20;
// A bucket must not straddle two cache lines.
const size_t LINE = 64;
}

void* AllocateLargePages(size_t bytes)
{
    if (bytes == 0)
        bytes = 1;
#ifdef __linux__
    if (bytes >= LARGE_PAGE) {
        size_t rounded = (bytes + LARGE_PAGE - 1) / LARGE_PAGE * LARGE_PAGE;
        if (void* p = std::aligned_alloc(LARGE_PAGE, rounded)) {
            madvise(p, rounded, MADV_HUGEPAGE);  // a request: refused is fine
            return p;
        }
        throw std::bad_alloc();
    }
    if (void* p = std::aligned_alloc(LINE, (bytes + LINE - 1) / LINE * LINE))
        return p;
    throw std::bad_alloc();
#else
    // No aligned_alloc here: take a line more and keep the block's start
    // just before the aligned address.
    void* raw = std::malloc(bytes + LINE + sizeof(void*));
    if (!raw)
        throw std::bad_alloc();
    uintptr_t at = ((uintptr_t)raw + sizeof(void*) + LINE - 1) & ~(uintptr_t)(LINE - 1);
    ((void**)at)[-1] = raw;
    return (void*)at;
#endif
}

void FreeLargePages(void* p)
{
#ifdef __linux__
    std::free(p);
#else
    if (p)
        std::free(((void**)p)[-1]);
#endif
}
