// vornak-tune: fits the evaluation's derived weights to game results.
//
//   vornak-tune play [--plain] [--rules R] [--games N] [--nodes N] [--opening-plies K] [--seed S]
//   vornak-tune extract [--skip PLIES] FILE...   quiet positions of played games
//   vornak-tune fit [--coarse] [--passes N] [--step W] [--prior L] [--min-positions N] [--patience N]
//                   [--write SOURCE --note TEXT] FILE...
//   vornak-tune rewrite --weights FITTED --note TEXT SOURCE
//
// play plays games against itself, in one process and at a node count a
// move, and prints their positions with the results. extract reads games as
// PGN (a .pgn file: the plain game, the result from its termination) or as
// lines "RULES<tab>POSITION<tab>RESULT" (what tools/match3d.py --positions
// writes, both games; RESULT may also be an expected score between 0 and 1,
// as tools/label-positions.py gives it) and prints every quiet position
// once, as such a line: not in check, no capture that wins more than a fifth
// of a pawn, not decided by more than ten pawns, past the opening. fit
// reads those lines, holds every tenth run of 200 out, fits
// (Texel's method: each mirrored pair of entries and mobility count, or with
// --coarse each block's scale, a step of W at a time; a coarse step of 1000
// doubles a block; --prior pulls the weights back to the shipped ones,
// --min-positions leaves alone what few positions read; the fit ends when
// the held-out error has not improved for --patience passes) and, with --write,
// rewrites the coefficient source. rewrite puts the weights of a fitted copy
// of the source into SOURCE with the note.
#include "EngineGame.h"
#include "ToolArgs.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "makemove/makemove.h"
#include "movegen/movegen.h"
#include "record/record.h"
#include "search/search.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char USAGE[] =
    "usage: vornak-tune play [--plain] [--rules tournament|tdcl] [--games N] [--nodes N] [--opening-plies K]\n"
    "                        [--seed S]\n"
    "       vornak-tune extract [--skip PLIES] FILE...\n"
    "       vornak-tune fit [--coarse] [--passes N] [--step W] [--prior L] [--min-positions N] [--patience N]\n"
    "                       [--write SOURCE --note TEXT] FILE...\n"
    "       vornak-tune rewrite --weights FITTED --note TEXT SOURCE\n";

