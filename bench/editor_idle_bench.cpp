// The editor left alone: the processor time the whole editor process takes
// a second (every thread: the drawing library's too) while it sits in edit
// mode on Level1 with no input, and the frames it drew meanwhile. It runs the
// editor as its host program does, from the folder the game runs in (or
// beside the binaries), opens Level1, waits until the editor stops drawing
// (or 60 s), then measures.
//   editor_idle_bench [seconds]   (10 unless told)
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include <imgui.h>

#include "BenchClock.h"
#include "Core/Editor/Editor.h"
#include "Core/Editor/ImGuiBinding.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Window/Win32System.h"
#include "StartUp/GameStartUp.h"

using namespace KiteFramework;

namespace
{
    // The editor, watched: opens Level1, waits for the scene to settle, and
    // measures for the given time.
    class WatchedEditor : public Editor
    {
    public:
        WatchedEditor(Graphics* g, double seconds) : Editor(g), seconds_(seconds) {}

        void Update() override
        {
            if (!asked_ && SCENEMNGR)
            {
                SCENEMNGR->LoadLevel("Level1");
                asked_ = true;
            }
            const int before = ImGui::GetFrameCount();
            Editor::Update();
            quietUpdates_ = ImGui::GetFrameCount() == before ? quietUpdates_ + 1 : 0;
            const double now = BenchClock::Seconds(CLOCK_MONOTONIC);
            if (SCENEMNGR && SCENEMNGR->GetCurrentSceneName() == "Level1" && loaded_ == 0.0)
                loaded_ = now;
            // Settled: the scene is in and the editor has stopped drawing.
            if (loaded_ != 0.0 && start_ == 0.0 && (quietUpdates_ >= 2 || now - loaded_ > 60.0))
            {
                start_ = now;
                cpuStart_ = BenchClock::Seconds(CLOCK_PROCESS_CPUTIME_ID);
                framesStart_ = ImGui::GetFrameCount();
            }
            if (start_ != 0.0 && now - start_ >= seconds_)
            {
                const double cpu = BenchClock::Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart_;
                const double elapsed = now - start_;
                std::printf("editor idle in edit mode on Level1: %.1f s, %d frames drawn; process CPU per second: "
                            "%.1f ms (%.3f of a core)\n",
                            elapsed, ImGui::GetFrameCount() - framesStart_, 1000.0 * cpu / elapsed, cpu / elapsed);
                std::fflush(stdout);
                MessageQuit quit;
                ENGINE->BroadcastMessage(&quit);
                start_ = -1.0;
            }
        }

    private:
        double seconds_;
        bool asked_ = false;
        double loaded_ = 0.0;
        double start_ = 0.0;
        double cpuStart_ = 0.0;
        int framesStart_ = 0;
        int quietUpdates_ = 0;
    };
}

int main(int argc, char** argv)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
    {
        std::printf("editor idle: not measured (no display)\n");
        return 0;
    }
    static double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    HostSteps steps;
    steps.beforeSystems = [](Engine& engine) {
        engine.SetLogPath("/dev/null");
        engine.SetEngineStatus(ES_EDITORVIEW, true);
    };
    steps.afterSystems = [](Engine& engine) {
        auto* editor = new WatchedEditor(GRAPHICS, seconds);
        engine.AddSystem(editor);
        engine.SetEditor(editor);
        if (WINDOWSSYSTEM)
            WINDOWSSYSTEM->SetEventHook(&ImGui_ImplGlfwGL3_WindowsEventWrap);
    };
    // The loader's and editor's lines are not what is measured.
    std::freopen("/dev/null", "w", stderr);
    return RunHost("editor_idle_bench", steps);
}
