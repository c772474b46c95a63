// The thinking thread and the interface both generate and make moves. Two
// threads walking different positions at once must see exactly what each
// sees alone: every move list, legality answer, count and key.
#include "MoveTestUtil.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

struct Digest {
    uint64_t h = 1469598103934665603ull;
    void Add(uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    }
};

// A deterministic walk: at each position the ordered move list, the legal
// choices, a small perft and the keys of every child go into the digest.
uint64_t Walk(const POS_T* start, unsigned seed, int plies) {
    std::vector<uint32_t> history(MAX_GAME_PLIES, 0);
    uint32_t* previous = LineHashList();
    SetLineHashList(history.data());
    Digest d;
    std::mt19937 rng(seed);
    std::vector<std::unique_ptr<POS_T>> line;
    line.push_back(mt::Copy(start));
    for (int ply = 0; ply < plies; ++ply) {
        POS_T* b = line.back().get();
        GenMoveList(b, ply, nullptr, 0);
        std::vector<MOVE_T> listed(b->moves, b->moves + b->num_moves);
        std::vector<MOVE_T> legal;
        for (MOVE_T m : listed) {
            d.Add(uint64_t(m.piece_moving) << 40 | uint64_t(m.from) << 24 | m.to << 8 | uint8_t(m.move_symbol));
            auto c = mt::NewChild();
            MOVE_T copy = m;
            int ok = DoMove(c.get(), b, &copy);
            d.Add(ok);
            if (ok) {
                d.Add(c->hash1);
                d.Add(c->hash2);
                if (IsChoosableMove(b, &m)) legal.push_back(m);
            }
        }
        std::vector<MOVE_T> choices;
        d.Add(LegalChoices(b, &choices));
        d.Add(Perft(b, 2));
        if (legal.empty()) break;
        MOVE_T m = legal[rng() % legal.size()];
        d.Add(LegalMove(b, &m, "thread"));
        auto c = mt::NewChild();
        DoMove(c.get(), b, &m);
        line.push_back(std::move(c));
    }
    SetLineHashList(previous);
    return d.h;
}

void RunPair(const char* first, const char* second, int plies) {
    // Positions are read before the threads start: reading one sets the game
    // mode for the whole program.
    auto a = mt::Load(first);
    auto b = mt::Load(second);
    ASSERT_TRUE(a && b);
    uint64_t alone_a = Walk(a.get(), 1, plies), alone_b = Walk(b.get(), 2, plies);
    for (int round = 0; round < 2; ++round) {
        uint64_t together_a = 0, together_b = 0;
        std::thread ta([&] { together_a = Walk(a.get(), 1, plies); });
        std::thread tb([&] { together_b = Walk(b.get(), 2, plies); });
        ta.join();
        tb.join();
        EXPECT_EQ(together_a, alone_a) << first << " round " << round;
        EXPECT_EQ(together_b, alone_b) << second << " round " << round;
    }
}

TEST(MoveThreads, TwoThreadsSeeWhatOneThreadSees) {
    RunPair(mt::kStart3d,
            "3d R.....n./.P....../...pP.../......../K......k/.P....p./.p...P../.P.....r w - - 0 1 QL3,QL4,KL2,KL5 wbwb",
            30);
    RunPair(mt::kStart2d, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 30);
}

}  // namespace
