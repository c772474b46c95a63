// Reading the selection buffer: the first record that names a square or a
// post decides, in drawing order rather than by depth.
#include "render/render.h"

#include <cstdio>

SQ_T ParsePickHits(const GLuint* buffer, int buffer_size, int hits, int x, int y)
{
    // A full buffer makes OpenGL report -1 hits; the records that fit are
    // still there, so walk them as far as they go.
    int at = 0;
    for (int h = 0; (hits < 0 || h < hits) && at + 3 <= buffer_size; h++) {
        int names = int(buffer[at]);
        const GLuint* name = buffer + at + 3;
        if (names < 0 || at + 3 + names > buffer_size)
            break;
        at += 3 + names;
        if (names == 2) {
            // Posts carry their board code as the second name.
            if (name[0] == 2 && name[1] > 8)
                return name[1];
            return name[0] * 8 + name[1];
        }
        printf("\nx=%d y=%d hits=%d", x, y, hits);
        printf("\n number of names for this hit = %d; names are", names);
        for (int i = 0; i < names; i++)
            printf(" %d", int(name[i]));
        printf("\n");
    }
    return NO_SQUARE;
}
