// The windowed program's logic that runs without a window: the mesh reader,
// the preset views, the menu tree and its repairs, the clocks and the keys
// whose effects are plain data. Nothing here may call into GLUT.
#include "render/piece.h"
#include "render/render.h"
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// ---------------------------------------------------------------- mesh reader

class MeshReadTest : public testing::Test {
protected:
    std::string path;

    void SetUp() override
    {
        path = testing::TempDir() + "vornak_mesh_" +
               testing::UnitTest::GetInstance()->current_test_info()->name() + ".STL";
    }
    void TearDown() override { std::remove(path.c_str()); }

    void Write(const std::string& text) { std::ofstream(path) << text; }

    // Reads the file into a fresh model; returns what it printed.
    std::string Read(PIECE_C* piece)
    {
        CaptureStdout();
        piece->MeshRead(path.c_str());
        return GetCapturedStdout();
    }
};

TEST_F(MeshReadTest, OneFacetIsANormalAndThreeVertices)
{
    Write("solid x\n"
          "  facet normal 0 0 -1\n"
          "    outer loop\n"
          "      vertex -1.5 2 3e-1\n"
          "      vertex 1 0 0\n"
          "      vertex 0 1 0\n"
          "    endloop\n"
          "  endfacet\n"
          "endsolid x\n");
    PIECE_C piece;
    std::string out = Read(&piece);
    EXPECT_EQ(out, "\n" + path + " - pCnt 13 vCnt 4 size 4\n");
    ASSERT_EQ(piece.vertices.size(), 4u);
    EXPECT_TRUE(piece.mesh_ready);
    EXPECT_DOUBLE_EQ(piece.vertices[0].z, -1.0);
    EXPECT_DOUBLE_EQ(piece.vertices[1].x, -1.5);
    EXPECT_DOUBLE_EQ(piece.vertices[1].y, 2.0);
    EXPECT_DOUBLE_EQ(piece.vertices[1].z, 0.3);
    EXPECT_DOUBLE_EQ(piece.vertices[3].y, 1.0);
}

TEST_F(MeshReadTest, TwoPointsAreNoMesh)
{
    Write("facet normal 0 0 1\nvertex 1 2 3\n");
    PIECE_C piece;
    EXPECT_EQ(Read(&piece), "\n" + path + " - pCnt 6 vCnt 2 size 2\n");
    EXPECT_FALSE(piece.mesh_ready);
}

TEST_F(MeshReadTest, TabIndentedLinesYieldNoPointSpaceIndentedOnesDo)
{
    Write("\tvertex 1 2 3\n"
          "    vertex 4 5 6\n"
          "\t1 2 3\n");  // after a tab only numbers are still read
    PIECE_C piece;
    Read(&piece);
    ASSERT_EQ(piece.vertices.size(), 2u);
    EXPECT_DOUBLE_EQ(piece.vertices[0].x, 4.0);
    EXPECT_DOUBLE_EQ(piece.vertices[1].x, 1.0);
}

TEST_F(MeshReadTest, NumbersBeyondThirtyNineCharactersAreCut)
{
    // 37 characters for the first number leave room for only one more.
    std::string first = "1." + std::string(35, '0');
    Write("vertex " + first + " 2 3\n"
          "vertex " + std::string(33, '0') + "1 2 3\n");
    PIECE_C piece;
    Read(&piece);
    ASSERT_EQ(piece.vertices.size(), 1u);
    EXPECT_DOUBLE_EQ(piece.vertices[0].x, 1.0);
    EXPECT_DOUBLE_EQ(piece.vertices[0].z, 3.0);
}

TEST_F(MeshReadTest, MissingFileLeavesNoMeshAndPrintsNothing)
{
    PIECE_C piece;
    EXPECT_EQ(Read(&piece), "");
    EXPECT_FALSE(piece.mesh_ready);
    EXPECT_TRUE(piece.vertices.empty());
}

