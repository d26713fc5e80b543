// Frame loop: frames per second and the CPU time the idle loop uses per
// second of running, for the fixed-step wait as built. Runs with the real
// window when a display is present, else without one.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Input/Input.h"
#include "Core/Window/Win32System.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;

namespace
{
    double CpuSeconds()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
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
                start_ = Clock::now();
                cpuStart_ = CpuSeconds();
            }
            ++frames_;
            elapsed_ = std::chrono::duration<double>(Clock::now() - start_).count();
            if (elapsed_ >= seconds_)
            {
                cpu_ = CpuSeconds() - cpuStart_;
                MessageQuit quit;
                ENGINE->BroadcastMessage(&quit);
            }
        }
        long frames_ = 0;
        double elapsed_ = 0.0;
        double cpu_ = 0.0;

    private:
        double seconds_;
        Clock::time_point start_;
        double cpuStart_ = 0.0;
    };
}

int main(int argc, char** argv)
{
    double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    bool display = std::getenv("DISPLAY") != nullptr;

    auto* engine = new Engine();
    engine->SetLogPath("/dev/null");
    if (display)
    {
        engine->AddSystem(new Win32System("FrameLoopBench", 1600, 900));
        engine->AddSystem(new Input());
    }
    auto* watch = new StopWatchSystem(seconds);
    engine->AddSystem(watch);
    engine->Initialise();
    if (WINDOWSSYSTEM)
        WINDOWSSYSTEM->ActivateWindow();
    engine->Loop();

    // The first frame starts the watch, so frames - 1 intervals were timed.
    double fps = (watch->frames_ - 1) / watch->elapsed_;
    std::printf("frame loop (%s): %.1f s, %ld frames, %.2f frames/s\n", display ? "window" : "no window",
                watch->elapsed_, watch->frames_, fps);
    std::printf("CPU time per second of running: %.1f ms (%.1f%% of one core)\n",
                1000.0 * watch->cpu_ / watch->elapsed_, 100.0 * watch->cpu_ / watch->elapsed_);
    engine->CleanEngine();
    delete engine;
    return 0;
}
