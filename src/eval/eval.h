// Evaluation: the coefficient table and its game stages, material
// bookkeeping, the per-piece score cache, the piece, pawn, king and tactics
// terms, and the switchable trace that reports what each term contributed.
#pragma once

#include "board/board.h"

#include <string>
#include <vector>

enum GS_E { OPENING = 0, MID_GS = 1, ENDING = 2, MATING = 3 };

// ---------------------------------------------------------------- coefficient table
const int STAGE_COEFFICIENTS = 1468;
const int NUM_COEFFICIENTS = 4 * STAGE_COEFFICIENTS;
extern const int* const orig_coefficients;      // the shipped weights
extern int new_coefficients[NUM_COEFFICIENTS];  // the working copy
// The current stage's weights. Each thread that evaluates chooses its stage
// (the thinking thread at its root), so the pointer is the thread's own.
inline thread_local ETYPE_T* coefficients = new_coefficients;

// Where each block of one stage table starts. Blocks indexed by a row read
// OFFSET - row (the pawn row tables) or OFFSET + count, as noted.
enum COEFFICIENT_OFFSET_E {
    BISHOP_PAIR = 0,
    CASTLING = 1,                   // castled bonus / both rights lost penalty
    KNIGHT_OUTPOST = 2,
    BISHOP_OUTPOST = 3,
    KNIGHT_OUTPOST_SUPPORTED = 4,
    BISHOP_OUTPOST_SUPPORTED = 5,
    ROOK_DEFENDED = 6,
    ROOKS_SEVENTH = 7,
    OPPOSITE_BISHOPS = 8,
    QUEEN_SORTIE = 9,
    KING_ROW_OPENING = 10,          // + row
    KING_ROW_MIDDLE = 18,           // + row
    KING_DISTANCE_MATING = 26,      // + distance between the kings
    NO_SAFE_MOVE = 34,              // + row seen from the piece's side
    KNIGHT_BLOCKED = 42,
    LOW_MOBILITY = 43,
    DRAW_SCORE = 44,
    ROOK_MINOR_ENDING = 45,
    MATING_DRIVE = 46,
    MATING_CORNER = 47,
    BISHOP_XRAY = 48,               // + x-rayed pieces 0..4
    KING_CENTRE = 53,               // + column, + row
    ROOK_SQUARE_TABLE = 61,
    KNIGHT_SQUARE_TABLE = 125,
    CONTROL_TABLE = 189,
    KING_SIDE_SHELTER = 253,
    QUEEN_SIDE_SHELTER = 317,
    KNIGHT_MOBILITY = 381,          // five tables of 80: min(count, 9) + 10 x row
    BISHOP_MOBILITY = 461,
    ROOK_MOBILITY = 541,
    QUEEN_MOBILITY = 621,
    KING_MOBILITY = 701,
    KNIGHT_SAFE_MOBILITY = 781,
    BISHOP_SAFE_MOBILITY = 861,
    ROOK_SAFE_MOBILITY = 941,
    QUEEN_SAFE_MOBILITY = 1021,
    KING_SAFE_MOBILITY = 1101,
    MATERIAL = 1181,                // + piece code
    TACTICS_WIN = 1188,
    TACTICS_THREAT = 1189,
    OVERLOADED = 1188,              // + duties (2 or more)
    KING_ATTACK_OWN = 1205,         // + attackers; without the enemy queen
    KING_ATTACK_OPP = 1213,
    KING_ATTACK_OWN_QUEEN = 1221,   // with the enemy queen
    KING_ATTACK_OPP_QUEEN = 1229,
    OPEN_COLUMN = 1237,
    OPEN_COLUMN_QUEEN = 1238,
    TRADE_DOWN = 1239,              // + non-pawn pieces, kings included
    ATTACK_COUNT = 1271,            // + attacks on enemy pieces
    PAWN_COUNT = 1287,              // + pawns
    PAWN_UNDEFENDED = 1319,
    PAWN_BESIDE = 1320,
    PASSED_CONTROL_AHEAD = 1321,    // + passed_pawn_index[row - 1] + square
    PAWN_UNSTOPPABLE = 1342,
    PAWN_DOUBLED = 1343,
    PAWN_BACKWARD = 1344,
    PASSED_BLOCKED = 1346,
    PASSED_OWN_KING = 1347,
    PASSED_ENEMY_ROOK_BEHIND = 1348,
    PASSED_OWN_ROOK_BEHIND = 1349,
    CENTRE_PAWN_BLOCKED_D = 1350,
    CENTRE_PAWN_BLOCKED_E = 1351,
    PASSED_MINIMUM = 1357,
    PASSED_ROW = 1359,              // - row
    PASSED_NEIGHBOUR_ROW = 1366,    // - row
    PAWN_OPEN_ROW = 1373,           // - row
    PASSED_ENEMY_KING = 1373,
    PAWN_SQUARE_TABLE = 1374,
    KING_SHIELD = 1438,             // twelve patterns
    PAWN_ISOLATED = 1450,
    PAWN_BACKWARD_OPEN = 1451,
    PAWN_BACKWARD_ATTACKED = 1452,  // + attackers
};