// ---------------------------------------------------------------- views

struct ViewSnapshot {
    float xang, yang, scale;
    int stipple, ortho, zang, axes, captured;
    bool operator==(const ViewSnapshot& o) const
    {
        return xang == o.xang && yang == o.yang && scale == o.scale && stipple == o.stipple && ortho == o.ortho &&
               zang == o.zang && axes == o.axes && captured == o.captured;
    }
};

ViewSnapshot TakeView()
{
    return {state.xang, state.yang, state.scale, state.stipple, state.projection_ortho, *GetZAng(), AxesOnOff,
            CapturedOnOff};
}

void Scramble()
{
    state.xang = 100;
    state.yang = 90;
    state.scale = 0.7f;
    state.stipple = 1;
    state.projection_ortho = 1;
    *GetZAng() = 45;
    AxesOnOff = 1;
    CapturedOnOff = 0;
}

TEST(View, ResetViewPerMode)
{
    Scramble();
    state.dmode = 3;
    ResetView();
    EXPECT_EQ(TakeView(), (ViewSnapshot{300, 0, 1.6f, 1, 0, 0, 0, 1}));
    Scramble();
    state.dmode = 2;
    ResetView();
    EXPECT_EQ(TakeView(), (ViewSnapshot{330, 0, 2.0f, 0, 0, 0, 0, 1}));
}

TEST(View, OverheadIsAStraightOrthographicTopView)
{
    Scramble();
    state.stipple = 0;
    Overhead();
    float fit = OverheadScale(state.dmode, window_width, window_height);
    EXPECT_EQ(TakeView(), (ViewSnapshot{0, 0, fit, 1, 1, 0, 1, 0}));
}

// From above, in windows of every shape, each cell lies below the status
// text and clear of the captured pieces' columns, and the board is not
// squeezed: a cell is as wide as it is high.
TEST(View, OverheadKeepsTheBoardBelowTheTextAndUndistorted)
{
    int saved_w = window_width, saved_h = window_height, saved_mode = state.dmode;
    for (int dmode : {2, 3})
        for (auto size : {std::pair<int, int>{800, 800}, {1000, 560}, {520, 800}, {640, 300}}) {
            state.dmode = dmode;
            ASSERT_TRUE(ResetBoard(false));
            window_width = size.first;
            window_height = size.second;
            Overhead();
            VIEW_T v = CurrentView();
            const int vp[4] = {0, 0, size.first, size.second};
            SCOPED_TRACE(std::to_string(dmode) + "D " + std::to_string(size.first) + "x" + std::to_string(size.second));
            for (int x = 0; x < 8; x++)
                for (int y = 0; y < 8; y++) {
                    P3D_T c;
                    GetCoords(&state.position, x, y, &c);
                    double x0, y0, x1, y1;
                    P3D_T a = c, b = {c.x + 1, c.y + 1, c.z};
                    ASSERT_TRUE(ProjectToWindow(&v, vp, &a, &x0, &y0, nullptr));
                    ASSERT_TRUE(ProjectToWindow(&v, vp, &b, &x1, &y1, nullptr));
                    EXPECT_NEAR(x1 - x0, y1 - y0, 0.01);
                    EXPECT_GE(std::min(x0, x1), 60.0);
                    EXPECT_LE(std::max(x0, x1), size.first - 60.0);
                    EXPECT_GE(std::min(y0, y1), 0.0);
                    EXPECT_LE(std::max(y0, y1), size.second - STATUS_TEXT_BAND);
                }
        }
    window_width = saved_w;
    window_height = saved_h;
    state.dmode = saved_mode;
    ResetBoard(false);
}

