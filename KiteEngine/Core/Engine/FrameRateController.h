// FrameRateController: caps the loop at the fixed step of 1/60 s and tells
// every part that step and the measured frame time.
#pragma once

#include <chrono>
#include <string>

namespace KiteFramework
{
    namespace Platform
    {
        class Window;
    }

    class FrameRateController
    {
    public:
        using Clock = std::chrono::steady_clock;

        // Starts a frame: at the last frame's deadline when that has only
        // just passed, else now.
        void Start();
        // Waits until the frame has lasted the fixed step: sleeps to an
        // absolute time some tens of microseconds short of it, then spins
        // the rest.
        void Next();
        float getFixedDeltaTime() const { return fixedDeltaTime; }
        float getActualDeltaTime() const { return actualDeltaTime; }
        void PrintOnWindow();
        std::string TitlePrint() const;
        void PrintSystemTime(std::string text) const;
        void SetFrameRate(float rate) { frameRate = rate; }
        float GetFrameRate() const { return frameRate; }
        // The window whose title PrintOnWindow sets; nothing sets it in the
        // game, so the title stays.
        void SetWindow(Platform::Window* w) { window = w; }

    private:
        float fixedDeltaTime = 1.0f / 60.0f;
        float frameRate = 60.0f;
        Clock::time_point start{};
        Clock::time_point end{};
        float actualDeltaTime = 0.0f;
        // The deadline of the last frame waited for.
        Clock::time_point lastDeadline{};
        Platform::Window* window = nullptr;
    };

    extern FrameRateController fc;
}
