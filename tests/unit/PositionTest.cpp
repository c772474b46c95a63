// Position set-up: the start positions of both games, the piece list built
// from a bare board (odd material included), the four bookkeeping primitives,
// attack-board control and the attack-board look-ups with bad arguments.
#include "TestUtil.h"

#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "record/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

using vt::Sq;

namespace {

struct Placed {
    int p;
    SQ_T sq;
};

// A bare board of the given game, built into a full position.
std::unique_ptr<POS_T> Build(int dmode, const std::vector<Placed>& pieces, int* result,
                             uint32_t flags = FLAG_CASTLE_RIGHTS) {
    state.dmode = dmode;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    vt::SetHomePins(b);
    const int owners[4] = {1, 0, 1, 0};
    for (int i = 0; i < 4; ++i) b->whites_board[i] = owners[i];
    b->flags = flags;
    for (const Placed& x : pieces) b->board[x.sq] = x.p;
    *result = CreatePBoard(b, state.dmode);
    return pos;
}

struct Slot {
    int slot;
    int p;
    SQ_T sq;
};

void ExpectSlots(const POS_T* b, const std::vector<Slot>& want) {
    std::vector<bool> seen(32, false);
    for (const Slot& s : want) {
        seen[s.slot] = true;
        EXPECT_EQ(b->pieces[s.slot].p, s.p) << "slot " << s.slot;
        EXPECT_EQ(b->pieces[s.slot].pos, s.sq) << "slot " << s.slot << " expected " << Sq(s.sq)
                                                << " got " << Sq(b->pieces[s.slot].pos);
    }
    for (int i = 0; i < 32; ++i)
        if (!seen[i]) {
            EXPECT_EQ(b->pieces[i].p, 0) << "slot " << i << " should be empty";
        }
}

// Every piece on the board sits in the list exactly once.
void ExpectEveryPieceListed(const POS_T* b) {
    int listed = 0, on_board = 0;
    for (int i = 0; i < 32; ++i) listed += b->pieces[i].p != 0;
    for (int sq = 0; sq < 64; ++sq) on_board += b->board[sq] != 0;
    EXPECT_EQ(listed, on_board);
}

ETYPE_T SideMaterial(const std::vector<Placed>& pieces, int colour) {
    ETYPE_T m = 0;
    for (const Placed& x : pieces)
        if ((x.p > 0) == (colour > 0)) m += vt::MaterialOf(x.p);
    return m;
}

std::vector<Placed> PlainStart() {
    std::vector<Placed> v;
    const int back[8] = {W_ROOK, W_KNIGHT, W_BISHOP, W_QUEEN, W_KING, W_BISHOP, W_KNIGHT, W_ROOK};
    for (int c = 0; c < 8; ++c) {
        v.push_back({back[c], SQ_T(c * 8)});
        v.push_back({W_PAWN, SQ_T(c * 8 + 1)});
        v.push_back({B_PAWN, SQ_T(c * 8 + 6)});
        v.push_back({-back[c], SQ_T(c * 8 + 7)});
    }
    return v;
}

std::vector<Placed> Without(std::vector<Placed> v, SQ_T sq) {
    for (auto it = v.begin(); it != v.end(); ++it)
        if (it->sq == sq) {
            v.erase(it);
            break;
        }
    return v;
}

std::vector<Placed> Moved(std::vector<Placed> v, SQ_T from, SQ_T to) {
    for (Placed& x : v)
        if (x.sq == from) x.sq = to;
    return v;
}

const std::vector<Slot> kTriStartSlots = {
    {0, W_KING, C1},    {1, W_QUEEN, B1},   {2, W_ROOK, D1},    {3, W_ROOK, A1},
    {4, W_BISHOP, F1},  {5, W_BISHOP, G1},  {6, W_KNIGHT, H1},  {7, W_KNIGHT, E1},
    {8, W_PAWN, A2},    {9, W_PAWN, B2},    {10, W_PAWN, C2},   {11, W_PAWN, D2},
    {12, W_PAWN, E2},   {13, W_PAWN, F2},   {14, W_PAWN, G2},   {15, W_PAWN, H2},
    {16, B_KING, C8},   {17, B_QUEEN, B8},  {18, B_ROOK, D8},   {19, B_ROOK, A8},
    {20, B_BISHOP, F8}, {21, B_BISHOP, G8}, {22, B_KNIGHT, H8}, {23, B_KNIGHT, E8},
    {24, B_PAWN, A7},   {25, B_PAWN, B7},   {26, B_PAWN, C7},   {27, B_PAWN, D7},
    {28, B_PAWN, E7},   {29, B_PAWN, F7},   {30, B_PAWN, G7},   {31, B_PAWN, H7}};

const std::vector<Slot> kPlainStartSlots = {
    {0, W_KING, E1},    {1, W_QUEEN, D1},   {2, W_ROOK, H1},    {3, W_ROOK, A1},
    {4, W_BISHOP, F1},  {5, W_BISHOP, C1},  {6, W_KNIGHT, G1},  {7, W_KNIGHT, B1},
    {8, W_PAWN, A2},    {9, W_PAWN, B2},    {10, W_PAWN, C2},   {11, W_PAWN, D2},
    {12, W_PAWN, E2},   {13, W_PAWN, F2},   {14, W_PAWN, G2},   {15, W_PAWN, H2},
    {16, B_KING, E8},   {17, B_QUEEN, D8},  {18, B_ROOK, H8},   {19, B_ROOK, A8},
    {20, B_BISHOP, F8}, {21, B_BISHOP, C8}, {22, B_KNIGHT, G8}, {23, B_KNIGHT, B8},
    {24, B_PAWN, A7},   {25, B_PAWN, B7},   {26, B_PAWN, C7},   {27, B_PAWN, D7},
    {28, B_PAWN, E7},   {29, B_PAWN, F7},   {30, B_PAWN, G7},   {31, B_PAWN, H7}};

// Full-army material of one side, worked out from the values by hand.
const ETYPE_T kArmy = 8 * 10052 + 2 * 40012 + 2 * 41375 + 2 * 60163 + 119983 + 800000;

}  // namespace