TEST(View, BlackViewTurnsThePlainBoardAndBackToTheDefault)
{
    state.dmode = 2;
    Scramble();
    ToggleZeBlackView();
    ViewSnapshot turned = TakeView();
    EXPECT_EQ(turned.xang, 340);  // 100 - 120 + 360
    EXPECT_EQ(turned.yang, 270);  // 90 - 180 + 360
    EXPECT_EQ(turned.scale, 0.7f);
    ToggleZeBlackView();
    ViewSnapshot back = TakeView();
    ResetView();
    EXPECT_EQ(back, TakeView());
}

TEST(View, BlackViewDoesNothingInTheTriDimensionalGame)
{
    state.dmode = 3;
    Scramble();
    ViewSnapshot before = TakeView();
    ToggleZeBlackView();
    EXPECT_EQ(TakeView(), before);
    ToggleZeBlackView();
    EXPECT_EQ(TakeView(), before);
}

// ---------------------------------------------------------------- menus

const MENU_T& FindMenu(const std::vector<MENU_T>& menus, int* id)
{
    for (const MENU_T& m : menus)
        if (m.id == id)
            return m;
    ADD_FAILURE() << "menu not described";
    return menus.front();
}

std::vector<std::string> Labels(const MENU_T& menu)
{
    std::vector<std::string> labels;
    for (const MENU_ENTRY_T& e : menu.entries)
        labels.push_back(e.label);
    return labels;
}

void ValidSettings()
{
    state.rules = RULES_TDCL;
    state.notation = NOTATION_VESKAR;
    state.vornak = VORNAK_BLACK;
    timers.timer_limit = 5;
    state.maxdepth = DIFF_HARD;
    state.spread = SPREAD_PIECE;
    menu_mesh_pieces = SET_MESH;
}

TEST(Menus, SettingsNoMenuOffersAreRepaired)
{
    ValidSettings();
    state.rules = RULES_NONE;
    state.notation = 7;
    state.vornak = 5;
    timers.timer_limit = 7;
    state.maxdepth = 5;
    state.spread = -1;
    menu_mesh_pieces = SET_MORVEL;
    CaptureStdout();
    std::vector<MENU_T> menus = DescribeMenus();
    EXPECT_EQ(GetCapturedStdout(), "\nPanic: DoComputerMenu error");
    EXPECT_EQ(state.rules, RULES_TDCL);
    EXPECT_EQ(state.notation, NOTATION_STANDARD);
    EXPECT_EQ(state.vornak, VORNAK_OFF);
    EXPECT_EQ(timers.timer_limit, 5ul);
    EXPECT_EQ(state.maxdepth, DIFF_EASY);
    EXPECT_EQ(state.spread, SPREAD_OFF);
    EXPECT_EQ(menu_mesh_pieces, SET_CLASSIC);
    // The labels show the repaired values.
    EXPECT_EQ(Labels(FindMenu(menus, &RulesMenu)), (std::vector<std::string>{"tournament", "TDCL"}));
    EXPECT_EQ(Labels(FindMenu(menus, &CompMenu)),
              (std::vector<std::string>{"plays white", "plays black", "plays both", "DOES NOT PLAY"}));
    EXPECT_EQ(Labels(FindMenu(menus, &TimeLimitMenu)),
              (std::vector<std::string>{">5s", " 10s", " 30s", " 1m", " 5m"}));
}

