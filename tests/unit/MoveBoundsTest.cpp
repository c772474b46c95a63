// The fixed-size tables that moves write: the move lists, the key history of
// the line and the captured-pieces list. The largest move lists that could be
// built are counted independently of the generator, and lines are played past
// the end of the key history with guards behind every table.
#include "MoveTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Every legal move of a position without pawns for the side to move, counted
// from the attack rules and made square by square; the generator and its
// buffers play no part.
long IndependentLegalCount(POS_T* b) {
    int dmode = state.dmode;
    bool white = IsWhitesMove(b);
    long n = 0;
    if (dmode == 3) {
        mt::AttackModel model(b);
        for (int sq = 0; sq < 64; ++sq) {
            int p = b->board[sq];
            if (!p || (p > 0) != white) continue;
            EXPECT_NE(p < 0 ? -p : p, 1) << "the count leaves pawns out";
            uint64_t targets = model.Attacks(sq);
            for (int t = 0; t < 64; ++t) {
                int q = b->board[t];
                if (!(targets >> t & 1) || (q && (q > 0) == white)) continue;
                if (mt::HandLegal(b, mt::Move(p, sq, t, q ? 'x' : '-'), dmode)) ++n;
            }
        }
        for (int ab : {AB_QLW, AB_QLB, AB_KLW, AB_KLB}) {
            MOVE_T buf[MAX_MOVES];
            int k = GenAttackBoardMoves(b, ab, buf);
            for (int i = 0; i < k; ++i)
                if (mt::HandLegal(b, buf[i], dmode)) ++n;
        }
    } else {
        for (int sq = 0; sq < 64; ++sq) {
            int p = b->board[sq];
            if (!p || (p > 0) != white) continue;
            EXPECT_NE(p < 0 ? -p : p, 1) << "the count leaves pawns out";
            uint64_t direct = 0, xray = 0;
            mt::PlainAttacks(b, sq, &direct, &xray);
            for (int t = 0; t < 64; ++t) {
                int q = b->board[t];
                if (!(direct >> t & 1) || (q && (q > 0) == white)) continue;
                if (mt::HandLegal(b, mt::Move(p, sq, t, q ? 'x' : '-'), dmode)) ++n;
            }
        }
    }
    return n;
}

// The generator writes no further than its bound, whatever the position.
int GuardedCount(POS_T* b, bool check_path) {
    std::vector<MOVE_T> buf(2 * MAX_MOVES);
    std::memset(buf.data(), 0x5A, buf.size() * sizeof(MOVE_T));
    int n = check_path ? GenerateCheckAvoidance(b, buf.data()) : GenerateMoves(b, buf.data());
    EXPECT_LE(n, MAX_MOVES);
    const unsigned char* guard = reinterpret_cast<const unsigned char*>(buf.data() + MAX_MOVES);
    for (size_t i = 0; i < MAX_MOVES * sizeof(MOVE_T); ++i)
        if (guard[i] != 0x5A) {
            ADD_FAILURE() << "move written beyond the bound of " << MAX_MOVES;
            break;
        }
    return n;
}

TEST(MoveBounds, LargestPositionsKeepEveryMove) {
    struct {
        const char* line;
        const char* what;
    } cases[] = {
        // The largest known count of the plain game.
        {"R6R/3Q4/1Q4Q1/4Q3/2Q4Q/Q4Q2/pp1Q4/kBNN1KB1 w - - 0 1", "plain, nine queens"},
        // Tri-dimensional: nine queens and the other pieces of one side, the
        // boards spread over both sides, found by a search for long lists.
        {"3d Q.Q....k/....Q..p/Q....R../...Q...R/.BQ...../....Q.N./.Q...KBN/...Q.... w - - 0 1 KL5,QL6,KL2,QL3 wbwb",
         "tri-dimensional, nine queens"},
        {"3d .K.Q...k/......../..Q.Q.../Q.B.Q.Q./b..Q..../R.....R./..Q.Q.BN/bN.....b w - - 0 1 KL5,QL6,QL5,QL2 wbwb",
         "tri-dimensional, nine queens, boards stacked"},
    };
    long largest = 0;
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto b = mt::Load(c.line);
        ASSERT_TRUE(b);
        long want = IndependentLegalCount(b.get());
        largest = std::max(largest, want);
        int raw = GuardedCount(b.get(), false);
        mt::MoveSet chosen = mt::Choices(b.get());
        EXPECT_EQ(long(chosen.size()), want) << c.line << " (the generator listed " << raw << ")";
        EXPECT_EQ(Perft(b.get(), 1), uint64_t(want)) << c.line;
        printf("%s: %ld legal moves, %d listed\n", c.what, want, raw);
    }
    printf("largest legal move count found: %ld (bound %d)\n", largest, MAX_MOVES);
}

