// The piece models without a window: the direction knights and bishops look
// in, the mesh reader's handling of awkward files, and the geometry of the
// six committed meshes as the reader sees them.
#include "render/piece.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// ---------------------------------------------------------------- facing the king

class FaceKingTest : public testing::Test {
protected:
    POS_T b{};

    void SetUp() override
    {
        state.dmode = 2;
        PlaceKing(W_KING_SLOT, W_KING, E1);
        PlaceKing(B_KING_SLOT, B_KING, E8);
    }
    void PlaceKing(int slot, int code, SQ_T sq)
    {
        b.pieces[slot].p = code;
        b.pieces[slot].pos = sq;
    }
};

TEST_F(FaceKingTest, WhitePiecesLookAtTheBlackKingInPlainGames)
{
    // Black king on e8 = file 4, rank 7.
    EXPECT_NEAR(FaceKingAngle(&b, W_KNIGHT, 4, 3), 0.0, 1e-9);    // below it, same file
    EXPECT_NEAR(FaceKingAngle(&b, W_KNIGHT, 0, 3), 45.0, 0.2);    // down-left of it: turn right
    EXPECT_NEAR(FaceKingAngle(&b, W_BISHOP, 7, 4), -45.0, 0.2);   // down-right: turn left
    PlaceKing(B_KING_SLOT, B_KING, E1);
    EXPECT_NEAR(FaceKingAngle(&b, W_KNIGHT, 4, 5), 180.0, 1e-9);  // directly above it
    EXPECT_NEAR(FaceKingAngle(&b, W_KNIGHT, 2, 0), 89.7, 0.1);    // same rank, left of it
    EXPECT_NEAR(FaceKingAngle(&b, W_KNIGHT, 6, 0), -89.7, 0.1);   // same rank, right of it
}

TEST_F(FaceKingTest, BlackPiecesLookAtTheWhiteKing)
{
    // White king on e1: a black knight on e6 looks down the board.
    EXPECT_NEAR(FaceKingAngle(&b, B_KNIGHT, 4, 5), 180.0, 1e-9);
    // The white king's square counts, not the black one's.
    PlaceKing(W_KING_SLOT, W_KING, E8);
    EXPECT_NEAR(FaceKingAngle(&b, B_BISHOP, 4, 2), 0.0, 1e-9);
}

TEST_F(FaceKingTest, TriDimensionalGamesLookStraightAcrossTheBoard)
{
    state.dmode = 3;
    EXPECT_EQ(FaceKingAngle(&b, W_KNIGHT, 0, 5), 0.0);
    EXPECT_EQ(FaceKingAngle(&b, B_KNIGHT, 7, 2), 180.0);
    EXPECT_EQ(FaceKingAngle(&b, W_BISHOP, 2, 7), 0.0);
    EXPECT_EQ(FaceKingAngle(&b, B_BISHOP, 3, 0), 180.0);
}

TEST_F(FaceKingTest, WithoutTheEnemyKingPiecesLookAhead)
{
    b.pieces[B_KING_SLOT].p = 0;
    EXPECT_EQ(FaceKingAngle(&b, W_KNIGHT, 4, 6), 0.0);
    b.pieces[W_KING_SLOT].pos = NO_SQUARE;
    EXPECT_EQ(FaceKingAngle(&b, B_KNIGHT, 4, 6), 180.0);
}

// ---------------------------------------------------------------- awkward files

class MeshFileTest : public testing::Test {
protected:
    std::string path;
    void SetUp() override
    {
        path = testing::TempDir() + "vornak_piece_" +
               testing::UnitTest::GetInstance()->current_test_info()->name() + ".STL";
    }
    void TearDown() override { std::remove(path.c_str()); }
    void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string Read(PIECE_C* piece)
    {
        CaptureStdout();
        piece->MeshRead(path.c_str());
        return GetCapturedStdout();
    }
};

const char* const FACET =
    "  facet normal 0 0 1\n"
    "    outer loop\n"
    "      vertex 0 0 0\n"
    "      vertex 1 0 0\n"
    "      vertex 0 1 0\n"
    "    endloop\n"
    "  endfacet\n";

// A line longer than 99 characters counts once; its tail must not come back
// as a line of its own, which would put a stray point between the normals
// and vertices of every later facet.
TEST_F(MeshFileTest, TheTailOfAnOverlongLineIsDropped)
{
    std::string comment = "solid " + std::string(120, 'x') + " 7 8 9\n";
    Write(comment + FACET + "endsolid\n");
    PIECE_C piece;
    EXPECT_EQ(Read(&piece), "\n" + path + " - pCnt 13 vCnt 4 size 4\n");
    ASSERT_EQ(piece.vertices.size(), 4u);
    EXPECT_EQ(piece.vertices[0].z, 1.0);
    EXPECT_EQ(piece.vertices[2].x, 1.0);
}

