// Graphics: the shared quad mesh and drawing sprites and particles with it.
#include <cmath>

#include <glm/gtc/type_ptr.hpp>

#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Mesh.h"
#include "Core/Graphics/MyGLSL.h"
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
        if (!glReady || !mesh)
            return;
        glBindVertexArray(quadVertexArray);
        const auto& positions = mesh->Positions();
        const auto& uvs = mesh->UVs();
        glBindBuffer(GL_ARRAY_BUFFER, quadPositionBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(positions.size() * sizeof(positions[0])),
                     positions.data(), GL_STATIC_DRAW);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 12, nullptr);
        glEnableVertexAttribArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, quadUVBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(uvs.size() * sizeof(uvs[0])), uvs.data(),
                     GL_DYNAMIC_DRAW);
        glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, 8, nullptr);
        glEnableVertexAttribArray(2);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindVertexArray(0);
    }

    void Graphics::BeginQuads(MyGLSL* program, const Uniforms& u)
    {
        if (boundQuadProgram == program)
            return;
        EndQuads();
        program->Start();
        glBindVertexArray(quadVertexArray);
        glEnableVertexAttribArray(0);
        glEnableVertexAttribArray(2);
        glBindBuffer(GL_ARRAY_BUFFER, quadPositionBuffer);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 12, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, quadUVBuffer);
        glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, 8, nullptr);
        // What no draw changes is set once per run of quads.
        glUniform1i(u.texture1, 0);
        glUniform1i(u.texture2, 1);
        glUniform1i(u.line, 0);
        glUniformMatrix4fv(u.view, 1, GL_FALSE, glm::value_ptr(view));
        glUniformMatrix4fv(u.projection, 1, GL_FALSE, glm::value_ptr(projection));
        glActiveTexture(GL_TEXTURE0);
        boundQuadProgram = program;
        boundTexture = 0;
        boundBlending = -1;
    }

    void Graphics::EndQuads()
    {
        if (!boundQuadProgram)
            return;
        glDisableVertexAttribArray(0);
        glDisableVertexAttribArray(2);
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        boundQuadProgram->End();
        boundQuadProgram = nullptr;
    }

    void Graphics::SetQuadTextures(const Uniforms& u, unsigned int texture, unsigned int blendTexture)
    {
        if (texture != boundTexture)
        {
            glBindTexture(GL_TEXTURE_2D, texture);
            boundTexture = texture;
        }
        const int blending = blendTexture != 0 ? 1 : 0;
        if (blending)
        {
            glActiveTexture(GL_TEXTURE1);
            glBindTexture(GL_TEXTURE_2D, blendTexture);
            glActiveTexture(GL_TEXTURE0);
        }
        if (blending != boundBlending)
        {
            glUniform1i(u.blending, blending);
            boundBlending = blending;
        }
    }

    void Graphics::DrawQuad(MyGLSL* program, const Uniforms& u, unsigned int texture, unsigned int blendTexture,
                            float blend, const std::array<std::array<float, 2>, 6>& uv,
                            const std::array<float, 4>& tint, bool debug, const glm::mat4& model, int triangles,
                            DrawMode mode)
    {
        if (!glReady || !program)
            return;
        BeginQuads(program, u);
        glBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(uv), uv.data());
        SetQuadTextures(u, texture, blendTexture);
        glUniformMatrix4fv(u.transform, 1, GL_FALSE, glm::value_ptr(model));
        glUniform4f(u.tint, tint[0], tint[1], tint[2], tint[3]);
        glUniform1i(u.debug, debug ? 1 : 0);
        glUniform1f(u.blend, blend);
        glDrawArrays(static_cast<GLenum>(mode), 0, 3 * triangles);
    }

    void Graphics::MeshDraw(Sprite* sprite, DrawMode mode)
    {
        if (!sprite || !sprite->IsRenderable())
            return;
        GameObject* owner = sprite->GetOwner();
        if (!owner || !owner->isActive())
            return;
        Transform* t = sprite->GetTransform();
        if (!t)
            return;
        unsigned int* texture = sprite->GetTexturePtr();
        if (glReady && texture && *texture != 0 && !meshes.empty())
        {
            unsigned int* blendTexture = sprite->GetBlendTexturePtr();
            // Every object draws through the one quad in the position buffer.
            DrawQuad(spriteProgram, spriteUniforms, *texture, blendTexture ? *blendTexture : 0, sprite->GetBlend(),
                     sprite->UVs(), sprite->GetTint(), sprite->getDebug(), t->GetTransformation(),
                     meshes[0]->GetNumTri(), mode);
        }
        // The object's text goes over its sprite, whether or not the text
        // draws itself as well.
        if (owner->HasComponent(CT_Text))
        {
            if (Text* text = owner->GetComponent<Text>())
            {
                Vector2D at = t->GetTransVec();
                RenderText(text->String(), at.x, at.y, text->Scale(), text->Colour3(), text->GetOffset(),
                           text->GetCentralise());
            }
        }
    }

    void Graphics::MeshPartDraw(Sprite* sprite, const Data& particle, DrawMode mode)
    {
        MeshPartDraw(sprite, std::vector<Data>{particle}, mode);
    }

    void Graphics::MeshPartDraw(Sprite* sprite, const std::vector<Data>& particles, DrawMode mode, Transform* owner)
    {
        if (!glReady || !sprite || meshes.empty() || !particleProgram)
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
        const Uniforms& u = particleUniforms;
        unsigned int* blendTexture = sprite->GetBlendTexturePtr();

        BeginQuads(particleProgram, u);
        glBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(sprite->UVs()), sprite->UVs().data());
        SetQuadTextures(u, *texture, blendTexture ? *blendTexture : 0);
        const std::array<float, 4>& tint = sprite->GetTint();
        const int vertices = 3 * meshes[0]->GetNumTri();

        for (const Data& p : particles)
        {
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
            const glm::vec4 col0 = base[0];
            const glm::vec4 col1 = base[1];
            m[0] = (c * col0 - s * col1) * p.scale;
            m[1] = (s * col0 + c * col1) * p.scale;
            glUniformMatrix4fv(u.transform, 1, GL_FALSE, glm::value_ptr(m));
            glUniform4f(u.tint, tint[0], tint[1], tint[2], tint[3]);
            glUniform1f(u.blend, sprite->GetBlend());
            glDrawArrays(static_cast<GLenum>(mode), 0, vertices);
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
