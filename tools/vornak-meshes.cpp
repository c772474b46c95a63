// Writes the six piece meshes (KING.STL ... PAWN.STL) as ASCII STL: turned
// profiles for the round pieces; bevelled extrusions on a round chest for the
// knight's neck, head, mane and ears.
// World units (a cell is 1 x 1), standing on the origin, growing along +z,
// facing +y. With --check it compares instead of writing, so that the
// committed files cannot drift from this program.
//
//   vornak-meshes [--check] [directory]     (default directory: pieces)
#include "ToolArgs.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct V3 {
    double x, y, z;
};
struct Tri {
    V3 a, b, c;
};
typedef std::vector<Tri> Mesh;

// A point of a profile: (r, z) for a turned piece, (u, z) for an extrusion.
struct P2 {
    double u, z;
};
typedef std::vector<P2> Profile;

const int TURN_SEGMENTS = 32;

V3 Sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// ---------------------------------------------------------------- building

// Six times the volume enclosed: positive when the facets face outwards.
double SignedVolume(const Mesh& m)
{
    double v = 0;
    for (const Tri& t : m)
        v += Dot(t.a, Cross(t.b, t.c));
    return v;
}

// Each part is built closed and consistently wound; this turns the whole
// part inside out when the winding came out facing inwards.
void OrientOutward(Mesh* m)
{
    if (SignedVolume(*m) < 0)
        for (Tri& t : *m)
            std::swap(t.b, t.c);
}

void Append(Mesh* to, const Mesh& part)
{
    Mesh p = part;
    OrientOutward(&p);
    to->insert(to->end(), p.begin(), p.end());
}

// Points on a circle of radius rad about (0, cz) from angle a0 to a1
// (degrees, a1 included, a0 not); the poles land exactly on the axis.
void Arc(Profile* p, double cz, double rad, double a0, double a1, int steps)
{
    for (int k = 1; k <= steps; k++) {
        double a = (a0 + (a1 - a0) * k / steps) * M_PI / 180.0;
        double r = rad * cos(a);
        if (std::fabs(r) < 1e-9)
            r = 0;
        p->push_back({r, cz + rad * sin(a)});
    }
}

// A solid of revolution about the vertical line through (cx, cy). The
// profile runs from the axis at the bottom, out and up, back to the axis.
Mesh Turn(const Profile& prof, int segments, double cx = 0, double cy = 0)
{
    auto at = [&](size_t k, int j) {
        double a = 2 * M_PI * (j % segments) / segments;
        return V3{cx + prof[k].u * cos(a), cy + prof[k].u * sin(a), prof[k].z};
    };
    Mesh m;
    for (size_t k = 0; k + 1 < prof.size(); k++) {
        for (int j = 0; j < segments; j++) {
            V3 p00 = at(k, j), p01 = at(k, j + 1), p11 = at(k + 1, j + 1), p10 = at(k + 1, j);
            if (prof[k].u == 0)
                m.push_back({p00, p11, p10});
            else if (prof[k + 1].u == 0)
                m.push_back({p00, p01, p11});
            else {
                m.push_back({p00, p01, p11});
                m.push_back({p00, p11, p10});
            }
        }
    }
    return m;
}

Mesh Sphere(double cx, double cy, double cz, double rad, int segments, int steps)
{
    Profile p = {{0, cz - rad}};
    Arc(&p, cz, rad, -90, 90, steps);
    return Turn(p, segments, cx, cy);
}

double Area2(const Profile& p)
{
    double a = 0;
    for (size_t i = 0; i < p.size(); i++) {
        const P2& s = p[i];
        const P2& t = p[(i + 1) % p.size()];
        a += s.u * t.z - t.u * s.z;
    }
    return a;
}

