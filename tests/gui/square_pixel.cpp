// Where to click and where to look, for the window tests: plays the given
// moves on a game of its own, then answers, for the program's view, the
// window pixel of each asked square, post or text line. It shares the
// program's geometry code but opens no window.
//
//   gui_square_pixel MODE XANG YANG SCALE ORTHO WIDTH HEIGHT [-m MOVE]... QUERY...
//
// MODE is 2 or 3; a MOVE is written as the perft tool writes it (e2e4,
// E2E3, QLW:QL1-QL3, e7e8q). Queries and their answer lines:
//   click SQ   "X Y": a pixel whose pick is SQ (nothing drawn before it there);
//              SQ may also name a pin (QL3)
//   see SQ     "X Y PIECE COLOUR": a pixel where SQ, or its piece, is in view;
//              COLOUR the square's #rrggbb; "none" when no such pixel exists
//   floor SQ   "X Y": a pixel of the square itself, clear of every piece
//              (its own too); "none" when there is none
//   edge SQ    "X Y": the middle of the square's left edge, just inside
//   post AB    "X Y": a pixel on the post of board QLW, QLB, KLW or KLB
//   frame AB   "X Y": a pixel on the rim of that board, nothing picked before it
//   marker PIN "X Y": the middle of the marker of a pin (QL3), drawn while a
//              board that may move there is selected
//   text N     "X Y": the start of status line N (0 move, 1 banner, 2 status,
//              3 clock) on its base line
//   clock SIDE "X Y": the start of White's (0) or Black's (1) clock on its
//              base line
//   moves      the legal moves, one a line
//   save       writes the game as "vornak.sav" in the working directory,
//              with the view given, for the program to restore
// An edit `-e SQ` empties a square and starts the game from the edited
// board, as the program's board editing does.
// Each answer line starts with its query ("click E2 412 530"). Window
// pixels count from the upper left corner.
#include "movegen/movegen.h"
#include "record/record.h"
#include "render/render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

VIEW_T view;
int viewport[4];

struct PIX_T {
    double x, y, z;  // OpenGL window coordinates and depth
};

bool Project(float x, float y, float z, PIX_T* out)
{
    P3D_T p = {x, y, z};
    return ProjectToWindow(&view, viewport, &p, &out->x, &out->y, &out->z);
}

// The four projected corners of a square, in order round it.
bool SquareQuad(SQ_T s, PIX_T q[4])
{
    P3D_T c;
    GetCoords(&state.position, int(XPOS(s)), int(YPOS(s)), &c);
    return Project(c.x, c.y, c.z, &q[0]) && Project(c.x + 1, c.y, c.z, &q[1]) &&
           Project(c.x + 1, c.y + 1, c.z, &q[2]) && Project(c.x, c.y + 1, c.z, &q[3]);
}

// Signed distance of a point inside a convex quad from its nearest edge
// (negative outside), whatever the quad's winding.
double InsideBy(const PIX_T q[4], double x, double y)
{
    double area = 0;
    for (int i = 0; i < 4; i++)
        area += q[i].x * q[(i + 1) % 4].y - q[(i + 1) % 4].x * q[i].y;
    double sgn = area >= 0 ? 1 : -1, least = 1e9;
    for (int i = 0; i < 4; i++) {
        const PIX_T &a = q[i], &b = q[(i + 1) % 4];
        double len = std::hypot(b.x - a.x, b.y - a.y);
        if (len < 1e-9)
            return -1;
        double d = sgn * ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x)) / len;
        least = std::min(least, d);
    }
    return least;
}

struct POST_T {
    PIX_T top, bottom;
    double radius;
};

bool PostOf(int code, POST_T* post)
{
    int s = code - 100;
    P3D_T c;
    GetCoords(&state.position, s / 8, s % 8, &c);
    PIX_T side;
    if (!Project(c.x + 1, c.y + 1, c.z, &post->top) || !Project(c.x + 1, c.y + 1, c.z - 1, &post->bottom) ||
        !Project(c.x + 1.1f, c.y + 1, c.z, &side))
        return false;
    post->radius = std::hypot(side.x - post->top.x, side.y - post->top.y);
    return true;
}

