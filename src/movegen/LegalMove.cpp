// Whether a move may be made: it must be one the generator lists, and making
// it must not leave the mover's king attacked.
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "record/record.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

namespace {

bool SameRecord(const MOVE_T& a, const MOVE_T& b)
{
    return a.from == b.from && a.to == b.to && a.v == b.v && a.piece_moving == b.piece_moving &&
           a.move_symbol == b.move_symbol && a.check == b.check;
}

}  // namespace

int GetMoveCount(POS_T* b, MOVE_T* moves)
{
    int n = (b->flags & FLAG_IN_CHECK) ? GenerateCheckAvoidance(b, moves) : GenerateMoves(b, moves);
    // The same record can come from two generator paths; keep the first.
    // Records are compared only with the kept ones of the same squares,
    // found through the first of them.
    thread_local int first_kept[64 * 64];
    thread_local unsigned seen_in[64 * 64];
    thread_local unsigned call;
    if (++call == 0) {
        std::fill(seen_in, seen_in + 64 * 64, 0u);
        call = 1;
    }
    int kept = 0;
    for (int i = 0; i < n; i++) {
        const MOVE_T& m = moves[i];
        bool seen = false;
        if (m.from < 64 && m.to < 64) {
            unsigned key = m.from * 64 + m.to;
            if (seen_in[key] != call) {
                seen_in[key] = call;
                first_kept[key] = kept;
            } else {
                for (int j = first_kept[key]; j < kept && !seen; j++)
                    seen = SameRecord(moves[j], m);
            }
        } else {
            for (int j = 0; j < kept && !seen; j++)
                seen = SameRecord(moves[j], m);
        }
        if (!seen)
            moves[kept++] = m;
    }
    return kept;
}

int LegalMove(POS_T* b, MOVE_T* move_to_check, const char* caller)
{
    if (eval_show)
        ConsolePrint("\nLegalMove %s", caller ? caller : "");
    if (!move_to_check) {
        Panic(false, "NULL move @ LegalMove");
        return 0;
    }
    MOVE_T moves[MAX_MOVES];
    memset(moves, 0, sizeof moves);
    POS_T probe = *b;  // generation may drop stale castling rights
    int n = GetMoveCount(&probe, moves);
    // The game names the move it plays from this list.
    NoteMoveList(&probe, moves, n);
    const MOVE_T* listed = nullptr;
    for (int i = 0; i < n && !listed; i++)
        if (moves[i].piece_moving == move_to_check->piece_moving && moves[i].to == move_to_check->to &&
            moves[i].from == move_to_check->from)
            listed = &moves[i];
    if (listed && listed->move_symbol != move_to_check->move_symbol && eval_show)
        ConsolePrint("\nHASH GUESS %c %c ", move_to_check->move_symbol, listed->move_symbol);
    int legal = 0;
    if (listed) {
        // Made with the given record itself: a promotion chosen here stays
        // chosen, so the move that follows does not ask a second time.
        POS_T* scratch = new POS_T;
        legal = DoMove(scratch, &probe, move_to_check) != 0;
        delete scratch;
    }
    if (!legal && eval_show)
        ConsolePrint("\n!LegalMove %s", caller ? caller : "");
    return legal;
}
