// Moves of the attack boards themselves, with the pawn a board may carry onto
// its promotion pin.
#include "movegen/movegen.h"

#include <initializer_list>

// Destinations of each pin, group by group, in the order they are offered.
const PIN_MOVES_T pin_moves[12] = {
    {ABW_QL1, {ABW_QL2, ABW_QL3}, {}, {ABW_KL1}},
    {ABW_QL2, {ABW_QL4}, {ABW_QL1, ABW_QL3}, {ABW_KL2, ABW_KL5}},
    {ABW_QL3, {ABW_QL2, ABW_QL4, ABW_QL5}, {ABW_QL1}, {ABW_KL3}},
    {ABW_QL4, {ABW_QL6}, {ABW_QL2, ABW_QL3, ABW_QL5}, {ABW_KL4}},
    {ABW_QL5, {ABW_QL4, ABW_QL6}, {ABW_QL3}, {ABW_KL2, ABW_KL5}},
    {ABW_QL6, {}, {ABW_QL4, ABW_QL5}, {ABW_KL6}},
    {ABW_KL1, {ABW_KL2, ABW_KL3}, {}, {ABW_QL1}},
    {ABW_KL2, {ABW_KL4}, {ABW_KL1, ABW_KL3}, {ABW_QL2, ABW_QL5}},
    {ABW_KL3, {ABW_KL2, ABW_KL4, ABW_KL5}, {ABW_KL1}, {ABW_QL3}},
    {ABW_KL4, {ABW_KL6}, {ABW_KL2, ABW_KL3, ABW_KL5}, {ABW_QL4}},
    {ABW_KL5, {ABW_KL4, ABW_KL6}, {ABW_KL3}, {ABW_QL2, ABW_QL5}},
    {ABW_KL6, {}, {ABW_KL4, ABW_KL5}, {ABW_QL6}},
};

int BoardCanMove(POS_T* b, int which_board, int* pilot)
{
    int ab = AbIndex(which_board);
    if (ab < 0)
        Panic(true, "bad board @ BoardCanMove");
    if ((IsWhitesMove(b) != 0) != (b->whites_board[ab] != 0))
        return 0;
    SQ_T base = WhereIsAB_C(ab);
    int occupied = 0, sum = 0;
    for (SQ_T cell : {base, base + 1, base + 8, base + 9})
        if (b->board[cell]) {
            occupied++;
            sum += b->board[cell];
        }
    if (occupied > 1)
        return 0;
    *pilot = sum;
    return 1;
}

int GenAttackBoardMoves(POS_T* b, int which_ab, MOVE_T* moves_in)
{
    MOVE_T* out = moves_in;
    int n = 0;
    int where = WhereIsAttackBoard(b, which_ab);
    if (where == NO_SQUARE)
        return 0;
    int pilot;
    if (!BoardCanMove(b, which_ab, &pilot))
        return 0;
    const PIN_MOVES_T* pm = nullptr;
    for (const PIN_MOVES_T& m : pin_moves)
        if (m.pin == where)
            pm = &m;
    if (!pm)
        Panic(true, "Error! Where is AB @ GenAtBoMoves?");
    // A passenger moves the board only toward its own forward direction,
    // except that under TDCL rules a piece other than a pawn goes either way.
    bool tdcl = TdclRules(b);
    bool north = pilot >= 0 || (tdcl && pilot < -1);
    bool south = pilot <= 0 || (tdcl && pilot > 1);
    if (north)
        for (int to : pm->toward_black)
            if (to)
                InitABMove(b, which_ab, where, to, &out, &n);
    if (south)
        for (int to : pm->toward_white)
            if (to)
                InitABMove(b, which_ab, where, to, &out, &n);
    for (int to : pm->across)
        if (to)
            InitABMove(b, which_ab, where, to, &out, &n);
    return n;
}

int DetectPromoteAttackBoard(POS_T* b, MOVE_T* move)
{
    int ab = AbIndex(move->piece_moving);
    if (ab < 0)
        return 0;
    SQ_T c = WhereIsAB_C(ab);
    if (move->to == ABW_QL1 || move->to == ABW_KL1)
        return b->board[c] == B_PAWN || b->board[c + 8] == B_PAWN;
    if (move->to == ABW_QL6 || move->to == ABW_KL6)
        return b->board[c + 1] == W_PAWN || b->board[c + 9] == W_PAWN;
    return 0;
}

int PromoteAttackBoard(POS_T* b, int which_board, MOVE_T* move)
{
    int ab = AbIndex(which_board);
    if (ab < 0)
        return 0;
    SQ_T c = WhereIsAB_C(ab);
    int pin = b->whereis_board[ab];
    if (pin == ABW_QL1 || pin == ABW_KL1) {
        SQ_T cell = b->board[c] == B_PAWN ? c : b->board[c + 8] == B_PAWN ? c + 8 : NO_SQUARE;
        if (cell == NO_SQUARE)
            return 0;
        ChangePiece(b, GetPBoard(b, cell), -GetPromotedPiece(move));
        b->flags |= FLAG_PROMOTED_B;
        return 1;
    }
    if (pin == ABW_QL6 || pin == ABW_KL6) {
        SQ_T cell = b->board[c + 1] == W_PAWN ? c + 1 : b->board[c + 9] == W_PAWN ? c + 9 : NO_SQUARE;
        if (cell == NO_SQUARE)
            return 0;
        ChangePiece(b, GetPBoard(b, cell), GetPromotedPiece(move));
        b->flags |= FLAG_PROMOTED_W;
        return 1;
    }
    return 0;
}
