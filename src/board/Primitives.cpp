// The four primitives through which every piece is placed, removed, moved or
// changed, so that board, slots, masks, keys and material never disagree.
#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"
#include "movegen/movegen.h"

#include <cstdlib>

static int SlotOf(POS_T* b, PS_T* piece) { return (int)(piece - b->pieces); }

PS_T* GetPBoard(POS_T* b, SQ_T pos)
{
    if (pos > 63 || b->pboard[pos] > 31)
        return nullptr;
    return &b->pieces[b->pboard[pos]];
}

void SetPBoard(POS_T* b, SQ_T pos, PS_T* piece)
{
    if (pos > 63)
        return;
    b->pboard[pos] = piece ? (unsigned char)SlotOf(b, piece) : 255;
}

void AddPiece(POS_T* b, int p, SQ_T to, PS_T* piece)
{
    if (to > 63 || !piece)
        return;
    uint32_t bit = 1u << SlotOf(b, piece);
    b->board[to] = p;
    piece->pos = to;
    piece->p = p;
    SetPBoard(b, to, piece);
    hash_c.AddHash(b, to, p);
    EvalPiece(b, piece);
    if (IsSliding(p))
        b->sliding_mask |= bit;
    DetectPromotionImminent(b, p, to, bit);
    if (abs(p) != W_PAWN)
        b->piece_mask |= bit;
    b->material_mask |= bit;
}

void RemovePiece(POS_T* b, PS_T* piece)
{
    if (!piece || piece->pos > 63)
        return;
    uint32_t bit = 1u << SlotOf(b, piece);
    DevalPiece(b, piece);
    hash_c.RemoveHash(b, piece->pos, piece->p);
    b->pboard[piece->pos] = 255;
    b->board[piece->pos] = 0;
    piece->p = 0;
    b->pawns7th &= ~bit;
    b->wpassed_pawn_mask &= ~bit;
    b->bpassed_pawn_mask &= ~bit;
    b->piece_mask &= ~bit;
    b->material_mask &= ~bit;
}

int MovePiece(POS_T* b, PS_T* piece, SQ_T to)
{
    if (!piece) {
        Panic(false, "NULL @ MovePiece");
        return 0;
    }
    if (to > 63 || piece->pos > 63)
        return 0;
    uint32_t bit = 1u << SlotOf(b, piece);
    b->pawns7th &= ~bit;
    hash_c.RemoveHash(b, piece->pos, piece->p);
    b->pboard[piece->pos] = 255;
    SetPBoard(b, to, piece);
    b->board[piece->pos] = 0;
    b->board[to] = piece->p;
    piece->pos = to;
    hash_c.AddHash(b, to, piece->p);
    DetectPromotionImminent(b, piece->p, to, bit);
    return 1;
}

void ChangePiece(POS_T* b, PS_T* piece, int new_piece)
{
    if (!piece || piece->pos > 63)
        return;
    // A new queen takes the queen's own slot when that one is free, so the
    // slot masks keep seeing her as a queen.
    int queen_slot = new_piece == W_QUEEN ? W_QUEEN_SLOT : new_piece == B_QUEEN ? B_QUEEN_SLOT : -1;
    if (queen_slot >= 0 && !(b->piece_mask & (1u << queen_slot)) && b->pieces[queen_slot].p == 0 &&
        piece != &b->pieces[queen_slot]) {
        SQ_T pos = piece->pos;
        RemovePiece(b, piece);
        AddPiece(b, new_piece, pos, &b->pieces[queen_slot]);
        return;
    }
    uint32_t bit = 1u << SlotOf(b, piece);
    DevalPiece(b, piece);
    hash_c.RemoveHash(b, piece->pos, piece->p);
    b->board[piece->pos] = new_piece;
    piece->p = new_piece;
    hash_c.AddHash(b, piece->pos, new_piece);
    EvalPiece(b, piece);
    if (IsSliding(new_piece))
        b->sliding_mask |= bit;
    if (abs(new_piece) != W_PAWN)
        b->piece_mask |= bit;
}
