// The interface and the thinking thread both look up directions and lines, in
// different attack-board configurations at once. Each must see the answers of
// its own position, whatever the other is building or reading.
#include "board/board.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

const ABWHERE_E pins[12] = {ABW_QL1, ABW_QL2, ABW_QL3, ABW_QL4, ABW_QL5, ABW_QL6,
                            ABW_KL1, ABW_KL2, ABW_KL3, ABW_KL4, ABW_KL5, ABW_KL6};

struct Answers {
    std::vector<SQ_T> targets;  // every list of every square and direction, 0xFF-separated
    std::vector<signed char> lines;
};

// Configurations picked so that the two threads walk different ones.
std::vector<POS_T> Configurations(int first, int count)
{
    std::vector<POS_T> out;
    for (int k = first; (int)out.size() < count; k += 7) {
        POS_T b{};
        int a = k % 12, c = (k / 12) % 12, d = (k / 144) % 12, e = (k / 1728) % 12;
        if (a == c || a == d || a == e || c == d || c == e || d == e)
            continue;
        b.whereis_board[0] = pins[a];
        b.whereis_board[1] = pins[c];
        b.whereis_board[2] = pins[d];
        b.whereis_board[3] = pins[e];
        out.push_back(b);
    }
    return out;
}

Answers Ask(POS_T* b)
{
    Answers ans;
    SQ_T room[7];
    BTO_T t = {0, room};
    for (SQ_T s = 0; s < 64; s++)
        for (int di = 0; di < NUM_DIRS; di++) {
            int n = DirTo(b, s, dir_order[di], &t);
            for (int k = 0; k < n; k++)
                ans.targets.push_back(t.tos[k]);
            ans.targets.push_back(0xFF);
        }
    const LINE_MAP_T& line = SlidingMap(b);
    for (SQ_T s = 0; s < 64; s++)
        for (SQ_T u = 0; u < 64; u++)
            ans.lines.push_back(line[s][u]);
    return ans;
}

TEST(Concurrency, TwoThreadsInDifferentConfigurationsSeeTheirOwnAnswers)
{
    state.dmode = 3;
    ResetBoardConfigCache();
    std::vector<POS_T> mine = Configurations(11, 60), theirs = Configurations(5003, 60);
    std::vector<Answers> expect_mine, expect_theirs;
    for (POS_T& b : mine)
        expect_mine.push_back(Ask(&b));
    for (POS_T& b : theirs)
        expect_theirs.push_back(Ask(&b));

    // Fresh cache: the threads now build tables while the other reads.
    ResetBoardConfigCache();
    int bad_mine = 0, bad_theirs = 0;
    auto run = [](std::vector<POS_T> configs, const std::vector<Answers>& expect, int* bad) {
        for (int round = 0; round < 3; round++)
            for (size_t i = 0; i < configs.size(); i++) {
                Answers got = Ask(&configs[i]);
                if (got.targets != expect[i].targets || got.lines != expect[i].lines)
                    (*bad)++;
            }
    };
    std::thread other(run, theirs, std::cref(expect_theirs), &bad_theirs);
    run(mine, expect_mine, &bad_mine);
    other.join();
    EXPECT_EQ(bad_mine, 0);
    EXPECT_EQ(bad_theirs, 0);
}

}  // namespace
