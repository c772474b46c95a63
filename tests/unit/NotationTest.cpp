// Square and move names in both games and the three notations: the texts the
// game list takes from the moves actually played. Expected texts are worked
// out by hand from the naming rules (files, ranks, pins, levels).
#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rt::NewGame;
using rt::NewGameFrom;
using rt::Play;

const char* const kStart3d =
    "3d RP....pr/QP....pq/KP....pk/RP....pr/NP....pn/BP....pb/BP....pb/NP....pn w KQkq - 0 1 QL1,QL6,KL1,KL6 wbwb";

// The text one move gets in the game list, from a fresh game on `line`.
std::string TextOf(const std::string& line, int notation, const std::string& move)
{
    NewGameFrom(line, notation);
    return Play(move);
}

// ---------------------------------------------------------------- squares

TEST(SquareNames, PieceLettersAndPlainSquares)
{
    std::string letters;
    for (int p = -6; p <= 6; p++)
        letters += piecechar(p);
    EXPECT_EQ(letters, "kqrbnp PNBRQK");
    EXPECT_EQ(piecechar(7), '?');
    EXPECT_EQ(piecechar(-100), '?');

    NewGame(2);
    POS_T* b = &state.position;
    // Four names stay valid together.
    const char* a = PosStr(b, A1);
    const char* e = PosStr(b, E4);
    const char* h = PosStr(b, H8);
    const char* c = PosStr(b, C7);
    EXPECT_STREQ(a, "a1");
    EXPECT_STREQ(e, "e4");
    EXPECT_STREQ(h, "h8");
    EXPECT_STREQ(c, "c7");
    EXPECT_EQ(posstr3D(b, E4), nullptr);
    EXPECT_EQ(posstr3DRom(b, E4), nullptr);
}

TEST(SquareNames, TriDimensionalCellsInBothFileSchemes)
{
    NewGame(3);
    POS_T* b = &state.position;
    struct Case {
        SQ_T sq;
        const char* standard;
        const char* shifted;  // tournament and algebraic
    };
    // Home pins: QLW QL1, QLB QL6, KLW KL1, KLB KL6.
    const Case cases[] = {
        {E1, "b1", "a1"}, {H4, "e4", "d4"},  // White's level
        {A3, "b3", "a3"}, {D6, "e6", "d6"},  // the neutral level
        {E5, "b5", "a5"}, {H8, "e8", "d8"},  // Black's level
        {A1, "a0", "z0"}, {A2, "a1", "z1"}, {B1, "b0", "a0"}, {B2, "b1", "a1"},  // QLW at QL1
        {C1, "e0", "d0"}, {D2, "f1", "e1"},                                      // KLW at KL1
        {A7, "a8", "z8"}, {B8, "b9", "a9"},                                      // QLB at QL6
        {C8, "e9", "d9"}, {D7, "f8", "e8"},                                      // KLB at KL6
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(posstr3D(b, c.sq), c.standard) << c.sq;
        EXPECT_STREQ(posstr3DRom(b, c.sq), c.shifted) << c.sq;
        state.notation = NOTATION_STANDARD;
        EXPECT_STREQ(PosStr(b, c.sq), c.standard) << c.sq;
        state.notation = NOTATION_VESKAR;
        EXPECT_STREQ(PosStr(b, c.sq), c.shifted) << c.sq;
        state.notation = NOTATION_ALGEBRAIC;
        EXPECT_STREQ(PosStr(b, c.sq), c.shifted) << c.sq;
    }
    state.notation = 7;
    EXPECT_EQ(PosStr(b, E1), nullptr);

    // A board's ranks follow its pin.
    b->whereis_board[0] = ABW_QL3;
    b->whereis_board[2] = ABW_KL5;
    EXPECT_STREQ(posstr3D(b, A1), "a2");
    EXPECT_STREQ(posstr3D(b, A2), "a3");
    EXPECT_STREQ(posstr3D(b, D2), "f5");
    EXPECT_STREQ(posstr3DRom(b, C1), "d4");
    char buf[3];
    PosStrAB(buf, 7, 6, ABW_QL4, 0, 0);
    EXPECT_STREQ(buf, "a7");
    PosStrAB(buf, 31, 30, ABW_KL2, 1, 1);
    EXPECT_STREQ(buf, "e5");
}

