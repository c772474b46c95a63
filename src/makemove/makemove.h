// Move execution: the captured-pieces list.
#pragma once

#include "board/board.h"

struct CAP_T {
    char captured_list[40];  // [0] is the count, then the codes in capture order
    int wht_cnt, blk_cnt;    // pieces captured, pawns included, kings never
    int wht_pn, blk_pn;      // pawns captured
};

extern CAP_T cap_t;

void CaptureReset();
void CapturedPieceStore(int piece);
char GetCapturedPiece(int cap_index);

int DoMove(POS_T* b_out, POS_T* b_in, MOVE_T* move);
int DoMovePart1(POS_T* b_out, POS_T* b_in, MOVE_T* move_t);
int DoMovePart2(POS_T* b, MOVE_T* move_t);
void UpdateMoves(POS_T* b, POS_T* oldb, MOVE_T* move);

// The key history that moves write (by half-move number): the game's own by
// default; a thread may point it at a private copy.
uint32_t* LineHashList();
void SetLineHashList(uint32_t* list);

// Control and pawn summaries read by the evaluation.
// Row by column, 0 when none; scratch of the evaluating thread.
inline thread_local unsigned char white_pawn_loc[8], black_pawn_loc[8];
int GetControl(POS_T* b, uint32_t topieces, int piece, SQ_T sq);
void BuildPawnLoc(POS_T* b);
ETYPE_T BoardControl1(POS_T* b);
ETYPE_T BoardControl2(POS_T* b);
void UpdatePawns(POS_T* b);
// After a null move: turns the tactics term to the new side to move.
void UpdateTactics(POS_T* b);
