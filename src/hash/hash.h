// The transposition table object: key numbers, the table and the move-ordering
// memory of the search.
#pragma once

#include "board/board.h"

#include <vector>

struct HVE_T {
    uint32_t v1[13][64];
    uint32_t v2[13][64];
    uint64_t k[13][64];  // the full key's numbers, bit 0 clear
};

// The position's identity for the table, the repetition test and the
// evaluation caches: the 64-bit piece key with the two short keys, which
// add the side to move, en passant, castling and the attack boards.
inline uint64_t FullKey(const POS_T* b) { return b->key ^ ((uint64_t)b->hash2 << 32 | b->hash1); }
// Its high half, which a table entry keeps beside the short keys (the low
// half chose the bucket); it leaves the side to move out.
inline uint32_t KeyCheck(const POS_T* b) { return (uint32_t)(FullKey(b) >> 32); }

struct KILLER_T {
    MOVE_T k1;  // last capture that caused a cutoff
    MOVE_T k2;  // last non-capture that caused a cutoff
};

const int MAX_KILLER_PLY = 60;

// std::bad_alloc when the memory is not there.
void* AllocateLargePages(size_t bytes);
void FreeLargePages(void* p);

// Memory for the table that the system may back with large pages: a probe
// lands anywhere in tens of megabytes, and with small pages nearly every one
// misses the address cache as well as the data cache.
template <class T>
struct LARGE_PAGE_ALLOCATOR_T {
    using value_type = T;
    LARGE_PAGE_ALLOCATOR_T() = default;
    template <class U>
    LARGE_PAGE_ALLOCATOR_T(const LARGE_PAGE_ALLOCATOR_T<U>&)
    {
    }
    T* allocate(size_t n) { return static_cast<T*>(AllocateLargePages(n * sizeof(T))); }
    void deallocate(T* p, size_t) { FreeLargePages(p); }
    bool operator==(const LARGE_PAGE_ALLOCATOR_T&) const { return true; }
    bool operator!=(const LARGE_PAGE_ALLOCATOR_T&) const { return false; }
};

using HASH_TABLE_T = std::vector<TABLE_ENTRY_T, LARGE_PAGE_ALLOCATOR_T<TABLE_ENTRY_T>>;

class HASH_C {
public:
    bool hash_table_initialized;
    HASH_TABLE_T hash_table;
    uint32_t hash_table_size;
    char cret[30];
    int bad_updates, good_updates, hash_misses, hash_hits, hash_shallow;
    MOVE_T hash_move;
    uint32_t hash_tag;
    HVE_T hash_values;
    uint32_t history[64][64];
    KILLER_T killers[MAX_KILLER_PLY];
    MOVE_T refutation[64][64];

    HASH_C();
    void HashValuesInit();
    unsigned int GetIndex(POS_T* b);
    TABLE_ENTRY_T* GetHashEntry(unsigned long hashindex);
    TABLE_ENTRY_T* FetchHash(POS_T* b);
    int CheckHash(POS_T* b, int depth, ETYPE_T testv, ETYPE_T* v, MOVE_T* move);
    int CheckHash2(POS_T* b, int depth, ETYPE_T testv, ETYPE_T* v);
    int CheckHashEtc(POS_T* b, MOVE_T* moves, int num_moves, int depth, ETYPE_T testv, ETYPE_T* v, MOVE_T* m1);
    void HashInsert(POS_T* b, int depth, ETYPE_T testv, ETYPE_T evaluation, MOVE_T* move);
    int HashOrdering(POS_T* b, MOVE_T* move, ETYPE_T testv);
    // Starts loading the buckets of the children of b by these moves.
    void PrefetchChildren(POS_T* b, const MOVE_T* moves, int n);
    void HashChangeTag(int move_num);
    char* HashStats();
    int Decided(int depth, ETYPE_T found, ETYPE_T* v);  // a probe's hit
    void AddHash(POS_T* b, SQ_T pos, int p);
    void RemoveHash(POS_T* b, SQ_T pos, int p);
    void HashReset();
    // A table of `entries` entries (an even number, at least 1024), empty;
    // std::bad_alloc, with the table as it was, when memory runs short.
    void HashResize(uint32_t entries);
    void OrderReset();
};

extern HASH_C hash_c;

// The console line that says the table is built; the program prints it at
// start-up, tools that own their standard output do not.
void AnnounceHashTable();

// The move an entry keeps, as b's generator would list it (boards, castling
// and promotions included); 0 when the entry has none.
int HashEntryMove(const POS_T* b, const TABLE_ENTRY_T* e, MOVE_T* move);

// The piece key of b built from its piece list (for positions read from a
// file, which keeps only the short keys).
uint64_t PieceKey(const POS_T* b);

// The attack boards' part of the two position keys (zero in the plain game).
void AttackBoardKeys(const POS_T* b, uint32_t* key1, uint32_t* key2);

// Ages the ordering tables at the start of a search.
void OrderClear(int move_num);

// 1 when the position stood `repeats` times before in the line (or the
// fifty-move count has run out).
int CheckRepetition(POS_T* b, int repeats);

// The classic C library generator, reproduced so that the key numbers (and
// with them saved games and search results) are the same on every platform.
int VornakRand();
void VornakSrand(unsigned seed);
