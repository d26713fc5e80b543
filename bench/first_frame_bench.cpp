// Start-up: the time from starting the game program to the first frame drawn
// of its splash scene, and to the first frame of Level1 after F11 is pressed
// on that splash. Each run is a fresh process (this program started again),
// timed from just before it is started, so the program's loading counts too.
// Each run also starts first_swap_reference (beside this program), a bare
// SDL2 and GLEW program, and times its first swap the same way: the ratio of
// the two says what the game adds to what any program pays on this machine.
// Needs a display (Xvfb will do); run from the folder the game runs in, or
// from beside the binaries (the window then takes its default size).
//   first_frame_bench [runs]   (5 runs unless told)
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Window/Win32System.h"
#include "Platform/Platform.h"
#include "Platform/VirtualKeys.h"
#include "StartUp/GameStartUp.h"

using namespace KiteFramework;

namespace
{
    double MonotonicSeconds()
    {
        return BenchClock::Seconds(CLOCK_MONOTONIC);
    }

    // Runs after Graphics in every frame (in the editor's slot, which the
    // game leaves empty): the scene it sees was drawn in this frame.
    class FrameProbe : public System
    {
    public:
        explicit FrameProbe(int out) : System(ST_Editor), out_(out) {}

        void Update() override
        {
            const std::string scene = SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
            if (splash_ == 0.0 && scene == "Splash1")
            {
                splash_ = MonotonicSeconds();
                PressF11();
            }
            else if (splash_ != 0.0 && scene == "Level1")
            {
                const double level = MonotonicSeconds();
                char line[128];
                const int n = std::snprintf(line, sizeof line, "%.6f %.6f\n", splash_, level);
                if (n > 0 && write(out_, line, static_cast<std::size_t>(n)) < 0)
                    std::perror("first_frame_bench");
                MessageQuit quit;
                ENGINE->BroadcastMessage(&quit);
            }
            else if (++frames_ > 6000)
            {
                // Neither scene came: give up rather than run forever.
                MessageQuit quit;
                ENGINE->BroadcastMessage(&quit);
            }
        }

    private:
        static void PressF11()
        {
            if (!WINDOWSSYSTEM)
                return;
            Platform::Event key;
            key.vk = VK::F11;
            key.type = Platform::EventType::KeyDown;
            WINDOWSSYSTEM->WndProc(key);
            key.type = Platform::EventType::KeyUp;
            WINDOWSSYSTEM->WndProc(key);
        }

        int out_;
        double splash_ = 0.0;
        long frames_ = 0;
    };

    int RunOnce(int out)
    {
        HostSteps steps;
        steps.beforeSystems = [](Engine& engine) { engine.SetLogPath("/dev/null"); };
        steps.afterSystems = [out](Engine& engine) { engine.AddSystem(new FrameProbe(out)); };
        return RunHost("first_frame_bench", steps);
    }

    // Starts this program again to run the game once; the two times after
    // the start, or false when the run gave none.
    bool TimeOneRun(const char* self, double& splash, double& level)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        const double start = MonotonicSeconds();
        const pid_t child = fork();
        if (child == 0)
        {
            close(fds[0]);
            // The loader's lines are not what is measured here.
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
            const std::string fd = std::to_string(fds[1]);
            execl(self, self, "--once", fd.c_str(), static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        close(fds[1]);
        if (child < 0)
        {
            close(fds[0]);
            return false;
        }
        std::string answer;
        char buffer[256];
        ssize_t got = 0;
        while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
            answer.append(buffer, static_cast<std::size_t>(got));
        close(fds[0]);
        waitpid(child, nullptr, 0);
        double a = 0.0;
        double b = 0.0;
        if (std::sscanf(answer.c_str(), "%lf %lf", &a, &b) != 2)
            return false;
        splash = a - start;
        level = b - start;
        return true;
    }

    // Starts the bare reference program; the time of its first swap after
    // the start, or false when it gave none.
    bool TimeReference(const std::string& program, double& shown)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        const double start = MonotonicSeconds();
        const pid_t child = fork();
        if (child == 0)
        {
            close(fds[0]);
            std::freopen("/dev/null", "w", stdout);
            const std::string fd = std::to_string(fds[1]);
            execl(program.c_str(), program.c_str(), fd.c_str(), static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        close(fds[1]);
        if (child < 0)
        {
            close(fds[0]);
            return false;
        }
        std::string answer;
        char buffer[128];
        ssize_t got = 0;
        while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
            answer.append(buffer, static_cast<std::size_t>(got));
        close(fds[0]);
        waitpid(child, nullptr, 0);
        double a = 0.0;
        if (std::sscanf(answer.c_str(), "%lf", &a) != 1)
            return false;
        shown = a - start;
        return true;
    }

    std::string ReferencePath()
    {
        char self[4096];
        const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        if (n <= 0)
            return "first_swap_reference";
        const std::string path(self, static_cast<std::size_t>(n));
        return path.substr(0, path.rfind('/') + 1) + "first_swap_reference";
    }

    double Median(std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
    }
}

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--once") == 0)
        return RunOnce(std::atoi(argv[2]));
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
    {
        std::printf("first frame: not measured (no display)\n");
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string reference = ReferencePath();
    std::vector<double> splashes;
    std::vector<double> levels;
    std::vector<double> references;
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i)
    {
        // The two take turns going first, so that neither always finds the
        // caches the other warmed.
        double shown = 0.0;
        double splash = 0.0;
        double level = 0.0;
        bool haveReference = false;
        if (i % 2 == 0)
            haveReference = TimeReference(reference, shown);
        const bool haveGame = TimeOneRun("/proc/self/exe", splash, level);
        if (i % 2 == 1)
            haveReference = TimeReference(reference, shown);
        if (!haveGame)
        {
            std::printf("run %d: the game drew neither scene\n", i + 1);
            continue;
        }
        std::printf("run %d: first frame of Splash1 %.0f ms after start; first frame of Level1 %.0f ms after "
                    "start (%.0f ms after F11)",
                    i + 1, 1000.0 * splash, 1000.0 * level, 1000.0 * (level - splash));
        if (haveReference)
        {
            std::printf("; reference's first swap %.0f ms: %.2fx", 1000.0 * shown, splash / shown);
            references.push_back(shown);
            ratios.push_back(splash / shown);
        }
        std::printf("\n");
        std::fflush(stdout);
        splashes.push_back(splash);
        levels.push_back(level);
    }
    if (splashes.empty())
        return 1;
    std::printf("first frame of Splash1: min %.0f ms, median %.0f ms; first frame of Level1 after F11: min %.0f ms, "
                "median %.0f ms after start (%d runs)\n",
                1000.0 * *std::min_element(splashes.begin(), splashes.end()), 1000.0 * Median(splashes),
                1000.0 * *std::min_element(levels.begin(), levels.end()), 1000.0 * Median(levels),
                static_cast<int>(splashes.size()));
    if (references.empty())
        std::printf("reference (%s): did not run\n", reference.c_str());
    else
        std::printf("reference's first swap: min %.0f ms, median %.0f ms; Splash1 to reference: median %.2fx "
                    "(engine %.0f ms, reference %.0f ms by medians)\n",
                    1000.0 * *std::min_element(references.begin(), references.end()), 1000.0 * Median(references),
                    Median(ratios), 1000.0 * Median(splashes), 1000.0 * Median(references));
    return 0;
}
