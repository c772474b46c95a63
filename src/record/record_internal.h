// Pieces of the game record shared between its own files only.
#pragma once

#include "record/record.h"

#include "makemove/makemove.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The disambiguation the move text starts with (a file, a rank, a level or a
// pin name); set by the move table while it writes its texts, empty otherwise.
inline thread_local char da_str_i[16];

// Appends printf-style text to a buffer of `size` characters, never past it.
// gnu_printf: checked as C99 formats (%zu) on MinGW too, whose plain printf
// archetype is Microsoft's.
void AppendText(char* ret, size_t size, const char* format, ...) __attribute__((format(gnu_printf, 3, 4)));

// Whether the side to move in b has a legal move. Uses a key history of its
// own, so the game's is left as it was.
bool HasLegalMove(POS_T* b);

// The position the game started from (the edited board, or the standard set-up
// of the mode) with piece list and maps built; false when it cannot be built.
bool BuildStartPosition(POS_T* b, const STATE_T* s);

// A move played on b: the captured piece (0 for none) found by comparing the
// piece lists before and after.
int CapturedBy(const POS_T* before, const POS_T* after);

// Makes m on the game's position b: b evaluated, the capture added to the
// captured pieces, m as made (the promotion piece chosen, the capture
// marked). False, with b unchanged, when the move cannot be made.
bool MakeGameMove(POS_T* b, MOVE_T* m);

// Puts the game's starting position into state.position (the edited board, or
// a board reset) with an empty list of captured pieces; false when it cannot
// be built.
bool RestartGamePosition();

// Plays state.game_record on b from its move number up to `target`, each move
// checked first; captured pieces are recorded and, with `list`, the game list
// is written. Stops at the first refused move with `failure`. Answers the
// move number reached.
int ReplayRecord(POS_T* b, int target, bool list, const char* caller, const char* failure);

// UndoMoves without stopping and starting the thinking thread: the game
// rebuilt from its start up to `num_to_undo` plies before its current ply.
void RebuildGame(int num_to_undo);

// The text of a move as a refusal names it: "12. Nf3" or "12... Nf3", the
// ply_index-th move of a game whose first move is played from start_ply.
std::string MoveLabel(int ply_index, int start_ply, const std::string& text);

// A save image of a game of the mode, rules and notation (-1: the program's
// own): the moves (legal ones, from
// start) played in the program's state through its own move check, the
// result of a termination marker given to a game that did not end on the
// board, and the image taken back by the restore; the game in progress is
// left as it was. texts name the moves in refusals.
bool GameToSaveImage(int dmode, int rules, int notation, const POS_T* start, bool set_up, const std::vector<MOVE_T>& moves,
                     const std::vector<std::string>& texts, const std::string& result, std::vector<uint8_t>* image,
                     std::string* err);

// Sets the game and the rules that a new game takes from the state, for as
// long as it lives, and then puts back the ones it found (setting up a
// position from text also sets the game).
struct GAME_MODE_GUARD_T {
    int saved_mode, saved_rules;
    GAME_MODE_GUARD_T(int dmode, int rules) : saved_mode(state.dmode), saved_rules(state.rules)
    {
        state.dmode = dmode;
        state.rules = rules;
    }
    ~GAME_MODE_GUARD_T()
    {
        state.dmode = saved_mode;
        state.rules = saved_rules;
    }
    GAME_MODE_GUARD_T(const GAME_MODE_GUARD_T&) = delete;
    GAME_MODE_GUARD_T& operator=(const GAME_MODE_GUARD_T&) = delete;
};

// The start position a game text's tag gives: read, of the game dmode and
// playable; otherwise false, with the reason under the tag's name.
inline bool StartFromTag(const std::string& text, const char* tag, int dmode, POS_T* start, std::string* err)
{
    const std::string name = std::string("the ") + tag + " tag";
    int mode = 0;
    if (!ParsePosition(text, start, &mode, err)) {
        *err = name + ": " + *err;
        return false;
    }
    if (mode != dmode) {
        *err = name + " is not a " + (dmode == 2 ? "plain-game" : "tri-dimensional") + " position";
        return false;
    }
    if (const char* why = PositionUnplayableWhy(start)) {
        *err = name + ": " + why;
        return false;
    }
    return true;
}

// A game's moves made one after another from its start, on positions of its
// own; Make answers false for a move that cannot be made.
struct GAME_WALK_T {
    std::unique_ptr<POS_T> pos, next;
    explicit GAME_WALK_T(const POS_T* start) : pos(new POS_T(*start)), next(new POS_T()) {}
    // Whether n moves from start fit in a game record; the reason otherwise.
    static bool Fits(const POS_T* start, size_t n, std::string* err)
    {
        if (start->move_num + n <= (size_t)MAX_GAME_PLIES)
            return true;
        *err = "more moves than a game record holds (" + std::to_string(MAX_GAME_PLIES) + " plies)";
        return false;
    }
    bool Make(const MOVE_T& m)
    {
        MOVE_T made = m;
        if (!DoMove(next.get(), pos.get(), &made))
            return false;
        *pos = *next;
        pos->oldb = nullptr;
        pos->flags &= ~FLAG_PROMOTED;
        return true;
    }
};

// Empties g and gives it the game in progress's start position and result;
// false, with the reason, when the game in progress is not of kind dmode.
bool StateGameStart(int dmode, const char* other_kind, PGN_GAME_T* g, POS_T* start, std::string* err);
