// The ASCII STL reader.
#include "render/piece.h"

#include <cstdio>
#include <cstring>

void PIECE_C::MeshRead(const char* fileName)
{
    // 1. A second reading replaces the mesh rather than adding to it.
    mesh_ready = false;
    mesh_compiled = false;
    vertices.clear();
    vi = 0;
    filename = fileName;
    int pCnt = 4, vCnt = 0;
    FILE* f = fopen(fileName, "r");
    if (!f)
        return;

    // 2. Keywords ("facet normal", "vertex", "outer loop") are letters and
    // spaces; whatever follows them is tried as three numbers. A tab ends the
    // skip, so a tab-indented line yields no point.
    char line[100];
    while (fgets(line, sizeof line, f)) {
        // Only the first 99 characters of a line count: the rest of a longer
        // one is dropped, or it would be read as a line of its own and put
        // the normals and vertices out of step.
        if (!strchr(line, '\n')) {
            int c;
            while ((c = fgetc(f)) != EOF && c != '\n') {
            }
        }
        const char* p = line;
        while ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || *p == ' ')
            p++;
        char numbers[40];
        size_t n;
        for (n = 0; n < sizeof numbers - 1 && p[n]; n++)
            numbers[n] = p[n];
        numbers[n] = '\0';
        Point3D_T point;
        if (sscanf(numbers, "%lf%lf%lf", &point.x, &point.y, &point.z) == 3) {
            vertices.push_back(point);
            vCnt++;
        }
        pCnt++;
    }

    // 3.
    mesh_ready = vertices.size() > 2;
    fclose(f);
    printf("\n%s - pCnt %d vCnt %d size %d\n", fileName, pCnt, vCnt, int(vertices.size()));
}
