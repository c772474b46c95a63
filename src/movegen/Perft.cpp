// Counting the legal move tree: the move generator's oracle.
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "record/record.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

bool IsChoosableMove(POS_T* b, MOVE_T* m)
{
    if (IsPromotionSymbol(m->move_symbol))
        return true;
    // A promoting move is also listed once per piece it may make; the entry
    // without a piece stands for none of them.
    MOVE_T copy = *m;
    return !DetectPromotion(b, m->piece_moving, m->to, &copy);
}

int LegalChoices(POS_T* b, std::vector<MOVE_T>* out)
{
    MOVE_T moves[MAX_MOVES];
    POS_T probe = *b;
    KEY_HISTORY_GUARD_T history;
    int n = GetMoveCount(&probe, moves);
    std::unique_ptr<POS_T> child(new POS_T);
    out->clear();
    for (int i = 0; i < n; i++) {
        if (!IsChoosableMove(&probe, &moves[i]))
            continue;
        MOVE_T m = moves[i];
        if (DoMove(child.get(), &probe, &m))
            out->push_back(moves[i]);
    }
    return (int)out->size();
}

namespace {

// Whether a move of b is legal without making it: not in check, no king,
// board, castling or en-passant move, and no piece that an enemy slider
// attacks (only such a piece can be pinned; in the plain game it must also
// stand between that slider and the king). Everything else is made.
struct LegalityShortcut {
    POS_T* b;
    bool usable;
    uint32_t enemy_sliders;
    SQ_T king;
    const LINE_MAP_T* line;

    explicit LegalityShortcut(POS_T* pos) : b(pos)
    {
        bool white = IsWhitesMove(b);
        uint32_t enemy = white ? BLACK_SLOTS : WHITE_SLOTS;
        king = b->pieces[white ? W_KING_SLOT : B_KING_SLOT].pos;
        enemy_sliders = enemy & b->sliding_mask & b->material_mask;
        usable = king < 64 && abs(b->board[king]) == W_KING && !(b->topieces[king] & enemy);
        line = usable && IsPlainGame(b) ? &SlidingMap(b) : nullptr;
    }

    bool Legal(const MOVE_T& m) const
    {
        if (!usable || AbIndex(m.piece_moving) >= 0 || m.from > 63 || m.from == king)
            return false;
        char s = m.move_symbol;
        if (s == 'e' || s == 'E' || s == 'S' || s == 'L')
            return false;
        uint32_t attackers = b->topieces[m.from] & enemy_sliders;
        if (!attackers)
            return true;
        if (!line)
            return false;
        int toward = (*line)[king][m.from];
        for (; attackers; attackers &= attackers - 1) {
            SQ_T at = b->pieces[FFOne(attackers)].pos;
            if (toward && at < 64 && (*line)[m.from][at] == toward)
                return false;
        }
        return true;
    }
};

}  // namespace

uint64_t Perft(POS_T* b, int depth)
{
    if (depth <= 0)
        return 1;
    MOVE_T moves[MAX_MOVES];
    POS_T probe = *b;
    int n = GetMoveCount(&probe, moves);
    POS_T child;
    uint64_t total = 0;
    // The last ply is counted, not made, wherever legality is plain.
    LegalityShortcut shortcut(&probe);
    for (int i = 0; i < n; i++) {
        if (!IsChoosableMove(&probe, &moves[i]))
            continue;
        if (depth == 1 && shortcut.Legal(moves[i])) {
            total++;
            continue;
        }
        MOVE_T m = moves[i];
        if (!DoMove(&child, &probe, &m))
            continue;
        total += depth == 1 ? 1 : Perft(&child, depth - 1);
    }
    return total;
}