TEST(SquareNames, PinNames)
{
    NewGame(3);
    POS_T* b = &state.position;
    const int pins[12] = {32, 35, 2, 5, 36, 39, 56, 59, 26, 29, 60, 63};
    const char* const long_names[12] = {"QL1", "QL2", "QL3", "QL4", "QL5", "QL6",
                                        "KL1", "KL2", "KL3", "KL4", "KL5", "KL6"};
    const char* const short_names[12] = {"Q1", "Q2", "Q3", "Q4", "Q5", "Q6", "K1", "K2", "K3", "K4", "K5", "K6"};
    for (int i = 0; i < 12; i++) {
        state.notation = NOTATION_STANDARD;
        EXPECT_STREQ(GetABString(b, pins[i]), long_names[i]);
        state.notation = NOTATION_VESKAR;
        EXPECT_STREQ(GetABString(b, pins[i]), long_names[i]);
        state.notation = NOTATION_ALGEBRAIC;
        EXPECT_STREQ(GetABString(b, pins[i]), short_names[i]);
    }
    std::string out = rt::Console([&] { EXPECT_EQ(GetABString(b, E2), nullptr); });
    EXPECT_EQ(out, "\nPanic: Can't find AB string!2");
    state.notation = NOTATION_VESKAR;
    out = rt::Console([&] { EXPECT_EQ(GetABString(b, E2), nullptr); });
    EXPECT_EQ(out, "\nPanic: Can't find AB string!1");

    // By a board's cell, or by the pin it stands at.
    EXPECT_STREQ(GetABStringBySquare(b, B2), "QL1");
    EXPECT_STREQ(GetABStringBySquare(b, A8), "QL6");
    EXPECT_STREQ(GetABStringBySquare(b, C2), "KL1");
    EXPECT_STREQ(GetABStringBySquare(b, D7), "KL6");
    EXPECT_STREQ(GetABStringBySquare(b, ABW_KL1), "KL1");
    // Anything else names the fourth board after a report.
    out = rt::Console([&] { EXPECT_STREQ(GetABStringBySquare(b, ABW_QL2), "KL6"); });
    EXPECT_EQ(out, "\n35\nPanic: Non-AB for string @ GetABString!");
}

// ---------------------------------------------------------------- the plain game

TEST(PlainNotation, AGameInEveryNotation)
{
    const std::vector<std::string> moves = {"e2e4", "d7d5", "e4d5", "d8d5", "b1c3", "d5e5", "f1e2",
                                            "e5c3", "d2c3", "e7e5", "g1f3", "b8c6", "e1g1"};
    // A piece taking a piece names it, except in algebraic notation; a
    // capture of a pawn never does; a pawn always names what it takes.
    const std::vector<std::string> veskar = {"e4", "d5", "exd5", "Qxd5", "Nc3", "Qe5+", "Be2",
                                             "QxNc3", "dxQc3", "e5", "Nf3", "Nc6", "O-O"};
    std::vector<std::string> algebraic = veskar;
    algebraic[7] = "Qxc3";
    for (int notation : {NOTATION_VESKAR, NOTATION_STANDARD, NOTATION_ALGEBRAIC}) {
        SCOPED_TRACE(notation);
        NewGame(2, notation);
        const std::vector<std::string>& want = notation == NOTATION_ALGEBRAIC ? algebraic : veskar;
        for (size_t i = 0; i < moves.size(); i++)
            EXPECT_EQ(Play(moves[i]), want[i]) << moves[i];
        for (size_t i = 0; i < moves.size(); i++)
            EXPECT_STREQ(GameListGet((int)i + 1), want[i].c_str());
        EXPECT_STREQ(GameListGet(0), "O-O");
    }
}

