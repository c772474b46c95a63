// Look-ups about the four attack boards: identities, pins, levels, control.
#include "board/board.h"

#include <cstdio>

int IsPin(int where)
{
    for (ABWHERE_E pin : attack_pins)
        if ((int)pin == where)
            return 1;
    return 0;
}

int WhereIsAttackBoard(POS_T* b, int which_ab)
{
    int i = AbIndex(which_ab);
    if (i < 0) {
        Panic(false, "Bad which_ab @ GenAtBoMoves");
        return NO_SQUARE;
    }
    return b->whereis_board[i];
}

bool WhiteOwns(POS_T* b, int attack_board)
{
    int i = AbIndex(attack_board);
    if (i < 0) {
        Panic(false, "WhiteOwns can't find board");
        return false;
    }
    return b->whites_board[i] != 0;
}

bool IsAttackBoardHome(POS_T* b, int ab_which)
{
    int i = AbIndex(ab_which);
    if (i < 0)
        Panic(true, "Error! Bad attack board @ IsAttackBoardHome");
    return b->whereis_board[i] == ab_home[i];
}

int IsAttackBoardThere(const POS_T* b, int there)
{
    for (int i = 0; i < 4; i++)
        if ((int)b->whereis_board[i] == there)
            return i;
    return NO_SQUARE;
}

SQ_T WhereIsAB_C(int ab_index)
{
    static const SQ_T base[4] = {A1, A7, C1, C7};
    return ab_index >= 0 && ab_index < 4 ? base[ab_index] : NO_SQUARE;
}

int AttackBoardOfSquare(SQ_T sq)
{
    if (sq > 63 || XPOS(sq) > 3)
        return -1;
    unsigned y = YPOS(sq);
    if (y >= 2 && y <= 5)
        return -1;
    return (XPOS(sq) >= 2 ? 2 : 0) + (y >= 6 ? 1 : 0);
}

int PinChain(int pin)
{
    switch (pin) {
    case ABW_QL1: case ABW_KL1: return 0;
    case ABW_QL3: case ABW_KL3: return 1;
    case ABW_QL2: case ABW_QL5: case ABW_KL2: case ABW_KL5: return 2;
    case ABW_QL4: case ABW_KL4: return 3;
    case ABW_QL6: case ABW_KL6: return 4;
    default: return -1;
    }
}

bool IsQueenSidePin(int pin)
{
    return pin == ABW_QL1 || pin == ABW_QL2 || pin == ABW_QL3 || pin == ABW_QL4 || pin == ABW_QL5 ||
           pin == ABW_QL6;
}

int PinsAtChain(bool queen_side, int chain, int out[2])
{
    static const int queen[5][2] = {{ABW_QL1, 0}, {ABW_QL3, 0}, {ABW_QL2, ABW_QL5}, {ABW_QL4, 0}, {ABW_QL6, 0}};
    static const int king[5][2] = {{ABW_KL1, 0}, {ABW_KL3, 0}, {ABW_KL2, ABW_KL5}, {ABW_KL4, 0}, {ABW_KL6, 0}};
    if (chain < 0 || chain > 4)
        return 0;
    const int* pins = queen_side ? queen[chain] : king[chain];
    out[0] = pins[0];
    out[1] = pins[1];
    return pins[1] ? 2 : 1;
}

// Attack-board level of a pin: one above the fixed level that carries it.
static int PinLevel(int pin)
{
    switch (pin) {
    case ABW_QL1: case ABW_QL2: case ABW_KL1: case ABW_KL2: return 3;
    case ABW_QL3: case ABW_QL4: case ABW_KL3: case ABW_KL4: return 5;
    case ABW_QL5: case ABW_QL6: case ABW_KL5: case ABW_KL6: return 7;
    default: return 0;
    }
}

int GetAttackBoardLevel(POS_T* b, int which_ab)
{
    int level = which_ab >= 0 && which_ab < 4 ? PinLevel(b->whereis_board[which_ab]) : 0;
    if (!level)
        Panic(true, "Error! Bad which_ab @ GetAttackBoardLevel");
    return level;
}

int GetLevel(POS_T* b, SQ_T sq)
{
    if (IsPlainGame(b) || sq > 63)
        return 0;
    int ab = AttackBoardOfSquare(sq);
    if (ab >= 0)
        return GetAttackBoardLevel(b, ab);
    if (XPOS(sq) < 4)
        return 4;
    return YPOS(sq) < 4 ? 2 : 6;
}

void AlignAttackBoards(POS_T* b)
{
    for (int i = 0; i < 4; i++) {
        SQ_T base = WhereIsAB_C(i);
        const SQ_T cells[4] = {base, base + 1, base + 8, base + 9};
        int occupied = 0, last = 0;
        for (SQ_T c : cells)
            if (b->board[c]) {
                occupied++;
                last = b->board[c];
            }
        if (occupied == 0)
            b->whites_board[i] = (i == 0 || i == 2);
        else if (occupied == 1)
            b->whites_board[i] = last > 0;
    }
}

int AddABPin(const POS_T* b, int which_ab)
{
    if (which_ab < 0 || which_ab > 63)
        return 0;
    for (int i = 0; i < 12; i++)
        if ((int)attack_pins[i] == which_ab)
            return IsAttackBoardThere(b, which_ab) != NO_SQUARE ? 0 : 1 << i;
    return 0;
}

void InitABMove(POS_T* b, int which_ab, int where_ab, SQ_T to, MOVE_T** out, int* count)
{
    if (IsAttackBoardThere(b, to) != NO_SQUARE)
        return;
    InitMove(*out, which_ab, where_ab, to, NO_VALUE, 'T', 0);
    (*out)++;
    (*count)++;
}
