// Reading a move written in coordinates (e2e4, e7e8q, E2E3, QLW:QL1-QL3) as
// one of the legal choices of a position.
#include "movegen/movegen.h"

#include <cctype>
#include <vector>

namespace {

std::string Lower(const std::string& s)
{
    std::string out;
    for (char c : s)
        out += (char)tolower((unsigned char)c);
    return out;
}

}  // namespace

bool ParseCoordinateMove(POS_T* b, const std::string& text, MOVE_T* out)
{
    std::string want = Lower(text);
    if (want.empty() || want.size() > 32)
        return false;
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    // A promotion written without its piece makes a queen, as a user typing
    // the squares alone expects.
    const MOVE_T* queen_default = nullptr;
    for (const MOVE_T& m : legal) {
        std::string name = Lower(CoordinateMove(&m, b->dmode));
        if (name == want) {
            *out = m;
            return true;
        }
        if (m.move_symbol == 'Q' && name.size() == want.size() + 1 && name.compare(0, want.size(), want) == 0)
            queen_default = &m;
    }
    if (queen_default) {
        *out = *queen_default;
        return true;
    }
    return false;
}