TEST(PlainNotation, SpecialMovesChecksAndMate)
{
    EXPECT_EQ(TextOf("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", NOTATION_VESKAR, "e5d6"), "exd6ep?");
    EXPECT_EQ(TextOf("r3k3/8/8/8/8/8/8/4K3 b q - 0 1", NOTATION_ALGEBRAIC, "e8c8"), "O-O-O");
    // Promotion: the piece made, then the check it gives.
    EXPECT_EQ(TextOf("8/4P3/8/8/8/8/k7/4K3 w - - 0 1", NOTATION_STANDARD, "e7e8q"), "e8Q");
    EXPECT_EQ(TextOf("8/4P3/8/8/8/8/k7/4K3 w - - 0 1", NOTATION_STANDARD, "e7e8n"), "e8N");
    EXPECT_EQ(TextOf("k7/4P3/8/8/8/8/8/4K3 w - - 0 1", NOTATION_VESKAR, "e7e8q"), "e8Q+");
    EXPECT_EQ(TextOf("k4r2/4P3/8/8/8/8/8/4K3 w - - 0 1", NOTATION_VESKAR, "e7f8r"), "exRf8R+");
    EXPECT_EQ(TextOf("5r2/4P3/8/8/8/8/k7/4K3 w - - 0 1", NOTATION_VESKAR, "e7f8r"), "exRf8R");
    EXPECT_EQ(TextOf("5r2/4P3/8/8/8/8/k7/4K3 w - - 0 1", NOTATION_ALGEBRAIC, "e7f8b"), "exRf8B");

    NewGame(2, NOTATION_ALGEBRAIC);
    rt::PlayAll({"f2f3", "e7e5", "g2g4"});
    EXPECT_EQ(Play("d8h4"), "Qh4#");
    NewGame(2, NOTATION_VESKAR);
    rt::PlayAll({"e2e4", "f7f5"});
    EXPECT_EQ(Play("d1h5"), "Qh5+");
}

TEST(PlainNotation, RivalsAreToldApartByFileThenRank)
{
    const char* files = "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1";
    EXPECT_EQ(TextOf(files, NOTATION_VESKAR, "b1d2"), "Nbd2");
    EXPECT_EQ(TextOf(files, NOTATION_STANDARD, "f1d2"), "Nfd2");
    EXPECT_EQ(TextOf(files, NOTATION_VESKAR, "f1g3"), "Ng3");  // no rival there
    const char* ranks = "4k3/8/8/N7/8/8/8/N3K3 w - - 0 1";
    EXPECT_EQ(TextOf(ranks, NOTATION_ALGEBRAIC, "a1b3"), "N1b3");
    EXPECT_EQ(TextOf(ranks, NOTATION_ALGEBRAIC, "a5b3"), "N5b3");
    // Two pawns taking on one square: each starts with its own file only.
    const char* pawns = "4k3/8/8/3n4/2P1P3/8/8/4K3 w - - 0 1";
    EXPECT_EQ(TextOf(pawns, NOTATION_VESKAR, "c4d5"), "cxNd5");
    EXPECT_EQ(TextOf(pawns, NOTATION_VESKAR, "e4d5"), "exNd5");
    // Two rooks on one rank, moving and taking.
    EXPECT_EQ(TextOf("4k3/8/8/8/8/8/8/R4RK1 w - - 0 1", NOTATION_STANDARD, "a1d1"), "Rad1");
    EXPECT_EQ(TextOf("4k3/8/8/8/8/8/8/R4RK1 w - - 0 1", NOTATION_STANDARD, "f1d1"), "Rfd1");
    EXPECT_EQ(TextOf("4k3/8/8/8/8/8/8/R2b1RK1 w - - 0 1", NOTATION_VESKAR, "a1d1"), "RaxBd1");
    EXPECT_EQ(TextOf("4k3/8/8/8/8/8/8/R2b1RK1 w - - 0 1", NOTATION_ALGEBRAIC, "f1d1"), "Rfxd1");
}

// ---------------------------------------------------------------- the tri-dimensional game

