// Game record: pin and square names, and positions written as text.
#pragma once

#include "board/board.h"

#include <string>

const char* GetShortABStr(SQ_T where);
char* GetAttackBoardString(POS_T* b);
const char* PinName(int pin);            // "QL1".."KL6", null for a non-pin
int PinFromName(const char* name);       // inverse of PinName, -1 if unknown
const char* IndexSquareName(SQ_T sq);    // "A1".."H8", null above 63

// Text positions. A plain-game FEN (6 fields) or a tri-dimensional line
// starting with "3d". On success the position is fully built (piece list,
// maps, keys) and *dmode tells which game it belongs to; on failure nothing
// is written and err says what is wrong.
bool ParsePosition(const std::string& text, POS_T* out, int* dmode, std::string* err);
std::string FormatPosition(POS_T* b, int dmode);
