// Whether a mesh is closed and wound outwards, so that culling its back
// faces cannot change the picture. A mesh from elsewhere may have holes or
// stray facets; such a mesh is drawn with both sides.
#include "render/piece.h"

#include <array>
#include <map>

bool MeshIsClosed(const std::vector<Point3D_T>& vertices)
{
    size_t facets = vertices.size() / 4;
    if (facets == 0)
        return false;
    std::map<std::array<double, 6>, int> edges;
    double volume = 0;
    for (size_t f = 0; f < facets; f++) {
        const Point3D_T* c = &vertices[4 * f + 1];
        volume += c[0].x * (c[1].y * c[2].z - c[1].z * c[2].y) + c[0].y * (c[1].z * c[2].x - c[1].x * c[2].z) +
                  c[0].z * (c[1].x * c[2].y - c[1].y * c[2].x);
        for (int k = 0; k < 3; k++) {
            const Point3D_T& s = c[k];
            const Point3D_T& t = c[(k + 1) % 3];
            if (++edges[{s.x, s.y, s.z, t.x, t.y, t.z}] > 1)
                return false;  // two facets running the same way along an edge
        }
    }
    for (const auto& e : edges) {
        const auto& k = e.first;
        if (!edges.count({k[3], k[4], k[5], k[0], k[1], k[2]}))
            return false;  // an edge of one facet only: a hole
    }
    return volume > 0;
}