TEST(TriDimensionalNotation, OpeningMovesInEveryNotation)
{
    struct Case {
        const char* move;
        const char* standard;
        const char* tournament;
        const char* algebraic;
    };
    const Case cases[] = {
        {"E2E3", "Pb2-b3(2)", "a3W", "a3W"},
        {"E2A4", "Pb2-b4(4)", "a4N", "a4N"},
        {"E1B3", "Nb1-c3(4)", "Nb3N", "Nb3N"},
        {"H1G3", "Ne1-d3(2)", "Nc3W", "Nc3W"},
        {"C1D1(O-O)", "O-O", "O-O", "O-O"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOf(kStart3d, NOTATION_STANDARD, c.move), c.standard);
        EXPECT_EQ(TextOf(kStart3d, NOTATION_VESKAR, c.move), c.tournament);
        EXPECT_EQ(TextOf(kStart3d, NOTATION_ALGEBRAIC, c.move), c.algebraic);
    }
}

TEST(TriDimensionalNotation, Captures)
{
    // White: king C1, knight E1, pawn E2. Black: bishop B3 (neutral level),
    // knight F3 (White's level) - the same projected cell - and king H8.
    const char* line = "3d ......../..b...../K......./......../NP....../..n...../......../.......k w - - 0 1 "
                       "QL1,QL6,KL1,KL6 wbwb";
    struct Case {
        const char* move;
        const char* standard;
        const char* tournament;
        const char* algebraic;
    };
    const Case cases[] = {
        {"E1B3", "Nb1xc3(4)", "NxBb3N", "Nxb3N"},
        {"E1F3", "Nb1xc3(2)", "NxNb3W", "Nxb3W"},
        {"E2F3", "Pb2xc3(2)", "axNb3W", "axb3W"},
        {"E2B3", "Pb2xc3(4)", "axBb3N", "axb3N"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOf(line, NOTATION_STANDARD, c.move), c.standard);
        EXPECT_EQ(TextOf(line, NOTATION_VESKAR, c.move), c.tournament);
        EXPECT_EQ(TextOf(line, NOTATION_ALGEBRAIC, c.move), c.algebraic);
    }
}

TEST(TriDimensionalNotation, EnPassantPromotionAndCheck)
{
    // White's pawn has just gone F2-F4 past Black's pawn on G4.
    const char* ep = "3d ......../......../K......./......../......../...P..../...p..../.......k b - F3 0 1 "
                     "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(TextOf(ep, NOTATION_STANDARD, "G4F3"), "Pd4ec3(2)");
    EXPECT_EQ(TextOf(ep, NOTATION_VESKAR, "G4F3"), "cxb3Wep");
    EXPECT_EQ(TextOf(ep, NOTATION_ALGEBRAIC, "G4B3"), "cxb3Nep");

    // A pawn reaching the end of its line; its four choices are one move.
    const char* promote = "3d ......../......../K......./...k..../......../......../......P./........ w - - 0 1 "
                          "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(TextOf(promote, NOTATION_STANDARD, "G7G8Q"), "Pd7-d8(6)Q");
    EXPECT_EQ(TextOf(promote, NOTATION_VESKAR, "G7G8Q"), "c8BQ");
    EXPECT_EQ(TextOf(promote, NOTATION_ALGEBRAIC, "G7G8N"), "c8BN");

    // A rook onto the king's file.
    const char* check = "3d ......../......../K......./......../.......k/......../......../R....... w - - 0 1 "
                        "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(TextOf(check, NOTATION_STANDARD, "H1E1"), "Re1-b1(2)+");
    EXPECT_EQ(TextOf(check, NOTATION_VESKAR, "H1E1"), "Ra1W+");
}

TEST(TriDimensionalNotation, RivalsByFileRankAndLevel)
{
    // Rooks on E3 (White's level) and A3 (neutral level): the same file and
    // rank, told apart by level.
    const char* levels = "3d ..R...../......../......K./......../..R...../......../......../.......k w - - 0 1 "
                         "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(TextOf(levels, NOTATION_VESKAR, "E3E4"), "Rwa4W");
    EXPECT_EQ(TextOf(levels, NOTATION_ALGEBRAIC, "A3E4"), "Rna4W");
    EXPECT_EQ(TextOf(levels, NOTATION_VESKAR, "A3B2"), "Rna1QL1");
    EXPECT_EQ(TextOf(levels, NOTATION_STANDARD, "A3E4"), "Rb3-b4(2)");

    // Rooks on F1 and E3: by file. Rooks on E1 and E4: by rank.
    const char* files = "3d ......../......../..K....k/......../..R...../R......./......../........ w - - 0 1 "
                        "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(TextOf(files, NOTATION_VESKAR, "F1E1"), "Rba1W");
    EXPECT_EQ(TextOf(files, NOTATION_VESKAR, "E3E1"), "Raa1W");
    const char* ranks = "3d ......../......../..K....k/......../R..R..../......../......../........ w - - 0 1 "
                        "QL1,QL6,KL1,KL6 wbwb";
    EXPECT_EQ(TextOf(ranks, NOTATION_ALGEBRAIC, "E1E2"), "R1a2W");
    EXPECT_EQ(TextOf(ranks, NOTATION_ALGEBRAIC, "E4E2"), "R4a2W");
}