// What a piece of either colour is worth in material (the exchange reckonings
// count in these).
inline int PieceWorth(int piece) { return new_coefficients[MATERIAL + (piece < 0 ? -piece : piece)]; }

void InitEvalTables();
void EstimateGameStage(POS_T* b, int root_node);

// ---------------------------------------------------------------- driver
// Score for the side to move; testv 405000 marks the root call (everything
// recomputed), depth 0 allows the lazy estimate, depth >= 2 re-scores every
// piece.
ETYPE_T Evaluate(POS_T* b, ETYPE_T testv, int depth);
// A static score held clear of the mate scores, as Evaluate answers it.
inline ETYPE_T ClampStatic(ETYPE_T v) { return emax(-399852, emin(399852, v)); }
ETYPE_T EvalEtype(POS_T* b, ETYPE_T testv, int depth);
void EvalPiece(POS_T* b, PS_T* p);
void DevalPiece(POS_T* b, PS_T* p);
ETYPE_T PieceValues(POS_T* b);
ETYPE_T CheckMaterial(POS_T* b, ETYPE_T ret0);
// Score of a repetition from White's side (read by the search as well).
ETYPE_T DrawValue(const POS_T* b);
char* EvalStr(ETYPE_T v);

// King-shelter tables of the control values; switched with the kings' wings.
inline const ETYPE_T null_pos_value[64] = {};
inline thread_local const ETYPE_T* sq_p1 = null_pos_value;
inline thread_local const ETYPE_T* sq_p2 = null_pos_value;
inline thread_local int new_pos_values = 0;
void RecalcPosValues(POS_T* b);

// ---------------------------------------------------------------- terms
// Piece scores from the owner's side (PieceValues negates Black's).
ETYPE_T EvalPawnWhite(POS_T* b, int pi);
ETYPE_T EvalPawnBlack(POS_T* b, int pi);
ETYPE_T EvalKnight(POS_T* b, int pi);
ETYPE_T EvalBishop(POS_T* b, int pi);
ETYPE_T EvalBishopXray(POS_T* b, int pi);
ETYPE_T EvalRook(POS_T* b, int pi);
ETYPE_T EvalQueen(POS_T* b, int pi);
ETYPE_T EvalWhiteKing(POS_T* b, int pi);
ETYPE_T EvalBlackKing(POS_T* b, int pi);
ETYPE_T MobilityFunction(POS_T* b, int pi);
// Whole-board terms from White's side.
ETYPE_T EvalMobility(POS_T* b);
ETYPE_T WhiteKingSafety(POS_T* b);
ETYPE_T BlackKingSafety(POS_T* b);
ETYPE_T KingSafety(POS_T* b);
ETYPE_T EvalSpecifics(POS_T* b);
ETYPE_T OverloadedPieces(POS_T* b);
ETYPE_T EvalTactics(POS_T* b);
// Root move score: what the opponent wins back by captures after the move.
ETYPE_T EvalMoveTactics(POS_T* b, MOVE_T* move);

// The capture resolver (it lives with the quiescence search): the best
// material balance the side to move reaches by captures on the attack masks
// as they stand.
int MiniQuiesceW(POS_T* b, unsigned long caplist, unsigned long donelist, int beta, int ply);
int MiniQuiesceB(POS_T* b, unsigned long caplist, unsigned long donelist, int beta, int ply);

// ---------------------------------------------------------------- trace
// What each term contributed to an evaluation, from White's side. The piece
// terms come first so that a pass over the pieces can be re-recorded.
enum EVAL_TERM_E {
    TERM_PAWN_SQUARE,
    TERM_PAWN_BESIDE,
    TERM_PAWN_UNDEFENDED,
    TERM_PAWN_BACKWARD,
    TERM_PAWN_OPEN,
    TERM_PASSED_ROW,
    TERM_PASSED_KINGS,
    TERM_PASSED_BLOCKED,
    TERM_PASSED_ROOKS,
    TERM_PASSED_CONTROL,
    TERM_PASSED_NEIGHBOUR,
    TERM_PAWN_UNSTOPPABLE,
    TERM_PASSED_MINIMUM,
    TERM_PAWN_DOUBLED,
    TERM_PAWN_ISOLATED,
    TERM_KNIGHT_SQUARE,
    TERM_KNIGHT_OUTPOST,
    TERM_BISHOP_OUTPOST,
    TERM_BISHOP_XRAY,
    TERM_ROOK_SQUARE,
    TERM_ROOK_DEFENDED,
    TERM_QUEEN_SORTIE,
    TERM_KING_PLACE,
    TERM_KING_CASTLING,
    TERM_KING_SHIELD,
    TERM_PIECES_END,  // the terms above are scored per piece
    TERM_MATERIAL = TERM_PIECES_END,
    TERM_KING_ATTACK,
    TERM_KING_OPEN_COLUMN,
    TERM_CENTRE_PAWN_BLOCKED,
    TERM_KNIGHT_BLOCKED,
    TERM_BISHOP_PAIR,
    TERM_OPPOSITE_BISHOPS,
    TERM_MATING_DRIVE,
    TERM_TACTICS,
    TERM_PINS,
    TERM_BOARD_CONTROL,
    TERM_ATTACKS,
    TERM_MOBILITY,
    TERM_LOW_MOBILITY,
    TERM_SAFE_MOBILITY,
    TERM_NO_SAFE_MOVE,
    TERM_OVERLOADED,
    TERM_MATERIAL_CORRECTION,
    EVAL_TERMS
};

