// Graphics: the shared quad mesh and drawing sprites and particles with it.
#include <cmath>

#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Mesh.h"
#include "Core/Graphics/MyGLSL.h"
#include "Core/Graphics/QuadBatch.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    void Graphics::MeshStart()
    {
        delete meshUnderConstruction;
        meshUnderConstruction = new Mesh();
    }

    void Graphics::AddTri(float x1, float y1, float z1, float u1, float v1,
                          float x2, float y2, float z2, float u2, float v2,
                          float x3, float y3, float z3, float u3, float v3)
    {
        if (meshUnderConstruction)
            meshUnderConstruction->AddTriangle(x1, y1, z1, u1, v1, x2, y2, z2, u2, v2, x3, y3, z3, u3, v3);
    }

    Mesh* Graphics::MeshEnd()
    {
        if (!meshUnderConstruction)
            return nullptr;
        meshes.push_back(meshUnderConstruction);
        meshUnderConstruction = nullptr;
        return meshes.back();
    }

    void Graphics::CreateBasicMesh()
    {
        MeshStart();
        AddTri(-0.5f, -0.5f, 0.0f, 0.0f, 0.0f,
               -0.5f, 0.5f, 0.0f, 0.0f, 1.0f,
               0.5f, 0.5f, 0.0f, 1.0f, 1.0f);
        AddTri(0.5f, 0.5f, 0.0f, 1.0f, 1.0f,
               0.5f, -0.5f, 0.0f, 1.0f, 0.0f,
               -0.5f, -0.5f, 0.0f, 0.0f, 0.0f);
        MeshEnd();
    }

    Mesh* Graphics::GetMesh(MeshType type)
    {
        const auto index = static_cast<std::size_t>(type);
        return index < meshes.size() ? meshes[index] : nullptr;
    }

    void Graphics::BindBasic(const Mesh* mesh)
    {
        if (!mesh)
            return;
        // The quad's four corners, from its six vertices: bottom-left,
        // top-left, top-right (vertices 0 to 2) and bottom-right (vertex 4).
        const auto& positions = mesh->Positions();
        if (positions.size() < 5)
            return;
        std::array<std::array<float, 2>, 4> corners{};
        const std::size_t from[4] = {0, 1, 2, 4};
        for (std::size_t k = 0; k < 4; ++k)
            corners[k] = {positions[from[k]][0], positions[from[k]][1]};
        batch->SetCorners(corners);
    }

    QuadState Graphics::StateOf(QuadProgram* general, QuadProgram* plain, QuadProgram* white, unsigned int texture,
                                unsigned int blendTexture, float blend, bool debug,
                                const std::array<float, 4>& tint) const
    {
        // A blend texture at weight 0 (or below, clamped) changes no pixel,
        // nor does a white tint.
        if (!shortcuts || debug || (blendTexture != 0 && blend > 0.0f))
            return QuadState{general, texture, blendTexture, debug};
        const bool isWhite = tint[0] == 1.0f && tint[1] == 1.0f && tint[2] == 1.0f && tint[3] == 1.0f;
        return QuadState{isWhite ? white : plain, texture, 0, false};
    }

    void Graphics::AppendQuad(const QuadState& state, float blend, const std::array<std::array<float, 2>, 6>& uv,
                              const std::array<float, 4>& tint, const glm::mat4& model)
    {
        // Built on the stack and written whole, a vector at a time.
        QuadVertex q{{0.0f, 0.0f},
                     {0.0f, 0.0f},
                     {model[0][0], model[0][1], model[1][0], model[1][1]},
                     {model[3][0], model[3][1], model[3][2], blend},
                     {tint[0], tint[1], tint[2], tint[3]}};
        QuadVertex* v = batch->Append(state);
        const auto& corners = batch->Corners();
        // The four distinct vertices of the six: 0, 1, 2 and 4.
        const std::size_t from[4] = {0, 1, 2, 4};
        for (std::size_t k = 0; k < 4; ++k)
        {
            q.position[0] = corners[k][0];
            q.position[1] = corners[k][1];
            q.uv[0] = uv[from[k]][0];
            q.uv[1] = uv[from[k]][1];
            WriteCorner(v + k, q);
        }
    }

    void Graphics::MeshDraw(Sprite* sprite, DrawMode)
    {
        if (!sprite || !sprite->IsShown() || !sprite->IsOwnerActive())
            return;
        Transform* t = sprite->GetTransform();
        if (!t)
            return;
        unsigned int* texture = sprite->GetTexturePtr();
        // A sprite with no opacity left (a fade run out) leaves every pixel
        // as it was: the colour is clamped, then blended by its own alpha.
        // It is not drawn, unless its outline shows; a faded overlay the
        // size of the screen would cost the whole screen's shading a frame.
        const bool clear = sprite->GetTint()[3] <= 0.0f && !sprite->getDebug();
        if (glReady && texture && *texture != 0 && !clear)
        {
            unsigned int* blendTexture = sprite->GetBlendTexturePtr();
            const float blend = sprite->GetBlend();
            AppendQuad(StateOf(spriteQuads.get(), plainSprite, whiteSprite, *texture, blendTexture ? *blendTexture : 0,
                               blend, sprite->getDebug(), sprite->GetTint()),
                       blend, sprite->UVs(), sprite->GetTint(), t->GetTransformation());
        }
        // The object's text goes over its sprite, whether or not the text
        // draws itself as well.
        if (Text* text = sprite->GetOwnerText())
        {
            if (glReady && textProgram)
            {
                const Vector2D at = t->GetTransVec();
                DrawGlyphQuads(text->Layout(*this), at.x, at.y, text->Colour3());
            }
        }
    }

    void Graphics::MeshPartDraw(Sprite* sprite, const Data& particle, DrawMode)
    {
        AppendParticles(sprite, &particle, 1, nullptr);
    }

    void Graphics::MeshPartDraw(Sprite* sprite, const std::vector<Data>& particles, DrawMode, Transform* owner)
    {
        AppendParticles(sprite, particles.data(), particles.size(), owner);
    }

    void Graphics::AppendParticles(Sprite* sprite, const Data* particles, std::size_t count, Transform* owner)
    {
        if (!glReady || !sprite || !particleProgram)
            return;
        unsigned int* texture = sprite->GetTexturePtr();
        if (!texture || *texture == 0)
            return;
        Transform* t = owner ? owner : sprite->GetTransform();
        if (!t)
            return;
        // The owner may not have been drawn (and so not rebuilt) this frame.
        t->Update();
        const glm::mat4 base = t->GetTransformation();
        unsigned int* blendTexture = sprite->GetBlendTexturePtr();
        const float blend = sprite->GetBlend();
        const QuadState state =
            StateOf(particleQuads.get(), plainParticle, whiteParticle, *texture, blendTexture ? *blendTexture : 0, blend,
                    false, sprite->GetTint());
        const glm::vec4 col0 = base[0];
        const glm::vec4 col1 = base[1];
        for (std::size_t i = 0; i < count; ++i)
        {
            const Data& p = particles[i];
            if (!p.alive)
                continue;
            // The owner's matrix, moved to the particle, turned by its angle
            // (degrees, clockwise as for transforms) and scaled by its scale.
            glm::mat4 m = base;
            m[3][0] += p.position.x;
            m[3][1] += p.position.y;
            const float a = p.angle * 0.017453292f;
            const float s = std::sin(a);
            const float c = std::cos(a);
            m[0] = (c * col0 - s * col1) * p.scale;
            m[1] = (s * col0 + c * col1) * p.scale;
            AppendQuad(state, blend, sprite->UVs(), sprite->GetTint(), m);
        }
    }

    bool Graphics::ReadPixels(int x, int y, int w, int h, std::vector<unsigned char>& rgba) const
    {
        if (!glReady || w <= 0 || h <= 0)
            return false;
        rgba.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4u, 0);
        GLint alignment = 4;
        glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        glPixelStorei(GL_PACK_ALIGNMENT, alignment);
        return glGetError() == GL_NO_ERROR;
    }
}
