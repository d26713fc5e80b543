// The reference for the start-up benchmark: the least an SDL2 and GLEW
// program does before its first frame is on the screen. It makes a window of
// the desktop's size without a border (as the game does), an OpenGL 3.3
// compatibility context, loads the entry points, clears and swaps once.
// It writes the monotonic clock after that swap, in seconds, to the file
// descriptor it is given (standard output when none), then quits.
//   first_swap_reference [fd]
#include <GL/glew.h>
#include <SDL.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace
{
    double MonotonicSeconds()
    {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    }
}

int main(int argc, char** argv)
{
    const int out = argc > 1 ? std::atoi(argv[1]) : 1;
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
    {
        std::fprintf(stderr, "first_swap_reference: %s\n", SDL_GetError());
        return 1;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
    {
        mode.w = 1600;
        mode.h = 900;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_Window* window = SDL_CreateWindow("first_swap_reference", 0, 0, mode.w, mode.h,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context)
    {
        std::fprintf(stderr, "first_swap_reference: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK)
    {
        std::fprintf(stderr, "first_swap_reference: GLEW failed\n");
        return 1;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
    }
    glClearColor(0.33f, 0.33f, 0.33f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
    const double shown = MonotonicSeconds();

    char line[64];
    const int n = std::snprintf(line, sizeof line, "%.6f\n", shown);
    if (n > 0 && write(out, line, static_cast<std::size_t>(n)) < 0)
        std::perror("first_swap_reference");
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
