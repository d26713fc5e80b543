// FrameRateController: the fixed 1/60 s frame step.
#include "Core/Engine/FrameRateController.h"

#include <iostream>
#include <thread>

#include "Platform/Platform.h"

namespace KiteFramework
{
    FrameRateController fc;

    namespace
    {
        // The wait sleeps until this much of the step is left, then spins:
        // sleeping is coarse, spinning is exact.
        const std::chrono::microseconds kSpinMargin(1500);
    }

    void FrameRateController::Start()
    {
        start = Clock::now();
    }

    void FrameRateController::Next()
    {
        const auto step = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<float>(fixedDeltaTime));
        const auto deadline = start + step;
        auto now = Clock::now();
        if (deadline - now > kSpinMargin)
            std::this_thread::sleep_until(deadline - kSpinMargin);
        do
        {
            end = Clock::now();
            actualDeltaTime = std::chrono::duration<float>(end - start).count();
        } while (actualDeltaTime < fixedDeltaTime);
    }

    void FrameRateController::PrintOnWindow()
    {
        if (!window)
            return;
        window->SetTitle("Kite   FPS: " + std::to_string(1.0f / actualDeltaTime) +
                         "   FrameTime: " + std::to_string(fixedDeltaTime));
    }

    std::string FrameRateController::TitlePrint() const
    {
        return "Kite    FPS: " + std::to_string(1.0f / actualDeltaTime) +
               "   FrameTime: " + std::to_string(actualDeltaTime);
    }

    void FrameRateController::PrintSystemTime(std::string text) const
    {
        std::cout << text << fixedDeltaTime << std::endl;
    }
}