TEST(Menus, ValidSettingsAreKeptQuietlyAndMarked)
{
    ValidSettings();
    state.rules = RULES_TOURNAMENT;
    state.vornak = VORNAK_BOTH;
    timers.timer_limit = 60;
    state.maxdepth = DIFF_MED;
    state.spread = SPREAD_TEAM;
    CaptureStdout();
    std::vector<MENU_T> menus = DescribeMenus();
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(state.rules, RULES_TOURNAMENT);
    EXPECT_EQ(state.vornak, VORNAK_BOTH);
    EXPECT_EQ(Labels(FindMenu(menus, &RulesMenu)), (std::vector<std::string>{"TOURNAMENT", "tdcl"}));
    // Notation 0 carries the label "tournament" too.
    EXPECT_EQ(Labels(FindMenu(menus, &NotationMenu)),
              (std::vector<std::string>{"TOURNAMENT", "standard", "algebraic"}));
    EXPECT_EQ(Labels(FindMenu(menus, &CompMenu)),
              (std::vector<std::string>{"plays white", "plays black", "PLAYS BOTH", "does not play"}));
    EXPECT_EQ(Labels(FindMenu(menus, &TimeLimitMenu)),
              (std::vector<std::string>{" 5s", " 10s", " 30s", ">1m", " 5m"}));
    EXPECT_EQ(Labels(FindMenu(menus, &DifficultyMenu)), (std::vector<std::string>{"easy", "MEDIUM", "hard"}));
    EXPECT_EQ(Labels(FindMenu(menus, &SpreadMenu)), (std::vector<std::string>{"off", "piece", "TEAM"}));
    EXPECT_EQ(Labels(FindMenu(menus, &PiecesMenu)), (std::vector<std::string>{"classic", "MESH"}));
}

TEST(Menus, TreeIsCreatedChildrenFirstInTheFixedOrder)
{
    ValidSettings();
    std::vector<MENU_T> menus = DescribeMenus();
    std::vector<int*> order = {&RulesMenu, &NotationMenu, &CompMenu, &TimeLimitMenu, &DifficultyMenu,
                               &UndoMenu, &SpreadMenu, &PieceMenuWhite, &PieceMenuBlack, &EditMenu,
                               &GameMenu, &ProjMenu, &AxesMenu, &CapturedMenu, &OpacityMenu,
                               &ViewMenu, &ModeMenu, &PiecesMenu, &MainMenu};
    ASSERT_EQ(menus.size(), order.size());
    for (size_t i = 0; i < order.size(); i++) {
        EXPECT_EQ(menus[i].id, order[i]) << "menu " << i;
        for (const MENU_ENTRY_T& e : menus[i].entries) {
            if (!e.submenu)
                continue;
            bool earlier = false;
            for (size_t j = 0; j < i; j++)
                earlier |= menus[j].id == e.submenu;
            EXPECT_TRUE(earlier) << e.label << " is not created before its parent";
        }
    }
    const MENU_T& main_menu = menus.back();
    EXPECT_EQ(Labels(main_menu), (std::vector<std::string>{"Game", "Pieces", "Mode", "Rules", "Notation", "Spread",
                                                           "View", "Edit", "Quit"}));
    EXPECT_EQ(main_menu.entries.back().value, 3);
    EXPECT_EQ(main_menu.entries.back().submenu, nullptr);
    EXPECT_EQ(main_menu.entries[0].submenu, &GameMenu);
    EXPECT_EQ(main_menu.entries[7].submenu, &EditMenu);
    EXPECT_EQ(main_menu.callback, DoMainMenu);

    const MENU_T& game = FindMenu(menus, &GameMenu);
    EXPECT_EQ(Labels(game), (std::vector<std::string>{"Vornak", "Difficulty", "TimeLimit", "Undo", "New game",
                                                      "List game", "Save game", "Restore game", "Hint",
                                        "Set up position", "Print position"}));
    EXPECT_EQ(game.entries[0].submenu, &CompMenu);
    EXPECT_EQ(game.entries[4].value, MENU_RESETBOARD);
    EXPECT_EQ(game.entries[7].value, MENU_RESTORE);

    const MENU_T& view = FindMenu(menus, &ViewMenu);
    EXPECT_EQ(Labels(view), (std::vector<std::string>{"Projection", "Axes", "Opacity", "Captured", "BlackView",
                                                      "Reset View", "Move list", "Coordinates"}));
    EXPECT_EQ(view.entries[4].value, MENU_ZEBLACKVIEW);
    EXPECT_EQ(view.entries[5].value, MENU_RESETVIEW);
    EXPECT_EQ(view.entries[6].value, MENU_MOVELIST);
    EXPECT_EQ(view.entries[7].value, MENU_COORDINATES);

    const MENU_T& edit = FindMenu(menus, &EditMenu);
    EXPECT_EQ(Labels(edit), (std::vector<std::string>{"Add white ...", "Add black ...", "Remove piece",
                                                      "White's move", "Black's move", "Clear board"}));
    std::vector<int> edit_values;
    for (size_t i = 2; i < edit.entries.size(); i++)
        edit_values.push_back(edit.entries[i].value);
    EXPECT_EQ(edit_values, (std::vector<int>{EDIT_NONE, EDIT_WHITES_MOVE, EDIT_BLACKS_MOVE, EDIT_CLEAR}));

    const MENU_T& white = FindMenu(menus, &PieceMenuWhite);
    const MENU_T& black = FindMenu(menus, &PieceMenuBlack);
    EXPECT_EQ(Labels(white), (std::vector<std::string>{"Pawn", "Knight", "Bishop", "Rook", "Queen", "King"}));
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(white.entries[i].value, 11 + i);
        EXPECT_EQ(black.entries[i].value, 5 + i);
    }
    std::vector<int> undo_plies;
    for (const MENU_ENTRY_T& e : FindMenu(menus, &UndoMenu).entries)
        undo_plies.push_back(e.value);
    EXPECT_EQ(undo_plies, (std::vector<int>{1, 2, 4, 8, 16}));
    const MENU_T& opacity = FindMenu(menus, &OpacityMenu);
    EXPECT_EQ(Labels(opacity), (std::vector<std::string>{"Transparent", "Opaque"}));
    EXPECT_EQ(opacity.entries[0].value, 1);
}

