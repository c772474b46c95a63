// vornak-savefile info FILE: what a save file holds, read by the program's own
// restore. Prints the layout, the game, its moves in the file's notation and
// the position reached; exits 1 with the reason for a file the program would
// refuse, 2 for a usage error.
#include "record/record.h"
#include "record/savefile.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int Usage()
{
    fprintf(stderr, "usage: vornak-savefile info FILE\n");
    return 2;
}

const char* RulesName(int rules)
{
    return rules == RULES_TOURNAMENT ? "tournament" : rules == RULES_TDCL ? "tdcl" : "none";
}

const char* NotationName(int notation)
{
    switch (notation) {
    case NOTATION_VESKAR: return "tournament";
    case NOTATION_STANDARD: return "standard";
    case NOTATION_ALGEBRAIC: return "algebraic";
    default: return "unknown";
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || strcmp(argv[1], "info") != 0)
        return Usage();
    const char* path = argv[2];

    std::vector<uint8_t> bytes;
    std::string why;
    if (!ReadSaveFile(path, &bytes, &why)) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", path, why.c_str());
        return 1;
    }

    // The restore's own reports go to the console of the program; here only
    // the answer is wanted.
    SetConsoleSink(nullptr);
    SAVE_LAYOUT_E layout;
    GameListInit();
    bool ok = RestoreFromBuffer(bytes.data(), bytes.size(), &layout, &why);
    if (!ok) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", path, why.c_str());
        return 1;
    }

    POS_T* b = &state.position;
    int start = GameStartPly();
    printf("layout: %s (%zu bytes)\n", LayoutName(layout), bytes.size());
    printf("mode: %s\n", state.dmode == 2 ? "plain (2)" : "tri-dimensional (3)");
    printf("rules: %s\n", RulesName(state.rules));
    printf("notation: %s\n", NotationName(state.notation));
    printf("start: %s\n", state.oeb.inited ? "edited" : "standard");
    printf("plies: %d\n", b->move_num - start);
    printf("moves:");
    for (int k = start + 1; k <= b->move_num; k++) {
        if (k & 1 || k == start + 1)
            printf(" %d.%s", (k - 1) / 2 + 1, k & 1 ? "" : "..");
        printf(" %s", GameListGet(k));
    }
    printf("\n");
    const char* results[] = {"black won", "", "white won", "drawn"};
    if (b->winner >= -1 && b->winner <= 2 && b->winner != 0)
        printf("result: %s\n", results[b->winner + 1]);
    printf("position: %s\n", FormatPosition(b, state.dmode).c_str());
    return 0;
}
