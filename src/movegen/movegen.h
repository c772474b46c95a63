// Move generation: per-piece attack maps, pawn rules.
#pragma once

#include "board/board.h"

void PieceGenerate(POS_T* b, int pi);
bool IsPawnHome(PS_T* p, PS_T* pawnstart);
int DetectPromotionImminent(POS_T* b, int p, SQ_T to, uint32_t mask);