int Usage()
{
    fputs(USAGE, stderr);
    return 2;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A position line's parts; false when it is not one.
bool SplitSample(const std::string& line, std::string* rules, std::string* position, double* result)
{
    size_t a = line.find('\t'), b = line.rfind('\t');
    if (a == std::string::npos || a == b)
        return false;
    *rules = line.substr(0, a);
    *position = line.substr(a + 1, b - a - 1);
    // A game's result (1, 0.5, 0 for White) or an expected score between
    // them, such as a stronger engine's judgement of the position.
    std::string r = line.substr(b + 1);
    char* end = nullptr;
    double v = std::strtod(r.c_str(), &end);
    if (r.empty() || *end || !(v >= 0 && v <= 1))
        return false;
    *result = v;
    return true;
}

// Readies a position of the given game as the search's root would be.
void ReadyRoot(POS_T* b, int dmode)
{
    state.dmode = dmode;
    state.vornak = NextToPlay(b);
    PrepareRoot(b);
    b->moves = nullptr;
    b->oldb = nullptr;
}

// The same from text; false for text that is not a position.
bool Ready(const std::string& rules, const std::string& text, POS_T* b)
{
    int mode;
    std::string err;
    state.rules = rules == "tournament" ? RULES_TOURNAMENT : RULES_TDCL;
    if (!ParsePosition(text, b, &mode, &err))
        return false;
    b->rules = state.rules;
    ReadyRoot(b, mode);
    return true;
}

// ---------------------------------------------------------------- extract
struct EXTRACT_T {
    int skip_plies = 16;
    std::set<std::pair<uint32_t, uint32_t>> seen;
    long read = 0, kept = 0;
};

bool Quiet(POS_T* b)
{
    if (b->flags & FLAG_IN_CHECK)
        return false;
    ETYPE_T v = StaticValue(b, NO_VALUE, 2);
    if (v > 100000 || v < -100000)
        return false;
    // Quiescence stands pat at the search's static value, so it can only
    // rise: a capture that gains is what makes a position loud.
    const ETYPE_T margin = 2000;
    POS_T copy = *b;
    search = SEARCH_T();
    search.search_depth = 1;
    search.ply_limit = MAX_SEARCH_PLY;
    return StartQuiesce(&copy, v + margin, 0) < v + margin;
}

void Consider(EXTRACT_T* x, const std::string& rules, POS_T* b, int ply, double result)
{
    x->read++;
    if (ply < x->skip_plies || !x->seen.insert({b->hash1, b->hash2}).second)
        return;
    std::vector<MOVE_T> legal;
    if (!LegalChoices(b, &legal))
        return;
    if (!Quiet(b))
        return;
    x->kept++;
    printf("%s\t%s\t%g\n", rules.c_str(), FormatPosition(b, state.dmode).c_str(), result);
}

bool ExtractLines(EXTRACT_T* x, const std::string& text)
{
    std::istringstream in(text);
    std::string line, rules, position;
    double result;
    std::unique_ptr<POS_T> b(new POS_T());
    while (std::getline(in, line))
        if (SplitSample(line, &rules, &position, &result) && Ready(rules, position, b.get()))
            Consider(x, rules, b.get(), b->move_num, result);
    return true;
}

bool ExtractPgn(EXTRACT_T* x, const std::string& text, std::string* err)
{
    std::vector<PGN_GAME_T> games;
    if (!ReadPgn(text, &games, err))
        return false;
    for (const PGN_GAME_T& g : games) {
        double result = g.result == "1-0" ? 1 : g.result == "0-1" ? 0 : g.result == "1/2-1/2" ? 0.5 : -1;
        if (result < 0)
            continue;
        std::unique_ptr<POS_T> b(new POS_T()), next(new POS_T());
        std::vector<MOVE_T> moves;
        bool set_up;
        if (!PgnGameMoves(g, b.get(), &moves, &set_up, err))
            continue;
        state.rules = RULES_TDCL;  // the plain game has no attack boards to move
        for (size_t i = 0; i <= moves.size(); i++) {
            ReadyRoot(b.get(), 2);
            Consider(x, "tdcl", b.get(), (int)i, result);
            if (i == moves.size())
                break;
            MOVE_T m = moves[i];
            if (!DoMove(next.get(), b.get(), &m))
                break;
            *b = *next;
            b->oldb = nullptr;
        }
    }
    return true;
}

int Extract(const std::vector<std::string>& args)
{
    EXTRACT_T x;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); i++) {
        unsigned long long n;
        if (args[i] == "--skip" && i + 1 < args.size()) {
            if (!ToolNumber("vornak-tune", "--skip", args[++i].c_str(), 0, 1000, &n))
                return Usage();
            x.skip_plies = (int)n;
        } else if (ToolIsOption(args[i])) {
            return Usage();
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.empty())
        return Usage();
    hash_c.HashResize(1024);  // quiescence probes it; the stage changes empty it
    for (const std::string& f : files) {
        std::string text, err;
        if (!ToolReadFile(f, &text)) {
            fprintf(stderr, "vornak-tune: cannot read %s\n", f.c_str());
            return 1;
        }
        bool ok = EndsWith(f, ".pgn") ? ExtractPgn(&x, text, &err) : ExtractLines(&x, text);
        if (!ok) {
            fprintf(stderr, "vornak-tune: %s: %s\n", f.c_str(), err.c_str());
            return 1;
        }
    }
    fprintf(stderr, "vornak-tune: %ld positions read, %ld quiet ones kept\n", x.read, x.kept);
    return 0;
}

// ---------------------------------------------------------------- play
// Self-play in one process, for positions in quantity: random opening plies,
// then a search of a fixed number of nodes a move (the same on any machine).
// Prints every position of each finished game as a position line.
struct PLAY_T {
    bool plain = false;
    int rules = 0;  // 0: alternate the two rule sets
    long nodes = 5000;
    int opening_plies = 8, max_plies = 300;
    unsigned long long seed = 1;
};

unsigned long long NextRandom(unsigned long long* s)
{
    *s = *s * 6364136223846793005ull + 1442695040888963407ull;
    return *s >> 33;
}

