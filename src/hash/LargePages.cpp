// Large-page backing for the transposition table where the system offers it
// (Linux: transparent huge pages on request); elsewhere plain memory.
#include "hash/hash.h"

#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
const size_t LARGE_PAGE = 2u << 20;
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
#endif
    if (void* p = std::malloc(bytes))
        return p;
    throw std::bad_alloc();
}

void FreeLargePages(void* p) { std::free(p); }
