// The rules that decide results, on hand-built positions: checks and their
// answers, castling, en passant, the double step, attack-board moves with
// their cargo, ownership and promotion, and rooks reaching across free pins.
// Every expected move list below was worked out by hand from the board's
// geometry (projected file and rank of each cell, noted beside the moves).
#include "MoveTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using mt::Key;
using mt::Move;
using mt::MoveSet;
using vt::Sq;

MoveSet Set(std::initializer_list<MOVE_T> moves) {
    MoveSet s;
    for (const MOVE_T& m : moves) s.insert(Key(m));
    return s;
}

// The legal choices, checked to be the same when the position is marked in
// check, which sends the generator down its check path.
MoveSet ChoicesInCheck(POS_T* b) {
    MoveSet plain = mt::Choices(b);
    auto marked = mt::Copy(b);
    marked->flags |= FLAG_IN_CHECK;
    MoveSet flagged = mt::Choices(marked.get());
    EXPECT_EQ(flagged, plain) << "check path: " << mt::SetDiff(flagged, plain);
    return plain;
}

bool Has(const MoveSet& s, const MOVE_T& m) { return s.count(Key(m)) != 0; }

// Plays a move that must be among the legal choices.
std::unique_ptr<POS_T> PlayChoice(POS_T* b, MOVE_T m) {
    MoveSet s = mt::Choices(b);
    EXPECT_TRUE(Has(s, m)) << mt::Name(m) << " not offered in " << mt::Text(b) << "; offered: " << mt::Names(s);
    int ok = 0;
    auto c = mt::Play(b, m, &ok);
    EXPECT_TRUE(ok) << mt::Name(m);
    return c;
}

MoveSet PawnMoves(const MoveSet& s) {
    MoveSet out;
    for (const mt::MoveKey& k : s)
        if (std::get<0>(k) == W_PAWN || std::get<0>(k) == B_PAWN) out.insert(k);
    return out;
}

// ---------------------------------------------------------------- check