TEST(MoveBounds, CheckPathStaysWithinTheBound) {
    // Black gives check from a knight; White's nine queens have many moves.
    auto b = mt::Load(
        "3d Q.Q....k/....Q..p/Q....R../...Q...R/.BQ...../....Q.N./.Q...KBN/...Q.... w - - 0 1 KL5,QL6,KL2,QL3 wbwb");
    ASSERT_TRUE(b);
    auto marked = mt::Copy(b.get());
    marked->flags |= FLAG_IN_CHECK;
    GuardedCount(marked.get(), true);
}

// Plays knight moves back and forth from a given half-move number.
void PlayPastTheHistory(const char* line, const MOVE_T cycle[4], int plies, const char* what, int move_num = -1) {
    SCOPED_TRACE(what);
    std::vector<uint32_t> history(MAX_GAME_PLIES + 64, 0xA5A5A5A5u);
    uint32_t* previous = LineHashList();
    SetLineHashList(history.data());
    state.demo_mode = 0x3C3C3C3C;
    auto b = mt::Load(line);
    ASSERT_TRUE(b);
    if (move_num >= 0) b->move_num = move_num;  // same side to move: the parity is kept
    std::vector<std::unique_ptr<POS_T>> line_of_play;
    line_of_play.push_back(std::move(b));
    int refused = 0, made = 0;
    for (int i = 0; i < plies; ++i) {
        POS_T* cur = line_of_play.back().get();
        MOVE_T m = cycle[i % 4];
        auto c = mt::NewChild();
        if (!DoMove(c.get(), cur, &m)) {
            ++refused;
            break;
        }
        ++made;
        EXPECT_EQ(c->move_num, cur->move_num + 1);
        mt::ExpectMatchesRebuild(c.get(), "move " + std::to_string(i));
        line_of_play.push_back(std::move(c));
    }
    for (size_t i = MAX_GAME_PLIES; i < history.size(); ++i)
        EXPECT_EQ(history[i], 0xA5A5A5A5u) << "key history written at " << i;
    EXPECT_EQ(state.demo_mode, 0x3C3C3C3C);
    SetLineHashList(previous);
    state.demo_mode = 0;
    printf("%s: %d moves made, %d refused, last half-move %d\n", what, made, refused,
           line_of_play.back()->move_num);
}

TEST(MoveBounds, LinesLongerThanTheKeyHistory) {
    const MOVE_T plain[4] = {mt::Move(W_KNIGHT, H1, G3, '-'), mt::Move(B_KNIGHT, H8, G6, '-'),
                             mt::Move(W_KNIGHT, G3, H1, '-'), mt::Move(B_KNIGHT, G6, H8, '-')};
    PlayPastTheHistory("4k2n/8/8/8/8/8/8/4K2N w - - 0 499", plain, 12, "plain, half-move 996");
    // Text stops at move 499; a line can still run on, as far as it likes.
    PlayPastTheHistory("4k2n/8/8/8/8/8/8/4K2N w - - 0 1", plain, 4, "plain, half-move 60000", 60000);
    // Tri-dimensional knights E1 (1,1) to F3 (2,3) and E8 (1,8) to F6 (2,6).
    const MOVE_T tri[4] = {mt::Move(W_KNIGHT, E1, F3, '-'), mt::Move(B_KNIGHT, E8, F6, '-'),
                           mt::Move(W_KNIGHT, F3, E1, '-'), mt::Move(B_KNIGHT, F6, E8, '-')};
    PlayPastTheHistory(
        "3d ......../......../K......k/......../N......n/......../......../........ w - - 0 499 QL1,QL6,KL1,KL6 wbwb",
        tri, 12, "tri-dimensional, half-move 996");
}

TEST(MoveBounds, CapturedListHoldsAtMostThirtyNine) {
    CaptureReset();
    for (int i = 0; i < 60; ++i) CapturedPieceStore(B_PAWN);
    EXPECT_LE(GetCapturedPiece(0), 39);
    for (int i = 1; i <= GetCapturedPiece(0); ++i) EXPECT_EQ(GetCapturedPiece(i), B_PAWN) << i;
    // Nothing White was stored: a write past the list would show here.
    EXPECT_EQ(cap_t.wht_cnt, 0);
    EXPECT_EQ(cap_t.wht_pn, 0);
    EXPECT_LE(cap_t.blk_cnt, 60);
    CaptureReset();
}

}  // namespace
