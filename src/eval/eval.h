// Evaluation: game stages, material bookkeeping and the static score.
#pragma once

#include "board/board.h"

enum GS_E { OPENING = 0, MID_GS = 1, ENDING = 2, MATING = 3 };

const int STAGE_COEFFICIENTS = 1468;
const int NUM_COEFFICIENTS = 4 * STAGE_COEFFICIENTS;
extern const int* const orig_coefficients;      // the shipped weights
extern int new_coefficients[NUM_COEFFICIENTS];  // the working copy
// The current stage's weights. Each thread that evaluates chooses its stage
// (the thinking thread at its root), so the pointer is the thread's own.
extern thread_local ETYPE_T* coefficients;

void InitEvalTables();
void EstimateGameStage(POS_T* b, int root_node);
void EvalPiece(POS_T* b, PS_T* p);
void DevalPiece(POS_T* b, PS_T* p);
ETYPE_T Evaluate(POS_T* b, ETYPE_T testv, int depth);

// King-shelter tables of the control values; switched with the kings' wings.
extern thread_local const ETYPE_T* sq_p1;
extern thread_local const ETYPE_T* sq_p2;
extern thread_local int new_pos_values;
void RecalcPosValues(POS_T* b);
