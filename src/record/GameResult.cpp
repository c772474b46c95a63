// Whether the game stands finished in a position, and why, in the words a
// chess protocol announces: mate, stalemate, threefold repetition or the
// fifty-move rule. Asks nothing and prints nothing, unlike FindWinner.
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"

#include <vector>

namespace {

bool KingAttacked(const POS_T* b, int king_slot, uint32_t by)
{
    SQ_T sq = b->pieces[king_slot].pos;
    return sq < 64 && (b->topieces[sq] & by);
}

}  // namespace

int RepetitionCount(POS_T* b)
{
    // The key history holds one key per half-move; only positions with the
    // same side to move and no capture or pawn move since can repeat.
    const uint32_t* history = LineHashList();
    int seen = 1;
    for (int i = b->move_num - 2; i >= 0 && i >= b->move_num - b->fifty_count; i -= 2)
        if (i < MAX_GAME_PLIES && history[i] == b->hash1 && LineKeyAgrees(b, i))
            seen++;
    return seen;
}

int GameResult(POS_T* b, const char** why)
{
    static const char* const none = "";
    *why = none;
    std::vector<MOVE_T> legal;
    int n = LegalChoices(b, &legal);
    if (n == 0) {
        bool white = IsWhitesMove(b);
        bool checked = white ? KingAttacked(b, W_KING_SLOT, BLACK_SLOTS) : KingAttacked(b, B_KING_SLOT, WHITE_SLOTS);
        if (checked) {
            *why = white ? "Black mates" : "White mates";
            return white ? -1 : 1;
        }
        *why = "Stalemate";
        return 2;
    }
    if (RepetitionCount(b) >= 3) {
        *why = "Draw by repetition";
        return 2;
    }
    // The count is one more than the half-moves since the last capture or
    // pawn move once a move has been made.
    if (b->fifty_count > 100) {
        *why = "Draw by fifty move rule";
        return 2;
    }
    if (b->move_num >= MAX_GAME_PLIES) {
        *why = "Draw, the game record is full";
        return 2;
    }
    return 0;
}
