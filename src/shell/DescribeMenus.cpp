// The menu tree as data: labels by the current settings, with the settings
// repaired first where they hold a value that no menu offers.
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/timers.h"

// One choice of a multiple-choice submenu: upper case when current.
struct CHOICE_T {
    int value;
    const char* current;
    const char* other;
};

template <typename T, size_t N>
static bool Offered(T setting, const CHOICE_T (&choices)[N])
{
    for (const CHOICE_T& c : choices)
        if (T(c.value) == setting)
            return true;
    return false;
}

template <typename T, size_t N>
static std::vector<MENU_ENTRY_T> Choices(T setting, const CHOICE_T (&choices)[N])
{
    std::vector<MENU_ENTRY_T> entries;
    for (const CHOICE_T& c : choices)
        entries.push_back({T(c.value) == setting ? c.current : c.other, c.value, nullptr});
    return entries;
}

static std::vector<MENU_ENTRY_T> Plain(std::initializer_list<std::pair<const char*, int>> items)
{
    std::vector<MENU_ENTRY_T> entries;
    for (const auto& item : items)
        entries.push_back({item.first, item.second, nullptr});
    return entries;
}

static MENU_ENTRY_T Sub(const char* label, int* submenu)
{
    return {label, 0, submenu};
}

std::vector<MENU_T> DescribeMenus()
{
    static const CHOICE_T rules[] = {{RULES_TOURNAMENT, "TOURNAMENT", "tournament"}, {RULES_TDCL, "TDCL", "tdcl"}};
    static const CHOICE_T notations[] = {{NOTATION_VESKAR, "TOURNAMENT", "tournament"},
                                         {NOTATION_STANDARD, "STANDARD", "standard"},
                                         {NOTATION_ALGEBRAIC, "ALGEBRAIC", "algebraic"}};
    static const CHOICE_T sides[] = {{VORNAK_WHITE, "PLAYS WHITE", "plays white"},
                                     {VORNAK_BLACK, "PLAYS BLACK", "plays black"},
                                     {VORNAK_BOTH, "PLAYS BOTH", "plays both"},
                                     {VORNAK_OFF, "DOES NOT PLAY", "does not play"}};
    static const CHOICE_T limits[] = {
        {5, ">5s", " 5s"}, {10, ">10s", " 10s"}, {30, ">30s", " 30s"}, {60, ">1m", " 1m"}, {300, ">5m", " 5m"}};
    static const CHOICE_T difficulties[] = {
        {DIFF_EASY, "EASY", "easy"}, {DIFF_MED, "MEDIUM", "medium"}, {DIFF_HARD, "HARD", "hard"}};
    static const CHOICE_T spreads[] = {
        {SPREAD_OFF, "OFF", "off"}, {SPREAD_PIECE, "PIECE", "piece"}, {SPREAD_TEAM, "TEAM", "team"}};
    static const CHOICE_T piece_sets[] = {{SET_CLASSIC, "CLASSIC", "classic"}, {SET_MESH, "MESH", "mesh"}};

    // Repairs, in the order the menus are created.
    if (!Offered(state.rules, rules))
        state.rules = RULES_TDCL;
    if (!Offered(state.notation, notations))
        state.notation = NOTATION_STANDARD;
    if (!Offered(state.vornak, sides)) {
        Panic(false, "DoComputerMenu error");
        state.vornak = VORNAK_OFF;
    }
    if (!Offered(timers.timer_limit, limits))
        timers.timer_limit = 5;
    if (!Offered(state.maxdepth, difficulties))
        state.maxdepth = DIFF_EASY;
    if (!Offered(state.spread, spreads))
        state.spread = SPREAD_OFF;
    if (!Offered(int(menu_mesh_pieces), piece_sets))
        menu_mesh_pieces = SET_CLASSIC;

    std::vector<MENU_T> menus;
    menus.push_back({&RulesMenu, DoRulesMenu, Choices(state.rules, rules)});
    menus.push_back({&NotationMenu, DoNotationMenu, Choices(state.notation, notations)});
    menus.push_back({&CompMenu, DoComputerMenu, Choices(state.vornak, sides)});
    menus.push_back({&TimeLimitMenu, DoTimeLimitMenu, Choices(timers.timer_limit, limits)});
    menus.push_back({&DifficultyMenu, DoDifficultyMenu, Choices(state.maxdepth, difficulties)});
    menus.push_back({&UndoMenu, UndoMoves,
                     Plain({{"1 ply", 1}, {"1 move", 2}, {"2 moves", 4}, {"4 moves", 8}, {"8 moves", 16}})});
    menus.push_back({&SpreadMenu, DoSpreadMenu, Choices(state.spread, spreads)});
    menus.push_back({&PieceMenuWhite, DoPieceMenu,
                     Plain({{"Pawn", EDIT_WPAWN}, {"Knight", EDIT_WKNIGHT}, {"Bishop", EDIT_WBISHOP},
                            {"Rook", EDIT_WROOK}, {"Queen", EDIT_WQUEEN}, {"King", EDIT_WKING}})});
    menus.push_back({&PieceMenuBlack, DoPieceMenu,
                     Plain({{"Pawn", EDIT_BPAWN}, {"Knight", EDIT_BKNIGHT}, {"Bishop", EDIT_BBISHOP},
                            {"Rook", EDIT_BROOK}, {"Queen", EDIT_BQUEEN}, {"King", EDIT_BKING}})});

    MENU_T edit{&EditMenu, DoEditMenu, {Sub("Add white ...", &PieceMenuWhite), Sub("Add black ...", &PieceMenuBlack)}};
    for (const MENU_ENTRY_T& e : Plain({{"Remove piece", EDIT_NONE}, {"White's move", EDIT_WHITES_MOVE},
                                        {"Black's move", EDIT_BLACKS_MOVE}, {"Clear board", EDIT_CLEAR}}))
        edit.entries.push_back(e);
    menus.push_back(edit);

    MENU_T game{&GameMenu, DoGameMenu,
                {Sub("Vornak", &CompMenu), Sub("Difficulty", &DifficultyMenu), Sub("TimeLimit", &TimeLimitMenu),
                 Sub("Undo", &UndoMenu)}};
    for (const MENU_ENTRY_T& e : Plain({{"New game", MENU_RESETBOARD}, {"List game", MENU_LISTGAME},
                                        {"Save game", MENU_SAVE}, {"Restore game", MENU_RESTORE},
                                        {"Hint", MENU_HINT}, {"Set up position", MENU_SETUP_POSITION},
                                        {"Print position", MENU_PRINT_POSITION}}))
        game.entries.push_back(e);
    menus.push_back(game);

    menus.push_back({&ProjMenu, DoProjMenu, Plain({{"Perspective", 0}, {"Orthographic", 1}})});
    menus.push_back({&AxesMenu, DoAxesMenu, Plain({{"Off", 0}, {"On", 1}})});
    menus.push_back({&CapturedMenu, DoCapturedMenu, Plain({{"Off", 0}, {"On", 1}})});
    menus.push_back({&OpacityMenu, DoOpacityMenu, Plain({{"Transparent", 1}, {"Opaque", 0}})});

    MENU_T view{&ViewMenu, DoViewMenu,
                {Sub("Projection", &ProjMenu), Sub("Axes", &AxesMenu), Sub("Opacity", &OpacityMenu),
                 Sub("Captured", &CapturedMenu)}};
    for (const MENU_ENTRY_T& e : Plain({{"BlackView", MENU_ZEBLACKVIEW}, {"Reset View", MENU_RESETVIEW}, {"Move list", MENU_MOVELIST},
                                               {"Coordinates", MENU_COORDINATES}}))
        view.entries.push_back(e);
    menus.push_back(view);

    menus.push_back({&ModeMenu, ChooseModeMenu, Plain({{"2D", 2}, {"3D", 3}})});
    menus.push_back({&PiecesMenu, DoPiecesMenu, Choices(int(menu_mesh_pieces), piece_sets)});

    menus.push_back({&MainMenu, DoMainMenu,
                     {Sub("Game", &GameMenu), Sub("Pieces", &PiecesMenu), Sub("Mode", &ModeMenu),
                      Sub("Rules", &RulesMenu), Sub("Notation", &NotationMenu), Sub("Spread", &SpreadMenu),
                      Sub("View", &ViewMenu), Sub("Edit", &EditMenu), {"Quit", MAIN_MENU_QUIT, nullptr}}});
    return menus;
}
