// Evaluation: game stages, material bookkeeping and the static score.
#pragma once

#include "board/board.h"

enum GS_E { OPENING = 0, MID_GS = 1, ENDING = 2, MATING = 3 };

// Material value of each piece code + 6 (opening table; used in every stage).
extern const ETYPE_T material_value[13];

void InitEvalTables();
void EstimateGameStage(POS_T* b, int root_node);
void EvalPiece(POS_T* b, PS_T* p);
void DevalPiece(POS_T* b, PS_T* p);
ETYPE_T Evaluate(POS_T* b, ETYPE_T testv, int depth);