TEST(CheckRules, DoubleCheckLeavesOnlyTheKingAndItsBoard) {
    // Rook e8 and knight d3 both check e1; the queen may take the rook but
    // the knight's check remains.
    auto p = mt::Load("4r1k1/8/8/8/Q7/3n4/8/4K3 w - - 0 1");
    ASSERT_TRUE(p);
    EXPECT_EQ(ChoicesInCheck(p.get()),
              Set({Move(W_KING, E1, D1, '-'), Move(W_KING, E1, D2, '-'), Move(W_KING, E1, F1, '-')}));

    // King alone on its board at KL1, C1 = (4,0). Rook H3 (4,3) checks down
    // file 4 through H2, H1/C2; knight G2 (3,2) checks from one file left
    // and two ranks up.
    // H1 and C2 stay on the rook's file, D2 (5,1) is the knight's; D1 (5,0)
    // and G1 (3,1) are free. The king's board may cross to the free QL1,
    // which takes the king out of both lines; up to KL2 or KL3 it stays on
    // the rook's file. The empty queen's-side board cannot help.
    auto t = mt::Load(
        "3d ......../......../K......./......../.......k/......../.n....../..r..... w - - 0 1 QL2,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(t);
    EXPECT_EQ(ChoicesInCheck(t.get()), Set({Move(W_KING, C1, D1, '-'), Move(W_KING, C1, G1, '-'),
                                            Move(AB_KLW, ABW_KL1, ABW_QL1, 'T')}));
}

TEST(CheckRules, KingMayNotStepAlongTheCheckingLine) {
    // Stepping back to e3 keeps the king on the rook's file.
    auto p = mt::Load("4r2k/8/8/8/4K3/8/8/8 w - - 0 1");
    ASSERT_TRUE(p);
    EXPECT_EQ(ChoicesInCheck(p.get()),
              Set({Move(W_KING, E4, D3, '-'), Move(W_KING, E4, D4, '-'), Move(W_KING, E4, D5, '-'),
                   Move(W_KING, E4, F3, '-'), Move(W_KING, E4, F4, '-'), Move(W_KING, E4, F5, '-')}));

    // King on the neutral A4 (1,4), rook on the neutral A6 (1,6): the rook's
    // line enters (1,5) and then (1,4). With the cell (1,4) otherwise empty,
    // the line goes on to (1,3) once the king leaves, so E3 and A3 stay
    // attacked; A5/E5 are the rook's. Free: B3/F3, B4/F4, B5/F5.
    const MOVE_T free_steps[] = {Move(W_KING, A4, B3, '-'), Move(W_KING, A4, F3, '-'), Move(W_KING, A4, B4, '-'),
                                 Move(W_KING, A4, F4, '-'), Move(W_KING, A4, B5, '-'), Move(W_KING, A4, F5, '-')};
    auto alone = mt::Load(
        "3d ...K.r../......../......../......../......../......../......../.......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(alone);
    MoveSet want;
    for (const MOVE_T& m : free_steps) want.insert(Key(m));
    EXPECT_EQ(ChoicesInCheck(alone.get()), want);

    // A White pawn on E4 shares the king's cell one level down. The line
    // ends at the first cell holding a piece, on every level, so once the
    // king steps back to (1,3) the pawn shields it. The pawn may also block
    // by stepping into (1,5).
    auto shielded = mt::Load(
        "3d ...K.r../......../......../......../...P..../......../......../.......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(shielded);
    for (const MOVE_T& m : {Move(W_KING, A4, E3, '-'), Move(W_KING, A4, A3, '-'), Move(W_PAWN, E4, E5, '-'),
                            Move(W_PAWN, E4, A5, '-')})
        want.insert(Key(m));
    EXPECT_EQ(ChoicesInCheck(shielded.get()), want);
}

TEST(CheckRules, KnightCheckIsAnsweredByCaptureOrEscapeOnly) {
    // The bishop may take the knight; putting it on c2, "between" the two,
    // answers nothing.
    auto p = mt::Load("4k3/8/8/8/8/3n4/8/RB2K3 w - - 0 1");
    ASSERT_TRUE(p);
    EXPECT_EQ(ChoicesInCheck(p.get()),
              Set({Move(W_BISHOP, B1, D3, 'x'), Move(W_KING, E1, D1, '-'), Move(W_KING, E1, D2, '-'),
                   Move(W_KING, E1, E2, '-'), Move(W_KING, E1, F1, '-')}));

    // King E2 (1,2), knight G3 (3,3) two files right and one rank up; it
    // also covers F1 (2,1). The bishop E1 (1,1) reaches G3 over F2; its step
    // to C3 (the knight's cell, neutral level) answers nothing. The king may
    // step onto the home board (A2, B2) or up to E3/A3, F2, F3/B3.
    auto t = mt::Load(
        "3d ......../......../......../......../BK....../......../..n...../.......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(t);
    EXPECT_EQ(ChoicesInCheck(t.get()),
              Set({Move(W_BISHOP, E1, G3, 'x'), Move(W_KING, E2, A2, '-'), Move(W_KING, E2, B2, '-'),
                   Move(W_KING, E2, E3, '-'), Move(W_KING, E2, A3, '-'), Move(W_KING, E2, F2, '-'),
                   Move(W_KING, E2, F3, '-'), Move(W_KING, E2, B3, '-')}));
}

// ---------------------------------------------------------------- castling

struct CastlingCase {
    const char* position;
    bool short_ok, long_ok;
    const char* why;
};

void ExpectCastling(const CastlingCase& c, bool white, SQ_T king, SQ_T short_to, SQ_T long_to) {
    auto p = mt::Load(c.position);
    ASSERT_TRUE(p);
    MoveSet s = mt::Choices(p.get());
    int k = white ? W_KING : B_KING;
    EXPECT_EQ(Has(s, Move(k, king, short_to, 'S')), c.short_ok) << c.why << ": " << c.position;
    EXPECT_EQ(Has(s, Move(k, king, long_to, 'L')), c.long_ok) << c.why << ": " << c.position;
}

TEST(Castling, PlainGameRefusedThroughOrOutOfCheck) {
    const CastlingCase white[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", true, true, "all clear"},
        {"r3kr2/8/8/8/8/8/8/R3K2R w KQq - 0 1", false, true, "f1 attacked"},
        {"r3k1r1/8/8/8/8/8/8/R3K2R w KQq - 0 1", false, true, "g1 attacked"},
        {"r2rk3/8/8/8/8/8/8/R3K2R w KQ - 0 1", true, false, "d1 attacked"},
        {"2r1k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", true, false, "c1 attacked"},
        {"1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", true, true, "b1 attacked, which the king does not cross"},
        {"4r1k1/8/8/8/8/8/8/R3K2R w KQ - 0 1", false, false, "in check"},
        {"r3k2r/8/8/8/8/8/8/RN2K2R w KQkq - 0 1", true, false, "b1 occupied"},
        {"r3k2r/8/8/8/8/8/8/R3K2R w Kkq - 0 1", true, false, "long right gone"},
    };
    for (const CastlingCase& c : white) ExpectCastling(c, true, E1, G1, C1);
    const CastlingCase black[] = {
        {"r3k2r/8/8/8/8/8/8/4KR2 b kq - 0 1", false, true, "f8 attacked"},
        {"r3k2r/8/8/8/8/8/8/3RK3 b kq - 0 1", true, false, "d8 attacked"},
        {"r3k2r/8/8/8/8/8/8/3K1R2 b kq - 0 1", false, true, "f8 attacked, king elsewhere"},
        {"r3k2r/8/8/8/8/8/8/4RK2 b kq - 0 1", false, false, "in check"},
    };
    for (const CastlingCase& c : black) ExpectCastling(c, false, E8, G8, C8);
}

TEST(Castling, TriDimensionalRefusedOnAttackedSquares) {
    // King C1 (4,0) with rooks D1 (5,0) and A1 (0,0); short goes C1 onto D1,
    // long C1 to B1 (1,0). A Black rook on D2 (5,1) covers D1, on B2 (1,1)
    // B1, on C2 (4,1) gives check.
    const CastlingCase white[] = {
        {"3d R......./......../K......./R......./......../......../......../.......k w KQ - 0 1 QL1,QL6,KL1,KL6 wbwb",
         true, true, "all clear"},
        {"3d R......./......../K......./Rr....../......../......../......../.......k w KQ - 0 1 QL1,QL6,KL1,KL6 wbwb",
         false, true, "D1 attacked"},
        {"3d R......./.r....../K......./R......./......../......../......../.......k w KQ - 0 1 QL1,QL6,KL1,KL6 wbwb",
         true, false, "B1 attacked"},
        {"3d R......./......../Kr....../R......./......../......../......../.......k w KQ - 0 1 QL1,QL6,KL1,KL6 wbwb",
         false, false, "in check"},
        {"3d R......./N......./K......./R......./......../......../......../.......k w KQ - 0 1 QL1,QL6,KL1,KL6 wbwb",
         true, false, "B1 occupied"},
        {"3d ......../......../K......./R......./......../......../......../.......k w K - 0 1 QL1,QL6,KL1,KL6 wbwb",
         true, false, "no rook on A1"},
    };
    for (const CastlingCase& c : white) ExpectCastling(c, true, C1, D1, B1);
    // Black's king C8 (4,9), rooks D8 (5,9) and A8 (0,9); a White rook on D7
    // (5,8) covers D8.
    const CastlingCase black[] = {
        {"3d .......r/......../.......k/.......r/......../......../K......./........ b kq - 0 1 QL1,QL6,KL1,KL6 wbwb",
         true, true, "all clear"},
        {"3d .......r/......../.......k/......Rr/......../......../K......./........ b kq - 0 1 QL1,QL6,KL1,KL6 wbwb",
         false, true, "D8 attacked"},
    };
    for (const CastlingCase& c : black) ExpectCastling(c, false, C8, D8, B8);
}

TEST(Castling, TriDimensionalShortAndLongResults) {
    // From the start: the king steps onto its own rook and the rook comes
    // back to C1 in the slot it had.
    auto start = mt::Load(mt::kStart3d);
    ASSERT_TRUE(start);
    int rook_slot = start->pboard[D1];
    MOVE_T s = Move(W_KING, C1, D1, 'S');
    auto after = PlayChoice(start.get(), s);
    EXPECT_EQ(after->board[D1], W_KING);
    EXPECT_EQ(after->board[C1], W_ROOK);
    EXPECT_EQ(after->pboard[C1], rook_slot);
    EXPECT_EQ(after->pieces[0].pos, unsigned(D1));
    EXPECT_EQ(after->fifty_count, 1);
    EXPECT_TRUE(after->flags & FLAG_CASTLED_W);
    EXPECT_EQ(after->flags & (FLAG_CASTLE_WS | FLAG_CASTLE_WL), 0u);
    EXPECT_EQ(after->flags & (FLAG_CASTLE_BS | FLAG_CASTLE_BL), FLAG_CASTLE_BS | FLAG_CASTLE_BL);
    EXPECT_EQ(PopCount32(after->material_mask), 32);
    mt::ExpectMatchesRebuild(after.get(), "after short castling");

    auto p = mt::Load(
        "3d R......./......../K......./R......./......../......../......../.......k w KQ - 7 20 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(p);
    auto l = PlayChoice(p.get(), Move(W_KING, C1, B1, 'L'));
    EXPECT_EQ(l->board[B1], W_KING);
    EXPECT_EQ(l->board[C1], W_ROOK);
    EXPECT_EQ(l->board[A1], 0);
    EXPECT_EQ(l->board[D1], W_ROOK);
    EXPECT_EQ(l->fifty_count, 9);  // the text's 7 is the game's 8, one more after the move
    EXPECT_TRUE(l->flags & FLAG_CASTLED_W);
    EXPECT_EQ(l->flags & FLAG_CASTLE_RIGHTS, 0u);
    mt::ExpectMatchesRebuild(l.get(), "after long castling");
}

TEST(Castling, LongCastlingIsNotTheKingStepToB1) {
    // The king's board at QL5 and the queen's-side board at QL2 cover the
    // same cells: C1 and A1 both sit at (0,4), B1 at (1,4), one step east of
    // the king. Both the castling and the plain step are offered.
    auto p = mt::Load(
        "3d R......./......../K......./......../......../......../......../.......k w Q - 0 1 QL2,QL6,QL5,KL6 wbwb");
    ASSERT_TRUE(p);
    MOVE_T castle = Move(W_KING, C1, B1, 'L'), step = Move(W_KING, C1, B1, '-');
    auto c = PlayChoice(p.get(), castle);
    EXPECT_EQ(c->board[B1], W_KING);
    EXPECT_EQ(c->board[C1], W_ROOK);
    EXPECT_EQ(c->board[A1], 0);
    EXPECT_TRUE(c->flags & FLAG_CASTLED_W);
    auto k = PlayChoice(p.get(), step);
    EXPECT_EQ(k->board[B1], W_KING);
    EXPECT_EQ(k->board[C1], 0);
    EXPECT_EQ(k->board[A1], W_ROOK);
    EXPECT_FALSE(k->flags & FLAG_CASTLED_W) << "the plain king step C1-B1 is not castling, yet marks White as castled";
    EXPECT_EQ(k->flags & FLAG_CASTLE_RIGHTS, 0u);
    EXPECT_NE(c->hash1, k->hash1);
    EXPECT_EQ(LegalMove(p.get(), &castle, "test"), 1);
    EXPECT_EQ(LegalMove(p.get(), &step, "test"), 1);
}

// ---------------------------------------------------------------- pawns

TEST(EnPassant, CapturedOnEitherLevelOfThePassedCell) {
    // White's E2 (1,2) double-steps: E3/A3 (1,3) are passed, E4 (1,4) is
    // taken by a Black pawn so the pawn lands on the neutral A4. The Black
    // pawn on B4 (2,4) stands beside it, so the passed square E3 is open to
    // capture, and B4 may take on E3 (White's level) or A3 (neutral level).
    auto p = mt::Load(
        "3d ......../...p..../......../......../.P.p..../......../......../K......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(p);
    EXPECT_EQ(PawnMoves(mt::Choices(p.get())),
              Set({Move(W_PAWN, E2, E3, '-'), Move(W_PAWN, E2, A3, '-'), Move(W_PAWN, E2, A4, '-')}));
    auto after = PlayChoice(p.get(), Move(W_PAWN, E2, A4, '-'));
    EXPECT_EQ(after->enpassant, unsigned(E3));
    mt::ExpectMatchesRebuild(after.get(), "after the double step");
    MoveSet black = mt::Choices(after.get());
    EXPECT_EQ(PawnMoves(black), Set({Move(B_PAWN, B4, E3, 'e'), Move(B_PAWN, B4, A3, 'e'), Move(B_PAWN, B4, F3, '-'),
                                     Move(B_PAWN, B4, B3, '-'), Move(B_PAWN, E4, E3, '-'),
                                     Move(B_PAWN, E4, A3, '-')}));
    for (SQ_T to : {E3, A3}) {
        SCOPED_TRACE(Sq(to));
        MOVE_T m = Move(B_PAWN, B4, to, 'e');
        auto c = PlayChoice(after.get(), m);
        EXPECT_EQ(c->board[to], B_PAWN);
        EXPECT_EQ(c->board[A4], 0) << "the pawn that passed is taken";
        EXPECT_EQ(c->board[B4], 0);
        EXPECT_EQ(PopCount32(c->material_mask & WHITE_SLOTS), 1);
        EXPECT_EQ(c->enpassant, 0u);
        EXPECT_EQ(c->fifty_count, 1);
        mt::ExpectMatchesRebuild(c.get(), "after en passant");
    }
    // A straight push onto the passed cell takes nothing.
    for (SQ_T to : {E3, A3}) {
        SCOPED_TRACE(Sq(to));
        auto c = PlayChoice(after.get(), Move(B_PAWN, E4, to, '-'));
        EXPECT_EQ(c->board[A4], W_PAWN);
        EXPECT_EQ(c->board[to], B_PAWN);
        EXPECT_EQ(PopCount32(c->material_mask & WHITE_SLOTS), 2);
        mt::ExpectMatchesRebuild(c.get(), "after the push");
    }
    // Without an enemy pawn beside the landing square no capture is offered.
    auto lone = mt::Load(
        "3d ......../......../......../......../.P.p..../......../......../K......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(lone);
    auto c = PlayChoice(lone.get(), Move(W_PAWN, E2, A4, '-'));
    EXPECT_EQ(c->enpassant, 0u);
    mt::ExpectMatchesRebuild(c.get(), "double step without a neighbour");
}

TEST(EnPassant, BoardMoveClearsTheSquare) {
    auto p = mt::Load(
        "3d ...P..../...p..../......../......../...p..../......../......../K......k b - E3 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(p);
    auto c = PlayChoice(p.get(), Move(AB_QLB, ABW_QL6, ABW_QL4, 'T'));
    EXPECT_EQ(c->enpassant, 0u);
    mt::ExpectMatchesRebuild(c.get(), "board move");
}

TEST(PawnRules, DoubleStepOnlyFromABoardAtItsHomePin) {
    // B2 (1,1) on the home board steps to E2 (1,2), or twice to E3/A3 (1,3).
    const char* home =
        "3d ......../.P....../......../......../......../......../K......./.......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb";
    auto p = mt::Load(home);
    ASSERT_TRUE(p);
    EXPECT_EQ(PawnMoves(mt::Choices(p.get())),
              Set({Move(W_PAWN, B2, E2, '-'), Move(W_PAWN, B2, E3, '-'), Move(W_PAWN, B2, A3, '-')}));

    // The board carries the pawn to QL3: B2 is now (1,3) and the pawn, still
    // on its own start cell and never moved, steps once only.
    auto moved = PlayChoice(p.get(), Move(AB_QLW, ABW_QL1, ABW_QL3, 'T'));
    auto back = PlayChoice(moved.get(), Move(B_KING, H8, G8, '-'));
    EXPECT_EQ(PawnMoves(mt::Choices(back.get())), Set({Move(W_PAWN, B2, E4, '-'), Move(W_PAWN, B2, A4, '-')}));
    auto text = mt::Load(
        "3d ......../.P....../......../......../......../......../K......./.......k w - - 0 1 QL3,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(text);
    EXPECT_EQ(PawnMoves(mt::Choices(text.get())), Set({Move(W_PAWN, B2, E4, '-'), Move(W_PAWN, B2, A4, '-')}));

    // A pawn pushed onto another file's start cell keeps its slot and has
    // moved: from E2 it steps once.
    auto pushed = PlayChoice(p.get(), Move(W_PAWN, B2, E2, '-'));
    auto reply = PlayChoice(pushed.get(), Move(B_KING, H8, G8, '-'));
    EXPECT_EQ(PawnMoves(mt::Choices(reply.get())), Set({Move(W_PAWN, E2, E3, '-'), Move(W_PAWN, E2, A3, '-')}));
    EXPECT_FALSE(IsPawnHome(&reply->pieces[reply->pboard[E2]], &reply->pieces[W_PAWN_SLOT]));
    // The same pawn set up on E2 from text has not moved.
    auto fresh = mt::Load(
        "3d ......../......../......../......../.P....../......../K......./.......k w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(PawnMoves(mt::Choices(fresh.get())), Set({Move(W_PAWN, E2, E3, '-'), Move(W_PAWN, E2, A3, '-'),
                                                       Move(W_PAWN, E2, E4, '-'), Move(W_PAWN, E2, A4, '-')}));
}

TEST(PawnRules, HomeGoesBySlotAndStartCellsKeepTheirFile) {
    PS_T list[32] = {};
    for (int side = 0; side < 2; ++side) {
        int first = side ? B_PAWN_SLOT : W_PAWN_SLOT;
        for (int k = 0; k < 8; ++k)
            for (SQ_T sq = 0; sq < 64; ++sq) {
                PS_T* p = &list[first + k];
                p->p = side ? B_PAWN : W_PAWN;
                p->pos = sq;
                bool home = sq == SQ_T(k * 8 + (side ? 6 : 1));
                EXPECT_EQ(IsPawnHome(p, &list[first]), home) << "slot " << first + k << " on " << Sq(sq);
            }
    }
    // Seven pawns read from text: each pawn on a start cell takes its file's
    // slot, so a2 keeps its double step. A pawn off its start cell does not.
    struct {
        const char* fen;
        MOVE_T move;
        bool offered;
    } cases[] = {
        {"4k3/8/8/8/8/8/PPPPPPP1/4K3 w - - 0 1", Move(W_PAWN, A2, A4, '-'), true},
        {"4k3/8/8/8/8/8/1PPPPPPP/4K3 w - - 0 1", Move(W_PAWN, H2, H4, '-'), true},
        {"4k3/8/8/8/8/P7/1PPPPPPP/4K3 w - - 0 1", Move(W_PAWN, B2, B4, '-'), true},
        {"4k3/1ppppppp/8/8/8/8/8/4K3 b - - 0 1", Move(B_PAWN, H7, H5, '-'), true},
        {"4k3/p7/1p6/8/8/8/8/4K3 b - - 0 1", Move(B_PAWN, A7, A5, '-'), true},
        {"4k3/p7/1p6/8/8/8/8/4K3 b - - 0 1", Move(B_PAWN, B6, B4, '-'), false},
    };
    for (auto& c : cases) {
        auto p = mt::Load(c.fen);
        ASSERT_TRUE(p);
        EXPECT_EQ(Has(mt::Choices(p.get()), c.move), c.offered) << c.fen << " " << mt::Name(c.move);
        for (int s = 8; s < 32; ++s) {
            int pc = p->pieces[s].p;
            if (pc != W_PAWN && pc != B_PAWN) continue;
            SQ_T sq = p->pieces[s].pos;
            bool start = pc == W_PAWN ? (sq & 7) == 1 : (sq & 7) == 6;
            if (start) {
                EXPECT_EQ(s & 7, int(sq >> 3)) << c.fen << ": pawn on " << Sq(sq) << " in slot " << s;
            }
        }
    }
}

// ---------------------------------------------------------------- attack boards

const int kAllPins[12] = {ABW_QL1, ABW_QL2, ABW_QL3, ABW_QL4, ABW_QL5, ABW_QL6,
                          ABW_KL1, ABW_KL2, ABW_KL3, ABW_KL4, ABW_KL5, ABW_KL6};

// A tri-dimensional line from a square-by-square board.
std::string Line3d(const char cells[64], char side, const int pins[4], const char* owners) {
    std::string s = "3d ";
    for (int col = 0; col < 8; ++col) {
        if (col) s += '/';
        for (int row = 0; row < 8; ++row) s += cells[col * 8 + row];
    }
    s += std::string(" ") + side + " - - 0 1 ";
    for (int i = 0; i < 4; ++i) s += std::string(i ? "," : "") + PinName(pins[i]);
    return s + " " + owners;
}

TEST(AttackBoardMoves, DestinationsFollowThePinTableByCargoAndRules) {
    const struct {
        char code;
        int pilot;
    } cargos[] = {{'.', 0}, {'P', 1}, {'N', 2}, {'p', -1}, {'n', -2}};
    int checked = 0;
    for (int bi = 0; bi < 4; ++bi)
        for (const mt::PinRow& row : mt::kPinTable)
            for (const auto& cargo : cargos)
                for (int rules : {RULES_TOURNAMENT, RULES_TDCL}) {
                    std::vector<int> dests;
                    for (const auto* g : {&row.black, &row.white, &row.across})
                        dests.insert(dests.end(), g->begin(), g->end());
                    // The other boards go to pins that are not destinations
                    // where possible; a taken destination must be skipped.
                    int pins[4];
                    pins[bi] = row.pin;
                    int next = 0;
                    std::vector<int> others;
                    for (int pin : kAllPins)
                        if (pin != row.pin && std::find(dests.begin(), dests.end(), pin) == dests.end())
                            others.push_back(pin);
                    for (int pin : dests) others.push_back(pin);
                    for (int i = 0; i < 4; ++i)
                        if (i != bi) pins[i] = others[next++];
                    char cells[65];
                    std::memset(cells, '.', 64);
                    cells[64] = 0;
                    // Kings on file 4, out of reach of any passenger.
                    cells[H2] = 'K';
                    cells[H7] = 'k';
                    int base = vt::kBase[bi];
                    if (cargo.code != '.') cells[cargo.code == 'p' ? base + 1 : base] = cargo.code;
                    bool white_owner = cargo.pilot ? cargo.pilot > 0 : (bi == 0 || bi == 2);
                    char owners[5] = "wbwb";
                    owners[bi] = white_owner ? 'w' : 'b';
                    std::string line = Line3d(cells, white_owner ? 'w' : 'b', pins, owners);
                    auto p = mt::Load(line, rules);
                    ASSERT_TRUE(p);
                    // The position's own rules decide, whatever the game's
                    // setting says meanwhile (the thinking thread's copy).
                    state.rules = rules == RULES_TDCL ? RULES_TOURNAMENT : RULES_TDCL;
                    SCOPED_TRACE(line + (rules == RULES_TOURNAMENT ? " tournament" : " TDCL"));
                    bool toward_black = cargo.pilot >= 0 || (rules == RULES_TDCL && cargo.pilot < -1);
                    bool toward_white = cargo.pilot <= 0 || (rules == RULES_TDCL && cargo.pilot > 1);
                    std::vector<int> want;
                    auto offer = [&](const std::vector<int>& g) {
                        for (int pin : g)
                            if (std::find(pins, pins + 4, pin) == pins + 4) want.push_back(pin);
                    };
                    if (toward_black) offer(row.black);
                    if (toward_white) offer(row.white);
                    offer(row.across);
                    int pilot = 99;
                    EXPECT_EQ(BoardCanMove(p.get(), ab_codes[bi], &pilot), 1);
                    EXPECT_EQ(pilot, cargo.pilot);
                    MOVE_T buf[MAX_MOVES];
                    int n = GenAttackBoardMoves(p.get(), ab_codes[bi], buf);
                    std::vector<int> got;
                    for (int i = 0; i < n; ++i) {
                        got.push_back(buf[i].to);
                        EXPECT_EQ(buf[i].piece_moving, int(ab_codes[bi]));
                        EXPECT_EQ(buf[i].from, unsigned(row.pin));
                        EXPECT_EQ(buf[i].move_symbol, 'T');
                    }
                    EXPECT_EQ(got, want);
                    ++checked;
                }
    EXPECT_EQ(checked, 4 * 12 * 5 * 2);
}

TEST(AttackBoardMoves, TwoPassengersOrTheWrongSideKeepABoardStill) {
    const struct {
        const char* line;
        int board;
        const char* why;
    } cases[] = {
        {"3d P......./N......./......../......../......../......../......../K.....k. w - - 0 1 QL3,QL6,KL1,KL6 wbwb",
         AB_QLW, "two White passengers"},
        {"3d P......./n......./......../......../......../......../......../K.....k. w - - 0 1 QL3,QL6,KL1,KL6 wbwb",
         AB_QLW, "a passenger of each colour, White to move"},
        {"3d P......./n......./......../......../......../......../......../K.....k. b - - 0 1 QL3,QL6,KL1,KL6 wbwb",
         AB_QLW, "a passenger of each colour, Black to move"},
        {"3d ......../......../......../......../......../......../......../K.....k. b - - 0 1 QL3,QL6,KL1,KL6 wbwb",
         AB_QLW, "empty White board, Black to move"},
        {"3d n......./......../......../......../......../......../......../K.....k. w - - 0 1 QL3,QL6,KL1,KL6 bbwb",
         AB_QLW, "board taken by Black, White to move"},
        {"3d ......../......../......../......../......../......../......../K.....k. w - - 0 1 QL3,QL6,KL1,KL6 wbwb",
         AB_KLB, "Black's empty board, White to move"},
    };
    for (auto& c : cases) {
        auto p = mt::Load(c.line);
        ASSERT_TRUE(p) << c.why;
        int pilot = 0;
        EXPECT_EQ(BoardCanMove(p.get(), c.board, &pilot), 0) << c.why;
        MOVE_T buf[MAX_MOVES];
        EXPECT_EQ(GenAttackBoardMoves(p.get(), c.board, buf), 0) << c.why;
        for (const mt::MoveKey& k : mt::Choices(p.get()))
            EXPECT_NE(std::get<0>(k), c.board) << c.why << ": " << mt::Name(k);
    }
    // The Black-owned board moves in Black's turn.
    auto p = mt::Load(
        "3d n......./......../......../......../......../......../......../K.....k. b - - 0 1 QL3,QL6,KL1,KL6 bbwb");
    ASSERT_TRUE(p);
    MOVE_T buf[MAX_MOVES];
    EXPECT_GT(GenAttackBoardMoves(p.get(), AB_QLW, buf), 0);
}

TEST(AttackBoardMoves, CarriedPawnPromotesOnTheFarPin) {
    // White's board at QL4 carries a pawn on its far cell A2 (0,7); at QL6
    // that cell is (0,9), the last rank. The king F1 (2,1) has E1, E2, F2,
    // G2, G1; the empty king's-side board goes to KL2 (KL3 is taken) or
    // across to the free QL1; the pawn's board goes to QL6 (four choices) or
    // across to KL4.
    const char* line =
        "3d .P....../......../......../......../......../K......./.......k/........ w - - 0 1 QL4,KL3,KL1,KL6 wbwb";
    for (int rules : {RULES_TOURNAMENT, RULES_TDCL}) {
        auto p = mt::Load(line, rules);
        ASSERT_TRUE(p);
        MoveSet want = Set({Move(W_KING, F1, E1, '-'), Move(W_KING, F1, E2, '-'), Move(W_KING, F1, F2, '-'),
                            Move(W_KING, F1, G2, '-'), Move(W_KING, F1, G1, '-'),
                            Move(AB_KLW, ABW_KL1, ABW_KL2, 'T'), Move(AB_KLW, ABW_KL1, ABW_QL1, 'T'),
                            Move(AB_QLW, ABW_QL4, ABW_KL4, 'T')});
        for (char c : {'Q', 'R', 'B', 'N'}) want.insert(Key(Move(AB_QLW, ABW_QL4, ABW_QL6, c)));
        EXPECT_EQ(mt::Choices(p.get()), want) << mt::SetDiff(mt::Choices(p.get()), want);
        EXPECT_EQ(Perft(p.get(), 1), 12u);

        // The generator lists the board move once, then the four pieces at the end.
        std::vector<MOVE_T> raw = mt::Generated(p.get());
        ASSERT_GE(raw.size(), 4u);
        std::string tail;
        for (size_t i = raw.size() - 4; i < raw.size(); ++i) {
            EXPECT_EQ(raw[i].piece_moving, AB_QLW);
            EXPECT_EQ(raw[i].to, unsigned(ABW_QL6));
            tail += raw[i].move_symbol;
        }
        EXPECT_EQ(tail, "QBRN");
        EXPECT_EQ(std::count_if(raw.begin(), raw.end(),
                                [](const MOVE_T& m) { return m.to == ABW_QL6 && m.move_symbol == 'T'; }),
                  1);

        const struct {
            char symbol;
            int piece;
        } choices[] = {{'Q', W_QUEEN}, {'R', W_ROOK}, {'B', W_BISHOP}, {'N', W_KNIGHT}, {'T', W_QUEEN}};
        for (auto& ch : choices) {
            SCOPED_TRACE(ch.symbol);
            MOVE_T m = Move(AB_QLW, ABW_QL4, ABW_QL6, ch.symbol);
            auto c = mt::NewChild();
            EXPECT_TRUE(DoMove(c.get(), p.get(), &m));
            EXPECT_EQ(c->board[A2], ch.piece);
            EXPECT_EQ(c->whereis_board[0], ABW_QL6);
            EXPECT_TRUE(c->flags & FLAG_PROMOTED_W);
            EXPECT_EQ(m.move_symbol, ch.symbol == 'T' ? 'Q' : ch.symbol);
            mt::ExpectMatchesRebuild(c.get(), "after the promotion");
        }
    }
    // The king's-side board at KL4 carries a pawn on its far cell C2 (4,7).
    auto k = mt::Load(
        "3d ......../......../.P....../......../.......k/K......./......../........ w - - 0 1 QL1,QL6,KL4,KL3 wbwb");
    ASSERT_TRUE(k);
    MoveSet ks = mt::Choices(k.get());
    for (char c : {'Q', 'R', 'B', 'N'}) EXPECT_TRUE(Has(ks, Move(AB_KLW, ABW_KL4, ABW_KL6, c))) << c;
    EXPECT_FALSE(Has(ks, Move(AB_KLW, ABW_KL4, ABW_KL6, 'T')));
    auto kr = PlayChoice(k.get(), Move(AB_KLW, ABW_KL4, ABW_KL6, 'R'));
    EXPECT_EQ(kr->board[C2], W_ROOK);

    // Black's king's-side board at KL3 carries a pawn on its near cell C7
    // (4,2); at KL1 that cell is (4,0).
    auto b = mt::Load(
        "3d ......../......../......p./......../K......./......../.......k/........ b - - 0 1 QL1,QL6,KL2,KL3 wbwb");
    ASSERT_TRUE(b);
    MoveSet s = mt::Choices(b.get());
    for (char c : {'Q', 'R', 'B', 'N'}) EXPECT_TRUE(Has(s, Move(AB_KLB, ABW_KL3, ABW_KL1, c))) << c;
    EXPECT_FALSE(Has(s, Move(AB_KLB, ABW_KL3, ABW_KL1, 'T')));
    auto c = PlayChoice(b.get(), Move(AB_KLB, ABW_KL3, ABW_KL1, 'N'));
    EXPECT_EQ(c->board[C7], B_KNIGHT);
    EXPECT_TRUE(c->flags & FLAG_PROMOTED_B);
}

TEST(AttackBoardMoves, ControlPassesWhenAPieceLeavesOrIsTaken) {
    // Black's king's-side board at KL6 holds a White rook on C7 (4,8) and a
    // Black pawn on C8 (4,9): two passengers, so the board stays Black's.
    auto p = mt::Load(
        "3d ......../......../......Rp/......../.....k../K......./......../........ w - - 0 1 QL1,QL6,KL1,KL6 wbwb");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->whites_board[3], 0);
    auto taken = PlayChoice(p.get(), Move(W_ROOK, C7, C8, 'x'));
    EXPECT_EQ(taken->whites_board[3], 1) << "the rook alone holds the board";
    auto reply = PlayChoice(taken.get(), Move(B_KING, E6, E7, '-'));
    EXPECT_EQ(reply->whites_board[3], 1);
    auto left = PlayChoice(reply.get(), Move(W_ROOK, C8, H8, '-'));
    EXPECT_EQ(left->whites_board[3], 0) << "an empty board goes back to its first owner";

    // The same board taken over by White earlier: when the rook leaves the
    // Black pawn holds it for Black, and Black may move it.
    auto w = mt::Load(
        "3d ......../......../......Rp/......../.....k../K......./......../........ w - - 0 1 QL1,QL6,KL1,KL6 wbww");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->whites_board[3], 1);
    auto gone = PlayChoice(w.get(), Move(W_ROOK, C7, G8, '-'));
    EXPECT_EQ(gone->whites_board[3], 0);
    MOVE_T buf[MAX_MOVES];
    EXPECT_GT(GenAttackBoardMoves(gone.get(), AB_KLB, buf), 0);
}

// ---------------------------------------------------------------- promotion choice

int asked = 0, answer = 0;
bool FromMouse() { return true; }
int Ask() {
    ++asked;
    return answer;
}

TEST(Promotion, OnlyAMouseMoveWithoutAPieceAsks) {
    auto p = mt::Load("r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    ASSERT_TRUE(p);
    auto t = mt::Load(
        "3d .P....../......../......../......../......../K......./.......k/........ w - - 0 1 QL4,KL3,KL1,KL6 wbwb");
    ASSERT_TRUE(t);
    const struct {
        POS_T* b;
        MOVE_T move;
        bool mouse;
        int answer;
        int piece;
        bool asks;
        char symbol;
    } cases[] = {
        {p.get(), Move(W_PAWN, B7, B8, '-'), false, 0, W_QUEEN, false, 'Q'},
        {p.get(), Move(W_PAWN, B7, A8, 'x'), false, 0, W_QUEEN, false, 'Q'},
        {p.get(), Move(W_PAWN, B7, B8, 'N'), false, 0, W_KNIGHT, false, 'N'},
        {p.get(), Move(W_PAWN, B7, B8, '-'), true, 4, W_KNIGHT, true, 'N'},
        {p.get(), Move(W_PAWN, B7, B8, '-'), true, 3, W_BISHOP, true, 'B'},
        {p.get(), Move(W_PAWN, B7, A8, 'x'), true, 2, W_ROOK, true, 'R'},
        {p.get(), Move(W_PAWN, B7, B8, '-'), true, 1, W_QUEEN, true, 'Q'},
        {p.get(), Move(W_PAWN, B7, B8, '-'), true, 0, W_QUEEN, true, 'Q'},
        {p.get(), Move(W_PAWN, B7, B8, 'R'), true, 4, W_ROOK, false, 'R'},
        {t.get(), Move(AB_QLW, ABW_QL4, ABW_QL6, 'T'), true, 4, W_KNIGHT, true, 'N'},
        {t.get(), Move(AB_QLW, ABW_QL4, ABW_QL6, 'B'), true, 4, W_BISHOP, false, 'B'},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(mt::Name(c.move) + (c.mouse ? " by mouse" : ""));
        state.dmode = c.b == t.get() ? 3 : 2;
        shell_hooks.mouse_move = c.mouse ? FromMouse : nullptr;
        shell_hooks.ask_promotion = Ask;
        asked = 0;
        answer = c.answer;
        MOVE_T m = c.move;
        auto child = mt::NewChild();
        EXPECT_TRUE(DoMove(child.get(), c.b, &m));
        SQ_T square = mt::IsBoardMove(c.move) ? SQ_T(A2) : c.move.to;
        EXPECT_EQ(child->board[square], c.piece);
        EXPECT_EQ(asked, c.asks ? 1 : 0);
        EXPECT_EQ(m.move_symbol, c.symbol);
    }
    shell_hooks.mouse_move = nullptr;
    shell_hooks.ask_promotion = nullptr;
}

// ---------------------------------------------------------------- jumps

// Whether the piece on `from` attacks `to` in the kept maps.
bool Attacks(POS_T* b, SQ_T from, SQ_T to) { return b->topieces[to] >> b->pboard[from] & 1; }

TEST(Jumps, RookOnABoardReachesAcrossFreePins) {
    // White's rook on A1, the outer file of its board at QL1 (0,0). No board
    // stands at QL3, QL2 or QL5; Black's board at QL4 has a knight on A7
    // (0,6): the rook reaches it across the free pins, but not A8 behind
    // it. Along the end row, with B1 empty, it reaches the knight on C1 of
    // the board at KL1 (4,0), not D1 behind it.
    const char* line =
        "3d R.....n./......../n......./......../......../.K....../......k./........ w - - 0 1 QL1,QL4,KL1,KL6 wbbb";
    auto p = mt::Load(line);
    ASSERT_TRUE(p);
    EXPECT_TRUE(Attacks(p.get(), A1, A7));
    EXPECT_FALSE(Attacks(p.get(), A1, A8));
    EXPECT_TRUE(Attacks(p.get(), A1, C1));
    EXPECT_FALSE(Attacks(p.get(), A1, D1));
    MoveSet s = mt::Choices(p.get());
    EXPECT_TRUE(Has(s, Move(W_ROOK, A1, A7, 'x')));
    EXPECT_TRUE(Has(s, Move(W_ROOK, A1, C1, 'x')));

    // With A7 empty the walk goes on to A8.
    auto open = mt::Load(
        "3d R......n/......../n......./......../......../.K....../......k./........ w - - 0 1 QL1,QL4,KL1,KL6 wbbb");
    ASSERT_TRUE(open);
    EXPECT_TRUE(Attacks(open.get(), A1, A7));
    EXPECT_TRUE(Attacks(open.get(), A1, A8));

    // A board at QL3 with a White pawn on its outer file stops the walk.
    auto stopped = mt::Load(
        "3d R.....n./......../n.....P./......../......../.K....../......k./........ w - - 0 1 QL1,QL4,KL1,QL3 wbbw");
    ASSERT_TRUE(stopped);
    EXPECT_FALSE(Attacks(stopped.get(), A1, A7));

    // A piece between on its own board (B1) closes the end row.
    auto shut = mt::Load(
        "3d R.....n./N......./n......./......../......../.K....../......k./........ w - - 0 1 QL1,QL4,KL1,KL6 wbbb");
    ASSERT_TRUE(shut);
    EXPECT_FALSE(Attacks(shut.get(), A1, C1));

    // A rook on the inner file (B1, (1,0)) makes no column walk; its end
    // row goes straight to the board at KL1.
    auto inner = mt::Load(
        "3d ......n./R......./n......./......../......../.K....../......k./........ w - - 0 1 QL1,QL4,KL1,KL6 wbbb");
    ASSERT_TRUE(inner);
    EXPECT_FALSE(Attacks(inner.get(), B1, A7));
    EXPECT_TRUE(Attacks(inner.get(), B1, C1));

    // On the king's side the outer file is the board's upper file: a rook on
    // D2 (5,1) at KL1 reaches D7 (5,6) of the board at KL4 across the free
    // KL3, KL2 and KL5.
    auto king_side = mt::Load(
        "3d ......../......../......../.R....n./......../.K....../......k./........ w - - 0 1 QL1,QL6,KL1,KL4 wbwb");
    ASSERT_TRUE(king_side);
    EXPECT_TRUE(Attacks(king_side.get(), D2, D7));
    EXPECT_FALSE(Attacks(king_side.get(), D2, D8));
}

}  // namespace

// Listing the legal moves tries each one, but leaves the game's key history
// as it was: during a review it holds the plies still to come, and a
// repetition is found in it.
TEST(LegalChoices, LeavesTheGamesKeyHistoryAlone) {
    auto p = mt::Load("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    p->move_num = 40;
    std::vector<uint32_t> before(state.hash_list, state.hash_list + MAX_GAME_PLIES);
    for (int i = 0; i < MAX_GAME_PLIES; i++)
        state.hash_list[i] = 0x5EED0000u + i;
    std::vector<uint32_t> marked(state.hash_list, state.hash_list + MAX_GAME_PLIES);
    std::vector<MOVE_T> legal;
    EXPECT_GT(LegalChoices(p.get(), &legal), 20);
    EXPECT_TRUE(std::equal(marked.begin(), marked.end(), state.hash_list));
    std::copy(before.begin(), before.end(), state.hash_list);
}
