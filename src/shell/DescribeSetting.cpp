// What a setting became, in the window's words: the one place where the
// messages after a key or a menu choice are worded.
#include "shell/shell.h"
#include "shell/timers.h"

#include <cstdio>

namespace {

// A setting with named values.
struct WORDS_T {
    SETTING_E which;
    int value;
    const char* words;
};

const WORDS_T setting_words[] = {
    {SETTING_DIFFICULTY, DIFF_EASY, "difficulty: easy"},
    {SETTING_DIFFICULTY, DIFF_MED, "difficulty: medium"},
    {SETTING_DIFFICULTY, DIFF_HARD, "difficulty: hard"},
    {SETTING_RULES, RULES_TOURNAMENT, "rules: tournament"},
    {SETTING_RULES, RULES_TDCL, "rules: TDCL"},
    {SETTING_NOTATION, NOTATION_VESKAR, "notation: tournament"},
    {SETTING_NOTATION, NOTATION_STANDARD, "notation: standard"},
    {SETTING_NOTATION, NOTATION_ALGEBRAIC, "notation: algebraic"},
    {SETTING_COMPUTER, VORNAK_WHITE, "computer plays White"},
    {SETTING_COMPUTER, VORNAK_BLACK, "computer plays Black"},
    {SETTING_COMPUTER, VORNAK_BOTH, "computer plays both sides"},
    {SETTING_COMPUTER, VORNAK_OFF, "computer does not play"},
    {SETTING_SPREAD, SPREAD_OFF, "spread map: off"},
    {SETTING_SPREAD, SPREAD_PIECE, "spread map: piece (the selected piece's moves)"},
    {SETTING_SPREAD, SPREAD_TEAM, "spread map: team (also what the side attacks)"},
    {SETTING_PIECES, SET_CLASSIC, "pieces: classic"},
    {SETTING_PIECES, SET_MESH, "pieces: mesh"},
    {SETTING_PROJECTION, 0, "projection: perspective"},
    {SETTING_PROJECTION, 1, "projection: orthographic"},
    {SETTING_CLOCK, TM_OFF, "clock: off"},
    {SETTING_CLOCK, TM_ELAPSED, "clock: time of the game"},
    {SETTING_CLOCK, TM_WHITE, "clock: White's time"},
    {SETTING_CLOCK, TM_BLACK, "clock: Black's time"},
    {SETTING_CLOCK, TM_STOPPED, "clocks stopped: the game is over"},
    // Toggles: 1 on, 0 off, with the key that turns them back.
    {SETTING_OPACITY, 1, "boards transparent (X makes them opaque)"},
    {SETTING_OPACITY, 0, "boards opaque (X makes them transparent)"},
    {SETTING_AXES, 1, "axes shown (A hides them)"},
    {SETTING_AXES, 0, "axes hidden (A shows them)"},
    {SETTING_CAPTURED, 1, "captured pieces shown (C hides them)"},
    {SETTING_CAPTURED, 0, "captured pieces hidden (C shows them)"},
    {SETTING_MOVE_LIST, 1, "move list shown (M hides it)"},
    {SETTING_MOVE_LIST, 0, "move list hidden (M shows it)"},
    {SETTING_COORDINATES, 1, "coordinates shown (N hides them)"},
    {SETTING_COORDINATES, 0, "coordinates hidden (N shows them)"},
    {SETTING_EVALUATION, 1, "evaluation printed on the console (E stops it)"},
    {SETTING_EVALUATION, 0, "evaluation not printed (E prints it)"},
};

// For a value no key or menu gives.
const char* const setting_names[] = {
    "difficulty", "time limit", "rules", "notation", "computer", "spread map", "pieces", "projection",
    "boards", "axes", "captured pieces", "move list", "coordinates", "clock", "evaluation"};
static_assert(sizeof setting_names / sizeof setting_names[0] == SETTING_COUNT, "a name for every setting");

int SettingValue(SETTING_E which)
{
    switch (which) {
    case SETTING_DIFFICULTY: return state.maxdepth;
    case SETTING_TIME_LIMIT: return int(timers.timer_limit);
    case SETTING_RULES: return state.rules;
    case SETTING_NOTATION: return state.notation;
    // Autoplay is the computer playing both sides, whatever side it had.
    case SETTING_COMPUTER: return state.demo_mode ? int(VORNAK_BOTH) : int(state.vornak);
    case SETTING_SPREAD: return state.spread;
    case SETTING_PIECES: return menu_mesh_pieces;
    case SETTING_PROJECTION: return state.projection_ortho;
    case SETTING_OPACITY: return state.stipple;
    case SETTING_AXES: return AxesOnOff;
    case SETTING_CAPTURED: return CapturedOnOff;
    case SETTING_MOVE_LIST: return MoveListOnOff;
    case SETTING_COORDINATES: return CoordinatesOnOff;
    case SETTING_CLOCK: return timers.timermode;
    case SETTING_EVALUATION: return eval_show;
    case SETTING_COUNT: break;
    }
    return -1;
}

}  // namespace

std::string DescribeSetting(SETTING_E which, int value)
{
    char text[64];
    if (which == SETTING_TIME_LIMIT) {
        if (value >= 60 && value % 60 == 0)
            snprintf(text, sizeof text, "time limit: %d min a move", value / 60);
        else
            snprintf(text, sizeof text, "time limit: %d s a move", value);
        return text;
    }
    for (const WORDS_T& w : setting_words)
        if (w.which == which && w.value == value)
            return w.words;
    if (which < 0 || which >= SETTING_COUNT)
        return "setting unknown";
    snprintf(text, sizeof text, "%s: %d", setting_names[which], value);
    return text;
}

void ShowSetting(SETTING_E which)
{
    ShowMessage(DescribeSetting(which, SettingValue(which)).c_str());
}
