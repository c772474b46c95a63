// Making a move: the position that follows, with keys, counters, castling
// rights, the en-passant square and the attack maps brought up to date, and
// the verdict whether the mover's king was left attacked.
#include "makemove/makemove.h"
#include "hash/hash.h"
#include "movegen/movegen.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// Projected file of a square, to tell a pawn's diagonal step from its push.
int FileOf(POS_T* b, SQ_T sq)
{
    if (IsPlainGame(b))
        return XPOS(sq);
    int f, r;
    return ProjectedCoord(b, sq, &f, &r) ? f : -1;
}

// Legality and check once the maps are current; `white` is the mover.
int Verdict(POS_T* b, MOVE_T* move, bool white)
{
    const PS_T& own = b->pieces[white ? W_KING_SLOT : B_KING_SLOT];
    const PS_T& other = b->pieces[white ? B_KING_SLOT : W_KING_SLOT];
    uint32_t enemy = white ? BLACK_SLOTS : WHITE_SLOTS;
    if (abs(own.p) == W_KING && own.pos < 64 && (b->topieces[own.pos] & enemy))
        return 0;
    move->check = 0;
    if (abs(other.p) == W_KING && other.pos < 64 && (b->topieces[other.pos] & ~enemy)) {
        b->flags |= FLAG_IN_CHECK;
        move->check = 1;
    }
    return 1;
}

// Castling rights lost by this move; rights are looked up by square.
uint32_t RightsLost(bool plain, int p, SQ_T from, SQ_T to, bool captured)
{
    SQ_T wshort = plain ? H1 : D1, bshort = plain ? H8 : D8;
    uint32_t lost = 0;
    if (p == W_KING)
        lost |= FLAG_CASTLE_WS | FLAG_CASTLE_WL;
    if (p == B_KING)
        lost |= FLAG_CASTLE_BS | FLAG_CASTLE_BL;
    if (p == W_ROOK && from == A1) lost |= FLAG_CASTLE_WL;
    if (p == W_ROOK && from == wshort) lost |= FLAG_CASTLE_WS;
    if (p == B_ROOK && from == A8) lost |= FLAG_CASTLE_BL;
    if (p == B_ROOK && from == bshort) lost |= FLAG_CASTLE_BS;
    if (captured) {
        if (to == A1) lost |= FLAG_CASTLE_WL;
        else if (to == wshort) lost |= FLAG_CASTLE_WS;
        else if (to == A8) lost |= FLAG_CASTLE_BL;
        else if (to == bshort) lost |= FLAG_CASTLE_BS;
    }
    return lost;
}

thread_local uint32_t* line_hash_list = nullptr;

// Beside each first key this thread wrote into a key history, the full key
// of the same position, and which history and which first key it went with
// (another thread, or a history swapped in and out, may have written the
// first key since).
struct LINE_KEY_T {
    const uint32_t* list;
    uint32_t hash1;
    uint64_t key;
};
thread_local LINE_KEY_T line_keys[MAX_GAME_PLIES];

void WriteLineKey(const uint32_t* history, int i, const POS_T* b)
{
    line_keys[i] = {history, b->hash1, FullKey(b)};
}

}  // namespace

uint32_t* LineHashList() { return line_hash_list ? line_hash_list : state.hash_list; }

void SetLineHashList(uint32_t* list) { line_hash_list = list; }

bool LineKeyAgrees(const POS_T* b, int i)
{
    if (i < 0 || i >= MAX_GAME_PLIES)
        return true;
    const uint32_t* history = LineHashList();
    const LINE_KEY_T& k = line_keys[i];
    if (k.list != history || k.hash1 != history[i])
        return true;  // not known here: the first key alone decides
    return k.key == FullKey(b);
}

