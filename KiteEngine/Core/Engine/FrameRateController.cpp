// FrameRateController: the fixed 1/60 s frame step.
#include "Core/Engine/FrameRateController.h"

#include <algorithm>
#include <iostream>
#include <thread>

#include "Platform/Platform.h"

namespace KiteFramework
{
    FrameRateController fc;

    namespace
    {
        // The wait sleeps in short slices until this much of the step is
        // left, then spins: sleeping is coarse, spinning is exact.
        const std::chrono::microseconds kSpinMargin(2000);
        const std::chrono::microseconds kSleepSlice(1000);
    }

    void FrameRateController::Start()
    {
        start = Clock::now();
    }

    void FrameRateController::Next()
    {
        const auto step = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<float>(fixedDeltaTime));
        const auto deadline = start + step;
        for (auto left = deadline - Clock::now(); left > kSpinMargin; left = deadline - Clock::now())
            std::this_thread::sleep_for(std::min<Clock::duration>(left - kSpinMargin, kSleepSlice));
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