// Rounds the corners of a closed outline (corner cutting, each pass doubling
// the points).
Profile Smooth(Profile p, int passes)
{
    for (int k = 0; k < passes; k++) {
        Profile q;
        for (size_t i = 0; i < p.size(); i++) {
            const P2& s = p[i];
            const P2& t = p[(i + 1) % p.size()];
            q.push_back({0.75 * s.u + 0.25 * t.u, 0.75 * s.z + 0.25 * t.z});
            q.push_back({0.25 * s.u + 0.75 * t.u, 0.25 * s.z + 0.75 * t.z});
        }
        p = q;
    }
    return p;
}

// The outline moved inwards by d (counter-clockwise outline), corners mitred.
Profile Inset(const Profile& p, double d)
{
    Profile q;
    size_t n = p.size();
    for (size_t i = 0; i < n; i++) {
        const P2& a = p[(i + n - 1) % n];
        const P2& b = p[i];
        const P2& c = p[(i + 1) % n];
        double l1 = std::hypot(b.u - a.u, b.z - a.z), l2 = std::hypot(c.u - b.u, c.z - b.z);
        P2 n1 = {-(b.z - a.z) / l1, (b.u - a.u) / l1};
        P2 n2 = {-(c.z - b.z) / l2, (c.u - b.u) / l2};
        double k = d / std::max(1.0 + n1.u * n2.u + n1.z * n2.z, 0.3);
        q.push_back({b.u + (n1.u + n2.u) * k, b.z + (n1.z + n2.z) * k});
    }
    return q;
}

// Triangles of a simple counter-clockwise outline, by clipping ears; the
// result uses only the outline's own corners, so it meets the sides edge to
// edge. Indices into the outline.
std::vector<int> Triangulate(const Profile& p)
{
    std::vector<int> idx(p.size()), out;
    for (size_t i = 0; i < p.size(); i++)
        idx[i] = int(i);
    auto cross = [&](int a, int b, int c) {
        return (p[b].u - p[a].u) * (p[c].z - p[a].z) - (p[b].z - p[a].z) * (p[c].u - p[a].u);
    };
    while (idx.size() > 3) {
        size_t n = idx.size(), best = n;
        double best_area = 0;
        for (size_t i = 0; i < n; i++) {
            int a = idx[(i + n - 1) % n], b = idx[i], c = idx[(i + 1) % n];
            double area = cross(a, b, c);
            if (area <= 1e-9)
                continue;
            bool empty = true;
            for (size_t j = 0; j < n && empty; j++) {
                int v = idx[j];
                if (v == a || v == b || v == c)
                    continue;
                if (cross(a, b, v) >= 0 && cross(b, c, v) >= 0 && cross(c, a, v) >= 0)
                    empty = false;
            }
            // The fattest ear keeps slivers out of the caps.
            if (empty && area > best_area) {
                best = i;
                best_area = area;
            }
        }
        if (best == n) {
            fprintf(stderr, "vornak-meshes: outline cannot be triangulated\n");
            exit(2);
        }
        out.push_back(idx[(best + n - 1) % n]);
        out.push_back(idx[best]);
        out.push_back(idx[(best + 1) % n]);
        idx.erase(idx.begin() + long(best));
    }
    out.insert(out.end(), idx.begin(), idx.end());
    return out;
}

// A slab of the outline (u along y, z up) between x = -half and x = +half,
// its edges bevelled by `bevel`.
Mesh Extrude(Profile outline, double half, double bevel)
{
    if (Area2(outline) < 0)
        outline = Profile(outline.rbegin(), outline.rend());
    Profile face = bevel > 0 ? Inset(outline, bevel) : outline;
    std::vector<std::pair<const Profile*, double>> layers;
    if (bevel > 0)
        layers = {{&face, -half}, {&outline, -half + bevel}, {&outline, half - bevel}, {&face, half}};
    else
        layers = {{&outline, -half}, {&outline, half}};
    auto at = [](const Profile& p, size_t i, double x) { return V3{x, p[i % p.size()].u, p[i % p.size()].z}; };
    Mesh m;
    size_t n = outline.size();
    for (size_t l = 0; l + 1 < layers.size(); l++) {
        const Profile& lo = *layers[l].first;
        const Profile& hi = *layers[l + 1].first;
        double xl = layers[l].second, xh = layers[l + 1].second;
        for (size_t i = 0; i < n; i++) {
            V3 a = at(lo, i, xl), b = at(lo, i + 1, xl), c = at(hi, i + 1, xh), d = at(hi, i, xh);
            m.push_back({a, b, c});
            m.push_back({a, c, d});
        }
    }
    std::vector<int> tri = Triangulate(face);
    for (size_t k = 0; k < tri.size(); k += 3) {
        m.push_back({at(face, tri[k], half), at(face, tri[k + 1], half), at(face, tri[k + 2], half)});
        m.push_back({at(face, tri[k], -half), at(face, tri[k + 2], -half), at(face, tri[k + 1], -half)});
    }
    return m;
}