// Both games from ResetBoard: slots (bishop exchange by square colour
// included), masks, rights, keys, material and board control.
TEST(StartPosition, BothGames) {
    for (int mode : {3, 2}) {
        SCOPED_TRACE(mode == 3 ? "tri-dimensional" : "plain");
        state.dmode = mode;
        ASSERT_EQ(ResetBoard(false), 1);
        POS_T* b = &state.position;
        ExpectSlots(b, mode == 3 ? kTriStartSlots : kPlainStartSlots);
        EXPECT_EQ(b->piece_mask, 0x00FF00FFu);
        EXPECT_EQ(b->material_mask, 0xFFFFFFFFu);
        EXPECT_EQ(b->sliding_mask, 0x003E003Eu);
        EXPECT_EQ(b->flags & FLAG_CASTLE_RIGHTS, FLAG_CASTLE_RIGHTS);
        EXPECT_EQ(b->move_num, 0);
        EXPECT_EQ(b->enpassant, 0u);
        EXPECT_EQ(b->winner, 0);
        EXPECT_EQ(b->w_material, kArmy);
        EXPECT_EQ(b->b_material, kArmy);
        vt::ExpectConsistent(b, "after ResetBoard");

        // SetupStartPosition + CreatePBoard on a fresh record gives the same.
        auto fresh = vt::NewPos();
        SetupStartPosition(fresh.get(), mode);
        ASSERT_EQ(CreatePBoard(fresh.get(), state.dmode), 1);
        for (int i = 0; i < 32; ++i) {
            EXPECT_EQ(fresh->pieces[i].p, b->pieces[i].p) << "slot " << i;
            EXPECT_EQ(fresh->pieces[i].pos, b->pieces[i].pos) << "slot " << i;
        }
        EXPECT_EQ(fresh->hash1, b->hash1);
        EXPECT_EQ(fresh->hash2, b->hash2);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(fresh->whereis_board[i], b->whereis_board[i]);
            EXPECT_EQ(fresh->whites_board[i], b->whites_board[i]);
        }
    }
    // The tri-dimensional boards stand at home under their starting owners.
    state.dmode = 3;
    ASSERT_EQ(ResetBoard(false), 1);
    POS_T* b = &state.position;
    const int home[4] = {ABW_QL1, ABW_QL6, ABW_KL1, ABW_KL6};
    const int owner[4] = {1, 0, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(b->whereis_board[i], home[i]) << "board " << i;
        EXPECT_EQ(b->whites_board[i], owner[i]) << "board " << i;
    }
    for (int ab : {AB_QLW, AB_QLB, AB_KLW, AB_KLB}) EXPECT_TRUE(IsAttackBoardHome(b, ab)) << ab;
    EXPECT_EQ(IsAttackBoardThere(b, 32), 0);
    EXPECT_EQ(IsAttackBoardThere(b, 35), 65);
    EXPECT_EQ(GetLevel(b, A1), 3);
    EXPECT_EQ(GetLevel(b, A7), 7);
}

