// The reference for the render benchmark: a small raw OpenGL program that
// draws the same moving 32-pixel alpha-blended dots in a 1600 by 900 window
// as the engine does, instanced, one draw call a frame.
// It answers commands, one a line, on its standard input:
//   frame N K       the quickest of K frames of N sprites, in ms
//   cost N K        microseconds per sprite submitted, rasterisation discarded
//   moving N K      the quickest of K frames of N sprites, moved and drawn
//                   with rasterisation discarded, in ms of thread CPU time
//   snapshot N FILE the first frame of N sprites as raw RGBA rows
//   quit
#include <GL/glew.h>
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "SpriteBenchScene.h"

using namespace SpriteBench;
using Clock = std::chrono::steady_clock;

namespace
{
    const char* vertexSource = R"(#version 330 core
layout(location = 0) in vec2 corner;
layout(location = 1) in vec2 place;
uniform mat4 projection;
uniform float size;
out vec2 uv;
void main()
{
    gl_Position = projection * vec4(place + corner * size, 0.0, 1.0);
    uv = corner + 0.5;
}
)";

    const char* fragmentSource = R"(#version 330 core
in vec2 uv;
uniform sampler2D dot;
out vec4 colour;
void main()
{
    colour = texture(dot, uv);
}
)";

    GLuint Compile(GLenum kind, const char* source)
    {
        GLuint shader = glCreateShader(kind);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        GLint ok = 0;
        glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
        if (!ok)
        {
            char log[1024];
            glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
            std::fprintf(stderr, "sprite_reference: shader: %s\n", log);
            std::exit(1);
        }
        return shader;
    }

    class Reference
    {
    public:
        bool Open()
        {
            if (SDL_Init(SDL_INIT_VIDEO) != 0)
                return false;
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
            // The same framebuffer and context as the engine's window.
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
            SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
            SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
            SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
            window = SDL_CreateWindow("Sprite reference", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                      windowWidth, windowHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
            if (!window)
                return false;
            context = SDL_GL_CreateContext(window);
            if (!context)
                return false;
            SDL_GL_SetSwapInterval(0);
            glewExperimental = GL_TRUE;
            glewInit();
            while (glGetError() != GL_NO_ERROR)
            {
            }
            Build();
            return true;
        }

        void Close()
        {
            if (context)
                SDL_GL_DeleteContext(context);
            if (window)
                SDL_DestroyWindow(window);
            SDL_Quit();
        }

        // Keeps the sprites in draw order, deeper first, as the engine sorts them.
        void Resize(std::size_t n)
        {
            while (movers.size() < n)
                movers.push_back(Start(movers.size()));
            movers.resize(n);
            order = movers;
            std::stable_sort(order.begin(), order.end(),
                             [](const Mover& a, const Mover& b) { return a.depth > b.depth; });
            places.resize(n * 2);
            if (n > capacity)
            {
                capacity = n;
                glBindBuffer(GL_ARRAY_BUFFER, placeBuffer);
                glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(capacity * 2 * sizeof(float)), nullptr,
                             GL_STREAM_DRAW);
            }
        }

        void Move()
        {
            for (std::size_t i = 0; i < order.size(); ++i)
            {
                order[i].Step();
                places[2 * i] = order[i].x;
                places[2 * i + 1] = order[i].y;
            }
        }

        // Clear, upload the places, one instanced draw.
        void Draw()
        {
            glClearColor(0.33f, 0.33f, 0.33f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glBindBuffer(GL_ARRAY_BUFFER, placeBuffer);
            glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(places.size() * sizeof(float)),
                            places.data());
            glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(order.size()));
        }

        double FrameMs(std::size_t n, int frames)
        {
            Resize(n);
            unsigned char pixel[4];
            Move();
            Draw();
            glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
            SDL_GL_SwapWindow(window);
            std::vector<double> times;
            for (int i = 0; i < frames; ++i)
            {
                const auto start = Clock::now();
                Move();
                Draw();
                // Reading a pixel waits for the drawing to finish.
                glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
                SDL_GL_SwapWindow(window);
                times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                PumpEvents();
            }
            return Quickest(times);
        }

        // CPU microseconds of the submitting thread per sprite, drawing
        // with rasterisation discarded (upload, draw, finish; not the moving).
        double CostMicroseconds(std::size_t n, int frames)
        {
            Resize(n);
            glEnable(GL_RASTERIZER_DISCARD);
            Move();
            Draw();
            glFinish();
            double total = 0.0;
            for (int i = 0; i < frames; ++i)
            {
                Move();
                const double start = ThreadCpuMs();
                Draw();
                glFinish();
                total += 1000.0 * (ThreadCpuMs() - start);
            }
            glDisable(GL_RASTERIZER_DISCARD);
            return total / frames / static_cast<double>(n);
        }

        // The whole frame of moving sprites, the moving included.
        double MovingMs(std::size_t n, int frames)
        {
            Resize(n);
            glEnable(GL_RASTERIZER_DISCARD);
            Move();
            Draw();
            glFinish();
            std::vector<double> times;
            for (int i = 0; i < frames; ++i)
            {
                const double start = ThreadCpuMs();
                Move();
                Draw();
                glFinish();
                times.push_back(ThreadCpuMs() - start);
            }
            glDisable(GL_RASTERIZER_DISCARD);
            return Quickest(times);
        }

        bool Snapshot(std::size_t n, const char* path)
        {
            Resize(n);
            for (std::size_t i = 0; i < order.size(); ++i)
            {
                places[2 * i] = order[i].x;
                places[2 * i + 1] = order[i].y;
            }
            Draw();
            std::vector<unsigned char> pixels(windowWidth * windowHeight * 4);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glReadPixels(0, 0, windowWidth, windowHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
            FILE* f = std::fopen(path, "wb");
            if (!f)
                return false;
            const bool ok = std::fwrite(pixels.data(), 1, pixels.size(), f) == pixels.size();
            return std::fclose(f) == 0 && ok;
        }

    private:
        void Build()
        {
            program = glCreateProgram();
            glAttachShader(program, Compile(GL_VERTEX_SHADER, vertexSource));
            glAttachShader(program, Compile(GL_FRAGMENT_SHADER, fragmentSource));
            glLinkProgram(program);
            glUseProgram(program);
            const glm::mat4 projection = glm::ortho(-windowWidth / 2.0f, windowWidth / 2.0f, -windowHeight / 2.0f,
                                                    windowHeight / 2.0f, 0.0f, -150.0f);
            glUniformMatrix4fv(glGetUniformLocation(program, "projection"), 1, GL_FALSE,
                               glm::value_ptr(projection));
            glUniform1f(glGetUniformLocation(program, "size"), static_cast<float>(dotSize));
            glUniform1i(glGetUniformLocation(program, "dot"), 0);

            // The dot's rows bottom first, filtered linearly, clamped.
            const std::vector<unsigned char> top = DotPixels();
            std::vector<unsigned char> rows(top.size());
            const std::size_t stride = dotSize * 4;
            for (int y = 0; y < dotSize; ++y)
                std::memcpy(&rows[y * stride], &top[(dotSize - 1 - y) * stride], stride);
            glGenTextures(1, &texture);
            glBindTexture(GL_TEXTURE_2D, texture);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, dotSize, dotSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

            // The quad's two triangles as the engine's mesh has them.
            const float corners[] = {-0.5f, -0.5f, -0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, -0.5f, -0.5f, -0.5f};
            glGenVertexArrays(1, &vertexArray);
            glBindVertexArray(vertexArray);
            GLuint cornerBuffer = 0;
            glGenBuffers(1, &cornerBuffer);
            glBindBuffer(GL_ARRAY_BUFFER, cornerBuffer);
            glBufferData(GL_ARRAY_BUFFER, sizeof(corners), corners, GL_STATIC_DRAW);
            glEnableVertexAttribArray(0);
            glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
            glGenBuffers(1, &placeBuffer);
            glBindBuffer(GL_ARRAY_BUFFER, placeBuffer);
            glEnableVertexAttribArray(1);
            glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
            glVertexAttribDivisor(1, 1);

            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            glViewport(0, 0, windowWidth, windowHeight);
        }

        void PumpEvents()
        {
            SDL_Event event;
            while (SDL_PollEvent(&event))
            {
            }
        }

        SDL_Window* window = nullptr;
        SDL_GLContext context = nullptr;
        GLuint program = 0;
        GLuint texture = 0;
        GLuint vertexArray = 0;
        GLuint placeBuffer = 0;
        std::size_t capacity = 0;
        std::vector<Mover> movers;
        std::vector<Mover> order;
        std::vector<float> places;
    };
}

