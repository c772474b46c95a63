// Pieces of the game record shared between its own files only.
#pragma once

#include "record/record.h"

#include <cstddef>
#include <cstdint>

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
