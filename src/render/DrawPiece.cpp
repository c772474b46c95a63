// One piece by its signed code, with the model of its kind.
#include "render/piece.h"

void DrawPiece(int p, GLUquadricObj* q, int i, int j, bool do_mesh)
{
    switch (p < 0 ? -p : p) {
    case W_PAWN:
        pPawn.drawpiece(p, q, do_mesh);
        break;
    case W_KNIGHT:
        pKnight.drawpiece(p, q, i, j, do_mesh);
        break;
    case W_BISHOP:
        pBishop.drawpiece(p, q, i, j, do_mesh);
        break;
    case W_ROOK:
        pRook.drawpiece(p, q, do_mesh);
        break;
    case W_QUEEN:
        pQueen.drawpiece(p, q, do_mesh);
        break;
    case W_KING:
        pKing.drawpiece(p, q, do_mesh);
        break;
    default:  // not a piece: nothing to draw
        break;
    }
}