// Turns a part about z by `deg` and moves it by (dx, dy).
Mesh Place(Mesh m, double deg, double dx, double dy)
{
    double c = cos(deg * M_PI / 180), s = sin(deg * M_PI / 180);
    auto move = [&](V3* v) { *v = {c * v->x - s * v->y + dx, s * v->x + c * v->y + dy, v->z}; };
    for (Tri& t : m) {
        move(&t.a);
        move(&t.b);
        move(&t.c);
    }
    return m;
}

// A square-cut block, `radial` thick along x before Place turns it.
Mesh Block(double radial, double width, double z0, double z1)
{
    return Extrude({{-width / 2, z0}, {width / 2, z0}, {width / 2, z1}, {-width / 2, z1}}, radial / 2, 0);
}

// ---------------------------------------------------------------- the pieces

// The stepped foot all pieces share, ending at radius r on height z, and the
// piece's own outline above it.
Profile Foot(double base, double r, double z, std::initializer_list<P2> above)
{
    Profile p = {{0, 0},
                 {base, 0},
                 {base, 0.04},
                 {base - 0.015, 0.07},
                 {base - 0.05, 0.09},
                 {r + 0.02, z - 0.02},
                 {r, z}};
    p.insert(p.end(), above);
    return p;
}

Mesh Pawn()
{
    Profile p = Foot(0.25, 0.15, 0.13,
                     {{0.13, 0.18}, {0.115, 0.25}, {0.10, 0.33}, {0.095, 0.39}, {0.15, 0.41}, {0.165, 0.44},
                      {0.15, 0.47}, {0.09, 0.49}});
    Arc(&p, 0.61, 0.14, -55, 90, 14);
    Mesh m;
    Append(&m, Turn(p, TURN_SEGMENTS));
    return m;
}

Mesh Rook()
{
    Profile p = Foot(0.27, 0.2, 0.14,
                     {{0.185, 0.2}, {0.175, 0.28}, {0.17, 0.4}, {0.17, 0.5}, {0.185, 0.55}, {0.215, 0.59},
                      {0.235, 0.61}, {0.235, 0.72}, {0.16, 0.72}, {0.16, 0.67}, {0, 0.67}});
    Mesh m;
    Append(&m, Turn(p, TURN_SEGMENTS));
    for (int k = 0; k < 4; k++) {
        double a = 45 + 90 * k;
        Append(&m, Place(Block(0.075, 0.15, 0.7, 0.83), a, 0.1975 * cos(a * M_PI / 180),
                         0.1975 * sin(a * M_PI / 180)));
    }
    return m;
}

Mesh Bishop()
{
    Profile p = Foot(0.25, 0.16, 0.13,
                     {{0.13, 0.25}, {0.105, 0.42}, {0.09, 0.58}, {0.085, 0.61}, {0.14, 0.63}, {0.155, 0.66},
                      {0.14, 0.69}, {0.09, 0.7}, {0.12, 0.72}, {0.12, 0.74}, {0.08, 0.76}, {0.1, 0.78},
                      {0.125, 0.82}, {0.135, 0.87}, {0.128, 0.92}, {0.108, 0.97}, {0.078, 1.01}, {0.045, 1.035},
                      {0.022, 1.045}});
    Arc(&p, 1.08, 0.04, -56, 90, 10);
    Mesh m;
    Append(&m, Turn(p, TURN_SEGMENTS));
    return m;
}

