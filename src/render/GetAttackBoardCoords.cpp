// Where a cell of an attack board lies: one unit above the level carrying
// its pin, overhanging that level's outer corner by one cell.
#include "render/render.h"

void GetAttackBoardCoords(POS_T* b, int file, int rank, int which_ab, P3D_T* p3d)
{
    // Cell offset of each board in the index space.
    static const int ox[4] = {0, 0, 2, 2};
    static const int oy[4] = {0, 6, 0, 6};
    // Corner of the board's lower-left cell for each pin, before the offset.
    struct PIN_PLACE_T {
        ABWHERE_E pin;
        int dx, dy, z;
    };
    static const PIN_PLACE_T places[12] = {
        {ABW_QL1, -3, -5, -1}, {ABW_QL2, -3, -1, -1}, {ABW_QL3, -3, -3, 1},
        {ABW_QL4, -3, 1, 1},   {ABW_QL5, -3, -1, 3},  {ABW_QL6, -3, 3, 3},
        {ABW_KL1, 1, -5, -1},  {ABW_KL2, 1, -1, -1},  {ABW_KL3, 1, -3, 1},
        {ABW_KL4, 1, 1, 1},    {ABW_KL5, 1, -1, 3},   {ABW_KL6, 1, 3, 3}};
    if (which_ab >= 0 && which_ab <= 3) {
        ABWHERE_E w = b->whereis_board[which_ab];
        for (const PIN_PLACE_T& place : places)
            if (place.pin == w) {
                *p3d = {float(file + place.dx - ox[which_ab]), float(rank + place.dy - oy[which_ab]),
                        float(place.z)};
                return;
            }
    }
    Panic(true, "Bad which_ab @ GetAttackBoardCoords");
}
