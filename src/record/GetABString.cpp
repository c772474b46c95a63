// The long names of the pins, as the tournament, standard and algebraic
// notations write an attack board's position.
#include "record/record.h"

#include <cstdio>

namespace {

const int pin_order[12] = {ABW_QL1, ABW_QL2, ABW_QL3, ABW_QL4, ABW_QL5, ABW_QL6,
                           ABW_KL1, ABW_KL2, ABW_KL3, ABW_KL4, ABW_KL5, ABW_KL6};
const char* const long_names[12] = {"QL1", "QL2", "QL3", "QL4", "QL5", "QL6",
                                    "KL1", "KL2", "KL3", "KL4", "KL5", "KL6"};
const char* const algebraic_names[12] = {"Q1", "Q2", "Q3", "Q4", "Q5", "Q6",
                                         "K1", "K2", "K3", "K4", "K5", "K6"};

const char* NameOfPin(SQ_T pin)
{
    for (int i = 0; i < 12; i++)
        if ((SQ_T)pin_order[i] == pin)
            return state.notation == NOTATION_ALGEBRAIC ? algebraic_names[i] : long_names[i];
    return nullptr;
}

}  // namespace

const char* GetABString(POS_T*, SQ_T sq)
{
    const char* name = NameOfPin(sq);
    if (!name)
        Panic(false, state.notation == NOTATION_ALGEBRAIC ? "Can't find AB string!2" : "Can't find AB string!1");
    return name;
}

const char* GetABStringBySquare(POS_T* b, SQ_T sq)
{
    int board = AttackBoardOfSquare(sq);
    if (board < 0) {
        // Also asked with the pin itself.
        for (int i = 0; i < 4 && board < 0; i++)
            if ((SQ_T)b->whereis_board[i] == sq)
                board = i;
    }
    if (board < 0) {
        ConsolePrint("\n%d", (int)sq);
        Panic(false, "Non-AB for string @ GetABString!");
        board = 3;
    }
    const char* name = NameOfPin(b->whereis_board[board]);
    if (!name)
        Panic(true, "Warning: Can't find AB string!");
    return name;
}
