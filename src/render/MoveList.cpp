// The game's moves as the window lists them: a line per move number, White's
// ply and then Black's, in the notation they were played in; during a review
// the line of the ply shown is the current one.
#include "render/render.h"

#include "record/record.h"

#include <cstdio>

int ComposeMoveList(std::vector<std::string>* lines, int max_lines)
{
    lines->clear();
    int start = GameStartPly();
    int full = state.position.move_num;
    if (full > MAX_GAME_PLIES)
        full = MAX_GAME_PLIES;
    int current = -1;
    int open_number = -1;
    char text[64];
    for (int k = start + 1; k <= full; k++) {
        int number = (k + 1) / 2;
        const char* ply = GameListGet(k);
        if (k & 1) {
            snprintf(text, sizeof text, "%d. %s", number, ply);
            lines->push_back(text);
            open_number = number;
        } else if (open_number == number && !lines->empty()) {
            lines->back() += std::string(" ") + ply;
        } else {
            snprintf(text, sizeof text, "%d. ... %s", number, ply);
            lines->push_back(text);
            open_number = number;
        }
        if (k == replay)
            current = int(lines->size()) - 1;
    }
    // The lines that fit: the latest, or those round the ply reviewed.
    if (max_lines > 0 && int(lines->size()) > max_lines) {
        int last = current >= 0 ? current + max_lines / 2 : int(lines->size()) - 1;
        if (last >= int(lines->size()))
            last = int(lines->size()) - 1;
        int first = last - max_lines + 1;
        if (first < 0)
            first = 0;
        lines->erase(lines->begin() + first + max_lines, lines->end());
        lines->erase(lines->begin(), lines->begin() + first);
        if (current >= 0)
            current -= first;
    }
    return current;
}