struct EVAL_TRACE_T {
    ETYPE_T term[EVAL_TERMS];
    ETYPE_T piece[32];  // each slot's cached score, White-positive
    ETYPE_T total;      // eval_result: the sum of the terms
};

// Set while a traced evaluation runs on this thread; the terms add into it.
inline thread_local EVAL_TRACE_T* eval_trace = nullptr;

inline void TraceTerm(int term, ETYPE_T v)
{
    if (eval_trace)
        eval_trace->term[term] += v;
}

// Evaluates b from scratch, as at the root, and reports every term.
// Answers the score for the side to move, like Evaluate.
ETYPE_T EvaluateTraced(POS_T* b, EVAL_TRACE_T* trace);
const char* EvalTermName(int term);
void PrintEvalTrace(const EVAL_TRACE_T* trace);

// ---------------------------------------------------------------- tuning
// A position from a played game, readied as a search root (PrepareRoot),
// with that game's result for White: 1, 0.5 or 0.
struct TUNE_SAMPLE_T {
    POS_T pos;
    double result;
};

// Weights the fit moves together: entries of one stage table that mirror
// each other (a column and its twin across the board, a king's-side square
// and its queen's-side twin) or mean the same at every row (a mobility
// count). Only the derived blocks are tunable; given weights stay.
// A coarse parameter scales a whole block instead: a step of 1000 would add
// each entry's shipped value once more (shape: the share of the step each
// entry takes; empty: the whole step).
struct TUNE_PARAM_T {
    int stage;
    std::vector<int> entries;  // indices into new_coefficients
    std::vector<double> shape;
};
// Fine: every mirrored pair or mobility count on its own (thousands of
// positions a parameter); coarse: one scale for each block of each stage,
// for few games.
std::vector<TUNE_PARAM_T> TunableParams(bool coarse = false);

// The static score of a readied sample in the current weights, in pawns
// from White's side.
double TuneScore(const POS_T* prepared);
// Mean squared difference of the results and 1 / (1 + 10^(-k x score / 4)).
double TuneError(const std::vector<TUNE_SAMPLE_T>& samples, double k);
// The k that makes the current weights fit the results best.
double TuneFitK(const std::vector<TUNE_SAMPLE_T>& samples);

struct TUNE_SETTINGS_T {
    int max_passes = 20;
    int step = 100;  // a fine parameter's step, in the table's units
    // Weight of the pull back to the shipped values: the training error
    // plus prior x the sum of the squared changes in pawns, per position.
    double prior = 0;
    // Parameters read by fewer training positions than this stay.
    size_t min_positions = 1;
    // Passes the held-out error may go without a new best before the fit
    // stops; the weights of the best pass are the result.
    int patience = 1;
    void (*log)(const char* line) = nullptr;  // told of every pass
};
struct TUNE_REPORT_T {
    double k;
    double train_before, train_after;
    double held_before, held_after;
    int passes, moves;  // moves: parameter steps kept
};
// Texel's method: steps each parameter up or down while the training error
// (with the prior's pull) falls, pass after pass, until a pass gains
// nothing or the held-out error has not improved for `patience` passes;
// the weights of the pass with the lowest held-out error stay. Works on
// new_coefficients.
TUNE_REPORT_T TuneFit(const std::vector<TUNE_SAMPLE_T>& train, const std::vector<TUNE_SAMPLE_T>& held_out,
                      const std::vector<TUNE_PARAM_T>& params, const TUNE_SETTINGS_T& settings);

// The coefficient source (Coefficients.cpp) with the table's numbers
// replaced by weights, and the comment of every block that changed saying
// "tuned: " and note. False, with err, if the text does not hold a table of
// NUM_COEFFICIENTS numbers.
bool RewriteCoefficients(const std::string& source, const int* weights, const std::string& note, std::string* out,
                         std::string* err);
// The weights a coefficient source holds; false, with err, as above.
bool ReadCoefficients(const std::string& source, std::vector<int>* weights, std::string* err);
