// vornak-savefile: save files and the plain game's PGN, through the
// program's own restore and the record's PGN reader and writer.
//   info FILE                 the layout, the game, its moves in the file's
//                             notation and the position reached
//   pgn FILE                  the plain game of a save file as PGN
//   record FILE               the tri-dimensional game of a save file as its
//                             text record (docs/tri-record.md)
//   import IN OUT.sav [--game N]
//                             a game of a PGN file or a tri-dimensional record
//                             (the first, or the Nth) as a save file
// Exits 1 with the reason for a file that is refused, 2 for a usage error.
#include "record/record.h"
#include "record/savefile.h"
#include "ToolArgs.h"

#include <cerrno>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char USAGE[] = "usage: vornak-savefile info FILE\n"
                     "       vornak-savefile pgn FILE\n"
                     "       vornak-savefile record FILE\n"
                     "       vornak-savefile import IN.pgn|IN.record OUT.sav [--game N]\n";

int Usage()
{
    fputs(USAGE, stderr);
    return 2;
}

// A save file restored into the program's state; false, with the reason
// printed, when the program would refuse it.
bool Restore(const char* path, std::vector<uint8_t>* bytes, SAVE_LAYOUT_E* layout)
{
    std::string why;
    if (!ReadSaveFile(path, bytes, &why)) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", path, why.c_str());
        return false;
    }
    // The restore's own reports go to the console of the program; here only
    // the answer is wanted.
    SetConsoleSink(nullptr);
    GameListInit();
    if (!RestoreFromBuffer(bytes->data(), bytes->size(), layout, &why)) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", path, why.c_str());
        return false;
    }
    return true;
}

// The game of a save file as PGN, or as the tri-dimensional record.
int Export(const char* path, bool tri)
{
    std::vector<uint8_t> bytes;
    SAVE_LAYOUT_E layout;
    if (!Restore(path, &bytes, &layout))
        return 1;
    PGN_GAME_T g;
    std::string why;
    if (!(tri ? TriRecordOfState(&g, &why) : PgnGameOfState(&g, &why))) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", path, why.c_str());
        return 1;
    }
    fputs(FormatPgn(g).c_str(), stdout);
    return 0;
}

const size_t MAX_PGN_BYTES = 64u << 20;

int Import(const char* in_path, const char* out_path, unsigned long long which)
{
    FILE* f = fopen(in_path, "rb");
    if (!f) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", in_path, strerror(errno));
        return 1;
    }
    std::string text;
    char buf[65536];
    size_t got;
    while ((got = fread(buf, 1, sizeof buf, f)) > 0 && text.size() <= MAX_PGN_BYTES)
        text.append(buf, got);
    bool failed = ferror(f);
    fclose(f);
    if (failed || text.size() > MAX_PGN_BYTES) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", in_path,
                failed ? "cannot be read" : "larger than 64 MB: not a PGN file this reads");
        return 1;
    }
    std::vector<PGN_GAME_T> games;
    std::string why;
    if (!ReadPgn(text, &games, &why)) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", in_path, why.c_str());
        return 1;
    }
    if (which > games.size()) {
        fprintf(stderr, "vornak-savefile: %s: no game %llu (the file holds %zu)\n", in_path, which, games.size());
        return 1;
    }
    std::vector<uint8_t> image;
    SetConsoleSink(nullptr);
    const PGN_GAME_T& game = games[which - 1];
    bool tri = game.Tag("Variant") == "Tri-dimensional";
    if (!(tri ? TriRecordToSaveImage(game, &image, &why) : PgnGameToSaveImage(game, &image, &why))) {
        fprintf(stderr, "vornak-savefile: %s: game %llu: %s\n", in_path, which, why.c_str());
        return 1;
    }
    if (!WriteSaveImage(out_path, image, &why)) {
        fprintf(stderr, "vornak-savefile: %s: %s\n", out_path, why.c_str());
        return 1;
    }
    return 0;
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
    if (argc == 2 && (!strcmp(argv[1], "--help") || !strcmp(argv[1], "-h"))) {
        fputs(USAGE, stdout);
        return 0;
    }
    if (argc == 3 && (!strcmp(argv[1], "pgn") || !strcmp(argv[1], "record")))
        return Export(argv[2], !strcmp(argv[1], "record"));
    if ((argc == 4 || argc == 6) && !strcmp(argv[1], "import")) {
        unsigned long long which = 1;
        if (argc == 6 && (strcmp(argv[4], "--game") || !ToolNumber("vornak-savefile", "--game", argv[5], 1, 1000000, &which)))
            return Usage();
        return Import(argv[2], argv[3], which);
    }
    if (argc != 3 || strcmp(argv[1], "info") != 0)
        return Usage();
    const char* path = argv[2];

    std::vector<uint8_t> bytes;
    SAVE_LAYOUT_E layout;
    if (!Restore(path, &bytes, &layout))
        return 1;

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
