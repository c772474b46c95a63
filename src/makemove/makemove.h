// Move execution: the captured-pieces list.
#pragma once

#include "board/board.h"

#include <memory>

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
// Whether the position this thread wrote at half-move i of the key history
// is b, by the full key; true when it is not known (written elsewhere), so
// that the first key alone decides as before.
bool LineKeyAgrees(const POS_T* b, int i);

// Gives the moves made while it lives a key history of their own: a game
// read or written move by move, or moves tried to see which are legal, must
// not overwrite the key history of the game in progress, which finds
// repetitions in it (and, during a review, holds the plies still to come).
struct KEY_HISTORY_GUARD_T {
    uint32_t* saved;
    std::unique_ptr<uint32_t[]> scratch;
    KEY_HISTORY_GUARD_T() : saved(LineHashList()), scratch(new uint32_t[MAX_GAME_PLIES + 1]())
    {
        SetLineHashList(scratch.get());
    }
    ~KEY_HISTORY_GUARD_T() { SetLineHashList(saved); }
    KEY_HISTORY_GUARD_T(const KEY_HISTORY_GUARD_T&) = delete;
    KEY_HISTORY_GUARD_T& operator=(const KEY_HISTORY_GUARD_T&) = delete;
};

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