double DistanceToSegment(const PIX_T& a, const PIX_T& b, double x, double y)
{
    double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
    t = std::max(0.0, std::min(1.0, t));
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

const double MARGIN = 3.0;  // pixels kept clear of every edge

// The projected outer edge of board `code` and the inner edge of its rim.
bool FrameQuads(int code, PIX_T outer[4], PIX_T inner[4])
{
    int s = code - 100;
    P3D_T c;
    GetCoords(&state.position, s / 8, s % 8, &c);
    const float w = BOARD_FRAME_WIDTH;
    return Project(c.x, c.y, c.z, &outer[0]) && Project(c.x + 2, c.y, c.z, &outer[1]) &&
           Project(c.x + 2, c.y + 2, c.z, &outer[2]) && Project(c.x, c.y + 2, c.z, &outer[3]) &&
           Project(c.x + w, c.y + w, c.z, &inner[0]) && Project(c.x + 2 - w, c.y + w, c.z, &inner[1]) &&
           Project(c.x + 2 - w, c.y + 2 - w, c.z, &inner[2]) && Project(c.x + w, c.y + 2 - w, c.z, &inner[3]);
}

// Whether a pixel lies on the rim of board `code`, with `margin` pixels to
// spare inside (positive) or round it (negative).
bool OnFrame(int code, double x, double y, double margin)
{
    PIX_T outer[4], inner[4];
    if (!FrameQuads(code, outer, inner))
        return false;
    return InsideBy(outer, x, y) >= margin && InsideBy(inner, x, y) <= -margin;
}

// Whether a pixel would pick something drawn before the square or post of
// drawing place `order` (square s is 2s, the post after it 2s + 1).
bool EarlierDrawnThere(int order, double x, double y)
{
    // The boards' rims are drawn before every square and post.
    if (state.dmode == 3)
        for (AB_E code : ab_codes)
            if (OnFrame(int(code), x, y, -MARGIN))
                return true;
    for (int t = 0; t < 64 && 2 * t < order; t++) {
        PIX_T q[4];
        if (SquareQuad(SQ_T(t), q) && InsideBy(q, x, y) > -MARGIN)
            return true;
        int code = t + 100;
        if (state.dmode == 3 && AbIndex(code) >= 0 && 2 * t + 1 < order) {
            POST_T p;
            if (PostOf(code, &p) && DistanceToSegment(p.top, p.bottom, x, y) < p.radius + MARGIN)
                return true;
        }
    }
    return false;
}

// Candidate points of a unit square, nearest its centre first.
std::vector<std::pair<double, double>> SquareSamples()
{
    std::vector<std::pair<double, double>> pts;
    for (int i = 1; i < 10; i++)
        for (int j = 1; j < 10; j++)
            pts.push_back({i / 10.0, j / 10.0});
    std::sort(pts.begin(), pts.end(), [](const auto& a, const auto& b) {
        return std::hypot(a.first - 0.5, a.second - 0.5) < std::hypot(b.first - 0.5, b.second - 0.5);
    });
    return pts;
}

void PrintPixel(double x, double y)
{
    printf("%d %d", int(std::floor(x)), viewport[3] - 1 - int(std::floor(y)));
}

void Click(SQ_T s, const char* name)
{
    P3D_T c;
    GetCoords(&state.position, int(XPOS(s)), int(YPOS(s)), &c);
    PIX_T q[4];
    if (SquareQuad(s, q))
        for (const auto& uv : SquareSamples()) {
            PIX_T p;
            if (!Project(c.x + float(uv.first), c.y + float(uv.second), c.z, &p))
                continue;
            if (InsideBy(q, p.x, p.y) < MARGIN || EarlierDrawnThere(2 * int(s), p.x, p.y))
                continue;
            printf("click %s ", name);
            PrintPixel(p.x, p.y);
            printf("\n");
            return;
        }
    printf("click %s none\n", name);
}

// The eye ray through a window pixel, in world coordinates: the points at
// depth 0 and 1, found by inverting the camera.
bool Invert(const double m[16], double inv[16])
{
    double a[4][8];
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++) {
            a[r][c] = m[c * 4 + r];
            a[r][c + 4] = r == c;
        }
    for (int c = 0; c < 4; c++) {
        int pivot = c;
        for (int r = c + 1; r < 4; r++)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-12)
            return false;
        std::swap(a[c], a[pivot]);
        for (int r = 0; r < 4; r++)
            if (r != c) {
                double f = a[r][c] / a[c][c];
                for (int k = 0; k < 8; k++)
                    a[r][k] -= f * a[c][k];
            }
    }
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 4; c++)
            inv[c * 4 + r] = a[r][c + 4] / a[r][r];
    return true;
}

