// Mesh: building triangle lists.
#include "Core/Graphics/Mesh.h"

namespace KiteFramework
{
    Mesh::Mesh() : GameComponent(CT_Mesh)
    {
    }

    GameComponent* Mesh::Clone() const
    {
        return const_cast<Mesh*>(this);
    }

    void Mesh::AddTriangle(float x1, float y1, float z1, float u1, float v1,
                           float x2, float y2, float z2, float u2, float v2,
                           float x3, float y3, float z3, float u3, float v3)
    {
        positions.push_back({x1, y1, z1});
        positions.push_back({x2, y2, z2});
        positions.push_back({x3, y3, z3});
        uvs.push_back({u1, v1});
        uvs.push_back({u2, v2});
        uvs.push_back({u3, v3});
        AddTriColor(1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
        ++numTriangles;
    }

    void Mesh::AddTriColor(float r1, float g1, float b1, float a1,
                           float r2, float g2, float b2, float a2,
                           float r3, float g3, float b3, float a3)
    {
        colours.push_back({r1, g1, b1, a1});
        colours.push_back({r2, g2, b2, a2});
        colours.push_back({r3, g3, b3, a3});
    }
}
