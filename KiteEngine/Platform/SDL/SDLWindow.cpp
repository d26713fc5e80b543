// The SDL window: borderless full screen without any video mode change, and
// a compatibility-profile OpenGL context.
#include "Platform/SDL/SDLWindow.h"

#include <SDL2/SDL.h>

#include <cstdio>

#include "Platform/SDL/SDLBackend.h"

namespace KiteFramework
{
    namespace Platform
    {
        SDLWindow::SDLWindow(SDLBackend* owner_, SDL_Window* window_)
            : owner(owner_), window(window_), id(SDL_GetWindowID(window_))
        {
        }

        SDLWindow::~SDLWindow()
        {
            Release();
        }

        void SDLWindow::Release()
        {
            if (owner)
            {
                owner->WindowGone(this);
                owner = nullptr;
            }
            if (context)
            {
                SDL_GL_DeleteContext(context);
                context = nullptr;
            }
            if (window)
            {
                SDL_DestroyWindow(window);
                window = nullptr;
            }
        }

        void SDLWindow::Show()
        {
            if (!window)
                return;
            if (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED)
                SDL_RestoreWindow(window);
            SDL_ShowWindow(window);
        }

        void SDLWindow::Minimise()
        {
            if (window)
                SDL_MinimizeWindow(window);
        }

        void SDLWindow::Restore()
        {
            if (window)
                SDL_RestoreWindow(window);
        }

        bool SDLWindow::IsMinimised() const
        {
            return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
        }

        void SDLWindow::SetFullScreen(bool full)
        {
            if (!window || full == fullScreen)
                return;
            if (full)
            {
                int display = SDL_GetWindowDisplayIndex(window);
                if (display < 0)
                    display = 0;
                SDL_Rect bounds;
                if (SDL_GetDisplayBounds(display, &bounds) != 0)
                {
                    std::fprintf(stderr, "Window: cannot go full screen: %s\n", SDL_GetError());
                    return;
                }
                SDL_GetWindowPosition(window, &savedX, &savedY);
                SDL_GetWindowSize(window, &savedWidth, &savedHeight);
                haveSaved = true;
                SDL_SetWindowBordered(window, SDL_FALSE);
                SDL_SetWindowResizable(window, SDL_FALSE);
                SDL_SetWindowPosition(window, bounds.x, bounds.y);
                SDL_SetWindowSize(window, bounds.w, bounds.h);
                fullScreen = true;
            }
            else
            {
                SDL_SetWindowBordered(window, SDL_TRUE);
                SDL_SetWindowResizable(window, SDL_TRUE);
                if (haveSaved)
                {
                    SDL_SetWindowSize(window, savedWidth, savedHeight);
                    SDL_SetWindowPosition(window, savedX, savedY);
                }
                fullScreen = false;
            }
        }

        bool SDLWindow::IsFullScreen() const
        {
            return fullScreen;
        }

        void SDLWindow::GetClientSize(int& width, int& height) const
        {
            width = 0;
            height = 0;
            if (window)
                SDL_GetWindowSize(window, &width, &height);
        }

        void SDLWindow::SetTitle(const std::string& title)
        {
            if (window)
                SDL_SetWindowTitle(window, title.c_str());
        }

        bool SDLWindow::CreateGLContext()
        {
            if (!window)
                return false;
            if (context)
                return MakeCurrent();

            SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
            SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
            SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
            SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
            context = SDL_GL_CreateContext(window);
            if (!context)
            {
                const std::string firstError = SDL_GetError();
                // Drivers that refuse a versioned request often still give their
                // best context when asked for none (SDL's defaults are 2.1, no profile).
                SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
                SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
                SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
                context = SDL_GL_CreateContext(window);
                if (!context)
                {
                    std::fprintf(stderr, "Window: no OpenGL context could be made (%s; %s)\n", firstError.c_str(),
                                 SDL_GetError());
                    return false;
                }
            }
            SDL_GL_SetSwapInterval(0);
            return true;
        }

        bool SDLWindow::MakeCurrent()
        {
            return window && context && SDL_GL_MakeCurrent(window, context) == 0;
        }

        void SDLWindow::SwapBuffers()
        {
            if (window && context)
                SDL_GL_SwapWindow(window);
        }
    }
}
