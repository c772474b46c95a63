// Where a cell of the board index space lies in the world: drawing and
// picking both place squares through here.
#include "render/render.h"

void GetCoords(POS_T* b, int file, int rank, P3D_T* p3d)
{
    if (state.dmode == 2) {
        *p3d = {float(file - 4), float(rank - 4), 0.0f};
        return;
    }
    // The four corners of the index space are the attack boards.
    if (rank <= 1 || rank >= 6) {
        if (file <= 1) {
            GetAttackBoardCoords(b, file, rank, rank <= 1 ? 0 : 1, p3d);
            return;
        }
        if (file <= 3) {
            GetAttackBoardCoords(b, file, rank, rank <= 1 ? 2 : 3, p3d);
            return;
        }
    }
    if (file <= 3)
        *p3d = {float(file - 2), float(rank - 4), 0.0f};   // middle level
    else if (rank <= 3)
        *p3d = {float(file - 6), float(rank - 4), -2.0f};  // lower level
    else
        *p3d = {float(file - 6), float(rank - 4), 2.0f};   // upper level
}
