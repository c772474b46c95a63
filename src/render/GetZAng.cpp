// The turntable angle lives outside state, so a saved game does not carry it.
#include "render/render.h"

int* GetZAng()
{
    static int zang = 0;
    return &zang;
}
