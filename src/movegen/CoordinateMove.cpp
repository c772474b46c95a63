// A move in the coordinates the protocols and tools use, in the notation of
// the game dmode (2 the plain game, 3 the tri-dimensional).
#include "movegen/movegen.h"
#include "record/record.h"

std::string CoordinateMove(const MOVE_T* m, int dmode)
{
    std::string s;
    int ab = AbIndex(m->piece_moving);
    if (ab >= 0) {
        static const char* const boards[4] = {"QLW", "QLB", "KLW", "KLB"};
        const char* from = PinName(m->from);
        const char* to = PinName(m->to);
        s = std::string(boards[ab]) + ":" + (from ? from : "??") + "-" + (to ? to : "??");
    } else if (dmode == 2) {
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
        s += dmode == 2 ? (char)(sym - 'A' + 'a') : sym;
    if (dmode != 2 && (sym == 'S' || sym == 'L'))
        s += sym == 'S' ? "(O-O)" : "(O-O-O)";
    return s;
}