TEST(TriDimensionalNotation, AttackBoardMoves)
{
    // QLW at QL5 carries a white pawn on its upper cell; KLW stands at KL1.
    // Both boards can go to KL2.
    const char* line = "3d .P....../......../K......./......../......../......../......k./........ w - - 0 1 "
                       "QL5,QL3,KL1,KL6 wbwb";
    struct Case {
        const char* move;
        const char* standard;
        const char* tournament;
        const char* algebraic;
    };
    const Case cases[] = {
        {"QLW:QL5-QL4", "QLWb6(4)", "QL4", "Q4"},
        {"QLW:QL5-KL2", "QLWe4(2)", "QL5KL2", "Q5K2"},
        {"KLW:KL1-KL2", "KLWe4(2)", "KL1KL2", "K1K2"},
        {"KLW:KL1-KL3", "KLWe3(4)", "KL3", "K3"},
        // Onto the far pin the pawn promotes.
        {"QLW:QL5-QL6Q", "QLWb8(6)Q", "QL6Q", "Q6Q"},
        {"QLW:QL5-QL6N", "QLWb8(6)N", "QL6N", "Q6N"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOf(line, NOTATION_STANDARD, c.move), c.standard);
        EXPECT_EQ(TextOf(line, NOTATION_VESKAR, c.move), c.tournament);
        EXPECT_EQ(TextOf(line, NOTATION_ALGEBRAIC, c.move), c.algebraic);
    }
    // The promoted piece stands on the board.
    TextOf(line, NOTATION_VESKAR, "QLW:QL5-QL6N");
    int knights = 0;
    for (int sq = 0; sq < 64; sq++)
        knights += state.position.board[sq] == W_KNIGHT;
    EXPECT_EQ(knights, 1);
}

// ---------------------------------------------------------------- the table

TEST(MoveTable, RefusesWhatItCannotName)
{
    NewGame(2, NOTATION_VESKAR);
    POS_T* b = &state.position;
    MOVE_T moves[MAX_MOVES];
    POS_T probe = *b;
    NoteMoveList(&probe, moves, GetMoveCount(&probe, moves));
    MOVE_T absent;
    InitMove(&absent, W_QUEEN, D1, D5, NO_VALUE, '-', 0);
    std::string out = rt::Console([&] { EXPECT_EQ(ShortDisambiguateMovestr(&absent), nullptr); });
    EXPECT_EQ(out, "\nPanic: ShortMovestr move fail");
    // The quiet look-up, for a player's try: no name and no word.
    out = rt::Console([&] { EXPECT_EQ(ListedMoveName(&absent), nullptr); });
    EXPECT_EQ(out, "");
    MOVE_T empty_square;
    InitMove(&empty_square, W_KNIGHT, D4, E6, NO_VALUE, '-', 0);
    char buf[32];
    out = rt::Console([&] { EXPECT_EQ(ShortMovestr(b, &empty_square, buf), nullptr); });
    EXPECT_EQ(out, "\nPanic: Bad move at ShortMovestr");
    // A move outside the table's position keeps its check mark from play.
    MOVE_T e4;
    InitMove(&e4, W_PAWN, E2, E4, NO_VALUE, '-', 1);
    EXPECT_STREQ(ShortDisambiguateMovestr(&e4), "e4+");
    EXPECT_STREQ(ListedMoveName(&e4), "e4+");
    EXPECT_STREQ(ShortMovestr(b, &e4, buf), "e4+");
}

}  // namespace
