// QuadBatch: the frame's vertex stream, its runs and drawing them.
#include "Core/Graphics/QuadBatch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Core/Graphics/GLHeaders.h"

namespace KiteFramework
{
    namespace
    {
        // Attribute locations shared by the three quad programs.
        enum : GLuint
        {
            AttribPosition = 0,
            AttribUV = 2,
            AttribAxes = 3,
            AttribOrigin = 4,
            AttribTint = 5
        };

        void Attribute(GLuint location, GLint size, std::size_t offset)
        {
            glEnableVertexAttribArray(location);
            glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                                  reinterpret_cast<const void*>(offset));
        }
    }

    void QuadBatch::Create()
    {
        glGenVertexArrays(1, &vertexArray);
        glGenBuffers(1, &vertexBuffer);
        glGenBuffers(1, &indexBuffer);
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        Attribute(AttribPosition, 2, offsetof(QuadVertex, position));
        Attribute(AttribUV, 2, offsetof(QuadVertex, uv));
        Attribute(AttribAxes, 4, offsetof(QuadVertex, axes));
        Attribute(AttribOrigin, 4, offsetof(QuadVertex, origin));
        Attribute(AttribTint, 4, offsetof(QuadVertex, tint));
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        Reserve(1024);
        ReserveRuns(64);
        EnsureGPUCapacity(1024);
    }

    void QuadBatch::Destroy()
    {
        if (vertexArray)
            glDeleteVertexArrays(1, &vertexArray);
        if (vertexBuffer)
            glDeleteBuffers(1, &vertexBuffer);
        if (indexBuffer)
            glDeleteBuffers(1, &indexBuffer);
        vertexArray = vertexBuffer = indexBuffer = 0;
        gpuQuadCapacity = 0;
        quadCount = runCount = 0;
    }

    void QuadBatch::Reserve(std::size_t quads)
    {
        if (quads <= quadCapacity)
            return;
        const std::size_t capacity = std::max(quads, quadCapacity * 2);
        std::unique_ptr<QuadVertex[]> grown(new QuadVertex[capacity * 4]);
        std::copy(vertices.get(), vertices.get() + quadCount * 4, grown.get());
        vertices = std::move(grown);
        quadCapacity = capacity;
    }

    void QuadBatch::ReserveRuns(std::size_t n)
    {
        if (n <= runCapacity)
            return;
        const std::size_t capacity = std::max(n, runCapacity * 2);
        std::unique_ptr<Run[]> grown(new Run[capacity]);
        std::copy(runs.get(), runs.get() + runCount, grown.get());
        runs = std::move(grown);
        runCapacity = capacity;
    }

    QuadVertex* QuadBatch::Append(const QuadState& state)
    {
        if (quadCount == quadCapacity)
            Reserve(quadCount + 1);
        if (runCount == 0 || !runsOn || !(runs[runCount - 1].state == state))
        {
            if (runCount == runCapacity)
                ReserveRuns(runCount + 1);
            runs[runCount++] = Run{state, quadCount, 0};
        }
        ++runs[runCount - 1].count;
        return &vertices[4 * quadCount++];
    }

    void QuadBatch::Rewind(std::size_t quads)
    {
        if (quads >= quadCount)
            return;
        while (runCount > 0 && runs[runCount - 1].first >= quads)
            --runCount;
        if (runCount > 0)
            runs[runCount - 1].count = quads - runs[runCount - 1].first;
        quadCount = quads;
    }

    void QuadBatch::EnsureGPUCapacity(std::size_t quads)
    {
        if (quads <= gpuQuadCapacity)
            return;
        std::size_t capacity = std::max<std::size_t>(gpuQuadCapacity, 1024);
        while (capacity < quads)
            capacity *= 2;
        // Two triangles a quad over its four corners, as the basic quad has them.
        std::vector<std::uint32_t> indices(capacity * 6);
        for (std::size_t q = 0; q < capacity; ++q)
        {
            const auto v = static_cast<std::uint32_t>(4 * q);
            std::uint32_t* i = &indices[6 * q];
            i[0] = v;
            i[1] = v + 1;
            i[2] = v + 2;
            i[3] = v + 2;
            i[4] = v + 3;
            i[5] = v;
        }
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(indices[0])),
                     indices.data(), GL_STATIC_DRAW);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(capacity * 4 * sizeof(QuadVertex)), nullptr,
                     GL_STREAM_DRAW);
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        gpuQuadCapacity = capacity;
    }

    void QuadBatch::Bind(const QuadState& s, unsigned int bound[2], QuadProgram*& program)
    {
        if (s.program != program)
        {
            glUseProgram(s.program->id);
            program = s.program;
        }
        if (s.blendTexture != 0 && s.blendTexture != bound[1])
        {
            glActiveTexture(GL_TEXTURE1);
            glBindTexture(GL_TEXTURE_2D, s.blendTexture);
            glActiveTexture(GL_TEXTURE0);
            bound[1] = s.blendTexture;
        }
        if (s.texture != bound[0])
        {
            glBindTexture(GL_TEXTURE_2D, s.texture);
            bound[0] = s.texture;
        }
        // Uniform values live in the program, so each is set only when a
        // run needs another value than the program holds.
        const int blending = s.blendTexture != 0 ? 1 : 0;
        if (program->blendingLocation >= 0 && program->blending != blending)
        {
            glUniform1i(program->blendingLocation, blending);
            program->blending = blending;
        }
        const int debug = s.debug ? 1 : 0;
        if (program->debugLocation >= 0 && program->debug != debug)
        {
            glUniform1i(program->debugLocation, debug);
            program->debug = debug;
        }
    }

    void QuadBatch::Flush()
    {
        if (quadCount == 0 || vertexArray == 0)
        {
            quadCount = runCount = 0;
            return;
        }
        EnsureGPUCapacity(quadCount);
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(quadCount * 4 * sizeof(QuadVertex)),
                        vertices.get());
        glActiveTexture(GL_TEXTURE0);
        // Others bind textures between frames (loading, the font): start unknown.
        unsigned int bound[2] = {~0u, ~0u};
        QuadProgram* program = nullptr;
        for (std::size_t r = 0; r < runCount; ++r)
        {
            const Run& run = runs[r];
            if (!run.state.program)
                continue;
            Bind(run.state, bound, program);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.count * 6), GL_UNSIGNED_INT,
                           reinterpret_cast<const void*>(run.first * 6 * sizeof(std::uint32_t)));
            ++drawCalls;
            quadsDrawn += run.count;
        }
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glUseProgram(0);
        quadCount = runCount = 0;
    }
}
