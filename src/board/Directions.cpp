// The sixteen step directions: their order in the tables and their steps.
#include "board/board.h"

namespace {

struct DirFacts {
    signed char file[35], rank[35];  // by direction + 17
};

// A direction value is column step x 8 + row step, with row steps of -2..2.
DirFacts MakeFacts()
{
    DirFacts f;
    for (int v = -17; v <= 17; v++) {
        int r = ((v % 8) + 8) % 8;
        r = r > 2 ? r - 8 : r;
        f.rank[v + 17] = (signed char)r;
        f.file[v + 17] = (signed char)((v - r) / 8);
    }
    return f;
}

const DirFacts& Facts()
{
    static const DirFacts facts = MakeFacts();
    return facts;
}

}  // namespace

int DirRankStep(int direction)
{
    return direction >= -17 && direction <= 17 ? Facts().rank[direction + 17] : 0;
}

int DirFileStep(int direction)
{
    return direction >= -17 && direction <= 17 ? Facts().file[direction + 17] : 0;
}