// Keys include the side to move, the en-passant square and the rights.
TEST(StartPosition, KeyTerms) {
    int ok = 0;
    auto pos = Build(2, PlainStart(), &ok);
    ASSERT_EQ(ok, 1);
    const uint32_t base1 = pos->hash1, base2 = pos->hash2;

    auto black = vt::NewPos();
    SetupStartPosition(black.get(), 2);
    black->move_num = 1;
    ASSERT_EQ(CreatePBoard(black.get(), state.dmode), 1);
    EXPECT_EQ(black->hash1, base1 ^ 1u);
    EXPECT_EQ(black->hash2, base2);

    auto ep = vt::NewPos();
    SetupStartPosition(ep.get(), 2);
    ep->enpassant = E3;
    ASSERT_EQ(CreatePBoard(ep.get(), state.dmode), 1);
    EXPECT_EQ(ep->hash1, base1 ^ (SQ_T(E3) << 8));

    auto norights = Build(2, PlainStart(), &ok, 0);
    ASSERT_EQ(ok, 1);
    EXPECT_EQ(norights->hash1, base1 ^ (0xFu << 16));
    EXPECT_EQ(norights->hash2, base2);
}

// Castling rights survive the rebuild only with king and rook at home.
TEST(CreatePBoard, CastlingRightsFollowKingAndRooks) {
    struct Case {
        int mode;
        SQ_T removed, moved_from, moved_to;
        uint32_t rights;
    };
    const SQ_T none = 65;
    const Case cases[] = {
        {2, H1, none, none, 0xE}, {2, A1, none, none, 0xD}, {2, H8, none, none, 0xB},
        {2, A8, none, none, 0x7}, {2, none, E1, E3, 0xC},   {2, none, E8, E6, 0x3},
        {3, D1, none, none, 0xE}, {3, A1, none, none, 0xD}, {3, D8, none, none, 0xB},
        {3, A8, none, none, 0x7}, {3, none, C1, A4, 0xC},   {3, none, C8, A5, 0x3},
        {2, none, H1, H3, 0xE},   {3, none, A8, B5, 0x7}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.mode == 3 ? "tri " : "plain ") + "removed " + Sq(k.removed) +
                     " moved " + Sq(k.moved_from) + "-" + Sq(k.moved_to));
        state.dmode = k.mode;
        auto start = vt::NewPos();
        SetupStartPosition(start.get(), k.mode);
        std::vector<Placed> v;
        for (int sq = 0; sq < 64; ++sq)
            if (start->board[sq]) v.push_back({start->board[sq], SQ_T(sq)});
        if (k.removed != none) v = Without(v, k.removed);
        if (k.moved_from != none) v = Moved(v, k.moved_from, k.moved_to);
        int ok = 0;
        auto pos = Build(k.mode, v, &ok);
        ASSERT_EQ(ok, 1);
        EXPECT_EQ(pos->flags & FLAG_CASTLE_RIGHTS, k.rights);
        vt::ExpectConsistent(pos.get(), "rights");
    }
}

