// Names of the twelve pins and of the 64 index squares.
#include "record/record.h"

#include <cstring>

namespace {
const int pins_in_name_order[12] = {ABW_QL1, ABW_QL2, ABW_QL3, ABW_QL4, ABW_QL5, ABW_QL6,
                                    ABW_KL1, ABW_KL2, ABW_KL3, ABW_KL4, ABW_KL5, ABW_KL6};
const char* const long_names[12] = {"QL1", "QL2", "QL3", "QL4", "QL5", "QL6",
                                    "KL1", "KL2", "KL3", "KL4", "KL5", "KL6"};
const char* const short_names[12] = {"q1", "q2", "q3", "q4", "q5", "q6",
                                     "k1", "k2", "k3", "k4", "k5", "k6"};

int PinPlace(int pin)
{
    for (int i = 0; i < 12; i++)
        if (pins_in_name_order[i] == pin)
            return i;
    return -1;
}
}  // namespace

const char* PinName(int pin)
{
    int i = PinPlace(pin);
    return i < 0 ? nullptr : long_names[i];
}

int PinFromName(const char* name)
{
    for (int i = 0; i < 12; i++)
        if (strcmp(name, long_names[i]) == 0)
            return pins_in_name_order[i];
    return -1;
}

const char* GetShortABStr(SQ_T where)
{
    int i = where > 63 ? -1 : PinPlace((int)where);
    return i < 0 ? "??" : short_names[i];
}

char* GetAttackBoardString(POS_T* b)
{
    thread_local char buffer[20];
    buffer[0] = 0;
    for (int i = 0; i < 4; i++)
        strcat(buffer, GetShortABStr(b->whereis_board[i]));
    return buffer;
}

const char* IndexSquareName(SQ_T sq)
{
    static char names[64][3];
    static bool made = [] {
        for (int i = 0; i < 64; i++) {
            names[i][0] = (char)('A' + i / 8);
            names[i][1] = (char)('1' + i % 8);
            names[i][2] = 0;
        }
        return true;
    }();
    (void)made;
    return sq < 64 ? names[sq] : nullptr;
}
