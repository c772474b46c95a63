// Whether the game is over: mate, stalemate, repetition, the fifty-move
// count, insufficient material, or a full game record.
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record_internal.h"

#include <cstdio>
#include <memory>

namespace {

// Material of the king and of a bishop in the coefficient table.
const int KING_MATERIAL = 1187, BISHOP_MATERIAL = 1184;

int Result(POS_T* b, int winner, const char* line)
{
    ConsolePrint("%s", line);
    b->winner = winner;
    if (shell_hooks.stop_clocks)
        shell_hooks.stop_clocks();
    return 1;
}

bool Attacked(const POS_T* b, int king_slot, uint32_t by)
{
    SQ_T sq = b->pieces[king_slot].pos;
    return sq < 64 && (b->topieces[sq] & by);
}

// No pawns, and each side at most one minor piece besides its king.
bool InsufficientMaterial(const POS_T* b)
{
    InitEvalTables();
    uint32_t pawns = b->piece_mask ^ b->material_mask;
    if (pawns & (WHITE_SLOTS | BLACK_SLOTS))
        return false;
    ETYPE_T king = new_coefficients[KING_MATERIAL], bishop = new_coefficients[BISHOP_MATERIAL];
    return b->w_material - king <= bishop && b->b_material - king <= bishop;
}

}  // namespace

int FindWinner(POS_T* b, MOVE_T* move_t)
{
    // 1.
    if (b->winner)
        Panic(true, "FindWinner: already has winner");

    // 2.
    if (eval_show)
        ConsolePrint("\nFindWinner");

    // 3. The side that just moved left its king attacked.
    if (IsWhitesMove(b) && Attacked(b, B_KING_SLOT, WHITE_SLOTS))
        return Result(b, 1, "\nBlack is mated!");
    if (IsBlacksMove(b) && Attacked(b, W_KING_SLOT, BLACK_SLOTS))
        return Result(b, -1, "\nWhite is mated!");

    // 4.
    if (CheckRepetition(b, 3))
        return Result(b, 2, "\nDraw - you're repeating");
    if (b->move_num >= MAX_GAME_PLIES)
        return Result(b, 2, "\nDraw - the game record is full");

    // 5.
    if (!move_t || !LegalMove(b, move_t, "FindWinner"))
        return 0;
    std::unique_ptr<POS_T> b1(new POS_T);
    MOVE_T m = *move_t;
    if (!DoMove(b1.get(), b, &m))
        return 0;
    if (CheckRepetition(b1.get(), 3))
        return Result(b, 2, "\nDraw - I'm repeating");
    if (InsufficientMaterial(b))
        return Result(b, 2, "\nDraw - insufficient material");
    if (b1->move_num >= MAX_GAME_PLIES)
        return Result(b, 2, "\nDraw - the game record is full");
    std::unique_ptr<MOVE_T[]> moves(new MOVE_T[MAX_MOVES]);
    int n = GetMoveCount(b1.get(), moves.get());
    for (int i = 0; i < n; i++) {
        MOVE_T reply = moves[i];
        if (LegalMove(b1.get(), &reply, "FindWinnerB"))
            return 0;
    }
    if (IsWhitesMove(b1.get()) && Attacked(b1.get(), W_KING_SLOT, BLACK_SLOTS))
        return Result(b, -1, "\nWhite is mated");
    if (IsBlacksMove(b1.get()) && Attacked(b1.get(), B_KING_SLOT, WHITE_SLOTS))
        return Result(b, 1, "\nBlack is mated");
    return Result(b, 2, "\nStalemate");
}