TEST(CreatePBoard, MissingKing) {
    for (int colour : {1, -1}) {
        SQ_T king = colour > 0 ? E1 : E8;
        testing::internal::CaptureStdout();
        int ok = 1;
        auto pos = Build(2, Without(PlainStart(), king), &ok);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(ok, 0) << "colour " << colour;
        EXPECT_NE(out.find("no king"), std::string::npos) << out;
        for (int i = 0; i < 32; ++i) EXPECT_EQ(pos->pieces[i].p, 0) << "slot " << i;
        EXPECT_EQ(pos->material_mask, 0u);
        EXPECT_EQ(pos->piece_mask, 0u);
        EXPECT_EQ(pos->sliding_mask, 0u);
    }
}

// Unusual material: the fixed slots hold what they can, the rest finds room
// on its own side; every piece is listed once and the bookkeeping agrees.
// A pawn on its start cell has never moved, so it takes the slot of its file
// (the slot decides the double step); other pawns fill the free pawn slots in
// square order.
TEST(CreatePBoard, UnusualMaterial) {
    struct Case {
        const char* name;
        int mode;
        std::vector<Placed> pieces;
        std::vector<Slot> fixed;   // slots whose content is prescribed
        bool exact;                // no other slot may be used
    };
    std::vector<Placed> nine_queens = {{W_KING, E1}, {B_KING, H8}, {B_ROOK, A8}};
    for (SQ_T sq : {A3, B3, C3, D3, E3, F3, G3, H3, A5}) nine_queens.push_back({W_QUEEN, sq});
    std::vector<Placed> extra_queens = PlainStart();
    extra_queens = Without(Without(extra_queens, C2), F2);
    extra_queens.push_back({W_QUEEN, C4});
    extra_queens.push_back({W_QUEEN, F4});
    extra_queens = Without(extra_queens, G7);
    extra_queens.push_back({B_KNIGHT, G4});

    const Case cases[] = {
        {"no white queen", 2, Without(PlainStart(), D1),
         {{0, W_KING, E1}, {2, W_ROOK, H1}, {3, W_ROOK, A1}, {4, W_BISHOP, F1},
          {5, W_BISHOP, C1}, {6, W_KNIGHT, G1}, {7, W_KNIGHT, B1}}, false},
        {"pawns only", 2,
         {{W_KING, E1}, {B_KING, E8}, {W_PAWN, A2}, {W_PAWN, B3}, {W_PAWN, C2}, {W_PAWN, D4},
          {W_PAWN, E2}, {W_PAWN, F2}, {W_PAWN, G5}, {W_PAWN, H2}, {B_PAWN, C7}, {B_PAWN, A6},
          {B_PAWN, H7}},
         {{0, W_KING, E1}, {16, B_KING, E8}, {8, W_PAWN, A2}, {9, W_PAWN, B3}, {10, W_PAWN, C2},
          {11, W_PAWN, D4}, {12, W_PAWN, E2}, {13, W_PAWN, F2}, {14, W_PAWN, G5},
          {15, W_PAWN, H2}, {24, B_PAWN, A6}, {26, B_PAWN, C7}, {31, B_PAWN, H7}}, true},
        {"nine white queens", 2, nine_queens,
         {{0, W_KING, E1}, {16, B_KING, H8}, {18, B_ROOK, A8}}, false},
        {"two extra queens and a third black knight", 2, extra_queens,
         {{0, W_KING, E1}, {16, B_KING, E8}, {17, B_QUEEN, D8}}, false},
        {"tri-dimensional, queens on the attack boards", 3,
         {{W_KING, F1}, {B_KING, F8}, {W_QUEEN, A1}, {W_QUEEN, B2}, {W_QUEEN, C1}, {W_QUEEN, D2},
          {B_QUEEN, A7}, {B_QUEEN, D8}, {W_PAWN, E2}, {B_PAWN, E7}},
         {{0, W_KING, F1}, {16, B_KING, F8}, {12, W_PAWN, E2}, {28, B_PAWN, E7}}, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        int ok = 0;
        auto pos = Build(k.mode, k.pieces, &ok);
        ASSERT_EQ(ok, 1);
        const POS_T* b = pos.get();
        if (k.exact) ExpectSlots(b, k.fixed);
        for (const Slot& s : k.fixed) {
            EXPECT_EQ(b->pieces[s.slot].p, s.p) << "slot " << s.slot;
            EXPECT_EQ(b->pieces[s.slot].pos, s.sq) << "slot " << s.slot;
        }
        // A side with queens has one in its queen slot.
        for (int colour : {1, -1}) {
            bool has_queen = false;
            for (const Placed& x : k.pieces) has_queen |= x.p == colour * W_QUEEN;
            if (has_queen) {
                EXPECT_EQ(b->pieces[colour > 0 ? 1 : 17].p, colour * W_QUEEN);
            }
        }
        ExpectEveryPieceListed(b);
        vt::ExpectConsistent(b, "built");
        EXPECT_EQ(b->w_material, SideMaterial(k.pieces, 1));
        EXPECT_EQ(b->b_material, SideMaterial(k.pieces, -1));
        uint32_t sliding = 0;
        for (int i = 0; i < 32; ++i)
            if (IsSliding(b->pieces[i].p)) sliding |= 1u << i;
        EXPECT_EQ(b->sliding_mask, sliding);
    }
}

// The primitives keep board, slots, masks, keys and material in step.
TEST(Primitives, CaptureChangeMoveAndAdd) {
    int ok = 0;
    auto pos = Build(2, PlainStart(), &ok);
    ASSERT_EQ(ok, 1);
    POS_T* b = pos.get();
    PS_T* p = b->pieces;

    // A captured bishop leaves its sliding bit behind.
    ASSERT_EQ(p[5].p, W_BISHOP);
    RemovePiece(b, &p[5]);
    EXPECT_EQ(p[5].p, 0);
    EXPECT_EQ(p[5].pos, SQ_T(C1));
    EXPECT_EQ(b->board[C1], 0);
    EXPECT_EQ(b->pboard[C1], 255);
    EXPECT_NE(b->sliding_mask & (1u << 5), 0u);
    EXPECT_EQ(b->material_mask & (1u << 5), 0u);
    EXPECT_EQ(b->piece_mask & (1u << 5), 0u);
    EXPECT_EQ(GetPBoard(b, C1), nullptr);
    vt::ExpectConsistent(b, "bishop captured");

    // Promotion while the queen lives: the new queen keeps the pawn's slot.
    ChangePiece(b, &p[8], W_QUEEN);
    EXPECT_EQ(p[8].p, W_QUEEN);
    EXPECT_EQ(p[8].pos, SQ_T(A2));
    EXPECT_EQ(p[1].p, W_QUEEN);
    EXPECT_EQ(p[1].pos, SQ_T(D1));
    EXPECT_NE(b->piece_mask & (1u << 8), 0u);
    EXPECT_NE(b->sliding_mask & (1u << 8), 0u);
    EXPECT_EQ(GetPBoard(b, A2), &p[8]);
    vt::ExpectConsistent(b, "promoted beside the queen");

    // With the queen gone the next new queen moves into the queen slot.
    RemovePiece(b, &p[1]);
    ChangePiece(b, &p[9], W_QUEEN);
    EXPECT_EQ(p[9].p, 0);
    EXPECT_EQ(p[1].p, W_QUEEN);
    EXPECT_EQ(p[1].pos, SQ_T(B2));
    EXPECT_EQ(b->pboard[B2], 1);
    EXPECT_EQ(b->material_mask & (1u << 9), 0u);
    vt::ExpectConsistent(b, "promoted into the queen slot");

    // Black likewise, slots 24/25 and 17.
    ChangePiece(b, &p[24], B_QUEEN);
    EXPECT_EQ(p[24].p, B_QUEEN);
    RemovePiece(b, &p[17]);
    ChangePiece(b, &p[25], B_QUEEN);
    EXPECT_EQ(p[25].p, 0);
    EXPECT_EQ(p[17].p, B_QUEEN);
    EXPECT_EQ(p[17].pos, SQ_T(B7));
    vt::ExpectConsistent(b, "black promotions");

    // Under-promotion changes in place; a knight is not a slider.
    ChangePiece(b, &p[10], W_KNIGHT);
    EXPECT_EQ(p[10].p, W_KNIGHT);
    EXPECT_NE(b->piece_mask & (1u << 10), 0u);
    EXPECT_EQ(b->sliding_mask & (1u << 10), 0u);
    ChangePiece(b, &p[26], B_ROOK);
    EXPECT_NE(b->sliding_mask & (1u << 26), 0u);
    vt::ExpectConsistent(b, "under-promotions");

    // Moves and a re-added rook.
    EXPECT_EQ(MovePiece(b, &p[6], F3), 1);
    EXPECT_EQ(b->board[G1], 0);
    EXPECT_EQ(b->board[F3], W_KNIGHT);
    EXPECT_EQ(b->pboard[F3], 6);
    EXPECT_EQ(p[6].pos, SQ_T(F3));
    EXPECT_EQ(MovePiece(b, &p[28], E5), 1);
    RemovePiece(b, &p[2]);
    AddPiece(b, W_ROOK, D4, &p[2]);
    EXPECT_EQ(p[2].p, W_ROOK);
    EXPECT_EQ(b->pboard[D4], 2);
    EXPECT_EQ(MovePiece(b, &p[0], E3), 1);
    vt::ExpectConsistent(b, "after moves");

    testing::internal::CaptureStdout();
    EXPECT_EQ(MovePiece(b, nullptr, A3), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("NULL @ MovePiece"), std::string::npos) << out;
    vt::ExpectConsistent(b, "after a null move request");

    // The same board rebuilt from scratch has the same keys.
    auto again = vt::NewPos();
    std::memcpy(again->board, b->board, sizeof b->board);
    again->flags = b->flags;
    again->move_num = b->move_num;
    vt::SetHomePins(again.get());
    ASSERT_EQ(CreatePBoard(again.get(), state.dmode), 1);
    // The rebuild drops rights whose king or rook left home; compare without them.
    EXPECT_EQ(again->hash1 ^ ((again->flags & FLAG_CASTLE_RIGHTS) << 16), b->hash1 ^ ((b->flags & FLAG_CASTLE_RIGHTS) << 16));
    EXPECT_EQ(again->hash2, b->hash2);
}

// Control of an attack board follows its occupants.
TEST(AttackBoards, ControlFollowsOccupants) {
    int ok = 0;
    auto pos = Build(3, {{W_KING, F1}, {B_KING, F8}, {W_ROOK, A1}, {B_KNIGHT, B2}, {W_BISHOP, A7}}, &ok);
    ASSERT_EQ(ok, 1);
    POS_T* b = pos.get();
    // Rebuilding settled the boards: QLB holds one white piece, KLW and KLB are empty.
    EXPECT_EQ(b->whites_board[0], 1);
    EXPECT_EQ(b->whites_board[1], 1);
    EXPECT_EQ(b->whites_board[2], 1);
    EXPECT_EQ(b->whites_board[3], 0);

    // Two colours on a board: whoever held it keeps it.
    for (int holder : {0, 1}) {
        b->whites_board[0] = holder;
        AlignAttackBoards(b);
        EXPECT_EQ(b->whites_board[0], holder);
    }
    // One piece left: its colour takes the board.
    RemovePiece(b, GetPBoard(b, A1));
    AlignAttackBoards(b);
    EXPECT_EQ(b->whites_board[0], 0);
    // Emptied: back to the starting owner, though Black held it.
    RemovePiece(b, GetPBoard(b, B2));
    AlignAttackBoards(b);
    EXPECT_EQ(b->whites_board[0], 1);
    // Black's board taken by White's lone bishop returns to Black once empty.
    RemovePiece(b, GetPBoard(b, A7));
    AlignAttackBoards(b);
    EXPECT_EQ(b->whites_board[1], 0);
    // White's empty board held by Black returns to White.
    b->whites_board[2] = 0;
    AlignAttackBoards(b);
    EXPECT_EQ(b->whites_board[2], 1);
    EXPECT_TRUE(WhiteOwns(b, AB_QLW));
    EXPECT_FALSE(WhiteOwns(b, AB_QLB));
    EXPECT_TRUE(WhiteOwns(b, AB_KLW));
    EXPECT_FALSE(WhiteOwns(b, AB_KLB));
}

// Board identities map to their own entries; others fail as stated.
TEST(AttackBoards, LookUpsAndBadIdentities) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    POS_T* b = pos.get();
    const int pins[4] = {ABW_KL4, ABW_QL2, ABW_QL5, ABW_KL1};
    vt::SetPins(b, pins);
    const int owners[4] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) b->whites_board[i] = owners[i];
    const int ids[4] = {AB_QLW, AB_QLB, AB_KLW, AB_KLB};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(WhereIsAttackBoard(b, ids[i]), pins[i]) << ids[i];
        EXPECT_EQ(WhiteOwns(b, ids[i]), owners[i] != 0) << ids[i];
        EXPECT_FALSE(IsAttackBoardHome(b, ids[i])) << ids[i];
        EXPECT_EQ(IsAttackBoardThere(b, pins[i]), i);
        EXPECT_EQ(WhereIsAB_C(i), SQ_T(vt::kBase[i]));
    }
    EXPECT_EQ(IsAttackBoardThere(b, ABW_QL1), 65);
    EXPECT_EQ(GetAttackBoardLevel(b, 0), 5);
    EXPECT_EQ(GetAttackBoardLevel(b, 1), 3);
    EXPECT_EQ(GetAttackBoardLevel(b, 2), 7);
    EXPECT_EQ(GetAttackBoardLevel(b, 3), 3);

    for (int bad : {0, 5, 101, 99, 123}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(WhereIsAttackBoard(b, bad), 65) << bad;
        EXPECT_FALSE(WhiteOwns(b, bad)) << bad;
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find("Bad which_ab @ GenAtBoMoves"), std::string::npos) << out;
        EXPECT_NE(out.find("WhiteOwns can't find board"), std::string::npos) << out;
    }
}

