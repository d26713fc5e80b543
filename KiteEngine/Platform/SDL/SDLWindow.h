// The game window on SDL, with its OpenGL context.
#pragma once

#include <SDL2/SDL_video.h>

#include "Platform/Platform.h"

namespace KiteFramework
{
    namespace Platform
    {
        class SDLBackend;

        class SDLWindow : public Window
        {
        public:
            SDLWindow(SDLBackend* owner, SDL_Window* window);
            ~SDLWindow() override;

            void Show() override;
            void Minimise() override;
            void Restore() override;
            bool IsMinimised() const override;
            void SetFullScreen(bool fullScreen) override;
            bool IsFullScreen() const override;
            void GetClientSize(int& width, int& height) const override;
            void SetTitle(const std::string& title) override;
            bool CreateGLContext() override;
            bool MakeCurrent() override;
            void SwapBuffers() override;

            Uint32 GetID() const { return id; }
            SDL_Window* GetNative() const { return window; }

            // Frees the context and the window now; the back end calls this
            // when it shuts SDL down before the window object is deleted.
            void Release();

        private:
            SDLBackend* owner;
            SDL_Window* window;
            SDL_GLContext context = nullptr;
            Uint32 id;
            bool fullScreen = false;
            // The windowed placement kept while full screen.
            bool haveSaved = false;
            int savedX = 0;
            int savedY = 0;
            int savedWidth = 0;
            int savedHeight = 0;
        };
    }
}
