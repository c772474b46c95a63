// Whether a position can be played on: board editing and the K key change
// the board without any rule, and move generation, move making and the search
// take for granted what is checked here. A position that fails waits until it
// is edited back into shape.
#include "board/board.h"

#include <cstdlib>

namespace {

bool PawnSlot(int slot) { return (slot & 15) >= 8; }

}  // namespace

bool CountArmies(const POS_T* b, ARMIES_T* armies, int* bad_square)
{
    *armies = ARMIES_T{};
    for (int sq = 0; sq < 64; sq++) {
        int p = b->board[sq];
        if (p < B_KING || p > W_KING) {
            *bad_square = sq;
            return false;
        }
        if (!p)
            continue;
        int side = p > 0 ? 0 : 1;
        armies->all[side]++;
        armies->kings[side] += abs(p) == W_KING;
        armies->pawns[side] += abs(p) == W_PAWN;
    }
    return true;
}

const char* PositionUnplayableWhy(const POS_T* b)
{
    if (b->dmode != 2 && b->dmode != 3)
        return "no game mode";

    // 1. The board: piece codes, one king a side, army sizes.
    ARMIES_T armies;
    int bad;
    if (!CountArmies(b, &armies, &bad))
        return "a square holds no known piece";
    const int *kings = armies.kings, *all = armies.all, *pawns = armies.pawns;
    if (kings[0] != 1)
        return kings[0] ? "White has more than one king" : "White has no king";
    if (kings[1] != 1)
        return kings[1] ? "Black has more than one king" : "Black has no king";
    if (all[0] > 16 || all[1] > 16 || pawns[0] > 8 || pawns[1] > 8)
        return "too many pieces";

    // 2. The piece list agrees with the board both ways: every piece has its
    // slot, on its own side's half, pawns in pawn slots, kings in theirs.
    for (SQ_T sq = 0; sq < 64; sq++) {
        int p = b->board[sq];
        if (!p)
            continue;
        int slot = b->pboard[sq];
        if (slot > 31 || b->pieces[slot].p != p || b->pieces[slot].pos != sq)
            return "the piece list does not match the board";
    }
    for (int slot = 0; slot < 32; slot++) {
        const PS_T& s = b->pieces[slot];
        if (!s.p)
            continue;
        if (s.pos > 63 || b->board[s.pos] != s.p || b->pboard[s.pos] != slot)
            return "the piece list does not match the board";
        if ((s.p > 0) != (slot < 16) || (abs(s.p) == W_PAWN && !PawnSlot(slot)))
            return "the piece list does not match the board";
    }
    if (b->pieces[W_KING_SLOT].p != W_KING || b->pieces[B_KING_SLOT].p != B_KING)
        return "the piece list does not match the board";

    // 3. The attack boards stand on twelve pins, one board a pin.
    if (!IsPlainGame(b)) {
        for (int i = 0; i < 4; i++) {
            if (!IsPin(b->whereis_board[i]))
                return "an attack board stands on no pin";
            for (int j = 0; j < i; j++)
                if (b->whereis_board[j] == b->whereis_board[i])
                    return "two attack boards share a pin";
        }
    }

    // 4. Counters and the en-passant square.
    if (b->move_num < 0 || b->move_num > MAX_GAME_PLIES)
        return "the ply count is out of range";
    if (b->enpassant && (b->enpassant > 63 || b->board[b->enpassant]))
        return "the en-passant square is not an empty square";
    return nullptr;
}

bool PositionPlayable(const POS_T* b)
{
    return PositionUnplayableWhy(b) == nullptr;
}
