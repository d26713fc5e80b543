// Mesh: triangles with positions, texture coordinates and colours. Graphics
// owns every mesh; objects share the basic quad and never delete it.
#pragma once

#include <array>
#include <vector>

#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class Mesh : public GameComponent
    {
    public:
        Mesh();
        ~Mesh() override = default;

        // Meshes are shared: a clone is the same mesh.
        GameComponent* Clone() const override;

        void AddTriangle(float x1, float y1, float z1, float u1, float v1,
                         float x2, float y2, float z2, float u2, float v2,
                         float x3, float y3, float z3, float u3, float v3);
        void AddTriColor(float r1, float g1, float b1, float a1,
                         float r2, float g2, float b2, float a2,
                         float r3, float g3, float b3, float a3);

        int GetNumTri() const { return numTriangles; }
        std::vector<std::array<float, 3>> GetPos() const { return positions; }
        std::vector<std::array<float, 2>> GetUV() const { return uvs; }
        std::vector<std::array<float, 4>> GetColor() const { return colours; }
        // Without copying, for the upload to the GPU.
        const std::vector<std::array<float, 3>>& Positions() const { return positions; }
        const std::vector<std::array<float, 2>>& UVs() const { return uvs; }

    private:
        int numTriangles = 0;
        std::vector<std::array<float, 4>> colours;
        std::vector<std::array<float, 3>> positions;
        std::vector<std::array<float, 2>> uvs;
    };
}