// Plays one game; the result for White, and its positions.
double PlayOne(const PLAY_T& p, int rules, unsigned long long* rng, std::vector<std::string>* positions)
{
    ENGINE_GAME_T g;
    POS_T* b = g.pos.get();
    std::unique_ptr<POS_T> next(new POS_T());
    state.rules = rules;
    int mode;
    std::string err;
    ParsePosition(p.plain ? PLAIN_START_TEXT : TRI_START_TEXT, b, &mode, &err);
    b->rules = state.rules;
    state.dmode = mode;
    memset(state.hash_list, 0, sizeof state.hash_list);
    hash_c.HashReset();
    hash_c.OrderReset();
    ENGINE_LIMITS_T limits;
    limits.nodes = p.nodes;
    std::map<std::pair<uint32_t, uint32_t>, int> seen;
    for (int ply = 0; ply < p.max_plies; ply++) {
        std::vector<MOVE_T> legal;
        if (!LegalChoices(b, &legal))
            return (b->flags & FLAG_IN_CHECK) ? (NextToPlay(b) == 1 ? 0 : 1) : 0.5;
        if (++seen[{b->hash1, b->hash2}] >= 3 || b->fifty_count >= 100)
            return 0.5;
        Evaluate(b, NO_VALUE, 2);
        if (b->flags & FLAG_MATERIAL_DRAWN)
            return 0.5;
        positions->push_back(FormatPosition(b, state.dmode));
        MOVE_T m = legal[NextRandom(rng) % legal.size()];
        if (ply >= p.opening_plies)
            EngineSearch(&g, limits, &m, nullptr);
        if (!DoMove(next.get(), b, &m))
            return 0.5;
        *b = *next;
        b->oldb = nullptr;
    }
    return 0.5;
}

int Play(const std::vector<std::string>& args)
{
    PLAY_T p;
    unsigned long long games = 10, n;
    for (size_t i = 0; i < args.size(); i++) {
        bool more = i + 1 < args.size();
        if (args[i] == "--plain") {
            p.plain = true;
        } else if (args[i] == "--rules" && more) {
            if (!(p.rules = ToolRules("vornak-tune", args[++i])))
                return Usage();
        } else if (args[i] == "--games" && more) {
            if (!ToolNumber("vornak-tune", "--games", args[++i].c_str(), 1, 10000000, &games))
                return Usage();
        } else if (args[i] == "--nodes" && more) {
            if (!ToolNumber("vornak-tune", "--nodes", args[++i].c_str(), 1, 100000000, &n))
                return Usage();
            p.nodes = (long)n;
        } else if (args[i] == "--opening-plies" && more) {
            if (!ToolNumber("vornak-tune", "--opening-plies", args[++i].c_str(), 0, 40, &n))
                return Usage();
            p.opening_plies = (int)n;
        } else if (args[i] == "--seed" && more) {
            if (!ToolNumber("vornak-tune", "--seed", args[++i].c_str(), 0, ~0ull, &p.seed))
                return Usage();
        } else {
            return Usage();
        }
    }
    unsigned long long rng = p.seed * 0x9E3779B97F4A7C15ull + 1;
    double points[3] = {0, 0, 0};
    for (unsigned long long g = 0; g < games; g++) {
        int rules = p.rules ? p.rules : 1 + (int)(g % 2);
        std::vector<std::string> positions;
        double result = PlayOne(p, rules, &rng, &positions);
        points[result == 1 ? 0 : result == 0 ? 2 : 1]++;
        const char* name = rules == 1 ? "tournament" : "tdcl";
        for (const std::string& pos : positions)
            printf("%s\t%s\t%g\n", name, pos.c_str(), result);
        fflush(stdout);
    }
    fprintf(stderr, "vornak-tune: %llu games: %g won by White, %g drawn, %g won by Black\n", games, points[0],
            points[1], points[2]);
    return 0;
}

// ---------------------------------------------------------------- fit
// Writes a rewritten coefficient source; the tool's exit status.
int WriteSource(const std::string& name, const std::string& text)
{
    std::ofstream o(name, std::ios::binary);
    o << text;
    if (!o.flush()) {
        fprintf(stderr, "vornak-tune: cannot write %s\n", name.c_str());
        return 1;
    }
    printf("rewrote %s\n", name.c_str());
    return 0;
}

void Log(const char* line) { fprintf(stderr, "vornak-tune: %s\n", line); }