struct RAY_T {
    double o[3], d[3];
};

bool PixelRay(double x, double y, RAY_T* ray)
{
    double proj[16], model[16], pm[16], inv[16];
    ViewMatrices(&view, proj, model, double(viewport[2]) / viewport[3]);
    for (int c = 0; c < 4; c++)
        for (int r = 0; r < 4; r++) {
            pm[c * 4 + r] = 0;
            for (int k = 0; k < 4; k++)
                pm[c * 4 + r] += proj[k * 4 + r] * model[c * 4 + k];
        }
    if (!Invert(pm, inv))
        return false;
    double ends[2][3];
    for (int e = 0; e < 2; e++) {
        double ndc[4] = {2 * (x - viewport[0]) / viewport[2] - 1, 2 * (y - viewport[1]) / viewport[3] - 1,
                         2.0 * e - 1, 1};
        double w[4] = {0, 0, 0, 0};
        for (int r = 0; r < 4; r++)
            for (int k = 0; k < 4; k++)
                w[r] += inv[k * 4 + r] * ndc[k];
        for (int r = 0; r < 3; r++)
            ends[e][r] = w[r] / w[3];
    }
    for (int r = 0; r < 3; r++) {
        ray->o[r] = ends[0][r];
        ray->d[r] = ends[1][r] - ends[0][r];
    }
    return true;
}

// Where along the ray a box is first met (1e9: missed).
double RayBox(const RAY_T& ray, const double lo[3], const double hi[3])
{
    double t0 = -1e9, t1 = 1e9;
    for (int k = 0; k < 3; k++) {
        if (std::fabs(ray.d[k]) < 1e-12) {
            if (ray.o[k] < lo[k] || ray.o[k] > hi[k])
                return 1e9;
            continue;
        }
        double a = (lo[k] - ray.o[k]) / ray.d[k], b = (hi[k] - ray.o[k]) / ray.d[k];
        t0 = std::max(t0, std::min(a, b));
        t1 = std::min(t1, std::max(a, b));
    }
    return t0 <= t1 ? t0 : 1e9;
}

// Whether anything but square s and its piece lies on the ray before t.
bool RayBlocked(SQ_T s, const RAY_T& ray, double t)
{
    for (SQ_T u = 0; u < 64; u++) {
        P3D_T c;
        GetCoords(&state.position, int(XPOS(u)), int(YPOS(u)), &c);
        if (u != s) {
            // Another square, a little larger than drawn.
            double lo[3] = {c.x - 0.05, c.y - 0.05, c.z - 0.001}, hi[3] = {c.x + 1.05, c.y + 1.05, c.z + 0.001};
            if (RayBox(ray, lo, hi) < t)
                return true;
        }
        if (state.position.board[u] && u != s) {
            // A piece as a box round its model.
            double lo[3] = {c.x + 0.15, c.y + 0.15, c.z}, hi[3] = {c.x + 0.85, c.y + 0.85, c.z + 1.7};
            if (RayBox(ray, lo, hi) < t)
                return true;
        }
    }
    return false;
}

