// vornak-analyse: searches a position with the program's own search and shows
// each iteration, or measures the search on a fixed set of positions.
#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"
#include "EngineGame.h"
#include "ToolArgs.h"

#include <chrono>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::chrono::steady_clock::time_point started;

double Seconds() { return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(); }

void ShowIteration(POS_T* root, int depth, ETYPE_T v, const MOVE_T* move)
{
    long nodes = search.nodes + search.quiesce_nodes;
    double s = Seconds();
    printf("depth %d score %s cp %d nodes %ld nps %.0f pv %s\n", depth, EvalStr(v), v / 100, nodes,
           nodes / (s > 0 ? s : 1e-9), EnginePrincipalVariation(root, move, depth).c_str());
}

bool Prepare(const std::string& text, POS_T* b)
{
    int mode;
    std::string err;
    if (!ParsePosition(text, b, &mode, &err)) {
        fprintf(stderr, "vornak-analyse: %s\n", err.c_str());
        return false;
    }
    b->rules = state.rules;
    state.vornak = NextToPlay(b);
    state.stop_search = 0;
    PrepareRoot(b);
    b->moves = nullptr;
    return true;
}

ETYPE_T Analyse(POS_T* root, double seconds, MOVE_T* best)
{
    POS_T copy = *root;
    copy.moves = nullptr;
    move_timer.limit_seconds = seconds;
    move_timer.TimerStart();
    started = std::chrono::steady_clock::now();
    return Search(&copy, best, state.maxdepth);
}

int Bench()
{
    struct Case {
        const char* position;
        int depth;
    } cases[] = {
        {PLAIN_START_TEXT, 9},
        {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 7},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 11},
        {TRI_START_TEXT, 8},
    };
    long total = 0;
    double time = 0;
    for (const Case& c : cases) {
        hash_c.HashReset();
        hash_c.OrderReset();
        state.maxdepth = c.depth;
        POS_T* b = new POS_T;
        if (!Prepare(c.position, b))
            return 2;
        MOVE_T best;
        ETYPE_T v = Analyse(b, 100000, &best);
        double s = Seconds();
        long nodes = search.nodes + search.quiesce_nodes;
        printf("%-10s depth %d  bestmove %-12s score %-8s nodes %10ld  %.2f s\n", state.dmode == 2 ? "plain" : "3d",
               c.depth - 1, CoordinateMove(&best).c_str(), EvalStr(v), nodes, s);
        total += nodes;
        time += s;
        delete b;
    }
    printf("bench signature %ld nodes  %.0f nodes/s\n", total, total / (time > 0 ? time : 1e-9));
    return 0;
}

const char USAGE[] = "usage: vornak-analyse [--rules tournament|tdcl] [--depth N] [--time SECONDS | --movetime MS] '<position>'\n"
                     "       vornak-analyse --epd FILE [--depth N] [--time SECONDS]\n"
                     "       vornak-analyse --bench\n";

int Usage()
{
    fputs(USAGE, stderr);
    return 2;
}

// Whether the side to move has no legal move, and then whether it is mated.
bool GameOver(POS_T* b, bool* mated)
{
    std::vector<MOVE_T> legal;
    if (LegalChoices(b, &legal))
        return false;
    const PS_T& king = b->pieces[IsWhitesMove(b) ? W_KING_SLOT : B_KING_SLOT];
    *mated = king.pos < 64 && (b->topieces[king.pos] & (IsWhitesMove(b) ? BLACK_SLOTS : WHITE_SLOTS));
    return true;
}

// The moves an EPD operation names, resolved on b; false, with the reason,
// when one is not a legal move there.
bool ResolveMoves(POS_T* b, const std::vector<std::string>& texts, std::vector<MOVE_T>* out, std::string* err)
{
    for (const std::string& t : texts) {
        MOVE_T m;
        std::string why;
        if (!ParseSanMove(b, t, &m, &why)) {
            *err = t + ": " + why;
            return false;
        }
        out->push_back(m);
    }
    return true;
}

bool SameMove(const MOVE_T& a, const MOVE_T& b)
{
    return a.from == b.from && a.to == b.to && a.piece_moving == b.piece_moving &&
           (!IsPromotionSymbol(a.move_symbol) || a.move_symbol == b.move_symbol);
}

std::string Joined(const std::vector<std::string>& words)
{
    std::string s;
    for (const std::string& w : words)
        s += (s.empty() ? "" : " ") + w;
    return s;
}

