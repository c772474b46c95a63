// The pseudo-legal moves of the side to move, read from the attack maps, then
// the special moves: en passant, castling, pawn pushes, attack boards and
// promotion choices.
#include "movegen/movegen.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Appends one move unless the list is full; a full list is reported once.
struct MoveWriter {
    MOVE_T* moves;
    int n;
    bool full;

    void Add(int piece, SQ_T from, SQ_T to, char symbol)
    {
        if (n >= MAX_MOVES) {
            if (!full)
                Panic(false, "GenerateMoves list full");
            full = true;
            return;
        }
        InitMove(&moves[n++], piece, from, to, NO_VALUE, symbol, 0);
    }
};

void PieceMoves(POS_T* b, MoveWriter& w, bool white)
{
    uint32_t own = white ? WHITE_SLOTS : BLACK_SLOTS, enemy = ~own;
    for (SQ_T sq = 0; sq < 64; sq++) {
        int there = b->board[sq];
        if (there && (there > 0) == white)
            continue;
        uint32_t movers = b->topieces[sq] & own;
        if (!there)
            movers &= b->piece_mask;  // pawns take only diagonally
        while (movers) {
            int slot = FFOne(movers);
            movers &= movers - 1;
            const PS_T& piece = b->pieces[slot];
            if (abs(piece.p) == W_KING && (b->topieces[sq] & enemy))
                continue;
            w.Add(piece.p, piece.pos, sq, there ? 'x' : '-');
        }
    }
}

void EnPassant(POS_T* b, MoveWriter& w, bool white)
{
    SQ_T ep = b->enpassant;
    if (!ep)
        return;
    if (IsPlainGame(b)) {
        if (ep > 63 || !(b->topieces[ep] & (white ? WHITE_PAWN_SLOTS : BLACK_PAWN_SLOTS)))
            return;
        int pawn = white ? W_PAWN : B_PAWN;
        int west = white ? -9 : -7, east = white ? 7 : 9;
        if (XPOS(ep) != 0 && (int)ep + west >= 0 && b->board[ep + west] == pawn)
            w.Add(pawn, ep + west, ep, white ? 'e' : 'E');
        if (XPOS(ep) != 7 && ep + east < 64 && b->board[ep + east] == pawn)
            w.Add(pawn, ep + east, ep, white ? 'e' : 'E');
        return;
    }
    if (ep > 63) {
        if (white)
            Panic(false, "EP(W) warning");
        b->enpassant = 0;
        return;
    }
    // From each capturing pawn back onto the en-passant cell, on every level
    // that the pawn reaches; only empty cells, the capture being the pawn's.
    int pawn = white ? W_PAWN : B_PAWN;
    const int pairs[2][2] = {{white ? SOUTH_WEST : NORTH_WEST, white ? NORTH_EAST : SOUTH_EAST},
                             {white ? SOUTH_EAST : NORTH_EAST, white ? NORTH_WEST : SOUTH_WEST}};
    SQ_T room[7], room2[7];
    BTO_T back = {0, room}, fwd = {0, room2};
    for (const auto& pair : pairs) {
        DirTo(b, ep, pair[0], &back);
        for (unsigned i = 0; i < back.n; i++) {
            SQ_T from = back.tos[i];
            if (b->board[from] != pawn)
                continue;
            DirTo(b, from, pair[1], &fwd);
            for (unsigned k = 0; k < fwd.n; k++)
                if (!b->board[fwd.tos[k]] && IsSameCell(b, fwd.tos[k], ep))
                    w.Add(pawn, from, fwd.tos[k], 'e');
        }
    }
}

bool Attacked(POS_T* b, SQ_T sq, bool by_white) { return b->topieces[sq] & (by_white ? WHITE_SLOTS : BLACK_SLOTS); }

