// The attack boards' share of the position keys: a tri-dimensional position
// is not only its pieces, and two positions that differ in where a board
// stands must neither share a table entry nor count as a repetition.
#include "hash/hash.h"

#include <cstdint>

namespace {

struct BOARD_KEYS_T {
    uint32_t k1[4][64], k2[4][64];
    BOARD_KEYS_T()
    {
        // A generator of our own, so that the piece keys and everything
        // drawn from the program's random sequence stay as they were.
        uint64_t x = 0x9E3779B97F4A7C15ull;
        auto next = [&x] {
            uint64_t z = (x += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            return uint32_t((z ^ (z >> 31)) >> 32);
        };
        for (int ab = 0; ab < 4; ab++) {
            for (int pin = 0; pin < 64; pin++) {
                // The first key stays within the table's 20-bit index with
                // bit 0, the side to move, untouched.
                k1[ab][pin] = next() & 0xFFFFEu;
                k2[ab][pin] = next();
            }
        }
    }
};

}  // namespace

void AttackBoardKeys(const POS_T* b, uint32_t* key1, uint32_t* key2)
{
    static const BOARD_KEYS_T keys;
    *key1 = *key2 = 0;
    if (IsPlainGame(b))
        return;
    for (int ab = 0; ab < 4; ab++) {
        int pin = b->whereis_board[ab] & 63;
        *key1 ^= keys.k1[ab][pin];
        *key2 ^= keys.k2[ab][pin];
    }
}
