// Perft: the leaf counts of the legal move tree. The plain game is held
// against a file of independently verified counts; the tri-dimensional start
// against counts from a separate model of the rules, under both rule sets.
#include "MoveTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

const char* const kOrdinaryFile = VORNAK_SOURCE_DIR "/../shared/perft/ordinary.epd";

struct PerftCase {
    std::string fen;
    int depth;
    uint64_t count;
};

// Reads "<FEN> ;D1 n ;D2 n ..." lines; '#' starts a comment.
std::vector<PerftCase> ReadEpd(const char* path) {
    std::vector<PerftCase> out;
    std::ifstream in(path);
    if (!in) {
        ADD_FAILURE() << "perft file not found: " << path;
        return out;
    }
    std::string line;
    while (std::getline(in, line)) {
        size_t semi = line.find(';');
        if (line.empty() || line[0] == '#' || semi == std::string::npos) continue;
        std::string fen = line.substr(0, semi);
        while (!fen.empty() && fen.back() == ' ') fen.pop_back();
        std::istringstream rest(line.substr(semi));
        std::string field;
        while (std::getline(rest, field, ';')) {
            int depth = 0;
            unsigned long long count = 0;
            if (sscanf(field.c_str(), " D%d %llu", &depth, &count) == 2) out.push_back({fen, depth, count});
        }
    }
    EXPECT_FALSE(out.empty()) << "no counts in " << path;
    return out;
}

// Runs every case up to max_count nodes; answers the number checked.
int RunFile(uint64_t max_count) {
    std::vector<PerftCase> cases = ReadEpd(kOrdinaryFile);
    int run = 0;
    std::string last;
    std::unique_ptr<POS_T> b;
    for (const PerftCase& c : cases) {
        if (c.count > max_count) continue;
        if (c.fen != last) {
            b = mt::Load(c.fen);
            last = c.fen;
        }
        if (!b) continue;
        EXPECT_EQ(Perft(b.get(), c.depth), c.count) << c.fen << " depth " << c.depth;
        ++run;
    }
    return run;
}

TEST(Perft, OrdinaryFileUpToTwoHundredThousandNodes) {
    auto t0 = std::chrono::steady_clock::now();
    int run = RunFile(200000);
    EXPECT_GT(run, 100);
    printf("%d plain perft counts checked in %.1f s\n", run,
           std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
}

TEST(SlowPerft, WholeFile) {
    auto t0 = std::chrono::steady_clock::now();
    int run = RunFile(~0ULL);
    printf("%d plain perft counts checked in %.1f s\n", run,
           std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
}

TEST(Perft, TriDimensionalStartBothRuleSets) {
    // No board can move within four plies, so the rule sets agree.
    const uint64_t want[5] = {1, 21, 441, 10004, 226504};
    for (int rules : {RULES_TOURNAMENT, RULES_TDCL}) {
        auto b = mt::Load(mt::kStart3d, rules);
        ASSERT_TRUE(b);
        for (int depth = 0; depth <= 4; ++depth)
            EXPECT_EQ(Perft(b.get(), depth), want[depth]) << "depth " << depth << ", rules " << rules;
    }
}

// Perft by the definition: every legal choice made on a child, counted from
// below. Counts the same as the built-in walk on positions with every kind
// of move, in both games.
uint64_t SlowPerft(POS_T* b, int depth) {
    if (depth == 0) return 1;
    std::vector<MOVE_T> moves;
    LegalChoices(b, &moves);
    if (depth == 1) return moves.size();
    uint64_t n = 0;
    for (MOVE_T m : moves) {
        auto c = mt::NewChild();
        if (!DoMove(c.get(), b, &m)) {
            ADD_FAILURE() << "listed choice refused: " << mt::Name(m) << " in " << mt::Text(b);
            continue;
        }
        n += SlowPerft(c.get(), depth - 1);
    }
    return n;
}

TEST(Perft, WalkAgreesWithMakingEveryChoice) {
    const char* lines[] = {
        "3d R.....n./.P....../...pP.../......../K......k/.P....p./.p...P../.P.....r w - - 0 1 QL3,QL4,KL2,KL5 wbwb",
        "3d ......p./......../.P....../......../..p...../.....P../K......k/.....P.. b - - 0 1 QL5,QL3,KL4,KL3 wbwb",
        "3d R..p...r/.P..P.p./K..p...k/R...P..r/.P....p./.Pp...p./.P....p./.P....p. w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb",
        "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    };
    for (const char* line : lines) {
        for (int rules : {RULES_TOURNAMENT, RULES_TDCL}) {
            auto b = mt::Load(line, rules);
            ASSERT_TRUE(b);
            EXPECT_EQ(Perft(b.get(), 3), SlowPerft(b.get(), 3)) << line << ", rules " << rules;
        }
    }
}

}  // namespace
