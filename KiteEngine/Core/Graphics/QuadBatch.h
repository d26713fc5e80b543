// QuadBatch: every quad of a frame (sprites, particles, glyphs) written into
// one vertex stream and drawn in runs, one draw call for each stretch of
// consecutive quads that share program, textures and outline state. Quads
// are written straight into the mapped vertex buffer; the stream and index
// buffers persist and only grow, so a frame allocates nothing once the
// largest frame has been seen. Graphics internals only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace KiteFramework
{
    // One corner of a quad, as the three quad programs read it.
    struct alignas(16) QuadVertex
    {
        // Sprites and particles: the mesh corner in model units; glyphs: the
        // corner in world units.
        float position[2];
        float uv[2];
        // Columns 0 and 1 of the model matrix (x and y of each).
        float axes[4];
        // Column 3 of the model matrix (x, y, z) and the blend weight.
        float origin[4];
        float tint[4];
    };

    // Writes one corner into the stream. The stream is read only after the
    // frame is written, long after these lines have left the cache, so the
    // stores bypass it (no reading of each line before writing it).
    inline void WriteCorner(QuadVertex* to, const QuadVertex& from)
    {
#if defined(__SSE2__)
        if ((reinterpret_cast<std::uintptr_t>(to) & 15u) == 0)
        {
            const float* s = from.position;
            float* d = to->position;
            _mm_stream_ps(d, _mm_loadu_ps(s));
            _mm_stream_ps(d + 4, _mm_loadu_ps(s + 4));
            _mm_stream_ps(d + 8, _mm_loadu_ps(s + 8));
            _mm_stream_ps(d + 12, _mm_loadu_ps(s + 12));
            return;
        }
#endif
        *to = from;
    }

    // A program that draws quads from the stream, with the uniforms a run
    // may change and what they were last set to.
    struct QuadProgram
    {
        unsigned int id = 0;
        int blendingLocation = -1;
        int debugLocation = -1;
        int blending = -1;
        int debug = -1;
    };

    // What every quad of one draw call shares.
    struct QuadState
    {
        QuadProgram* program = nullptr;
        unsigned int texture = 0;
        unsigned int blendTexture = 0;
        bool debug = false;
        // The texture is an array of layers (the font's glyphs), not a 2D image.
        bool layered = false;

        bool operator==(const QuadState& o) const
        {
            return program == o.program && texture == o.texture && blendTexture == o.blendTexture &&
                   debug == o.debug && layered == o.layered;
        }
    };

    class QuadBatch
    {
    public:
        QuadBatch() = default;
        ~QuadBatch() = default;
        QuadBatch(const QuadBatch&) = delete;
        QuadBatch& operator=(const QuadBatch&) = delete;

        // Makes the vertex array and buffers; needs a current context.
        void Create();
        // Deletes them; needs the same context.
        void Destroy();

        // The four model-space corners every sprite and particle quad uses:
        // bottom-left, top-left, top-right, bottom-right.
        void SetCorners(const std::array<std::array<float, 2>, 4>& corners) { this->corners = corners; }
        const std::array<std::array<float, 2>, 4>& Corners() const { return corners; }

        // Room for one more quad drawn with the given state; the caller
        // fills the four vertices (bottom-left, top-left, top-right,
        // bottom-right as the triangles (0, 1, 2) and (2, 3, 0)).
        QuadVertex* Append(const QuadState& state);
        // Drops the quads queued after the first `quads` ones.
        void Rewind(std::size_t quads);
        // Ends the writing (unmaps the stream) and draws every run in order.
        void Flush();

        // With runs off, every quad is its own draw call (for comparing).
        void SetRuns(bool on) { runsOn = on; }
        std::size_t PendingQuads() const { return quadCount; }
        // Draw calls since the last ResetCounts.
        std::size_t DrawCalls() const { return drawCalls; }
        void ResetCounts() { drawCalls = 0; }

    private:
        struct Run
        {
            QuadState state;
            std::size_t first;
            std::size_t count;
        };

        // Makes room for at least one more quad where Append writes.
        void MakeRoom();
        bool MapStream();
        void GrowStream(std::size_t quads);
        void UseStreamBuffer(unsigned int buffer);
        void ReserveFallback(std::size_t quads);
        void ReserveRuns(std::size_t n);
        void EnsureIndices(std::size_t quads);
        void Bind(const QuadState& state, unsigned int bound[2], QuadProgram*& program);

        std::array<std::array<float, 2>, 4> corners{{{-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}}};
        // Where quads are written: the mapped stream, or the fallback array
        // when the stream cannot be mapped; null between batches.
        QuadVertex* target = nullptr;
        std::size_t targetQuads = 0;
        bool mapped = false;
        std::unique_ptr<QuadVertex[]> fallback;
        std::size_t fallbackQuads = 0;
        std::size_t quadCount = 0;
        std::unique_ptr<Run[]> runs;
        std::size_t runCapacity = 0;
        std::size_t runCount = 0;
        bool runsOn = true;

        unsigned int vertexArray = 0;
        unsigned int vertexBuffer = 0;
        unsigned int indexBuffer = 0;
        std::size_t streamQuads = 0;
        std::size_t indexQuads = 0;
        std::size_t drawCalls = 0;
    };
}
