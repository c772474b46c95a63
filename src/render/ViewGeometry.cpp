// The camera as plain arithmetic: the same matrices AdjustModelview gives
// OpenGL, without a GL context, so that projections can be worked out by
// tests and tools that have no window.
#include "render/render.h"

#include <cmath>

namespace {

// Column-major like OpenGL: element (row r, column c) is m[c * 4 + r].
struct MAT4_T {
    double m[16];
};

MAT4_T Identity()
{
    MAT4_T a = {};
    a.m[0] = a.m[5] = a.m[10] = a.m[15] = 1.0;
    return a;
}

MAT4_T Multiply(const MAT4_T& a, const MAT4_T& b)
{
    MAT4_T r = {};
    for (int c = 0; c < 4; c++)
        for (int row = 0; row < 4; row++) {
            double s = 0.0;
            for (int k = 0; k < 4; k++)
                s += a.m[k * 4 + row] * b.m[c * 4 + k];
            r.m[c * 4 + row] = s;
        }
    return r;
}

// glRotate's matrix for a unit axis.
MAT4_T Rotation(double degrees, double x, double y, double z)
{
    double a = degrees * M_PI / 180.0, c = cos(a), s = sin(a), t = 1.0 - c;
    MAT4_T r = Identity();
    r.m[0] = x * x * t + c;
    r.m[1] = y * x * t + z * s;
    r.m[2] = x * z * t - y * s;
    r.m[4] = x * y * t - z * s;
    r.m[5] = y * y * t + c;
    r.m[6] = y * z * t + x * s;
    r.m[8] = x * z * t + y * s;
    r.m[9] = y * z * t - x * s;
    r.m[10] = z * z * t + c;
    return r;
}

}  // namespace

VIEW_T CurrentView()
{
    VIEW_T v;
    v.ortho = state.projection_ortho != 0;
    v.scale = state.scale;
    v.xang = state.xang;
    v.yang = state.yang;
    v.zang = float(*GetZAng());
    return v;
}

int window_width = 800, window_height = 800;

void ViewMatrices(const VIEW_T* v, double projection[16], double modelview[16], double aspect)
{
    MAT4_T p = {};
    const double n = 0.1, f = 60.0;
    // The square of the view (16 units across, or 70 degrees) fits the
    // window's shorter side; the longer side sees more, undistorted.
    if (!(aspect > 0.0))
        aspect = 1.0;
    double sx = aspect > 1.0 ? 1.0 / aspect : 1.0;
    double sy = aspect < 1.0 ? aspect : 1.0;
    if (v->ortho) {
        // glOrtho(-8, 8, -8, 8, n, f), widened along the longer side
        p.m[0] = sx * 2.0 / 16.0;
        p.m[5] = sy * 2.0 / 16.0;
        p.m[10] = -2.0 / (f - n);
        p.m[14] = -(f + n) / (f - n);
        p.m[15] = 1.0;
    } else {
        // gluPerspective(70, 1, n, f), widened along the longer side
        double cot = 1.0 / tan(35.0 * M_PI / 180.0);
        p.m[0] = sx * cot;
        p.m[5] = sy * cot;
        p.m[10] = (f + n) / (n - f);
        p.m[11] = -1.0;
        p.m[14] = 2.0 * f * n / (n - f);
    }
    // gluLookAt from (0, 0, 16) at the origin, y up: a step back along z.
    MAT4_T look = Identity();
    look.m[14] = -16.0;
    p = Multiply(p, look);

    MAT4_T m = Identity();
    m.m[0] = m.m[5] = m.m[10] = v->scale;
    m = Multiply(m, Rotation(v->zang, 0, 0, 1));
    m = Multiply(m, Rotation(v->yang, 0, 1, 0));
    m = Multiply(m, Rotation(v->xang, 1, 0, 0));
    for (int i = 0; i < 16; i++) {
        projection[i] = p.m[i];
        modelview[i] = m.m[i];
    }
}

bool ProjectToWindow(const VIEW_T* v, const int viewport[4], const P3D_T* p, double* wx, double* wy,
                     double* depth)
{
    double proj[16], model[16];
    ViewMatrices(v, proj, model, viewport[3] > 0 ? double(viewport[2]) / viewport[3] : 1.0);
    double in[4] = {p->x, p->y, p->z, 1.0}, eye[4], clip[4];
    for (int r = 0; r < 4; r++) {
        eye[r] = 0.0;
        for (int k = 0; k < 4; k++)
            eye[r] += model[k * 4 + r] * in[k];
    }
    for (int r = 0; r < 4; r++) {
        clip[r] = 0.0;
        for (int k = 0; k < 4; k++)
            clip[r] += proj[k * 4 + r] * eye[k];
    }
    if (clip[3] <= 0.0)
        return false;  // behind the eye
    *wx = viewport[0] + viewport[2] * (clip[0] / clip[3] + 1.0) / 2.0;
    *wy = viewport[1] + viewport[3] * (clip[1] / clip[3] + 1.0) / 2.0;
    if (depth)
        *depth = (clip[2] / clip[3] + 1.0) / 2.0;
    return true;
}

void StatusLinePixel(int line, int* x, int* y)
{
    *x = STATUS_TEXT_LEFT;
    *y = STATUS_TEXT_FIRST + STATUS_TEXT_STEP * line;
}

void SideClockPixel(int side, int* x, int* y)
{
    StatusLinePixel(3, x, y);
    *x += SIDE_CLOCK_LEFT + SIDE_CLOCK_STEP * side;
}