void Castling(POS_T* b, MoveWriter& w, bool white)
{
    int king = white ? W_KING : B_KING, rook = white ? W_ROOK : B_ROOK;
    uint32_t short_right = white ? FLAG_CASTLE_WS : FLAG_CASTLE_BS;
    uint32_t long_right = white ? FLAG_CASTLE_WL : FLAG_CASTLE_BL;
    SQ_T rank = white ? 0 : 7;
    auto at = [rank](SQ_T file) { return file * 8 + rank; };
    if (IsPlainGame(b)) {
        SQ_T k = at(4);
        if ((b->flags & short_right) && !b->board[at(5)] && !b->board[at(6)] && !Attacked(b, k, !white) &&
            !Attacked(b, at(5), !white) && !Attacked(b, at(6), !white))
            w.Add(king, k, at(6), 'S');
        if ((b->flags & long_right) && !b->board[at(3)] && !b->board[at(2)] && !b->board[at(1)] &&
            !Attacked(b, k, !white) && !Attacked(b, at(3), !white) && !Attacked(b, at(2), !white))
            w.Add(king, k, at(2), 'L');
        return;
    }
    // The king on the king's-side board castles short onto its own rook, long
    // one cell toward the queen's side with the rook jumping over it.
    SQ_T k = at(2), rs = at(3), rl = at(0), kl = at(1);
    bool king_home = b->board[k] == king;
    uint32_t lost = 0;
    if (!(king_home && b->board[rs] == rook))
        lost |= b->flags & short_right;
    if (!(king_home && b->board[rl] == rook))
        lost |= b->flags & long_right;
    b->flags &= ~lost;
    b->hash1 ^= lost << 16;  // the key carries the rights
    if ((b->flags & short_right) && !Attacked(b, k, !white) && !Attacked(b, rs, !white))
        w.Add(king, k, rs, 'S');
    if ((b->flags & long_right) && !b->board[kl] && !Attacked(b, k, !white) && !Attacked(b, kl, !white))
        w.Add(king, k, kl, 'L');
}

void PawnPushes(POS_T* b, MoveWriter& w, bool white)
{
    int first = white ? W_PAWN_SLOT : B_PAWN_SLOT;
    int forward = white ? NORTH : SOUTH;
    int pawn = white ? W_PAWN : B_PAWN;
    SQ_T room[7], room2[7];
    BTO_T one = {0, room}, two = {0, room2};
    for (int slot = first; slot < first + 8; slot++) {
        PS_T* piece = &b->pieces[slot];
        if (piece->p != pawn)
            continue;
        SQ_T from = piece->pos;
        DirTo(b, from, forward, &one);
        bool may_double = YPOS(from) == (white ? 1u : 6u) && IsPawnHome(piece, &b->pieces[first]);
        for (unsigned k = 0; k < one.n && may_double; k++)
            if (b->board[one.tos[k]])
                may_double = false;
        if (may_double && !IsPlainGame(b)) {
            int ab = AttackBoardOfSquare(from);
            if (ab >= 0) {
                int own_board = (XPOS(from) < 2 ? AB_QLW : AB_KLW) + (white ? 0 : 6);
                may_double = IsAttackBoardHome(b, own_board);
            }
        }
        for (unsigned k = 0; k < one.n; k++) {
            SQ_T t = one.tos[k];
            if (b->board[t])
                continue;
            w.Add(pawn, from, t, '-');
            if (!may_double)
                continue;
            DirTo(b, t, forward, &two);
            for (unsigned j = 0; j < two.n; j++)
                if (!b->board[two.tos[j]])
                    w.Add(pawn, from, two.tos[j], '-');
        }
    }
}

}  // namespace

bool IsValidMove(POS_T* b, MOVE_T move_to_test)
{
    if (move_to_test.from > 63)
        return false;
    if (!b->board[move_to_test.from] && AbIndex(move_to_test.piece_moving) < 0)
        return false;
    return true;
}

int GenerateMoves(POS_T* b, MOVE_T* moves)
{
    bool white = IsWhitesMove(b);
    MoveWriter w = {moves, 0, false};
    PieceMoves(b, w, white);
    EnPassant(b, w, white);
    Castling(b, w, white);
    PawnPushes(b, w, white);
    if (!IsPlainGame(b))
        for (int ab : ab_codes) {
            MOVE_T room[8];
            int n = GenAttackBoardMoves(b, ab, room);
            for (int k = 0; k < n; k++)
                w.Add(room[k].piece_moving, room[k].from, room[k].to, room[k].move_symbol);
        }
    // Every promoting move also stands for the four pieces it may make.
    int n = w.n;
    static const char choices[4] = {'Q', 'B', 'R', 'N'};
    for (int i = 0; i < n; i++) {
        MOVE_T m = moves[i];
        if (!IsValidMove(b, m)) {
            ConsolePrint("\nGenerateMoves: bad move i=%d", i);
            Panic(false, "GenerateMoves bad move");
            continue;
        }
        if (DetectPromotion(b, m.piece_moving, m.to, &m))
            for (char c : choices)
                w.Add(m.piece_moving, m.from, m.to, c);
    }
    return w.n;
}

// In check, the legal moves are exactly the moves of the full generator that
// leave the king unattacked: a board move, an en-passant capture or a king
// step on another level can all end a check, so nothing is left out here.
int GenerateCheckAvoidance(POS_T* b, MOVE_T* moves) { return GenerateMoves(b, moves); }