// ---------------------------------------------------------------- clocks

TEST(Clocks, TimeStringHasHoursMinutesSeconds)
{
    TIMERS_C t;
    EXPECT_EQ(t.timermode, TM_OFF);
    EXPECT_TRUE(t.PrintTimeString(3725));
    EXPECT_STREQ(t.time_string, "1:02:05");
    t.PrintTimeString(36000);
    EXPECT_STREQ(t.time_string, "10:00:00");
    t.PrintTimeString(59);
    EXPECT_STREQ(t.time_string, "0:00:59");
}

TEST(Clocks, TickCountsTheSideToMoveOnlyWhileAClockIsShown)
{
    TIMERS_C saved = timers;
    timers = TIMERS_C();
    state.position.move_num = 1;  // Black to move

    timers.timermode = TM_OFF;
    redisplay_requested = false;
    EXPECT_EQ(secondtick(1000, nullptr), 1000u);
    EXPECT_TRUE(redisplay_requested.load());
    EXPECT_EQ(timers.elapsed_time, 1u);
    EXPECT_EQ(timers.white_time + timers.black_time, 0u);

    timers.timermode = TM_WHITE;  // shows White's clock, counts Black's
    secondtick(1000, nullptr);
    EXPECT_EQ(timers.black_time, 1u);
    EXPECT_EQ(timers.white_time, 0u);

    state.position.move_num = 2;
    timers.timermode = TM_ELAPSED;
    secondtick(1000, nullptr);
    EXPECT_EQ(timers.white_time, 1u);

    timers.timermode = TM_STOPPED;
    secondtick(1000, nullptr);
    EXPECT_EQ(timers.elapsed_time, 4u);
    EXPECT_EQ(timers.white_time, 1u);
    EXPECT_EQ(timers.black_time, 1u);
    timers = saved;
}

// ---------------------------------------------------------------- keys

std::string Press(unsigned char c)
{
    CaptureStdout();
    Keyboard(c, 0, 0);
    return GetCapturedStdout();
}

