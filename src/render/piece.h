// Piece models: one object per piece kind, drawn either from GLU and GLUT
// solids ("classic") or from a mesh read from an ASCII STL file at start-up.
// All models stand on their local origin and grow along +z; a cell is 1 x 1.
#pragma once

#include "board/board.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstddef>
#include <string>
#include <vector>

enum SET_E { SET_CLASSIC = 0, SET_MESH = 1, SET_MORVEL = 2, SET_NONE = 3 };

struct Point3D_T {
    double x, y, z;
};

class PIECE_C {
public:
    std::string filename;  // the file the mesh was read from
    // Per facet, in file order: the normal, then its three vertices.
    std::vector<Point3D_T> vertices;
    std::size_t vi = 0;
    GLubyte itsRed = 0, itsGreen = 0, itsBlue = 0;
    GLubyte itsShadeRed = 0, itsShadeGreen = 0, itsShadeBlue = 0;
    bool mesh_ready = false;
    // The mesh compiled into a display list on its first drawing (a GL
    // context exists only then); 0 = none yet. Reading a file discards it.
    GLuint mesh_list = 0;
    bool mesh_compiled = false;
    // Closed and wound outwards (MeshIsClosed): its back faces can never be
    // seen, so they are culled, which saves half the drawing.
    bool mesh_closed = false;

    // Reads the mesh; a file that cannot be opened leaves the model without one.
    void MeshRead(const char* fileName);
    void DrawMesh(bool white);
    // The facets one by one; what the compiled list holds.
    void DrawMeshImmediate();
    void DrawBox(GLfloat x0, GLfloat x1, GLfloat y0, GLfloat y1, GLfloat z0, GLfloat z1);
    void FaceKing(int p, int x, int y);
};

class KING_T : public PIECE_C {
public:
    void drawpiece(int p, GLUquadricObj* q, bool do_mesh);
};
class QUEEN_T : public PIECE_C {
public:
    void drawpiece(int p, GLUquadricObj* q, bool do_mesh);
};
class ROOK_T : public PIECE_C {
public:
    void drawpiece(int p, GLUquadricObj* q, bool do_mesh);
};
class BISHOP_T : public PIECE_C {
public:
    void drawpiece(int p, GLUquadricObj* q, int i, int j, bool do_mesh);
};
class KNIGHT_T : public PIECE_C {
public:
    void drawpiece(int p, GLUquadricObj* q, int i, int j, bool do_mesh);
};
class PAWN_T : public PIECE_C {
public:
    void drawpiece(int p, GLUquadricObj* q, bool do_mesh);
};

extern KING_T pKing;
extern QUEEN_T pQueen;
extern ROOK_T pRook;
extern BISHOP_T pBishop;
extern KNIGHT_T pKnight;
extern PAWN_T pPawn;

// Whether facets (normal, then three vertices each) form closed surfaces
// wound counter-clockwise seen from outside: every edge joins exactly two
// facets that run along it in opposite directions, and the enclosed volume
// is positive.
bool MeshIsClosed(const std::vector<Point3D_T>& vertices);

// The turn, in degrees about z, that makes piece p on cell (x, y) of b face
// the enemy king: in 2-D games towards the king, in 3-D games straight up the
// board for White (0) and down it for Black (180). FaceKing rotates by minus
// this angle.
double FaceKingAngle(POS_T* b, int p, int x, int y);

// Draws piece p (signed code) on the current matrix, with the kind's model.
void DrawPiece(int p, GLUquadricObj* q, int i, int j, bool do_mesh);
// Every piece of the game's position on its cell.
void DrawPieces();
// The captured pieces (when CapturedOnOff), drawn in window pixels: White's
// in a column at the left edge, Black's at the right, below the status text,
// scaled so that fifteen fit the window's height.
void DrawCaptured();
// Where the row-th captured piece of a side stands (the middle of its foot,
// in window pixels from the lower left) and the pixels of one model unit.
void CapturedSlot(bool white, int row, float* x, float* y, float* unit);
