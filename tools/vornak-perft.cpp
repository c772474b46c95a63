// vornak-perft: counts the legal move tree of a position, checks an EPD file
// of known counts, or measures the speed of move generation.
#include "board/board.h"
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "record/record.h"
#include "ToolArgs.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char USAGE[] =
    "usage: vornak-perft [--rules tournament|tdcl] [--divide] '<position>' <depth>\n"
    "       vornak-perft [--rules tournament|tdcl] --epd FILE [--max-nodes N]\n"
    "       vornak-perft --bench\n";

// Deeper trees would take years; the bound keeps the recursion's stack small.
const unsigned long long MAX_PERFT_DEPTH = 30;

int Usage()
{
    fputs(USAGE, stderr);
    return 2;
}

bool Load(const std::string& text, POS_T* b)
{
    int mode;
    std::string err;
    if (!ParsePosition(text, b, &mode, &err)) {
        fprintf(stderr, "vornak-perft: %s\n", err.c_str());
        return false;
    }
    b->rules = state.rules;
    return true;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int RunEpd(const char* file, uint64_t max_nodes)
{
    std::ifstream in(file);
    if (!in) {
        fprintf(stderr, "vornak-perft: cannot open %s\n", file);
        return 2;
    }
    int passed = 0, failed = 0;
    std::string line;
    while (std::getline(in, line)) {
        size_t semi = line.find(';');
        if (line.empty() || line[0] == '#' || semi == std::string::npos)
            continue;
        std::string fen = line.substr(0, semi);
        POS_T* b = new POS_T;
        if (!Load(fen, b)) {
            failed++;
            delete b;
            continue;
        }
        std::istringstream rest(line.substr(semi));
        std::string tok;
        while (std::getline(rest, tok, ';')) {
            int depth;
            unsigned long long want;
            if (sscanf(tok.c_str(), " D%d %llu", &depth, &want) != 2)
                continue;
            if (want > max_nodes)
                continue;
            if (depth < 0 || (unsigned long long)depth > MAX_PERFT_DEPTH) {
                failed++;
                printf("FAIL %s depth %d: out of range (0 to %llu)\n", fen.c_str(), depth, MAX_PERFT_DEPTH);
                continue;
            }
            uint64_t got = Perft(b, depth);
            if (got == want) {
                passed++;
            } else {
                failed++;
                printf("FAIL %s depth %d: expected %llu, got %llu\n", fen.c_str(), depth, want,
                       (unsigned long long)got);
            }
        }
        delete b;
    }
    printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}

int RunBench()
{
    const char* tri_start = TRI_START_TEXT;
    struct Case {
        const char* name;
        const char* position;
        int depth;
        int rules;
    } cases[] = {
        {"plain start", PLAIN_START_TEXT, 6, RULES_TDCL},
        {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 4, RULES_TDCL},
        {"tri-dimensional, TDCL", tri_start, 5, RULES_TDCL},
        {"tri-dimensional, tournament", tri_start, 5, RULES_TOURNAMENT},
    };
    uint64_t total = 0;
    double total_time = 0;
    for (const Case& c : cases) {
        state.rules = c.rules;
        POS_T* b = new POS_T;
        if (!Load(c.position, b))
            return 2;
        auto t0 = std::chrono::steady_clock::now();
        uint64_t n = Perft(b, c.depth);
        double s = Seconds(t0);
        total += n;
        total_time += s;
        printf("%-28s depth %d  nodes %12llu  time %7.2f s  %10.0f nodes/s\n", c.name, c.depth,
               (unsigned long long)n, s, n / (s > 0 ? s : 1e-9));
        delete b;
    }
    printf("total nodes %llu  time %.2f s  %.0f nodes/s\n", (unsigned long long)total, total_time,
           total / (total_time > 0 ? total_time : 1e-9));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    state.rules = RULES_TDCL;
    state.maxdepth = DIFF_HARD;
    bool divide = false;
    const char* epd = nullptr;
    unsigned long long max_nodes = ~0ULL;
    std::vector<std::string> args;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool has_value = i + 1 < argc;
        if (a == "--help" || a == "-h") {
            fputs(USAGE, stdout);
            return 0;
        } else if ((a == "--rules" || a == "--epd" || a == "--max-nodes") && !has_value) {
            fprintf(stderr, "vornak-perft: %s needs a value\n", a.c_str());
            return Usage();
        } else if (a == "--rules") {
            if (!(state.rules = ToolRules("vornak-perft", argv[++i])))
                return Usage();
        } else if (a == "--divide") {
            divide = true;
        } else if (a == "--epd") {
            epd = argv[++i];
        } else if (a == "--max-nodes") {
            if (!ToolNumber("vornak-perft", "--max-nodes", argv[++i], 0, ~0ULL, &max_nodes))
                return Usage();
        } else if (a == "--bench") {
            return RunBench();
        } else if (ToolIsOption(a)) {
            fprintf(stderr, "vornak-perft: unknown option %s\n", a.c_str());
            return Usage();
        } else {
            args.push_back(a);
        }
    }
    if (epd)
        return RunEpd(epd, max_nodes);
    if (args.size() != 2)
        return Usage();
    unsigned long long depth_arg;
    if (!ToolNumber("vornak-perft", "the depth", args[1].c_str(), 0, MAX_PERFT_DEPTH, &depth_arg))
        return Usage();
    int depth = (int)depth_arg;
    POS_T* b = new POS_T;
    if (!Load(args[0], b)) {
        delete b;
        return 2;
    }
    uint64_t total = 0;
    if (divide && depth >= 1) {
        std::vector<MOVE_T> moves;
        LegalChoices(b, &moves);
        for (MOVE_T m : moves) {
            POS_T* child = new POS_T;
            MOVE_T copy = m;
            DoMove(child, b, &copy);
            uint64_t n = Perft(child, depth - 1);
            printf("%s %llu\n", CoordinateMove(&m).c_str(), (unsigned long long)n);
            total += n;
            delete child;
        }
    } else {
        total = Perft(b, depth);
    }
    printf("%llu\n", (unsigned long long)total);
    delete b;
    return 0;
}