TEST(Keys, DifficultyStepsFromHardToEasyMediumHard)
{
    state.maxdepth = DIFF_HARD;
    EXPECT_EQ(Press('D'), "\ndifficulty : EASY");
    EXPECT_EQ(state.maxdepth, DIFF_EASY);
    EXPECT_STREQ(info_string, "difficulty: EASY\n");
    EXPECT_EQ(Press('d'), "\ndifficulty : MED");
    EXPECT_EQ(state.maxdepth, DIFF_MED);
    EXPECT_EQ(Press('D'), "\ndifficulty : HARD");
    EXPECT_EQ(state.maxdepth, DIFF_HARD);
    state.maxdepth = 5;  // anything else goes to medium
    Press('D');
    EXPECT_EQ(state.maxdepth, DIFF_MED);
    info_string[0] = '\0';
}

TEST(Keys, TimerModeCyclesAndStoppedStays)
{
    TIMERMODE_E saved = timers.timermode;
    timers.timermode = TM_OFF;
    std::vector<TIMERMODE_E> seen;
    for (int i = 0; i < 4; i++) {
        Press('T');
        seen.push_back(timers.timermode);
    }
    EXPECT_EQ(seen, (std::vector<TIMERMODE_E>{TM_ELAPSED, TM_WHITE, TM_BLACK, TM_OFF}));
    timers.timermode = TM_STOPPED;
    EXPECT_EQ(Press('t'), "");
    EXPECT_EQ(timers.timermode, TM_STOPPED);
    timers.timermode = TM_ERROR;
    EXPECT_EQ(Press('t'), "\nPanic: Keyboard : bad timer mode");
    EXPECT_EQ(timers.timermode, TM_OFF);
    timers.timermode = saved;
}

TEST(Keys, SidesTogglesAndReports)
{
    state.demo_mode = 1;
    EXPECT_EQ(Press('W'), "\nVornak playing White");
    EXPECT_EQ(state.vornak, VORNAK_WHITE);
    EXPECT_EQ(state.demo_mode, 0);
    state.demo_mode = 1;
    EXPECT_EQ(Press('b'), "\nVornak playing Black");
    EXPECT_EQ(state.vornak, VORNAK_BLACK);
    EXPECT_EQ(state.demo_mode, 0);

    bool eval = eval_show;
    EXPECT_EQ(Press('E'), eval ? "\nEval OFF" : "\nEval ON");
    EXPECT_EQ(Press('e'), eval ? "\nEval ON" : "\nEval OFF");
    EXPECT_EQ(eval_show, eval);

    int axes = AxesOnOff, captured = CapturedOnOff, stipple = state.stipple;
    Press('a');
    Press('C');
    Press('x');
    EXPECT_EQ(AxesOnOff, !axes);
    EXPECT_EQ(CapturedOnOff, !captured);
    EXPECT_EQ(state.stipple, !stipple);

    int coordinates = CoordinatesOnOff;
    EXPECT_EQ(Press('N'), coordinates ? "\nCoordinates OFF" : "\nCoordinates ON");
    EXPECT_EQ(Press('n'), coordinates ? "\nCoordinates ON" : "\nCoordinates OFF");
    EXPECT_EQ(CoordinatesOnOff, coordinates);

    EXPECT_EQ(Press('?'), "\nVornak V2.98f\n\n");
    EXPECT_EQ(Press('f'), "\nDon't know what to do with keyboard hit: 'f' (0x66)\n");
}

TEST(Keys, BuildStampEndsWithATwoDigitYear)
{
    std::string out = Press('#');
    ASSERT_EQ(out.substr(0, 8), "\nBuilt: ");
    std::string stamp = out.substr(8);
    // "Www Mmm dd hh:mm:ss yy"
    ASSERT_EQ(stamp.size(), 22u) << stamp;
    EXPECT_EQ(stamp.substr(4, 3), std::string(__DATE__).substr(0, 3));
    EXPECT_EQ(stamp.substr(20, 2), std::string(__DATE__).substr(9, 2));
    EXPECT_EQ(stamp[13], ':');
    EXPECT_EQ(stamp[16], ':');
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    bool weekday = false;
    for (const char* d : days)
        weekday |= stamp.substr(0, 3) == d;
    EXPECT_TRUE(weekday) << stamp;
}

