// Why a move the player tried may not be made, in words a player reads: the
// side to move, the piece's way of moving, the attack-board rules of the
// chosen rule set, or the king left in check. Works on copies with the
// generator's own per-thread scratch space, so the thinking thread may
// generate meanwhile.
#include "movegen/movegen.h"
#include "makemove/makemove.h"
#include "record/record.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const char* PieceName(int p)
{
    switch (abs(p)) {
    case W_PAWN: return "pawn";
    case W_KNIGHT: return "knight";
    case W_BISHOP: return "bishop";
    case W_ROOK: return "rook";
    case W_QUEEN: return "queen";
    case W_KING: return "king";
    default: return "piece";
    }
}

const char* SideName(bool white) { return white ? "White" : "Black"; }

// The generator's list for b (on a copy) and whether it holds the move.
bool Listed(POS_T* b, const MOVE_T* m)
{
    auto probe = std::make_unique<POS_T>(*b);
    auto moves = std::make_unique<MOVE_T[]>(MAX_MOVES);
    int n = GetMoveCount(probe.get(), moves.get());
    for (int i = 0; i < n; i++)
        if (moves[i].piece_moving == m->piece_moving && moves[i].from == m->from && moves[i].to == m->to)
            return true;
    return false;
}

// A pawn's move the generator does not list.
void PawnReason(POS_T* b, const MOVE_T* m, char* out, size_t size)
{
    bool white = m->piece_moving > 0;
    int ahead = (int(YPOS(m->to)) - int(YPOS(m->from))) * (white ? 1 : -1);
    bool same_file = IsPlainGame(b) ? XPOS(m->to) == XPOS(m->from) : (XPOS(m->to) & 3) == (XPOS(m->from) & 3);
    bool home = YPOS(m->from) == (white ? 1u : 6u);
    if (ahead == 2 && same_file && !home)
        snprintf(out, size, "that pawn has already moved: only its first move may go two squares");
    else if (ahead == 2 && same_file)
        snprintf(out, size, "a pawn's first move of two squares needs both squares free");
    else if (ahead == 1 && same_file && b->board[m->to])
        snprintf(out, size, "a pawn cannot capture straight ahead");
    else if (ahead == 1 && !b->board[m->to])
        snprintf(out, size, "a pawn moves diagonally only to capture");
    else if (ahead <= 0)
        snprintf(out, size, "a pawn never moves backwards or sideways");
    else
        snprintf(out, size, "a pawn moves one square forward (two from its starting square)");
}

// An attack board's move the generator does not list.
void BoardReason(POS_T* b, const MOVE_T* m, char* out, size_t size)
{
    const char* rules = TdclRules(b) ? "TDCL" : "tournament";
    const char* from = PinName(int(m->from));
    const char* to = PinName(int(m->to));
    int pilot = 0;
    if (!to) {
        snprintf(out, size, "an attack board moves only to a pin, the corner posts of the levels");
        return;
    }
    if (!BoardCanMove(b, m->piece_moving, &pilot)) {
        snprintf(out, size, "an attack board carrying more than one piece may not move");
        return;
    }
    if (IsAttackBoardThere(b, int(m->to)) != int(NO_SQUARE)) {
        snprintf(out, size, "another attack board stands on %s", to);
        return;
    }
    const PIN_MOVES_T* row = nullptr;
    for (const PIN_MOVES_T& r : pin_moves)
        if (r.pin == int(m->from))
            row = &r;
    bool neighbour = false, toward_black = false, toward_white = false;
    if (row) {
        for (int p : row->toward_black)
            toward_black |= p && p == int(m->to);
        for (int p : row->toward_white)
            toward_white |= p && p == int(m->to);
        for (int p : row->across)
            neighbour |= p && p == int(m->to);
        neighbour |= toward_black || toward_white;
    }
    if (!neighbour) {
        snprintf(out, size, "from %s an attack board moves only to a neighbouring pin", from ? from : "its pin");
        return;
    }
    // Only the passenger's direction is left.
    const char* passenger = abs(pilot) == W_PAWN ? "a pawn" : "a piece";
    const char* way = pilot > 0 ? "toward Black" : "toward White";
    if (TdclRules(b))
        snprintf(out, size, "under the TDCL rules a board carrying a pawn moves only %s", way);
    else
        snprintf(out, size, "under the %s rules a board carrying %s moves only %s", rules, passenger, way);
}

}  // namespace