// Whether a window point of square s (or of its piece) is in plain view,
// with a few pixels round it.
bool HiddenThere(SQ_T s, const P3D_T& target, double x, double y)
{
    static const double around[5][2] = {{0, 0}, {MARGIN, 0}, {-MARGIN, 0}, {0, MARGIN}, {0, -MARGIN}};
    for (const auto& off : around) {
        RAY_T ray;
        if (!PixelRay(x + off[0], y + off[1], &ray))
            return true;
        double v[3] = {target.x - ray.o[0], target.y - ray.o[1], target.z - ray.o[2]};
        double dd = ray.d[0] * ray.d[0] + ray.d[1] * ray.d[1] + ray.d[2] * ray.d[2];
        double t = (v[0] * ray.d[0] + v[1] * ray.d[1] + v[2] * ray.d[2]) / dd;
        if (RayBlocked(s, ray, t - 1e-4))
            return true;
    }
    return false;
}

void See(SQ_T s, const char* name)
{
    POS_T* b = &state.position;
    int x = int(XPOS(s)), y = int(YPOS(s));
    P3D_T c;
    GetCoords(b, x, y, &c);
    const char* colour = (x + y) % 2 == 0 ? "#737373" : "#A6A6A6";
    PIX_T q[4];
    std::vector<std::pair<double, double>> samples = SquareSamples();
    // An occupied square is seen through its piece: look at the piece's foot.
    if (b->board[s])
        samples = {{0.5, 0.5}};
    if (SquareQuad(s, q))
        for (const auto& uv : samples) {
            PIX_T p;
            P3D_T target = {c.x + float(uv.first), c.y + float(uv.second), b->board[s] ? c.z + 0.2f : c.z};
            if (!Project(target.x, target.y, target.z, &p))
                continue;
            if (!b->board[s] && InsideBy(q, p.x, p.y) < MARGIN)
                continue;
            if (HiddenThere(s, target, p.x, p.y))
                continue;
            printf("see %s ", name);
            PrintPixel(p.x, p.y);
            printf(" %d %s\n", b->board[s], colour);
            return;
        }
    printf("see %s none\n", name);
}

// A pixel of square s itself, where neither its own piece nor anything else
// covers it: the colour a mark gives the square shows there.
void Floor(SQ_T s, const char* name)
{
    POS_T* b = &state.position;
    P3D_T c;
    GetCoords(b, int(XPOS(s)), int(YPOS(s)), &c);
    PIX_T q[4];
    int piece = b->board[s];
    b->board[s] = 0;  // its own piece now blocks like any other
    bool found = false;
    if (SquareQuad(s, q)) {
        std::vector<std::pair<double, double>> samples = SquareSamples();
        std::reverse(samples.begin(), samples.end());  // nearest the edges first
        for (const auto& uv : samples) {
            if (piece && uv.first > 0.1 && uv.first < 0.9 && uv.second > 0.1 && uv.second < 0.9)
                continue;
            PIX_T p;
            P3D_T target = {c.x + float(uv.first), c.y + float(uv.second), c.z};
            if (!Project(target.x, target.y, target.z, &p) || InsideBy(q, p.x, p.y) < MARGIN)
                continue;
            if (HiddenThere(s, target, p.x, p.y))
                continue;
            bool own = false;
            if (piece) {
                // The piece's box, as other pieces are taken.
                static const double around[5][2] = {{0, 0}, {MARGIN, 0}, {-MARGIN, 0}, {0, MARGIN}, {0, -MARGIN}};
                for (const auto& off : around) {
                    RAY_T ray;
                    double lo[3] = {c.x + 0.15, c.y + 0.15, c.z}, hi[3] = {c.x + 0.85, c.y + 0.85, c.z + 1.7};
                    if (!PixelRay(p.x + off[0], p.y + off[1], &ray) || RayBox(ray, lo, hi) < 1e8)
                        own = true;
                }
            }
            if (own)
                continue;
            printf("floor %s ", name);
            PrintPixel(p.x, p.y);
            printf("\n");
            found = true;
            break;
        }
    }
    b->board[s] = piece;
    if (!found)
        printf("floor %s none\n", name);
}