int Fit(const std::vector<std::string>& args)
{
    unsigned long long passes = 20, step = 100, min_positions = 1, patience = 1;
    double prior = 0;
    bool coarse = false;
    std::string write, note;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); i++) {
        bool more = i + 1 < args.size();
        if (args[i] == "--passes" && more) {
            if (!ToolNumber("vornak-tune", "--passes", args[++i].c_str(), 1, 1000, &passes))
                return Usage();
        } else if (args[i] == "--step" && more) {
            if (!ToolNumber("vornak-tune", "--step", args[++i].c_str(), 1, 10000, &step))
                return Usage();
        } else if (args[i] == "--prior" && more) {
            char* end;
            prior = strtod(args[++i].c_str(), &end);
            if (*end || !(prior >= 0 && prior <= 1e6)) {
                fprintf(stderr, "vornak-tune: --prior wants a number from 0 to 1000000, not '%s'\n", args[i].c_str());
                return Usage();
            }
        } else if (args[i] == "--min-positions" && more) {
            if (!ToolNumber("vornak-tune", "--min-positions", args[++i].c_str(), 1, 100000000, &min_positions))
                return Usage();
        } else if (args[i] == "--patience" && more) {
            if (!ToolNumber("vornak-tune", "--patience", args[++i].c_str(), 1, 1000, &patience))
                return Usage();
        } else if (args[i] == "--coarse") {
            coarse = true;
        } else if (args[i] == "--write" && more) {
            write = args[++i];
        } else if (args[i] == "--note" && more) {
            note = args[++i];
        } else if (ToolIsOption(args[i])) {
            return Usage();
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.empty() || (!write.empty() && note.empty()))
        return Usage();
    hash_c.HashResize(1024);
    std::vector<TUNE_SAMPLE_T> train, held_out;
    long count = 0;
    for (const std::string& f : files) {
        std::ifstream in(f);
        if (!in) {
            fprintf(stderr, "vornak-tune: cannot read %s\n", f.c_str());
            return 1;
        }
        std::string line, rules, position;
        double result;
        while (std::getline(in, line)) {
            if (!SplitSample(line, &rules, &position, &result))
                continue;
            // Positions of one game follow each other and share its result:
            // whole runs of lines are held out, so that what is held out
            // comes from games the fit has not seen.
            std::vector<TUNE_SAMPLE_T>& to = count++ / 200 % 10 == 9 ? held_out : train;
            to.emplace_back();
            to.back().result = result;
            if (!Ready(rules, position, &to.back().pos))
                to.pop_back();
        }
    }
    fprintf(stderr, "vornak-tune: %zu training positions, %zu held out\n", train.size(), held_out.size());
    if (train.empty())
        return 1;
    TUNE_SETTINGS_T settings;
    settings.max_passes = (int)passes;
    settings.step = (int)step;
    settings.prior = prior;
    settings.min_positions = min_positions;
    settings.patience = (int)patience;
    settings.log = Log;
    TUNE_REPORT_T r = TuneFit(train, held_out, TunableParams(coarse), settings);
    printf("k %.4f passes %d steps kept %d\n", r.k, r.passes, r.moves);
    printf("training error %.6f -> %.6f\n", r.train_before, r.train_after);
    printf("held-out error %.6f -> %.6f\n", r.held_before, r.held_after);
    if (write.empty())
        return 0;
    std::string source, out, err;
    if (!ToolReadFile(write, &source)) {
        fprintf(stderr, "vornak-tune: cannot read %s\n", write.c_str());
        return 1;
    }
    if (!RewriteCoefficients(source, new_coefficients, note, &out, &err)) {
        fprintf(stderr, "vornak-tune: %s: %s\n", write.c_str(), err.c_str());
        return 1;
    }
    return WriteSource(write, out);
}

// Marks and writes into SOURCE the weights of another coefficient source
// (a fitted copy): how a fit made elsewhere comes into the tree.
int Rewrite(const std::vector<std::string>& args)
{
    std::string from, note, source_name;
    for (size_t i = 0; i < args.size(); i++) {
        bool more = i + 1 < args.size();
        if (args[i] == "--weights" && more)
            from = args[++i];
        else if (args[i] == "--note" && more)
            note = args[++i];
        else if (ToolIsOption(args[i]) || !source_name.empty())
            return Usage();
        else
            source_name = args[i];
    }
    if (from.empty() || note.empty() || source_name.empty())
        return Usage();
    std::string fitted, source, out, err;
    std::vector<int> weights;
    if (!ToolReadFile(from, &fitted) || !ToolReadFile(source_name, &source)) {
        fprintf(stderr, "vornak-tune: cannot read %s\n", fitted.empty() ? from.c_str() : source_name.c_str());
        return 1;
    }
    if (!ReadCoefficients(fitted, &weights, &err) || !RewriteCoefficients(source, weights.data(), note, &out, &err)) {
        fprintf(stderr, "vornak-tune: %s\n", err.c_str());
        return 1;
    }
    return WriteSource(source_name, out);
}

}  // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
    ConsoleToComments(stderr, "");
    if (argc < 2)
        return Usage();
    std::string mode = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (mode == "extract")
        return Extract(args);
    if (mode == "fit")
        return Fit(args);
    if (mode == "play")
        return Play(args);
    if (mode == "rewrite")
        return Rewrite(args);
    return Usage();
}