Mesh Queen()
{
    Profile p = Foot(0.27, 0.18, 0.14,
                     {{0.15, 0.25}, {0.12, 0.45}, {0.1, 0.65}, {0.09, 0.8}, {0.15, 0.84}, {0.165, 0.87},
                      {0.15, 0.9}, {0.1, 0.92}, {0.13, 0.94}, {0.13, 0.96}, {0.09, 0.98}, {0.11, 1.05},
                      {0.15, 1.12}, {0.185, 1.17}, {0.185, 1.19}, {0.14, 1.17}, {0.08, 1.16}, {0.05, 1.17}});
    Arc(&p, 1.22, 0.06, -56, 90, 10);
    Mesh m;
    Append(&m, Turn(p, TURN_SEGMENTS));
    // The coronet: a ring of small balls on the rim.
    for (int k = 0; k < 8; k++) {
        double a = (22.5 + 45 * k) * M_PI / 180;
        Append(&m, Sphere(0.17 * cos(a), 0.17 * sin(a), 1.2, 0.032, 8, 5));
    }
    return m;
}

Mesh King()
{
    Profile p = Foot(0.28, 0.19, 0.14,
                     {{0.16, 0.25}, {0.13, 0.5}, {0.11, 0.75}, {0.1, 0.9}, {0.16, 0.94}, {0.175, 0.97},
                      {0.16, 1.0}, {0.11, 1.02}, {0.14, 1.04}, {0.14, 1.06}, {0.1, 1.08}, {0.13, 1.15},
                      {0.16, 1.22}, {0.175, 1.26}, {0.165, 1.28}, {0.1, 1.3}, {0, 1.31}});
    Mesh m;
    Append(&m, Turn(p, TURN_SEGMENTS));
    Profile cross = {{-0.03, 1.27}, {0.03, 1.27}, {0.03, 1.39}, {0.09, 1.39}, {0.09, 1.45}, {0.03, 1.45},
                     {0.03, 1.53}, {-0.03, 1.53}, {-0.03, 1.45}, {-0.09, 1.45}, {-0.09, 1.39}, {-0.03, 1.39}};
    Append(&m, Extrude(cross, 0.035, 0.012));
    return m;
}

Mesh Knight()
{
    Profile foot = Foot(0.27, 0.2, 0.14,
                        {{0.19, 0.17}, {0.15, 0.19}, {0, 0.19}});
    Mesh m;
    Append(&m, Turn(foot, TURN_SEGMENTS));
    // A round chest on the foot, so that the piece has a body from every side.
    Profile chest = {{0, 0.15}, {0.17, 0.15}, {0.175, 0.22}, {0.16, 0.32}, {0.13, 0.4}, {0, 0.41}};
    Append(&m, Turn(chest, TURN_SEGMENTS, 0, -0.02));
    // The side view of the head, muzzle towards +y: neck, mane, skull, brow,
    // muzzle, jaw and chest; thinner than the neck below it.
    Profile head = {{-0.22, 0.12}, {-0.25, 0.35}, {-0.23, 0.55}, {-0.18, 0.75}, {-0.11, 0.9},
                    {-0.08, 1.0},  {-0.05, 1.09}, {0.0, 1.12},   {0.05, 1.08},  {0.08, 1.01},
                    {0.16, 0.93},  {0.24, 0.81},  {0.31, 0.69},  {0.325, 0.6},  {0.28, 0.54},
                    {0.2, 0.55},   {0.12, 0.575}, {0.05, 0.55},  {0.02, 0.45},  {0.1, 0.32},
                    {0.16, 0.2},   {0.18, 0.12}};
    Append(&m, Extrude(Smooth(head, 3), 0.11, 0.035));
    // The neck, broad where it meets the chest.
    Profile neck = {{-0.2, 0.16}, {-0.23, 0.36}, {-0.2, 0.6}, {-0.12, 0.78}, {-0.02, 0.8},
                    {0.03, 0.6},  {0.06, 0.42},  {0.12, 0.26}, {0.14, 0.16}};
    Append(&m, Extrude(Smooth(neck, 3), 0.15, 0.03));
    // The mane, a ridge standing out behind the neck.
    Profile mane = {{-0.2, 0.2},   {-0.265, 0.36}, {-0.25, 0.56}, {-0.2, 0.76}, {-0.13, 0.91},
                    {-0.09, 1.02}, {-0.05, 1.0},   {-0.1, 0.88},  {-0.16, 0.74}, {-0.2, 0.56},
                    {-0.21, 0.36}, {-0.17, 0.2}};
    Append(&m, Extrude(Smooth(mane, 2), 0.045, 0.012));
    // Two ears, apart, and the eyes on either side of the skull.
    Profile ear = {{-0.065, 1.04}, {0.035, 1.05}, {-0.02, 1.25}};
    for (double side : {-1.0, 1.0}) {
        Append(&m, Place(Extrude(Smooth(ear, 2), 0.03, 0.008), 0, side * 0.06, 0));
        Append(&m, Sphere(side * 0.105, 0.07, 0.97, 0.03, 10, 6));
    }
    return m;
}