// Runs a test suite: each position searched for the time given; it passes
// when the move found is one of its bm moves and none of its am moves. A
// line that cannot be read, or names an illegal move, fails with the reason.
int RunEpd(const char* path, unsigned long seconds)
{
    FILE* f = fopen(path, "rb");
    if (!f) {
        fprintf(stderr, "vornak-analyse: %s: cannot open\n", path);
        return 1;
    }
    int passed = 0, failed = 0, line_number = 0;
    std::string line;
    bool eof = false;
    while (!eof) {
        line.clear();
        int c;
        while ((c = fgetc(f)) != EOF && c != '\n')
            if (line.size() <= 4096)
                line += (char)c;
        eof = c == EOF;
        line_number++;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        EPD_LINE_T epd;
        std::string err;
        std::unique_ptr<POS_T> b(new POS_T);
        int mode = 0;
        std::vector<MOVE_T> best, avoid;
        std::string name = "line " + std::to_string(line_number);
        bool ok = ParseEpdLine(line, &epd, &err);
        if (ok && !epd.id.empty())
            name = epd.id;
        ok = ok && ParsePosition(epd.fen, b.get(), &mode, &err);
        if (ok && mode != 2) {
            err = "not a plain-game position";
            ok = false;
        }
        ok = ok && ResolveMoves(b.get(), epd.best, &best, &err) && ResolveMoves(b.get(), epd.avoid, &avoid, &err);
        if (ok && best.empty() && avoid.empty()) {
            err = "neither bm nor am";
            ok = false;
        }
        std::vector<MOVE_T> legal;
        if (ok && !LegalChoices(b.get(), &legal)) {
            err = "no legal move";
            ok = false;
        }
        if (!ok) {
            printf("%s: failed (%s)\n", name.c_str(), err.c_str());
            failed++;
            continue;
        }
        state.vornak = NextToPlay(b.get());
        state.stop_search = 0;
        PrepareRoot(b.get());
        b->moves = nullptr;
        hash_c.HashReset();
        hash_c.OrderReset();
        MOVE_T found;
        POS_T* root = b.get();
        POS_T copy = *root;
        copy.moves = nullptr;
        move_timer = MOVE_TIMER_T();
        move_timer.limit_seconds = (double)seconds;
        move_timer.TimerStart();
        started = std::chrono::steady_clock::now();
        ETYPE_T v = Search(&copy, &found, state.maxdepth);
        bool good = !IsZeroMove(&found);
        bool in_best = best.empty(), in_avoid = false;
        for (const MOVE_T& m : best)
            in_best = in_best || SameMove(m, found);
        for (const MOVE_T& m : avoid)
            in_avoid = in_avoid || SameMove(m, found);
        good = good && in_best && !in_avoid;
        std::string san = IsZeroMove(&found) ? "(none)" : SanMove(b.get(), &found);
        std::string wanted = (epd.best.empty() ? "" : "bm " + Joined(epd.best)) +
                             (epd.best.empty() || epd.avoid.empty() ? "" : ", ") +
                             (epd.avoid.empty() ? "" : "am " + Joined(epd.avoid));
        printf("%s: %s %s (%s) score %s, wanted %s\n", name.c_str(), good ? "passed" : "failed", san.c_str(),
               IsZeroMove(&found) ? "-" : CoordinateMove(&found).c_str(), EvalStr(v), wanted.c_str());
        (good ? passed : failed)++;
    }
    fclose(f);
    printf("%d passed, %d failed\n", passed, failed);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    // The standard output carries results only; what the core prints for the
    // program's console (a search's reports) goes to the error stream.
    ConsoleToComments(stderr, "");
    state.rules = RULES_TDCL;
    state.maxdepth = DIFF_HARD;
    unsigned long long seconds = 5;
    double move_seconds = 5;
    std::vector<std::string> args;
    const char* epd = nullptr;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool has_value = i + 1 < argc;
        unsigned long long n;
        if (a == "--help" || a == "-h") {
            fputs(USAGE, stdout);
            return 0;
        } else if ((a == "--rules" || a == "--depth" || a == "--time" || a == "--movetime" || a == "--epd") && !has_value) {
            fprintf(stderr, "vornak-analyse: %s needs a value\n", a.c_str());
            return Usage();
        } else if (a == "--rules") {
            if (!(state.rules = ToolRules("vornak-analyse", argv[++i])))
                return Usage();
        } else if (a == "--depth") {
            if (!ToolNumber("vornak-analyse", "--depth", argv[++i], 1, MAX_SEARCH_PLY - 1, &n))
                return Usage();
            state.maxdepth = (int)n + 1;  // iterations stop before the limit
        } else if (a == "--time") {
            if (!ToolNumber("vornak-analyse", "--time", argv[++i], 1, 86400, &n))
                return Usage();
            seconds = n;
            move_seconds = double(n);
        } else if (a == "--movetime") {
            if (!ToolNumber("vornak-analyse", "--movetime", argv[++i], 1, 86400000, &n))
                return Usage();
            move_seconds = n / 1000.0;
        } else if (a == "--epd") {
            epd = argv[++i];
        } else if (a == "--bench") {
            return Bench();
        } else if (ToolIsOption(a)) {
            fprintf(stderr, "vornak-analyse: unknown option %s\n", a.c_str());
            return Usage();
        } else {
            args.push_back(a);
        }
    }
    if (epd && args.empty())
        return RunEpd(epd, seconds);
    if (args.size() != 1)
        return Usage();
    POS_T* b = new POS_T;
    if (!Prepare(args[0], b)) {
        delete b;
        return 2;
    }
    bool mated;
    if (GameOver(b, &mated)) {
        printf("no legal move: %s\n", mated ? "checkmate" : "stalemate");
        delete b;
        return 0;
    }
    search_iteration_hook = ShowIteration;
    MOVE_T best;
    Analyse(b, move_seconds, &best);
    printf("bestmove %s\n", IsZeroMove(&best) ? "(none)" : CoordinateMove(&best).c_str());
    delete b;
    return 0;
}
