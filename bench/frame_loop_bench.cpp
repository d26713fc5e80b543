// Frame loop: frames per second and the CPU time of the main thread per
// second of running, for the idle loop at the fixed 60 Hz step: once with the
// window and input only, once drawing an empty scene as the game does (clear
// and swap each frame). Runs with the real window when a display is present,
// else without one (and without drawing).
//   frame_loop_bench [seconds]
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "BenchClock.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Input.h"
#include "Core/Window/Win32System.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;

namespace
{
    // CPU time of the calling thread: the loop runs on the main thread,
    // while the drawing library may keep threads of its own.
    double ThreadCpuSeconds()
    {
        return BenchClock::Seconds(CLOCK_THREAD_CPUTIME_ID);
    }

    double ProcessCpuSeconds()
    {
        return BenchClock::Seconds(CLOCK_PROCESS_CPUTIME_ID);
    }

    // Counts frames and ends the loop after the given time.
    class StopWatchSystem : public System
    {
    public:
        explicit StopWatchSystem(double seconds) : System(ST_SceneManager), seconds_(seconds) {}
        void Update() override
        {
            if (frames_ == 0)
            {
                // What start-up loads behind its first frames is not the
                // idle loop: it is finished before the watch starts.
                if (GRAPHICS)
                    GRAPHICS->FinishLoadingTextures();
                start_ = Clock::now();
                threadStart_ = ThreadCpuSeconds();
                processStart_ = ProcessCpuSeconds();
            }
            ++frames_;
            elapsed_ = std::chrono::duration<double>(Clock::now() - start_).count();
            if (elapsed_ >= seconds_)
            {
                thread_ = ThreadCpuSeconds() - threadStart_;
                process_ = ProcessCpuSeconds() - processStart_;
                MessageQuit quit;
                ENGINE->BroadcastMessage(&quit);
            }
        }
        long frames_ = 0;
        double elapsed_ = 0.0;
        double thread_ = 0.0;
        double process_ = 0.0;

    private:
        double seconds_;
        Clock::time_point start_;
        double threadStart_ = 0.0;
        double processStart_ = 0.0;
    };

    void Run(double seconds, bool display, bool drawing)
    {
        auto* engine = new Engine();
        engine->SetLogPath("/dev/null");
        if (display)
        {
            auto* window = new Win32System("FrameLoopBench", 1600, 900);
            engine->AddSystem(window);
            engine->AddSystem(new Input());
            if (drawing)
            {
                engine->AddSystem(new Graphics(window->GetWindowHandleAddress(), 1600, 900));
                if (GRAPHICS)
                    GRAPHICS->SetBG(0.33f, 0.33f, 0.33f, 0.0f);
            }
        }
        auto* watch = new StopWatchSystem(seconds);
        engine->AddSystem(watch);
        engine->Initialise();
        if (WINDOWSSYSTEM)
            WINDOWSSYSTEM->ActivateWindow();
        engine->Loop();

        // The first frame starts the watch, so frames - 1 intervals were timed.
        const double fps = (watch->frames_ - 1) / watch->elapsed_;
        std::printf("idle frame loop (%s): %.1f s, %ld frames, %.2f frames/s; main thread CPU per second: %.1f ms "
                    "(whole process %.1f ms)\n",
                    !display ? "no window" : drawing ? "window, drawing an empty scene" : "window and input only",
                    watch->elapsed_, watch->frames_, fps, 1000.0 * watch->thread_ / watch->elapsed_,
                    1000.0 * watch->process_ / watch->elapsed_);
        std::fflush(stdout);
        engine->CleanEngine();
        delete engine;
    }
}

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const char* display = std::getenv("DISPLAY");
    const bool hasDisplay = display && *display;
    if (!hasDisplay)
    {
        Run(seconds, false, false);
        return 0;
    }
    // Each run in a process of its own, so that the second starts as fresh
    // as the first.
    const pid_t child = fork();
    if (child == 0)
    {
        Run(seconds, true, false);
        std::_Exit(0);
    }
    if (child > 0)
        waitpid(child, nullptr, 0);
    Run(seconds, true, true);
    return 0;
}