void Post(int code, const char* name)
{
    printf("post %s ", name);
    POST_T p;
    if (!PostOf(code, &p)) {
        printf("none\n");
        return;
    }
    for (double t = 0.8; t >= 0.2; t -= 0.05) {
        double x = p.top.x + t * (p.bottom.x - p.top.x), y = p.top.y + t * (p.bottom.y - p.top.y);
        if (EarlierDrawnThere(2 * (code - 100) + 1, x, y))
            continue;
        PrintPixel(x, y);
        printf("\n");
        return;
    }
    printf("none\n");
}

void Frame(int code, const char* name)
{
    printf("frame %s ", name);
    PIX_T outer[4], inner[4];
    if (state.dmode == 3 && FrameQuads(code, outer, inner)) {
        int s = code - 100;
        P3D_T c;
        GetCoords(&state.position, s / 8, s % 8, &c);
        const float mid = BOARD_FRAME_WIDTH / 2;
        // Along the middle of each side of the rim, clear of the rims drawn
        // before it.
        for (int side = 0; side < 4; side++)
            for (float t = 0.3f; t <= 1.7f; t += 0.1f) {
                float u = side < 2 ? t : (side == 2 ? mid : 2 - mid);
                float v = side < 2 ? (side == 0 ? mid : 2 - mid) : t;
                PIX_T p;
                if (!Project(c.x + u, c.y + v, c.z, &p) || !OnFrame(code, p.x, p.y, 1.5))
                    continue;
                bool earlier = false;
                for (AB_E other : ab_codes) {
                    if (other == AB_E(code))
                        break;
                    earlier |= OnFrame(int(other), p.x, p.y, -MARGIN);
                }
                if (earlier)
                    continue;
                PrintPixel(p.x, p.y);
                printf("\n");
                return;
            }
    }
    printf("none\n");
}

void Marker(int pin, const char* name)
{
    printf("marker %s ", name);
    P3D_T at;
    PIX_T p;
    if (PinMarkerPlace(&state.position, pin, &at) && Project(at.x, at.y, at.z + 0.02f, &p)) {
        PrintPixel(p.x, p.y);
        printf("\n");
    } else {
        printf("none\n");
    }
}

void Text(int line)
{
    int x, y;
    StatusLinePixel(line, &x, &y);
    printf("text %d %d %d\n", line, x, y);
}

// A square by its index name (E2, e2) or a pin by its name (QL3).
int SquareFromName(const char* name)
{
    for (SQ_T s = 0; s < 64; s++)
        if (strcasecmp(IndexSquareName(s), name) == 0)
            return int(s);
    return PinFromName(name);
}

bool PlayMove(const char* text)
{
    std::vector<MOVE_T> moves;
    LegalChoices(&state.position, &moves);
    for (MOVE_T m : moves)
        if (CoordinateMove(&m) == text)
            return PlayerMoved(&state.position, &m) != 0;
    return false;
}

