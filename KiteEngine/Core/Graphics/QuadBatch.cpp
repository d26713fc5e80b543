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
        // Attribute locations shared by the three quad programs; the corner's
        // position and (u, v) are read as one vector.
        enum : GLuint
        {
            AttribCorner = 0,
            AttribAxes = 3,
            AttribOrigin = 4,
            AttribTint = 5
        };

        constexpr std::size_t firstQuads = 1024;

        void Attribute(GLuint location, GLint size, std::size_t offset)
        {
            glEnableVertexAttribArray(location);
            glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                                  reinterpret_cast<const void*>(offset));
        }

        GLsizeiptr StreamBytes(std::size_t quads)
        {
            return static_cast<GLsizeiptr>(quads * 4 * sizeof(QuadVertex));
        }
    }

    void QuadBatch::Create()
    {
        glGenVertexArrays(1, &vertexArray);
        glGenBuffers(1, &indexBuffer);
        GLuint buffer = 0;
        glGenBuffers(1, &buffer);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER, StreamBytes(firstQuads), nullptr, GL_STREAM_DRAW);
        streamQuads = firstQuads;
        UseStreamBuffer(buffer);
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
        glBindVertexArray(0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        EnsureIndices(firstQuads);
        ReserveRuns(64);
    }

    void QuadBatch::Destroy()
    {
        if (mapped)
        {
            glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
            glUnmapBuffer(GL_ARRAY_BUFFER);
            glBindBuffer(GL_ARRAY_BUFFER, 0);
        }
        if (vertexArray)
            glDeleteVertexArrays(1, &vertexArray);
        if (vertexBuffer)
            glDeleteBuffers(1, &vertexBuffer);
        if (indexBuffer)
            glDeleteBuffers(1, &indexBuffer);
        vertexArray = vertexBuffer = indexBuffer = 0;
        streamQuads = indexQuads = 0;
        target = nullptr;
        targetQuads = 0;
        mapped = false;
        quadCount = runCount = 0;
    }

    void QuadBatch::UseStreamBuffer(unsigned int buffer)
    {
        vertexBuffer = buffer;
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        Attribute(AttribCorner, 4, offsetof(QuadVertex, position));
        static_assert(offsetof(QuadVertex, uv) == offsetof(QuadVertex, position) + 2 * sizeof(float),
                      "(u, v) follows the position");
        Attribute(AttribAxes, 4, offsetof(QuadVertex, axes));
        Attribute(AttribOrigin, 4, offsetof(QuadVertex, origin));
        Attribute(AttribTint, 4, offsetof(QuadVertex, tint));
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }

    bool QuadBatch::MapStream()
    {
        // The whole buffer is written anew each batch: its old contents may
        // go, so the driver need not wait for draws that still read them.
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        void* memory = glMapBufferRange(GL_ARRAY_BUFFER, 0, StreamBytes(streamQuads),
                                        GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        if (!memory)
            return false;
        target = static_cast<QuadVertex*>(memory);
        targetQuads = streamQuads;
        mapped = true;
        return true;
    }

    void QuadBatch::GrowStream(std::size_t quads)
    {
        // A bigger buffer takes over what was written so far; rare, since
        // the buffer keeps the size of the largest frame.
        const std::size_t capacity = std::max(quads, streamQuads * 2);
        GLuint grown = 0;
        glGenBuffers(1, &grown);
        glBindBuffer(GL_COPY_WRITE_BUFFER, grown);
        glBufferData(GL_COPY_WRITE_BUFFER, StreamBytes(capacity), nullptr, GL_STREAM_DRAW);
        glBindBuffer(GL_COPY_READ_BUFFER, vertexBuffer);
        if (mapped)
            glUnmapBuffer(GL_COPY_READ_BUFFER);
        mapped = false;
        glCopyBufferSubData(GL_COPY_READ_BUFFER, GL_COPY_WRITE_BUFFER, 0, 0, StreamBytes(quadCount));
        glBindBuffer(GL_COPY_READ_BUFFER, 0);
        glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
        glDeleteBuffers(1, &vertexBuffer);
        UseStreamBuffer(grown);
        streamQuads = capacity;
        // What was written stays: the new mapping is write-only, not invalidated.
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        void* memory = glMapBufferRange(GL_ARRAY_BUFFER, 0, StreamBytes(streamQuads), GL_MAP_WRITE_BIT);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        target = static_cast<QuadVertex*>(memory);
        targetQuads = memory ? streamQuads : 0;
        mapped = memory != nullptr;
    }

    void QuadBatch::ReserveFallback(std::size_t quads)
    {
        if (quads <= fallbackQuads)
            return;
        const std::size_t capacity = std::max({quads, fallbackQuads * 2, firstQuads});
        std::unique_ptr<QuadVertex[]> grown(new QuadVertex[capacity * 4]);
        if (target == fallback.get())
            std::copy(fallback.get(), fallback.get() + quadCount * 4, grown.get());
        fallback = std::move(grown);
        fallbackQuads = capacity;
    }

    void QuadBatch::MakeRoom()
    {
        if (vertexArray != 0 && (mapped || !target))
        {
            if (!target && MapStream())
                return;
            if (mapped)
            {
                GrowStream(quadCount + 1);
                if (mapped)
                    return;
                // The grown buffer could not be mapped: what was written is
                // lost, so the frame starts over in the fallback.
                quadCount = runCount = 0;
            }
        }
        // Without a mappable stream the quads go through an array of our own.
        ReserveFallback(quadCount + 1);
        target = fallback.get();
        targetQuads = fallbackQuads;
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
        if (quadCount >= targetQuads)
            MakeRoom();
        if (runCount == 0 || !runsOn || !(runs[runCount - 1].state == state))
        {
            if (runCount == runCapacity)
                ReserveRuns(runCount + 1);
            runs[runCount++] = Run{state, quadCount, 0};
        }
        ++runs[runCount - 1].count;
        return &target[4 * quadCount++];
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

    void QuadBatch::EnsureIndices(std::size_t quads)
    {
        if (quads <= indexQuads)
            return;
        std::size_t capacity = std::max(indexQuads, firstQuads);
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
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(indices[0])),
                     indices.data(), GL_STATIC_DRAW);
        glBindVertexArray(0);
        indexQuads = capacity;
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
            glBindTexture(s.layered ? GL_TEXTURE_2D_ARRAY : GL_TEXTURE_2D, s.texture);
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
#if defined(__SSE2__)
        // The corners were written past the cache: settle them first.
        _mm_sfence();
#endif
        const bool fromFallback = target != nullptr && target == fallback.get();
        bool intact = true;
        if (mapped)
        {
            glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
            // False: the buffer's memory was lost meanwhile (as a screen mode
            // change may do); the batch is dropped.
            intact = glUnmapBuffer(GL_ARRAY_BUFFER) == GL_TRUE;
            glBindBuffer(GL_ARRAY_BUFFER, 0);
            mapped = false;
        }
        target = nullptr;
        targetQuads = 0;
        if (quadCount == 0 || vertexArray == 0 || !intact)
        {
            quadCount = runCount = 0;
            return;
        }
        if (fromFallback)
        {
            if (quadCount > streamQuads)
            {
                streamQuads = std::max(quadCount, streamQuads * 2);
                glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
                glBufferData(GL_ARRAY_BUFFER, StreamBytes(streamQuads), nullptr, GL_STREAM_DRAW);
            }
            glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
            glBufferSubData(GL_ARRAY_BUFFER, 0, StreamBytes(quadCount), fallback.get());
            glBindBuffer(GL_ARRAY_BUFFER, 0);
        }
        EnsureIndices(quadCount);
        glBindVertexArray(vertexArray);
        glActiveTexture(GL_TEXTURE0);
        // Others bind textures between frames (loading, the font): start unknown.
        unsigned int bound[2] = {~0u, ~0u};
        QuadProgram* program = nullptr;
        for (std::size_t r = 0; r < runCount; ++r)
        {
            const Run& run = runs[r];
            if (!run.state.program || run.count == 0)
                continue;
            Bind(run.state, bound, program);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.count * 6), GL_UNSIGNED_INT,
                           reinterpret_cast<const void*>(run.first * 6 * sizeof(std::uint32_t)));
            ++drawCalls;
        }
        glBindVertexArray(0);
        glUseProgram(0);
        quadCount = runCount = 0;
    }
}