namespace {

// What the steps of one move share: the positions before and after, the
// move, and what the move turned out to be.
struct MOVING_T {
    POS_T* out;
    POS_T* in;
    MOVE_T* move;
    bool complex;     // the maps are rebuilt whole, not left for the second half
    bool captured;
    bool pawn_moved;
};

// Step 5: an attack board carries its cells to the new pin.
void MoveBoard(MOVING_T& mv, int ab)
{
    POS_T* b_out = mv.out;
    MOVE_T* move = mv.move;
    uint32_t old1, old2, new1, new2;
    AttackBoardKeys(b_out, &old1, &old2);
    b_out->whereis_board[ab] = (ABWHERE_E)move->to;
    AttackBoardKeys(b_out, &new1, &new2);
    b_out->hash1 ^= old1 ^ new1;
    b_out->hash2 ^= old2 ^ new2;
    if (DetectPromoteAttackBoard(b_out, move) && PromoteAttackBoard(b_out, move->piece_moving, move))
        b_out->flags |= b_out->whites_board[ab] ? FLAG_PROMOTED_W : FLAG_PROMOTED_B;
    // Which pawns stand one step before promotion depends on where the
    // boards stand.
    b_out->pawns7th = 0;
    for (int slot = 0; slot < 32; slot++)
        if (abs(b_out->pieces[slot].p) == W_PAWN)
            DetectPromotionImminent(b_out, b_out->pieces[slot].p, b_out->pieces[slot].pos, 1u << slot);
    b_out->hash1 ^= mv.in->enpassant << 8;
    b_out->enpassant = 0;
    if (RegenToPieces(b_out))
        UpdateMaps(b_out);
    mv.complex = true;
}

// Step 6: the piece moves, taking what stands on its square. Answers the
// slot the taken piece had (a 3-D castling king takes its own rook there).
PS_T* MoveAndCapture(MOVING_T& mv, PS_T* piece)
{
    POS_T* b_out = mv.out;
    MOVE_T* move = mv.move;
    SQ_T to = move->to;
    PS_T* castle_slot = nullptr;
    if (b_out->board[to]) {
        PS_T* victim = GetPBoard(b_out, to);
        castle_slot = victim;
        RemovePiece(b_out, victim);
        mv.captured = true;
        char s = move->move_symbol;
        if (s != 'L' && s != 'S' && !IsPromotionSymbol(s))
            move->move_symbol = 'x';
    }
    MovePiece(b_out, piece, to);
    mv.pawn_moved = abs(mv.in->board[move->from]) == W_PAWN;
    return castle_slot;
}

// Step 7: en passant, only for a pawn's diagonal step onto an empty square
// of the cell (a capture there takes one piece).
void CaptureEnPassant(MOVING_T& mv, int p)
{
    POS_T *b_out = mv.out, *b_in = mv.in;
    MOVE_T* move = mv.move;
    SQ_T from = move->from, to = move->to;
    SQ_T ep = b_in->enpassant;
    if (!ep || !mv.pawn_moved || mv.captured || FileOf(b_in, from) == FileOf(b_in, to))
        return;
    if (IsPlainGame(b_in)) {
        if (to == ep) {
            SQ_T victim_sq = p > 0 ? to - 1 : to + 1;
            if (b_out->board[victim_sq] == -p) {
                RemovePiece(b_out, GetPBoard(b_out, victim_sq));
                mv.captured = true;
                move->move_symbol = 'x';
                mv.complex = true;
            }
        }
    } else if (ep < 64 && IsSameCell(b_out, to, ep)) {
        SQ_T room[7];
        BTO_T behind = {0, room};
        DirTo(b_out, to, p > 0 ? SOUTH : NORTH, &behind);
        bool done = false;
        for (unsigned k = 0; k < behind.n && !done; k++)
            if (b_out->board[behind.tos[k]] == -p) {
                RemovePiece(b_out, GetPBoard(b_out, behind.tos[k]));
                done = true;
            }
        if (!done)
            Panic(false, "OFFBOARD E.P. capture");
        mv.captured = mv.captured || done;
        move->move_symbol = 'e';
        mv.complex = true;
    }
}

// Step 8: promotion.
void Promote(MOVING_T& mv, int p)
{
    POS_T* b_out = mv.out;
    if (!DetectPromotion(b_out, p, mv.move->to, mv.move))
        return;
    int made = GetPromotedPiece(mv.move);
    ChangePiece(b_out, GetPBoard(b_out, mv.move->to), p > 0 ? made : -made);
    b_out->flags |= p > 0 ? FLAG_PROMOTED_W : FLAG_PROMOTED_B;
    mv.complex = true;
}

// Step 9: the en-passant square of the reply.
void SetEnPassant(MOVING_T& mv, int p)
{
    POS_T *b_out = mv.out, *b_in = mv.in;
    SQ_T from = mv.move->from, to = mv.move->to;
    b_out->hash1 ^= b_in->enpassant << 8;
    b_out->enpassant = 0;
    if (IsPlainGame(b_in)) {
        if (p == W_PAWN && to == from + 2 && (b_in->topieces[from + 1] & BLACK_PAWN_SLOTS))
            b_out->enpassant = from + 1;
        if (p == B_PAWN && to + 2 == from && (b_in->topieces[from - 1] & WHITE_PAWN_SLOTS))
            b_out->enpassant = from - 1;
    } else if (mv.pawn_moved) {
        int dir = p > 0 ? NORTH : SOUTH;
        if (PawnMovedTwoSteps(b_in, to, from, dir) && PawnToEastWest(b_in, to, -p)) {
            SQ_T room[7];
            BTO_T passed = {0, room};
            if (DirTo(b_in, from, dir, &passed) && passed.tos[0] < 64)
                b_out->enpassant = passed.tos[0];
            else if (p > 0)
                Panic(true, "error 2 in EP DoMove");
        }
    }
    b_out->hash1 ^= b_out->enpassant << 8;
}

// Step 10: castling and the rights it keeps.
void Castle(MOVING_T& mv, int p, PS_T* castle_slot)
{
    POS_T *b_out = mv.out, *b_in = mv.in;
    SQ_T from = mv.move->from, to = mv.move->to;
    uint32_t rights = b_out->flags & FLAG_CASTLE_RIGHTS;
    if (!rights)
        return;
    b_out->hash1 ^= rights << 16;
    bool plain = IsPlainGame(b_in);
    char sym = mv.move->move_symbol;
    if (abs(p) == W_KING) {
        if (plain && (to == from + 16 || to + 16 == from)) {
            SQ_T rook_from = to > from ? from + 24 : from - 32;
            SQ_T rook_to = to > from ? from + 8 : from - 8;
            if (PS_T* rook = GetPBoard(b_out, rook_from))
                MovePiece(b_out, rook, rook_to);
            mv.complex = true;
        } else if (!plain && sym == 'S' && to == (p > 0 ? D1 : D8)) {
            // The king stepped onto its rook; the rook comes back beside it
            // in the slot it had.
            PS_T* slot = castle_slot ? castle_slot : &b_out->pieces[p > 0 ? 2 : 18];
            AddPiece(b_out, p > 0 ? W_ROOK : B_ROOK, p > 0 ? C1 : C8, slot);
            mv.complex = true;
        } else if (!plain && sym == 'L' && to == (p > 0 ? B1 : B8)) {
            SQ_T rook_from = p > 0 ? A1 : A8;
            if (PS_T* rook = GetPBoard(b_out, rook_from))
                MovePiece(b_out, rook, p > 0 ? C1 : C8);
            else
                Panic(false, p > 0 ? "w" : "b");
            mv.complex = true;
        }
        // Castled: the king's two-column step, or in the tri-dimensional
        // game the castling move itself, not a plain step to the same cell.
        SQ_T home = plain ? (p > 0 ? E1 : E8) : (p > 0 ? C1 : C8);
        bool castled = from == home && (plain ? (to == from + 16 || to + 16 == from)
                                              : ((sym == 'S' && to == from + 8) || (sym == 'L' && to == from - 8)));
        if (castled)
            b_out->flags |= p > 0 ? FLAG_CASTLED_W : FLAG_CASTLED_B;
    }
    b_out->flags &= ~RightsLost(plain, p, from, to, mv.captured);
    b_out->hash1 ^= (b_out->flags & FLAG_CASTLE_RIGHTS) << 16;
    if ((b_out->flags & FLAG_CASTLE_RIGHTS) != (b_in->flags & FLAG_CASTLE_RIGHTS))
        mv.complex = true;
}

}  // namespace