TEST(Keys, KMovesTheChosenAttackBoardToTheNextFreePin)
{
    state.dmode = 3;
    ASSERT_TRUE(ResetBoard(false));
    // J counts 1, 2, 3, 0: step it round to board 0 whatever came before.
    for (int i = 0; i < 4 && Press('J') != "\nj=0"; i++) {
    }
    POS_T* b = &state.position;
    ASSERT_EQ(b->whereis_board[0], ABW_QL1);
    EXPECT_EQ(Press('K'), "\nj=0 k=32");
    EXPECT_EQ(b->whereis_board[0], ABW_QL2);

    // Board 1 stands on the last queen's-side pin; the next one, KL1, holds
    // board 2, so KL2 is where it lands, after two tries.
    EXPECT_EQ(Press('j'), "\nj=1");
    EXPECT_EQ(Press('k'), "\nj=1 k=39\nj=1 k=39");
    EXPECT_EQ(b->whereis_board[1], ABW_KL2);
    Press('J');
    Press('J');
    EXPECT_EQ(Press('J'), "\nj=0");
    Clutch(0);  // K holds and restarts the thinking thread; no test wants it
}

// ---------------------------------------------------------------- window messages

std::string MessageShown()
{
    float brightness;
    const char* text = MessageNow(&brightness);
    return text ? text : "";
}

// The settings the keys below change, as they were, and the thinking
// thread stopped, however the test ends.
struct SETTINGS_KEPT_T {
    STATE_T* saved = new STATE_T(state);
    TIMERMODE_E timermode = timers.timermode;
    int axes = AxesOnOff, captured = CapturedOnOff, move_list = MoveListOnOff, coordinates = CoordinatesOnOff;
    bool eval = eval_show;
    ~SETTINGS_KEPT_T()
    {
        Clutch(0);
        state = *saved;
        delete saved;
        timers.timermode = timermode;
        AxesOnOff = axes;
        CapturedOnOff = captured;
        MoveListOnOff = move_list;
        CoordinatesOnOff = coordinates;
        eval_show = eval;
    }
};

// Every value a settings menu offers has words of its own, and a choice
// menu's words name the entry as the menu labels it.
TEST(Messages, EveryMenuChoiceOfASettingIsNamed)
{
    ValidSettings();
    std::vector<MENU_T> menus = DescribeMenus();
    const struct {
        int* menu;
        SETTING_E which;
        bool labelled;  // the menu's labels name the values
    } settings[] = {
        {&RulesMenu, SETTING_RULES, true},          {&NotationMenu, SETTING_NOTATION, true},
        {&CompMenu, SETTING_COMPUTER, true},        {&TimeLimitMenu, SETTING_TIME_LIMIT, true},
        {&DifficultyMenu, SETTING_DIFFICULTY, true}, {&SpreadMenu, SETTING_SPREAD, true},
        {&PiecesMenu, SETTING_PIECES, true},        {&ProjMenu, SETTING_PROJECTION, true},
        {&AxesMenu, SETTING_AXES, false},           {&CapturedMenu, SETTING_CAPTURED, false},
        {&OpacityMenu, SETTING_OPACITY, true},
    };
    auto squeezed = [](std::string text) {
        std::string out;
        for (char c : text)
            if (c != ' ' && c != '>')
                out += char(tolower(c));
        return out;
    };
    for (const auto& setting : settings) {
        std::set<std::string> seen;
        for (const MENU_ENTRY_T& e : FindMenu(menus, setting.menu).entries) {
            std::string words = DescribeSetting(setting.which, e.value);
            SCOPED_TRACE(e.label + " -> " + words);
            EXPECT_TRUE(seen.insert(words).second) << "said of two entries";
            EXPECT_FALSE(isdigit(words.back())) << "a number, not words";
            if (setting.labelled) {
                EXPECT_NE(squeezed(words).find(squeezed(e.label)), std::string::npos);
            }
        }
    }
    EXPECT_EQ(DescribeSetting(SETTING_TIME_LIMIT, 30), "time limit: 30 s a move");
    EXPECT_EQ(DescribeSetting(SETTING_TIME_LIMIT, 300), "time limit: 5 min a move");
    EXPECT_EQ(DescribeSetting(SETTING_TIME_LIMIT, 90), "time limit: 90 s a move");
    EXPECT_EQ(DescribeSetting(SETTING_RULES, 7), "rules: 7");
}

