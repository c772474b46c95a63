// Long random games in both kinds of game. At every position the legal moves
// of the generator equal those of a slow reference (each pseudo-legal move
// made square by square, the position rebuilt from the bare board, the
// mover's king asked about) and those worked out from the rules without the
// generator; after every move the kept maps, masks and keys equal a rebuild,
// follow the attack rules, and the two halves of the move maker give what
// the whole move gives. The choice of moves leans toward the rare ones: board
// moves with passengers, promotions, en passant, castling.
#include "MoveTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <deque>

namespace {

using mt::MoveSet;

struct Totals {
    long positions = 0, moves_checked = 0;
    std::map<char, long> played;  // by symbol, board moves as 'T'
    long carried = 0, in_check = 0;
    mt::Tally pawns7th;
};

int Weight(POS_T* b, const MOVE_T& m) {
    switch (m.move_symbol) {
    case 'e': case 'E': case 'S': case 'L': return 60;
    case 'Q': case 'R': case 'B': case 'N': return mt::IsBoardMove(m) ? 40 : 20;
    default: break;
    }
    if (mt::IsBoardMove(m)) {
        int base = vt::kBase[AbIndex(m.piece_moving)];
        bool cargo = b->board[base] || b->board[base + 1] || b->board[base + 8] || b->board[base + 9];
        return cargo ? 16 : 5;
    }
    if (m.move_symbol == 'x') return 4;
    if (m.piece_moving == W_PAWN || m.piece_moving == B_PAWN) return 4;
    return 1;
}

// Every check of one position; answers the legal moves by the reference.
std::vector<MOVE_T> CheckPosition(POS_T* b, int dmode, const std::string& where, Totals* t) {
    SCOPED_TRACE(where);
    std::vector<MOVE_T> raw = mt::Generated(b);
    MoveSet ref;
    std::vector<MOVE_T> legal;
    const MOVE_T* illegal = nullptr;
    for (const MOVE_T& m : raw) {
        bool choosable = mt::Choosable(b, m, dmode);
        MOVE_T probe = m;
        EXPECT_EQ(IsChoosableMove(b, &probe) != 0, choosable) << mt::Name(m);
        mt::Hand h;
        bool want = mt::HandLegal(b, m, dmode, &h);
        int got = 0;
        auto child = mt::Play(b, m, &got);
        EXPECT_EQ(got != 0, want) << "legality of " << mt::Name(m);
        if (got && want) {
            EXPECT_EQ(0, std::memcmp(child->board, h.board, sizeof h.board)) << "board after " << mt::Name(m);
            for (int i = 0; i < 4; ++i) EXPECT_EQ(int(child->whereis_board[i]), h.where[i]) << mt::Name(m);
            // The plain game keeps its maps by incremental update after quiet
            // moves: every child, not only the one played, is held to a rebuild.
            if (dmode == 2 && !::testing::Test::HasFailure()) {
                mt::ExpectMatchesRebuild(child.get(), "child " + mt::Name(m), &t->pawns7th);
                mt::ExpectPartsEqualWhole(b, m, "child " + mt::Name(m));
            }
        }
        if (!want && !illegal) illegal = &m;
        if (want && choosable && ref.insert(mt::Key(m)).second) legal.push_back(m);
        ++t->moves_checked;
    }

    // The same list worked out from the rules alone.
    MoveSet independent;
    for (const MOVE_T& m : mt::IndependentChoices(b, dmode, state.rules)) {
        mt::MoveKey k = mt::Key(m);
        if (ref.count(k) || (!independent.count(k) && mt::HandLegal(b, m, dmode))) independent.insert(k);
    }
    EXPECT_EQ(ref, independent) << "generator against the rules: " << mt::SetDiff(ref, independent);

    GenMoveList(b, 0, nullptr, 0);
    MoveSet listed;
    std::set<std::tuple<int, unsigned, unsigned, char, int, char>> exact;
    for (int i = 0; i < b->num_moves; ++i) {
        MOVE_T m = b->moves[i];
        EXPECT_TRUE(exact.insert({m.piece_moving, m.from, m.to, m.move_symbol, m.v, m.check}).second)
            << "listed twice: " << mt::Name(m);
        int ok = 0;
        if (IsChoosableMove(b, &m)) mt::Play(b, m, &ok);
        if (ok) listed.insert(mt::Key(m));
    }
    EXPECT_EQ(listed, ref) << mt::SetDiff(listed, ref);
    MoveSet chosen = mt::Choices(b);
    EXPECT_EQ(chosen, ref) << mt::SetDiff(chosen, ref);
    EXPECT_EQ(Perft(b, 1), ref.size());
    if (!legal.empty()) {
        MOVE_T m = legal[legal.size() / 2];
        EXPECT_EQ(LegalMove(b, &m, "test"), 1) << mt::Name(m);
    }
    if (illegal) {
        MOVE_T m = *illegal;
        EXPECT_EQ(LegalMove(b, &m, "test"), 0) << mt::Name(m);
    }
    ++t->positions;
    return legal;
}

void CheckMove(POS_T* parent, POS_T* child, const MOVE_T& made, int dmode, const std::string& where, Totals* t) {
    SCOPED_TRACE(where);
    mt::ExpectPartsEqualWhole(parent, made, "parts");
    mt::ExpectMatchesRebuild(child, where, &t->pawns7th);
    mt::ExpectAttacksFollowRules(child, dmode, "attack rules");
    bool white_to_move = IsWhitesMove(child);
    int pins[4];
    for (int i = 0; i < 4; ++i) pins[i] = child->whereis_board[i];
    auto r = mt::Rebuild(child->board, pins, child->whites_board, 0, 0, child->move_num, 1);
    bool attacked = mt::KingAttacked(r.get(), white_to_move);
    EXPECT_EQ((child->flags & FLAG_IN_CHECK) != 0, attacked) << "in-check flag";
    EXPECT_EQ(child->last_move.from, made.from);
    EXPECT_EQ(child->last_move.to, made.to);
}

// Plays one game from a position; stops at the first position that fails so
// that one fault does not flood the log.
void PlayGame(const std::string& start, int rules, unsigned seed, int max_plies, Totals* t) {
    auto first = mt::Load(start, rules);
    ASSERT_TRUE(first);
    int dmode = state.dmode;
    std::mt19937 rng(seed);
    std::deque<std::unique_ptr<POS_T>> line;
    line.push_back(std::move(first));
    std::string moves_so_far;
    for (int ply = 0; ply < max_plies; ++ply) {
        POS_T* b = line.back().get();
        std::string where = "position " + mt::Text(b) + " after" + moves_so_far + " (rules " +
                            std::to_string(rules) + ", seed " + std::to_string(seed) + ")";
        std::vector<MOVE_T> legal = CheckPosition(b, dmode, where, t);
        if (::testing::Test::HasFailure() || legal.empty()) return;
        long total = 0;
        for (const MOVE_T& m : legal) total += Weight(b, m);
        long pick = long(rng() % uint32_t(total));
        MOVE_T m = legal.back();
        for (const MOVE_T& c : legal) {
            pick -= Weight(b, c);
            if (pick < 0) {
                m = c;
                break;
            }
        }
        MOVE_T made = m;
        int ok = 0;
        auto child = mt::Play(b, made, &ok);
        EXPECT_TRUE(ok) << mt::Name(m) << " in " << where;
        if (mt::IsBoardMove(m)) {
            int base = vt::kBase[AbIndex(m.piece_moving)];
            if (b->board[base] || b->board[base + 1] || b->board[base + 8] || b->board[base + 9]) ++t->carried;
        }
        ++t->played[mt::IsBoardMove(m) && m.move_symbol == 'T' ? 'T' : m.move_symbol];
        if (child->flags & FLAG_IN_CHECK) ++t->in_check;
        moves_so_far += " " + CoordinateMove(&m);
        CheckMove(b, child.get(), m, dmode, "move " + mt::Name(m) + " from " + where, t);
        if (::testing::Test::HasFailure()) return;
        line.push_back(std::move(child));
        // The child reads its parent through oldb; older positions may go.
        while (line.size() > 2) line.pop_front();
    }
}

void Report(const char* what, const Totals& t) {
    std::string kinds;
    for (auto& [c, n] : t.played) kinds += std::string(" ") + c + "=" + std::to_string(n);
    printf("%s: %ld positions, %ld moves checked, in check %ld, boards with cargo %ld, played:%s\n", what,
           t.positions, t.moves_checked, t.in_check, t.carried, kinds.c_str());
}

const char* const kTriStarts[] = {
    mt::kStart3d,
    // Boards spread out, pieces riding, pawns near both ends, en passant on offer.
    "3d R.....n./.P....../...pP.../......../K......k/.P....p./.p...P../.P.....r w - - 0 1 QL3,QL4,KL2,KL5 wbwb",
    // Castling ready on both sides.
    "3d RP....pr/.P....p./KP....pk/R......r/.P....p./B......b/.P....p./N......n w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb",
    // Pawns carried toward promotion by boards, Black to move.
    "3d ......p./......../.P....../......../..p...../.....P../K......k/.....P.. b - - 0 1 QL5,QL3,KL4,KL3 wbwb",
    // Kings riding their boards, double steps beside enemy pawns.
    "3d ...p..../......../K......k/....P.../.P....p./.P....p./.P....p./......p. w - - 0 1 QL1,QL6,KL1,KL6 wbwb",
    // Pawns of both sides facing each other two ranks apart across the levels.
    "3d R..p...r/.P..P.p./K..p...k/R...P..r/.P....p./.Pp...p./.P....p./.P....p. w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb",
};

TEST(SelfConsistency, TriDimensionalRandomGamesBothRuleSets) {
    auto t0 = std::chrono::steady_clock::now();
    Totals all[2];
    for (int rules : {RULES_TOURNAMENT, RULES_TDCL}) {
        Totals& t = all[rules - 1];
        unsigned seed = 1000u * rules;
        for (const char* start : kTriStarts)
            for (int game = 0; game < 8; ++game) {
                PlayGame(start, rules, ++seed, 160, &t);
                if (HasFailure()) return;
            }
        Report(rules == RULES_TOURNAMENT ? "tri-dimensional, tournament rules" : "tri-dimensional, TDCL rules", t);
    }
    printf("tri-dimensional games: %.1f s\n",
           std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    for (const Totals& t : all) {
        EXPECT_GT(t.positions, 4000);
        EXPECT_GT(t.played.at('T'), 200) << "board moves";
        EXPECT_GT(t.carried, 50) << "boards moved with a passenger";
        EXPECT_GT(t.played.count('e') ? t.played.at('e') : 0, 10) << "en passant";
        EXPECT_GT(t.played.count('S') + t.played.count('L'), 1u) << "castling both ways";
        EXPECT_GT(t.played.count('Q') + t.played.count('R') + t.played.count('B') + t.played.count('N'), 3u)
            << "promotion to every piece";
        EXPECT_EQ(t.pawns7th.count, 0) << "pawns one step before promotion differ from a rebuild, first: "
                                       << t.pawns7th.first;
    }
}

const char* const kPlainStarts[] = {
    mt::kStart2d,
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "r3k2r/pp3ppp/8/2pPp3/4Pp2/8/PPP2PPP/R3K2R w KQkq c6 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
};

TEST(SelfConsistency, PlainRandomGames) {
    auto t0 = std::chrono::steady_clock::now();
    Totals t;
    unsigned seed = 77;
    for (const char* start : kPlainStarts)
        for (int game = 0; game < 6; ++game) {
            PlayGame(start, RULES_TDCL, ++seed, 200, &t);
            if (HasFailure()) return;
        }
    Report("plain", t);
    EXPECT_EQ(t.pawns7th.count, 0) << t.pawns7th.first;
    EXPECT_GT(t.positions, 3000);
    EXPECT_GT(t.played['e'] + t.played['E'], 0) << "en passant";
    EXPECT_GT(t.played['S'] + t.played['L'], 0) << "castling";
    printf("plain games: %.1f s\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
}

}  // namespace
