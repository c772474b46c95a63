// Counting the legal move tree: the move generator's oracle.
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "record/record.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

bool IsChoosableMove(POS_T* b, MOVE_T* m)
{
    char s = m->move_symbol;
    if (s == 'Q' || s == 'R' || s == 'B' || s == 'N')
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

uint64_t Perft(POS_T* b, int depth)
{
    if (depth <= 0)
        return 1;
    MOVE_T moves[MAX_MOVES];
    POS_T probe = *b;
    int n = GetMoveCount(&probe, moves);
    POS_T child;
    uint64_t total = 0;
    for (int i = 0; i < n; i++) {
        if (!IsChoosableMove(&probe, &moves[i]))
            continue;
        MOVE_T m = moves[i];
        if (!DoMove(&child, &probe, &m))
            continue;
        total += depth == 1 ? 1 : Perft(&child, depth - 1);
    }
    return total;
}

std::string CoordinateMove(const MOVE_T* m)
{
    std::string s;
    int ab = AbIndex(m->piece_moving);
    if (ab >= 0) {
        static const char* const boards[4] = {"QLW", "QLB", "KLW", "KLB"};
        const char* from = PinName(m->from);
        const char* to = PinName(m->to);
        s = std::string(boards[ab]) + ":" + (from ? from : "??") + "-" + (to ? to : "??");
    } else if (state.dmode == 2) {
        if (m->from > 63 || m->to > 63)
            return "????";
        s += (char)('a' + XPOS(m->from));
        s += (char)('1' + YPOS(m->from));
        s += (char)('a' + XPOS(m->to));
        s += (char)('1' + YPOS(m->to));
    } else {
        const char* from = IndexSquareName(m->from);
        const char* to = IndexSquareName(m->to);
        s = std::string(from ? from : "??") + (to ? to : "??");
    }
    char sym = m->move_symbol;
    if (sym == 'Q' || sym == 'R' || sym == 'B' || sym == 'N')
        s += state.dmode == 2 ? (char)(sym - 'A' + 'a') : sym;
    if (state.dmode != 2 && (sym == 'S' || sym == 'L'))
        s += sym == 'S' ? "(O-O)" : "(O-O-O)";
    return s;
}
