// vornak-play: plays moves written in coordinates on a position and prints
// the position reached and how the game stands. A referee of games between
// engines that are given positions (the tri-dimensional game has no engine
// protocol) keeps the game with it.
//
//   vornak-play [--rules tournament|tdcl] '<position>' [MOVE ...]
//
// Prints "position <text>", "status playing|checkmate|stalemate" and
// "moves" followed by the legal moves; a move that is not legal is named on
// the error stream and the exit status is 1.
#include "board/board.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "ToolArgs.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const char USAGE[] = "usage: vornak-play [--rules tournament|tdcl] '<position>' [MOVE ...]\n";

int Usage()
{
    fputs(USAGE, stderr);
    return 2;
}

void ShowPosition(POS_T* b, int mode)
{
    printf("position %s\n", FormatPosition(b, mode).c_str());
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    printf("status %s\n", !legal.empty() ? "playing" : b->flags & FLAG_IN_CHECK ? "checkmate" : "stalemate");
    printf("moves");
    for (const MOVE_T& m : legal)
        printf(" %s", CoordinateMove(&m).c_str());
    printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    state.rules = RULES_TDCL;
    std::vector<std::string> args;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            fputs(USAGE, stdout);
            return 0;
        } else if (a == "--rules") {
            if (i + 1 >= argc || !(state.rules = ToolRules("vornak-play", argv[++i])))
                return Usage();
        } else if (ToolIsOption(a) && args.empty()) {
            fprintf(stderr, "vornak-play: unknown option %s\n", a.c_str());
            return Usage();
        } else {
            args.push_back(a);
        }
    }
    if (args.empty())
        return Usage();
    auto b = std::make_unique<POS_T>();
    int mode;
    std::string err;
    if (!ParsePosition(args[0], b.get(), &mode, &err)) {
        fprintf(stderr, "vornak-play: %s\n", err.c_str());
        return 2;
    }
    b->rules = state.rules;
    for (size_t i = 1; i < args.size(); i++) {
        MOVE_T m;
        auto next = std::make_unique<POS_T>();
        if (!ParseCoordinateMove(b.get(), args[i], &m) || !DoMove(next.get(), b.get(), &m)) {
            fprintf(stderr, "vornak-play: illegal move %zu: %s\n", i, args[i].c_str());
            return 1;
        }
        next->oldb = nullptr;
        next->moves = nullptr;
        b = std::move(next);
    }
    ShowPosition(b.get(), mode);
    return 0;
}
