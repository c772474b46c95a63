// The transposition table object: construction, key numbers, bucket access,
// incremental keys and the resets.
#include "hash/hash.h"

#include <cstdio>
#include <cstring>
#include <atomic>
#include <mutex>

HASH_C hash_c;

static std::once_flag ihv_initialized;
// Set once the numbers are drawn: every move made asks, and the common answer
// should cost one load rather than a call into the thread library.
static std::atomic<bool> ihv_ready{false};

HASH_C::HASH_C()
{
    hash_table_initialized = false;
    hash_table_size = 0x100000;
    hash_table.assign(hash_table_size, TABLE_ENTRY_T{});
    hash_table_initialized = true;
    bad_updates = good_updates = hash_misses = hash_hits = hash_shallow = 0;
    cret[0] = 0;
    ZeroMove(&hash_move);
    hash_tag = 0;
    memset(&hash_values, 0, sizeof hash_values);
    HashReset();
    OrderReset();
}

void AnnounceHashTable()
{
    ConsolePrint("\nHashTableInit");
    ConsoleFlush();
}

void HASH_C::HashValuesInit()
{
    if (ihv_ready.load(std::memory_order_acquire))
        return;
    std::call_once(ihv_initialized, [this] {
        memset(&hash_values, 0, sizeof hash_values);
        for (int i = 0; i < 13; i++) {
            if (i == 6)
                continue;  // the empty square has no numbers
            for (int j = 0; j < 64; j++) {
                hash_values.v1[i][j] = (uint32_t)VornakRand() & ~1u;  // bit 0 is the side to move
                hash_values.v2[i][j] = (uint32_t)VornakRand();
            }
        }
        // The full key's numbers come from a generator of their own, so the
        // program's random sequence (and the short keys) stay as they were.
        uint64_t x = 0x2545F4914F6CDD1Dull;
        for (int i = 0; i < 13; i++) {
            for (int j = 0; j < 64; j++) {
                uint64_t z = (x += 0x9E3779B97F4A7C15ull);
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
                hash_values.k[i][j] = i == 6 ? 0 : (z ^ (z >> 31)) & ~1ull;
            }
        }
        ihv_ready.store(true, std::memory_order_release);
    });
}

uint64_t PieceKey(const POS_T* b)
{
    hash_c.HashValuesInit();
    uint64_t key = 0;
    for (int s = 0; s < 32; s++) {
        const PS_T& piece = b->pieces[s];
        if (piece.p >= -6 && piece.p <= 6 && piece.pos < 64)
            key ^= hash_c.hash_values.k[piece.p + 6][piece.pos];
    }
    return key;
}

// The bucket comes from the low half of the full key (bit 0, the side to
// move, cleared: both sides' positions share it); the high half is checked.
unsigned int HASH_C::GetIndex(POS_T* b) { return ((uint32_t)FullKey(b) % hash_table_size) & ~1u; }

TABLE_ENTRY_T* HASH_C::GetHashEntry(unsigned long hashindex)
{
    return hashindex < hash_table.size() ? &hash_table[hashindex] : nullptr;
}

TABLE_ENTRY_T* HASH_C::FetchHash(POS_T* b)
{
    unsigned i = GetIndex(b);
    for (unsigned k = i; k < i + 2; k++) {
        TABLE_ENTRY_T* e = &hash_table[k];
        if (e->hash2 == b->hash2 && e->hash1 == b->hash1 && e->check == KeyCheck(b))
            return e;
    }
    return nullptr;
}

void HASH_C::AddHash(POS_T* b, SQ_T pos, int p)
{
    if (pos > 63 || p < -6 || p > 6)
        return;
    b->hash1 ^= hash_values.v1[p + 6][pos];
    b->hash2 ^= hash_values.v2[p + 6][pos];
    b->key ^= hash_values.k[p + 6][pos];
}

void HASH_C::RemoveHash(POS_T* b, SQ_T pos, int p) { AddHash(b, pos, p); }

void HASH_C::HashReset()
{
    if (eval_show)
        ConsolePrint("\nHashReset");
    memset(hash_table.data(), 0, hash_table_size * sizeof(TABLE_ENTRY_T));
}

void HASH_C::HashResize(uint32_t entries)
{
    entries = entries < 1024 ? 1024 : entries & ~1u;
    HASH_TABLE_T table(entries, TABLE_ENTRY_T{});  // may throw: the old table stays
    hash_table.swap(table);
    hash_table_size = entries;
}

void HASH_C::OrderReset()
{
    memset(history, 0, sizeof history);
    memset(killers, 0, sizeof killers);
    memset(refutation, 0, sizeof refutation);
}