// ---------------------------------------------------------------- output

// Six decimals; a value that rounds to zero is written without a sign.
void Number(std::ostringstream* out, double v)
{
    char text[32];
    snprintf(text, sizeof text, "%.6f", v);
    if (!strcmp(text, "-0.000000"))
        strcpy(text, "0.000000");
    *out << text;
}

void Triple(std::ostringstream* out, V3 v)
{
    Number(out, v.x);
    *out << ' ';
    Number(out, v.y);
    *out << ' ';
    Number(out, v.z);
    *out << '\n';
}

std::string Stl(const char* name, const Mesh& m)
{
    std::ostringstream out;
    out << "solid " << name << '\n';
    for (const Tri& t : m) {
        V3 n = Cross(Sub(t.b, t.a), Sub(t.c, t.a));
        double len = std::sqrt(Dot(n, n));
        if (len < 1e-12) {
            fprintf(stderr, "vornak-meshes: %s has a facet without area\n", name);
            exit(2);
        }
        out << "  facet normal ";
        Triple(&out, {n.x / len, n.y / len, n.z / len});
        out << "    outer loop\n";
        for (V3 v : {t.a, t.b, t.c}) {
            out << "      vertex ";
            Triple(&out, v);
        }
        out << "    endloop\n  endfacet\n";
    }
    out << "endsolid " << name << '\n';
    return out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    bool check = false;
    std::string dir = "pieces";
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "--check"))
            check = true;
        else if (argv[i][0] == '-') {
            fprintf(stderr, "usage: vornak-meshes [--check] [directory]\n");
            return 2;
        } else
            dir = argv[i];
    }
    struct {
        const char* name;
        Mesh (*build)();
    } kinds[] = {{"KING", King}, {"QUEEN", Queen}, {"ROOK", Rook}, {"BISHOP", Bishop}, {"KNIGHT", Knight}, {"PAWN", Pawn}};
    int failures = 0;
    for (const auto& kind : kinds) {
        Mesh m = kind.build();
        std::string text = Stl(kind.name, m);
        std::string path = dir + "/" + kind.name + ".STL";
        if (check) {
            std::string on_disk;
            if (!ToolReadFile(path, &on_disk) || on_disk != text) {
                printf("%s differs from what vornak-meshes writes\n", path.c_str());
                failures++;
            }
            continue;
        }
        std::ofstream out(path, std::ios::binary);
        out << text;
        out.close();
        if (!out) {
            fprintf(stderr, "vornak-meshes: cannot write %s\n", path.c_str());
            return 1;
        }
        printf("%s: %zu facets\n", path.c_str(), m.size());
    }
    if (check && !failures)
        printf("all six meshes are as vornak-meshes writes them\n");
    return failures ? 1 : 0;
}
