// Rebuilding the piece list and everything derived from a bare board: after
// set-up, editing, undo, replay and text positions.
#include "board/board.h"
#include "eval/eval.h"
#include "hash/hash.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Entry {
    int p;
    SQ_T sq;
};

// Largest piece first; ties by larger square first.
bool PieceComp(const Entry& x, const Entry& y)
{
    if (abs(x.p) != abs(y.p))
        return abs(x.p) > abs(y.p);
    return x.sq > y.sq;
}

// Fills one side's 16 slots (first = 0 or 16). Answers false when the side
// cannot be represented: no king, more than 8 pawns, more than 16 pieces.
bool AssignSlots(const POS_T* b, int colour, Entry slots[16], const char** why)
{
    std::vector<Entry> pieces, pawns;
    for (SQ_T sq = 0; sq < 64; sq++) {
        int p = b->board[sq];
        if (p == 0 || sign(p) != colour || abs(p) > 6)
            continue;
        (abs(p) == W_PAWN ? pawns : pieces).push_back({p, sq});
    }
    std::sort(pieces.begin(), pieces.end(), PieceComp);
    if (pieces.empty() || abs(pieces[0].p) != W_KING) {
        *why = "\nno king";
        return false;
    }
    if (pawns.size() > 8 || pieces.size() + pawns.size() > 16) {
        *why = "\ntoo many pieces";
        return false;
    }
    for (int i = 0; i < 16; i++)
        slots[i] = {0, 0};

    // A pawn on its start cell has no history: it keeps the double step by
    // taking the slot of its file. The others fill the remaining pawn slots.
    unsigned start_rank = colour > 0 ? 1 : 6;
    std::vector<Entry> movers;
    for (const Entry& e : pawns)
        if (YPOS(e.sq) == start_rank)
            slots[8 + XPOS(e.sq)] = e;
        else
            movers.push_back(e);
    int next = 8;
    for (const Entry& e : movers) {
        while (slots[next].p)
            next++;
        slots[next] = e;
    }

    // Pieces by kind into their own slots; what does not fit (extra pieces
    // after promotions) goes to free pawn slots, then to any free slot.
    static const int kind_of_slot[8] = {W_KING, W_QUEEN, W_ROOK, W_ROOK, W_BISHOP, W_BISHOP, W_KNIGHT, W_KNIGHT};
    std::vector<Entry> extras;
    for (const Entry& e : pieces) {
        int placed = -1;
        for (int s = 0; s < 8 && placed < 0; s++)
            if (kind_of_slot[s] == abs(e.p) && !slots[s].p)
                placed = s;
        if (placed >= 0)
            slots[placed] = e;
        else
            extras.push_back(e);
    }
    for (const Entry& e : extras) {
        int s = 8;
        while (s < 16 && slots[s].p)
            s++;
        if (s == 16)
            for (s = 1; slots[s].p; s++) {
            }
        slots[s] = e;
    }

    // The bishops' slots follow square colour.
    bool same_parity = slots[4].p && ((slots[4].sq ^ (slots[4].sq >> 3)) & 1) == 0;
    if (colour > 0 ? same_parity : (slots[4].p && !same_parity))
        std::swap(slots[4], slots[5]);
    return true;
}

}  // namespace

int CreatePBoard(POS_T* b, int dmode)
{
    b->dmode = dmode;
    hash_c.HashValuesInit();
    memset(b->pboard, 0, sizeof b->pboard);
    memset(b->pieces, 0, sizeof b->pieces);
    b->winner = 0;
    b->sliding_mask = b->pawns7th = b->hash2 = b->piece_mask = b->material_mask = 0;
    b->key = 0;
    b->w_material = b->b_material = 0;
    b->wpassed_pawn_mask = b->bpassed_pawn_mask = 0;
    b->hash1 = b->move_num & 1;

    Entry slots[32];
    const char* why = nullptr;
    if (!AssignSlots(b, 1, slots, &why) || !AssignSlots(b, -1, slots + 16, &why)) {
        ConsolePrint("%s", why);
        ConsoleFlush();
        return 0;
    }

    for (int sq = 0; sq < 64; sq++) {
        b->board[sq] = 0;
        b->pboard[sq] = 255;
    }
    for (int s = 0; s < 32; s++)
        if (slots[s].p)
            AddPiece(b, slots[s].p, slots[s].sq, &b->pieces[s]);

    bool plain = dmode == 2;
    SQ_T wk = plain ? E1 : C1, bk = plain ? E8 : C8;
    SQ_T wshort = plain ? H1 : D1, bshort = plain ? H8 : D8;
    if (b->board[wk] != W_KING)
        b->flags &= ~(FLAG_CASTLE_WS | FLAG_CASTLE_WL);
    if (b->board[bk] != B_KING)
        b->flags &= ~(FLAG_CASTLE_BS | FLAG_CASTLE_BL);
    if (b->board[wshort] != W_ROOK)
        b->flags &= ~FLAG_CASTLE_WS;
    if (b->board[A1] != W_ROOK)
        b->flags &= ~FLAG_CASTLE_WL;
    if (b->board[bshort] != B_ROOK)
        b->flags &= ~FLAG_CASTLE_BS;
    if (b->board[A8] != B_ROOK)
        b->flags &= ~FLAG_CASTLE_BL;

    b->hash1 ^= b->enpassant << 8;
    b->hash1 ^= (b->flags & FLAG_CASTLE_RIGHTS) << 16;
    uint32_t board_key1, board_key2;
    AttackBoardKeys(b, &board_key1, &board_key2);
    b->hash1 ^= board_key1;
    b->hash2 ^= board_key2;
    if (!RegenToPieces(b))
        return 0;
    // A position set up for a game carries its evaluation, as one reached
    // by a move in the game does.
    Evaluate(b, NO_VALUE, 2);
    // Whether the side to move stands in check is known only from the maps.
    const PS_T& king = b->pieces[IsWhitesMove(b) ? W_KING_SLOT : B_KING_SLOT];
    b->flags &= ~FLAG_IN_CHECK;
    if (b->topieces[king.pos] & (IsWhitesMove(b) ? BLACK_SLOTS : WHITE_SLOTS))
        b->flags |= FLAG_IN_CHECK;
    return 1;
}