TEST_F(MeshFileTest, ReadingAgainReplacesTheMesh)
{
    Write(std::string("solid\n") + FACET + FACET + "endsolid\n");
    PIECE_C piece;
    Read(&piece);
    ASSERT_EQ(piece.vertices.size(), 8u);
    piece.mesh_compiled = true;
    Write(std::string("solid\n") + FACET + "endsolid\n");
    Read(&piece);
    EXPECT_EQ(piece.vertices.size(), 4u);
    EXPECT_TRUE(piece.mesh_ready);
    EXPECT_FALSE(piece.mesh_compiled);
    // A file gone since leaves no mesh, not the old one.
    std::remove(path.c_str());
    Read(&piece);
    EXPECT_TRUE(piece.vertices.empty());
    EXPECT_FALSE(piece.mesh_ready);
}

TEST_F(MeshFileTest, WindowsLineEndsAndMissingFinalNewline)
{
    Write("solid w\r\n  facet normal 0 0 1\r\n    outer loop\r\n      vertex 0 0 0\r\n"
          "      vertex 1 0 0\r\n      vertex 0 1 0");
    PIECE_C piece;
    EXPECT_EQ(Read(&piece), "\n" + path + " - pCnt 10 vCnt 4 size 4\n");
    EXPECT_TRUE(piece.mesh_ready);
    EXPECT_EQ(piece.vertices[3].y, 1.0);
}

// ---------------------------------------------------------------- closed meshes

// A tetrahedron wound outwards, as facets of normal and three corners.
std::vector<Point3D_T> Tetrahedron(double dx = 0)
{
    Point3D_T o = {dx, 0, 0}, x = {dx + 1, 0, 0}, y = {dx, 1, 0}, z = {dx, 0, 1};
    Point3D_T n = {0, 0, 0};  // the test is about the winding, not the normals
    return {n, o, y, x, n, o, x, z, n, o, z, y, n, x, y, z};
}

TEST(MeshIsClosedTest, ATetrahedronWoundOutwards)
{
    EXPECT_TRUE(MeshIsClosed(Tetrahedron()));
    // Two separate closed parts, as the king's body and its cross.
    std::vector<Point3D_T> two = Tetrahedron();
    std::vector<Point3D_T> other = Tetrahedron(0.5);
    two.insert(two.end(), other.begin(), other.end());
    EXPECT_TRUE(MeshIsClosed(two));
}

TEST(MeshIsClosedTest, InsideOutHolesAndStrayFacetsAreNot)
{
    std::vector<Point3D_T> inside_out = Tetrahedron();
    for (size_t f = 0; f < 4; f++)
        std::swap(inside_out[4 * f + 2], inside_out[4 * f + 3]);
    EXPECT_FALSE(MeshIsClosed(inside_out));

    std::vector<Point3D_T> hole = Tetrahedron();
    hole.resize(12);
    EXPECT_FALSE(MeshIsClosed(hole));

    std::vector<Point3D_T> flipped = Tetrahedron();
    std::swap(flipped[6], flipped[7]);
    EXPECT_FALSE(MeshIsClosed(flipped));

    std::vector<Point3D_T> doubled = Tetrahedron();
    doubled.insert(doubled.end(), doubled.begin(), doubled.begin() + 4);
    EXPECT_FALSE(MeshIsClosed(doubled));

    EXPECT_FALSE(MeshIsClosed({}));
}

// ---------------------------------------------------------------- the committed meshes

typedef std::array<double, 3> P;

