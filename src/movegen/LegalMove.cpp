// Whether a move may be made: it must be one the generator lists, and making
// it must not leave the mover's king attacked.
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "record/record.h"

#include <cstdio>
#include <cstring>

int GetMoveCount(POS_T* b, MOVE_T* moves)
{
    int n = (b->flags & FLAG_IN_CHECK) ? GenerateCheckAvoidance(b, moves) : GenerateMoves(b, moves);
    // The same record can come from two generator paths; keep the first.
    int kept = 0;
    for (int i = 0; i < n; i++) {
        bool seen = false;
        for (int j = 0; j < kept && !seen; j++)
            seen = moves[j].from == moves[i].from && moves[j].to == moves[i].to && moves[j].v == moves[i].v &&
                   moves[j].piece_moving == moves[i].piece_moving &&
                   moves[j].move_symbol == moves[i].move_symbol && moves[j].check == moves[i].check;
        if (!seen)
            moves[kept++] = moves[i];
    }
    // The game names the move it plays from this list.
    NoteMoveList(b, moves, kept);
    return kept;
}

int LegalMove(POS_T* b, MOVE_T* move_to_check, const char* caller)
{
    if (eval_show)
        printf("\nLegalMove %s", caller ? caller : "");
    if (!move_to_check) {
        Panic(false, "NULL move @ LegalMove");
        return 0;
    }
    MOVE_T moves[MAX_MOVES];
    memset(moves, 0, sizeof moves);
    POS_T probe = *b;  // generation may drop stale castling rights
    int n = GetMoveCount(&probe, moves);
    const MOVE_T* listed = nullptr;
    for (int i = 0; i < n && !listed; i++)
        if (moves[i].piece_moving == move_to_check->piece_moving && moves[i].to == move_to_check->to &&
            moves[i].from == move_to_check->from)
            listed = &moves[i];
    if (listed && listed->move_symbol != move_to_check->move_symbol && eval_show)
        printf("\nHASH GUESS %c %c ", move_to_check->move_symbol, listed->move_symbol);
    int legal = 0;
    if (listed) {
        // Made with the given record itself: a promotion chosen here stays
        // chosen, so the move that follows does not ask a second time.
        POS_T* scratch = new POS_T;
        legal = DoMove(scratch, &probe, move_to_check) != 0;
        delete scratch;
    }
    if (!legal && eval_show)
        printf("\n!LegalMove %s", caller ? caller : "");
    return legal;
}
