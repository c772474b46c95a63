// The keyboard callback for function, arrow and page keys.
#include "shell/shell.h"

#include "render/render.h"

#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>

static const char favview_file[] = "favview.sav";

// Any angle, brought into [0, 360).
static float Within360(float a)
{
    a = std::fmod(a, 360.0f);
    if (a < 0)
        a += 360;
    return a < 360 ? a : 0;
}

// A damaged file falls back to the default view like a missing one: its
// numbers would otherwise reach the drawing half read, or as values (not a
// number, infinite, a zoom of 0) that no save file can carry back.
static void FetchFavoriteView()
{
    printf("\nFavorite view LOADED");
    FILE* f = fopen(favview_file, "r");
    if (!f) {
        ResetView();
        return;
    }
    float xang = 0, yang = 0, scale = 0;
    int read = fscanf(f, "%g%g%g", &xang, &yang, &scale);
    fclose(f);
    if (read != 3 || !std::isfinite(xang) || !std::isfinite(yang) || !std::isfinite(scale) || scale <= 0) {
        Panic(false, "favorite view file incomplete");
        ResetView();
        return;
    }
    state.xang = Within360(xang);
    state.yang = Within360(yang);
    state.scale = scale;
}

static void StoreFavoriteView()
{
    FILE* f = fopen(favview_file, "w");
    if (f) {
        fprintf(f, "%g\n%g\n%g\n", state.xang, state.yang, state.scale);
        fclose(f);
    }
    printf("\nFavorite view SAVED");
}

// Angles stay in [0, 360).
static float Wrap(float a)
{
    if (a < 0)
        a += 360;
    if (a >= 360)
        a -= 360;
    return a;
}

void KeyboardSpecial(int c, int, int)
{
    switch (c) {
    case GLUT_KEY_F1:
        Keyboard('H', 0, 0);
        break;
    case GLUT_KEY_F2:
        ChooseModeMenu(2);
        break;
    case GLUT_KEY_F3:
        ChooseModeMenu(3);
        break;
    case GLUT_KEY_F5:
        FetchFavoriteView();
        break;
    case GLUT_KEY_F6:
        StoreFavoriteView();
        break;
    case GLUT_KEY_F7:
    case GLUT_KEY_F8: {
        int step = (glutGetModifiers() & GLUT_ACTIVE_SHIFT) ? 200 : 1;
        ReplayMoves(c == GLUT_KEY_F7 ? -step : step);
        break;
    }
    case GLUT_KEY_F9:
        if (state.demo_mode) {
            state.demo_mode = 0;
            state.stop_search = 1;
        } else {
            state.demo_mode = 1;
            ComputerTakesOver();
        }
        ShowSetting(SETTING_COMPUTER);
        break;
    case GLUT_KEY_F10:
        state.stop_search = 1;
        state.demo_mode = 0;
        state.vornak = VORNAK_OFF;
        ShowSetting(SETTING_COMPUTER);
        break;
    case GLUT_KEY_PAGE_UP:
        state.scale *= (glutGetModifiers() & GLUT_ACTIVE_SHIFT) ? 1.1f : 1.01f;
        break;
    case GLUT_KEY_PAGE_DOWN:
        state.scale /= (glutGetModifiers() & GLUT_ACTIVE_SHIFT) ? 1.1f : 1.01f;
        break;
    case GLUT_KEY_LEFT:
    case GLUT_KEY_RIGHT: {
        int mods = glutGetModifiers();
        int step = (mods & GLUT_ACTIVE_SHIFT) ? 10 : 1;
        int sense = c == GLUT_KEY_LEFT ? 1 : -1;
        if (mods & GLUT_ACTIVE_ALT) {
            // The turntable turns the other way round from yang.
            int* zang = GetZAng();
            *zang += sense * step;
            if (*zang > 359)
                *zang -= 360;
            if (*zang < 0)
                *zang += 360;
        } else {
            state.yang = Wrap(state.yang - sense * step);
        }
        break;
    }
    case GLUT_KEY_UP:
    case GLUT_KEY_DOWN: {
        int step = (glutGetModifiers() & GLUT_ACTIVE_SHIFT) ? 10 : 1;
        state.xang = Wrap(state.xang + (c == GLUT_KEY_UP ? -step : step));
        break;
    }
    default:
        printf("\nDon't know what to do with KeyboardSpecial hit: '%c' (0x%0x)", c, c);
        break;
    }
    RequestRedisplay();
}