int DoMovePart1(POS_T* b_out, POS_T* b_in, MOVE_T* move)
{
    // Steps 1-4: the copy, the move remembered, the flags that a move clears.
    thread_local POS_T b1;
    hash_c.HashValuesInit();
    bool in_place = b_out == b_in;
    if (in_place) {
        b1 = *b_in;
        b_in = &b1;
    } else {
        memcpy(b_out, b_in, offsetof(POS_T, dont_copy));
        b_out->flags2 = b_in->flags2;
        b_out->pro_dunsel = b_in->pro_dunsel;
        b_out->tactics = b_in->tactics;
        b_out->eval_result = b_in->eval_result;
        memset(&b_out->h_entry, 0, sizeof b_out->h_entry);
    }
    b_out->last_move = *move;
    ZeroMove(&b_out->best_capture);
    b_out->flags = b_in->flags & ~(FLAG_IN_CHECK | FLAG_WAS_IN_CHECK | FLAG_EVALUATED | FLAG_EXTENDED |
                                   FLAG_TACTICS_DONE | NEED_PART2);
    if (b_in->flags & FLAG_IN_CHECK)
        b_out->flags |= FLAG_WAS_IN_CHECK;
    b_out->enpassant = b_in->enpassant;

    bool white = IsWhitesMove(b_in);
    MOVING_T mv = {b_out, b_in, move, in_place, false, false};
    int ab = AbIndex(move->piece_moving);
    if (ab >= 0) {
        MoveBoard(mv, ab);
    } else {
        SQ_T from = move->from, to = move->to;
        int p = from < 64 ? b_in->board[from] : 0;
        PS_T* piece = from < 64 ? GetPBoard(b_out, from) : nullptr;
        if (!p || !piece || to > 63) {
            Panic(false, "bad piece @ DoMove");
        } else {
            PS_T* castle_slot = MoveAndCapture(mv, piece);
            CaptureEnPassant(mv, p);
            Promote(mv, p);
            SetEnPassant(mv, p);
            Castle(mv, p, castle_slot);
        }
    }

    // Step 11: counters, the key history and the link to the old position.
    // A clock of 0 (a game's start, or a text position that says 0) stands
    // where a capture or pawn move leaves 1.
    b_out->fifty_count = (mv.captured || mv.pawn_moved) ? 1 : (b_in->fifty_count > 0 ? b_in->fifty_count : 1) + 1;
    uint32_t* history = LineHashList();
    if (b_in->move_num >= 0 && b_in->move_num + 1 < MAX_GAME_PLIES) {
        history[b_in->move_num] = b_in->hash1;
        history[b_in->move_num + 1] = b_out->hash1;
        WriteLineKey(history, b_in->move_num, b_in);
        WriteLineKey(history, b_in->move_num + 1, b_out);
    }
    b_out->move_num = b_in->move_num + 1;
    b_out->winner = b_in->winner;
    b_out->num_moves = 0;
    b_out->moves = nullptr;
    b_out->oldb = in_place ? nullptr : b_in;
    b_out->hash1 ^= 1;

    // Step 12: a simple move leaves the maps for the second half.
    if (!mv.complex) {
        b_out->flags |= NEED_PART2;
        return 1;
    }
    b_out->flags &= ~NEED_PART2;
    if (ab < 0)
        RegenToPieces(b_out);
    return Verdict(b_out, move, white);
}

int DoMovePart2(POS_T* b, MOVE_T* move)
{
    if (!(b->flags & NEED_PART2))
        return 1;
    b->flags &= ~NEED_PART2;
    UpdateMoves(b, b->oldb, &b->last_move);
    return Verdict(b, move, IsBlacksMove(b));
}

int DoMove(POS_T* b_out, POS_T* b_in, MOVE_T* move)
{
    return DoMovePart1(b_out, b_in, move) && DoMovePart2(b_out, move);
}
