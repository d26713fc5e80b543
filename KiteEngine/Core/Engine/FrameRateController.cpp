// FrameRateController: the fixed 1/60 s frame step.
#include "Core/Engine/FrameRateController.h"

#include <time.h>

#include <cerrno>
#include <iostream>

#include "Platform/Platform.h"

namespace KiteFramework
{
    FrameRateController fc;

    namespace
    {
        // The wait sleeps to this much before the deadline, then spins:
        // a wake-up can come late by the timer slack and scheduling, the
        // spin makes the end exact.
        const std::chrono::microseconds kSpinMargin(250);

        // Sleeps until an absolute time on the steady clock (which is
        // CLOCK_MONOTONIC here), so a late wake-up never adds to the next.
        void SleepUntil(FrameRateController::Clock::time_point until)
        {
            const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(until.time_since_epoch());
            timespec at{};
            at.tv_sec = static_cast<time_t>(since.count() / 1000000000);
            at.tv_nsec = static_cast<long>(since.count() % 1000000000);
            while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR)
            {
            }
        }
    }

    void FrameRateController::Start()
    {
        start = Clock::now();
    }

    void FrameRateController::Next()
    {
        const auto step = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<float>(fixedDeltaTime));
        const auto deadline = start + step;
        if (deadline - Clock::now() > kSpinMargin)
            SleepUntil(deadline - kSpinMargin);
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