int main()
{
    Reference reference;
    if (!reference.Open())
    {
        std::printf("error: no window or OpenGL context (%s)\n", SDL_GetError());
        return 1;
    }
    char line[4096];
    while (std::fgets(line, sizeof(line), stdin))
    {
        char command[32] = {0};
        char file[4000] = {0};
        unsigned long n = 0;
        unsigned long k = 0;
        const int fields = std::sscanf(line, "%31s %lu %lu", command, &n, &k);
        const std::string what = fields > 0 ? command : "";
        if (what == "frame" && fields == 3)
            std::printf("ms: %.4f\n", reference.FrameMs(n, static_cast<int>(k)));
        else if (what == "cost" && fields == 3)
            std::printf("us: %.5f\n", reference.CostMicroseconds(n, static_cast<int>(k)));
        else if (what == "moving" && fields == 3)
            std::printf("ms: %.5f\n", reference.MovingMs(n, static_cast<int>(k)));
        else if (what == "snapshot" && std::sscanf(line, "%31s %lu %3999s", command, &n, file) == 3)
            std::printf("written: %d\n", reference.Snapshot(n, file) ? 1 : 0);
        else if (what == "quit")
            break;
        else
            std::printf("error: unknown command\n");
        std::fflush(stdout);
    }
    reference.Close();
    return 0;
}
