// Piece models: one object per piece kind, each optionally carrying a mesh
// read from an ASCII STL file at start-up.
#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <vector>

enum SET_E { SET_CLASSIC = 0, SET_MESH = 1, SET_MORVEL = 2, SET_NONE = 3 };

struct Point3D_T {
    double x, y, z;
};

class PIECE_C {
public:
    const char* filename = nullptr;
    // Per facet, in file order: the normal, then its three vertices.
    std::vector<Point3D_T> vertices;
    std::size_t vi = 0;
    GLubyte itsRed = 0, itsGreen = 0, itsBlue = 0;
    GLubyte itsShadeRed = 0, itsShadeGreen = 0, itsShadeBlue = 0;
    bool mesh_ready = false;

    // Reads the mesh; a file that cannot be opened leaves the model without one.
    void MeshRead(const char* fileName);
};

class KING_T : public PIECE_C {};
class QUEEN_T : public PIECE_C {};
class ROOK_T : public PIECE_C {};
class BISHOP_T : public PIECE_C {};
class KNIGHT_T : public PIECE_C {};
class PAWN_T : public PIECE_C {};

extern KING_T pKing;
extern QUEEN_T pQueen;
extern ROOK_T pRook;
extern BISHOP_T pBishop;
extern KNIGHT_T pKnight;
extern PAWN_T pPawn;