// A key that changes a setting says at the window's foot what it became.
TEST(Messages, KeysSayWhatTheSettingBecame)
{
    SETTINGS_KEPT_T kept;
    state.maxdepth = DIFF_HARD;
    Press('D');
    EXPECT_EQ(MessageShown(), "difficulty: easy");
    timers.timermode = TM_OFF;
    Press('t');
    EXPECT_EQ(MessageShown(), "clock: time of the game");
    Press('T');
    EXPECT_EQ(MessageShown(), "clock: White's time");
    Press('B');
    EXPECT_EQ(MessageShown(), "computer plays Black");
    Press('w');
    EXPECT_EQ(MessageShown(), "computer plays White");
    CaptureStdout();
    KeyboardSpecial(GLUT_KEY_F9, 0, 0);
    Clutch(0);  // no autoplay on the test's board
    EXPECT_EQ(MessageShown(), "computer plays both sides");
    KeyboardSpecial(GLUT_KEY_F9, 0, 0);
    EXPECT_EQ(MessageShown(), "computer plays White");
    KeyboardSpecial(GLUT_KEY_F10, 0, 0);
    GetCapturedStdout();
    EXPECT_EQ(MessageShown(), "computer does not play");

    // Toggles: each press names the other state.
    const struct {
        char key;
        SETTING_E which;
    } toggles[] = {{'A', SETTING_AXES},      {'C', SETTING_CAPTURED},     {'X', SETTING_OPACITY},
                   {'M', SETTING_MOVE_LIST}, {'N', SETTING_COORDINATES}, {'E', SETTING_EVALUATION}};
    for (const auto& t : toggles) {
        Press(t.key);
        std::string first = MessageShown();
        Press(t.key);
        std::string second = MessageShown();
        EXPECT_NE(first, second) << t.key;
        EXPECT_TRUE(first == DescribeSetting(t.which, 1) || first == DescribeSetting(t.which, 0)) << first;
        EXPECT_TRUE(second == DescribeSetting(t.which, 1) || second == DescribeSetting(t.which, 0)) << second;
    }
    Press('N');
    EXPECT_EQ(MessageShown(),
              CoordinatesOnOff ? "coordinates shown (N hides them)" : "coordinates hidden (N shows them)");
}

// A message wider than the window takes more lines, broken at spaces; a
// word wider than a line is cut, and nothing is lost.
TEST(Messages, LongMessagesAreBrokenToFitTheWindow)
{
    auto ten_a_letter = [](const std::string& text) { return int(text.size()) * 10; };
    std::string text = "could not restore  a-rather-long-name.sav: not a Vornak save file";
    std::vector<std::string> lines = WrapText(text, 200, ten_a_letter);
    EXPECT_EQ(lines, (std::vector<std::string>{"could not restore", "a-rather-long-name.s", "av: not a Vornak",
                                               "save file"}));
    EXPECT_EQ(WrapText("short", 200, ten_a_letter), std::vector<std::string>{"short"});
    EXPECT_TRUE(WrapText("   ", 200, ten_a_letter).empty());
    // Narrower than a letter: a letter a line, and still an end.
    EXPECT_EQ(WrapText("ab c", 5, ten_a_letter), (std::vector<std::string>{"a", "b", "c"}));
}

}  // namespace