P Pt(const Point3D_T& v) { return {v.x, v.y, v.z}; }
P Minus(P a, P b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
P CrossP(P a, P b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
double DotP(P a, P b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

struct Kind {
    const char* name;
    double classic_height;  // what the classic model of the kind reaches
};

class CommittedMeshTest : public testing::TestWithParam<Kind> {
protected:
    PIECE_C piece;
    void SetUp() override
    {
        std::string path = std::string(VORNAK_SOURCE_DIR) + "/pieces/" + GetParam().name + ".STL";
        CaptureStdout();
        piece.MeshRead(path.c_str());
        GetCapturedStdout();
        ASSERT_TRUE(piece.mesh_ready) << path;
        ASSERT_EQ(piece.vertices.size() % 4, 0u);
    }
};

// Closed and consistently wound: every directed edge appears exactly once
// and the same edge the other way round once, so each edge joins two facets
// that agree on which side is out. The enclosed volume is then positive only
// when the normals point outwards.
TEST_P(CommittedMeshTest, ClosedWithOutwardNormals)
{
    const std::vector<Point3D_T>& v = piece.vertices;
    size_t facets = v.size() / 4;
    EXPECT_GE(facets, 1000u);
    EXPECT_LE(facets, 6000u);
    std::map<std::array<double, 6>, int> edges;
    double volume = 0;
    for (size_t f = 0; f < facets; f++) {
        P n = Pt(v[4 * f]), a = Pt(v[4 * f + 1]), b = Pt(v[4 * f + 2]), c = Pt(v[4 * f + 3]);
        P cross = CrossP(Minus(b, a), Minus(c, a));
        double area2 = std::sqrt(DotP(cross, cross));
        ASSERT_GT(area2, 1e-9) << "facet " << f << " has no area";
        EXPECT_NEAR(DotP(n, n), 1.0, 1e-5) << "facet " << f;
        EXPECT_GT(DotP(n, cross) / area2, 0.99) << "facet " << f << ": normal against the winding";
        volume += DotP(a, CrossP(b, c)) / 6;
        P corner[3] = {a, b, c};
        for (int k = 0; k < 3; k++) {
            P s = corner[k], t = corner[(k + 1) % 3];
            edges[{s[0], s[1], s[2], t[0], t[1], t[2]}]++;
        }
    }
    int bad = 0;
    for (const auto& e : edges) {
        const auto& k = e.first;
        auto back = edges.find({k[3], k[4], k[5], k[0], k[1], k[2]});
        if (e.second != 1 || back == edges.end() || back->second != 1)
            bad++;
    }
    EXPECT_EQ(bad, 0) << "edges not shared by exactly two facets, wound oppositely";
    EXPECT_GT(volume, 0.005);
    // Which is what lets the drawing cull the back faces.
    EXPECT_TRUE(MeshIsClosed(v));
}

// Standing on the origin, inside its cell (which spans -0.5..0.5 about the
// point the piece is placed on), about as tall as the classic model.
TEST_P(CommittedMeshTest, StandsInsideItsCell)
{
    P lo = {1e9, 1e9, 1e9}, hi = {-1e9, -1e9, -1e9};
    for (size_t k = 0; k < piece.vertices.size(); k++) {
        if (k % 4 == 0)
            continue;
        P p = Pt(piece.vertices[k]);
        for (int a = 0; a < 3; a++) {
            lo[a] = std::min(lo[a], p[a]);
            hi[a] = std::max(hi[a], p[a]);
        }
    }
    EXPECT_EQ(lo[2], 0.0);
    for (int a = 0; a < 2; a++) {
        EXPECT_GE(lo[a], -0.45);
        EXPECT_LE(hi[a], 0.45);
    }
    EXPECT_NEAR(hi[2], GetParam().classic_height, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Pieces, CommittedMeshTest,
                         testing::Values(Kind{"KING", 1.5}, Kind{"QUEEN", 1.33}, Kind{"ROOK", 0.8},
                                         Kind{"BISHOP", 1.075}, Kind{"KNIGHT", 1.2}, Kind{"PAWN", 0.74}),
                         [](const testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });

void ReadKnight(PIECE_C* knight)
{
    std::string path = std::string(VORNAK_SOURCE_DIR) + "/pieces/KNIGHT.STL";
    CaptureStdout();
    knight->MeshRead(path.c_str());
    GetCapturedStdout();
}

// The knight's muzzle points along +y, the way FaceKing expects an unturned
// piece to look: its head reaches further forwards than backwards.
TEST(KnightMeshTest, LooksAlongPlusY)
{
    PIECE_C knight;
    ReadKnight(&knight);
    ASSERT_TRUE(knight.mesh_ready);
    double front = -1, back = 1, left = 1, right = -1;
    for (size_t k = 0; k < knight.vertices.size(); k++) {
        const Point3D_T& p = knight.vertices[k];
        if (k % 4 == 0 || p.z < 0.5)
            continue;
        front = std::max(front, p.y);
        back = std::min(back, p.y);
        left = std::min(left, p.x);
        right = std::max(right, p.x);
    }
    EXPECT_GT(front, 0.25);
    EXPECT_GT(front, -back + 0.03);
    // A head, not a turned piece: longer than it is wide; but no slab
    // either, which from the front passes for a board's post.
    EXPECT_GT(front - back, 1.5 * (right - left));
    EXPECT_GT(right - left, 0.27);
}

// Seen from the front its two ears stand apart above the skull.
TEST(KnightMeshTest, TwoEarsApart)
{
    PIECE_C knight;
    ReadKnight(&knight);
    ASSERT_TRUE(knight.mesh_ready);
    double top = 0;
    for (size_t k = 0; k < knight.vertices.size(); k++)
        if (k % 4)
            top = std::max(top, knight.vertices[k].z);
    // No facet that reaches the top spans the middle, as a slab's would.
    bool left_ear = false, right_ear = false, middle = false;
    for (size_t f = 0; f + 3 < knight.vertices.size(); f += 4) {
        double lo = 1, hi = -1, z = 0;
        for (size_t k = f + 1; k < f + 4; k++) {
            lo = std::min(lo, knight.vertices[k].x);
            hi = std::max(hi, knight.vertices[k].x);
            z = std::max(z, knight.vertices[k].z);
        }
        if (z < top - 0.05)
            continue;
        left_ear |= hi < -0.03;
        right_ear |= lo > 0.03;
        middle |= lo < 0 && hi > 0;
    }
    EXPECT_TRUE(left_ear && right_ear);
    EXPECT_FALSE(middle);
}

}  // namespace