TEST(AttackBoardsDeathTest, FatalIdentities) {
    state.dmode = 3;
    auto pos = vt::NewPos();
    vt::SetHomePins(pos.get());
    EXPECT_EXIT(IsAttackBoardHome(pos.get(), 7), testing::ExitedWithCode(vt::kPanicExit), "");
    pos->whereis_board[2] = ABWHERE_E(3);
    EXPECT_EXIT(GetAttackBoardLevel(pos.get(), 2), testing::ExitedWithCode(vt::kPanicExit), "");
}

// Free pins for drawing, from the game's current position.
TEST(AttackBoards, FreePinBits) {
    state.dmode = 3;
    ASSERT_EQ(ResetBoard(false), 1);
    const struct {
        int pin, bit;
    } pins[12] = {{E1, 0},   {A3, 2},  {E5, 4},   {E4, 8},    {A6, 16},   {E8, 0},
                  {H1, 0},   {D3, 128}, {H5, 256}, {H4, 512}, {D6, 1024}, {H8, 0}};
    for (const auto& k : pins) EXPECT_EQ(AddABPin(&state.position, k.pin), k.bit) << Sq(k.pin);
    EXPECT_EQ(AddABPin(&state.position, A1), 0);
    EXPECT_EQ(AddABPin(&state.position, 64), 0);
    EXPECT_EQ(AddABPin(&state.position, 200), 0);
    state.position.whereis_board[0] = ABW_QL3;
    EXPECT_EQ(AddABPin(&state.position, E1), 1);
    EXPECT_EQ(AddABPin(&state.position, A3), 0);
    ASSERT_EQ(ResetBoard(false), 1);
}
