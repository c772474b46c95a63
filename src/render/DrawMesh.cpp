// Drawing a piece's mesh: compiled once into a display list, so that a frame
// of 32 meshed pieces costs a call per piece instead of thousands of calls
// per piece; a closed mesh is drawn without its hidden back faces.
#include "render/piece.h"

void PIECE_C::DrawMeshImmediate()
{
    glBegin(GL_TRIANGLES);
    for (vi = 0; vi < vertices.size(); vi++) {
        const Point3D_T& v = vertices[vi];
        if (vi % 4 == 0)
            glNormal3d(v.x, v.y, v.z);
        else
            glVertex3d(v.x, v.y, v.z);
    }
    glEnd();
}

void PIECE_C::DrawMesh(bool white)
{
    if (white)
        glColor3f(0.9f, 0.9f, 0.7f);
    else
        glColor3f(0.5f, 0.5f, 0.7f);
    if (!mesh_compiled) {
        if (!mesh_list)
            mesh_list = glGenLists(1);
        if (!mesh_list) {  // no list to be had: draw the facets themselves
            DrawMeshImmediate();
            return;
        }
        glNewList(mesh_list, GL_COMPILE);
        DrawMeshImmediate();
        glEndList();
        mesh_compiled = true;
        mesh_closed = MeshIsClosed(vertices);
    }
    if (!mesh_closed) {
        glCallList(mesh_list);
        return;
    }
    // A mirroring transform (a negative scale) turns the winding round.
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    double det = m[0] * (m[5] * m[10] - m[6] * m[9]) - m[4] * (m[1] * m[10] - m[2] * m[9]) +
                 m[8] * (m[1] * m[6] - m[2] * m[5]);
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(det < 0 ? GL_CW : GL_CCW);
    glCallList(mesh_list);
    glPopAttrib();
}