void RefusalReason(POS_T* b, const MOVE_T* m, char* out, size_t size)
{
    // 1. Nothing can be played.
    if (b->winner) {
        snprintf(out, size, "the game is over");
        return;
    }
    if (const char* why = PositionUnplayableWhy(b)) {
        snprintf(out, size, "the board cannot be played: %s", why);
        return;
    }
    bool white_to_move = IsWhitesMove(b) != 0;
    int ab = AbIndex(m->piece_moving);

    // 2. The other side's piece or board.
    bool whites = ab >= 0 ? b->whites_board[ab] != 0 : m->piece_moving > 0;
    if (whites != white_to_move) {
        snprintf(out, size, "it is %s's turn", SideName(white_to_move));
        return;
    }

    // 3. Listed by the generator: then only the king's safety forbids it.
    if (Listed(b, m)) {
        if (b->flags & FLAG_IN_CHECK)
            snprintf(out, size, "the king is in check and this move does not save it");
        else if (ab >= 0)
            snprintf(out, size, "the king would be in check after this board move");
        else if (abs(m->piece_moving) == W_KING)
            snprintf(out, size, "the king would move into check");
        else
            snprintf(out, size, "the %s is pinned: the king would be in check", PieceName(m->piece_moving));
        return;
    }

    // 4. Not a move of the piece at all.
    if (ab >= 0) {
        BoardReason(b, m, out, size);
        return;
    }
    int target = m->to < 64 ? b->board[m->to] : 0;
    if (target && (target > 0) == (m->piece_moving > 0)) {
        snprintf(out, size, "that square holds your own %s", PieceName(target));
        return;
    }
    if (abs(m->piece_moving) == W_PAWN) {
        PawnReason(b, m, out, size);
        return;
    }
    if (abs(m->piece_moving) == W_KNIGHT)
        snprintf(out, size, "a knight does not jump there");
    else if (abs(m->piece_moving) == W_KING)
        snprintf(out, size, "the king moves one square (castling: only with the right still there and the way free)");
    else
        snprintf(out, size, "the %s cannot reach that square: not its way of moving, or the way is blocked",
                 PieceName(m->piece_moving));
}

bool BoardStuckReason(POS_T* b, int which_ab, char* out, size_t size)
{
    int ab = AbIndex(which_ab);
    if (ab < 0) {
        snprintf(out, size, "there is no such attack board");
        return true;
    }
    // 1. The game, the side to move and a full board say it for every pin.
    int where = b->whereis_board[ab];
    MOVE_T m;
    InitMove(&m, which_ab, SQ_T(where), SQ_T(where), NO_VALUE, 'T', 0);
    bool whites = b->whites_board[ab] != 0;
    if (b->winner || !PositionPlayable(b) || whites != (IsWhitesMove(b) != 0)) {
        RefusalReason(b, &m, out, size);
        return true;
    }
    int pilot = 0;
    if (!BoardCanMove(b, which_ab, &pilot)) {
        snprintf(out, size, "an attack board carrying more than one piece may not move");
        return true;
    }
    // 2. A legal move: nothing to say.
    std::vector<MOVE_T> legal;
    LegalChoices(b, &legal);
    for (const MOVE_T& l : legal)
        if (l.piece_moving == which_ab)
            return false;
    // 3. Moves the rules allow, each leaving the king in check, or none.
    auto probe = std::make_unique<POS_T>(*b);
    auto moves = std::make_unique<MOVE_T[]>(MAX_MOVES);
    if (GenAttackBoardMoves(probe.get(), which_ab, moves.get()) > 0)
        snprintf(out, size, "%s",
                 b->flags & FLAG_IN_CHECK ? "the king is in check and no move of this board saves it"
                                          : "every move of this board would leave the king in check");
    else if (pilot)
        snprintf(out, size, "the pins it may reach with its passenger are taken by other boards");
    else
        snprintf(out, size, "the pins it may reach are taken by other boards");
    return true;
}