int Usage()
{
    fprintf(stderr, "usage: gui_square_pixel MODE XANG YANG SCALE ORTHO WIDTH HEIGHT [-m MOVE]... QUERY...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 8)
        return Usage();
    // Start the answers on a line of their own, after what the core's
    // start-up prints.
    printf("\n");
    state.dmode = atoi(argv[1]);
    if (state.dmode != 2 && state.dmode != 3)
        return Usage();
    view.xang = float(atof(argv[2]));
    view.yang = float(atof(argv[3]));
    view.scale = float(atof(argv[4]));
    view.ortho = atoi(argv[5]) != 0;
    view.zang = 0;
    viewport[0] = viewport[1] = 0;
    viewport[2] = atoi(argv[6]);
    viewport[3] = atoi(argv[7]);
    state.rules = RULES_TDCL;
    state.notation = NOTATION_VESKAR;
    if (!ResetBoard(false)) {
        fprintf(stderr, "no start position\n");
        return 1;
    }
    for (int i = 8; i < argc; i++) {
        std::string q = argv[i];
        if (q == "-m" && i + 1 < argc) {
            if (!PlayMove(argv[++i])) {
                fprintf(stderr, "not a legal move: %s\n", argv[i]);
                return 1;
            }
            printf("\n");  // after the game's own log line
        } else if (q == "-e" && i + 1 < argc) {
            int s = SquareFromName(argv[++i]);
            if (s < 0)
                return Usage();
            POS_T* b = &state.position;
            b->board[s] = 0;
            if (!CreatePBoard(b, state.dmode)) {
                fprintf(stderr, "the edited board is no position\n");
                return 1;
            }
            UpdateMaps(b);
            AlignAttackBoards(b);
            state.oeb.pos_0 = *b;
            state.oeb.inited = 1;
        } else if (q == "save") {
            state.xang = view.xang;
            state.yang = view.yang;
            state.scale = view.scale;
            state.projection_ortho = view.ortho;
            state.stipple = state.dmode == 3;
            state.vornak = VORNAK_OFF;
            if (!SaveGame(1))
                return 1;
            printf("save done\n");
        } else if (q == "moves") {
            std::vector<MOVE_T> moves;
            LegalChoices(&state.position, &moves);
            for (MOVE_T m : moves)
                printf("%s\n", CoordinateMove(&m).c_str());
        } else if (q == "edge" && i + 1 < argc) {
            // The middle of the square's left edge, just inside: where the
            // last move's frame is drawn.
            int s = SquareFromName(argv[++i]);
            if (s < 0)
                return Usage();
            P3D_T c;
            GetCoords(&state.position, int(XPOS(SQ_T(s))), int(YPOS(SQ_T(s))), &c);
            PIX_T p;
            printf("edge %s ", argv[i]);
            if (Project(c.x + 0.035f, c.y + 0.5f, c.z, &p)) {
                PrintPixel(p.x, p.y);
                printf("\n");
            } else {
                printf("none\n");
            }
        } else if (q == "floor" && i + 1 < argc) {
            int s = SquareFromName(argv[++i]);
            if (s < 0)
                return Usage();
            Floor(SQ_T(s), argv[i]);
        } else if ((q == "click" || q == "see") && i + 1 < argc) {
            int s = SquareFromName(argv[++i]);
            if (s < 0)
                return Usage();
            q == "click" ? Click(SQ_T(s), argv[i]) : See(SQ_T(s), argv[i]);
        } else if (q == "marker" && i + 1 < argc) {
            int pin = PinFromName(argv[++i]);
            if (pin < 0)
                return Usage();
            Marker(pin, argv[i]);
        } else if ((q == "post" || q == "frame") && i + 1 < argc) {
            static const char* const names[4] = {"QLW", "QLB", "KLW", "KLB"};
            std::string n = argv[++i];
            int code = -1;
            for (int k = 0; k < 4; k++)
                if (n == names[k])
                    code = ab_codes[k];
            if (code < 0)
                return Usage();
            q == "post" ? Post(code, names[AbIndex(code)]) : Frame(code, names[AbIndex(code)]);
        } else if (q == "text" && i + 1 < argc) {
            Text(atoi(argv[++i]));
        } else if (q == "clock" && i + 1 < argc) {
            int side = atoi(argv[++i]), x, y;
            SideClockPixel(side, &x, &y);
            printf("clock %d %d %d\n", side, x, y);
        } else {
            return Usage();
        }
    }
    return 0;
}
