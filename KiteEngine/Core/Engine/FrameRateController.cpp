// FrameRateController: the fixed 1/60 s frame step.
#include "Core/Engine/FrameRateController.h"

#include <sys/prctl.h>
#include <time.h>

#include <cerrno>
#include <iostream>

#include "Platform/Platform.h"

namespace KiteFramework
{
    FrameRateController fc;

    namespace
    {
        // The wait sleeps to a short margin before the deadline, then spins
        // the rest: with the thread's timer slack at its least, a wake-up on
        // an idle machine comes within tens of microseconds; on a busy one
        // it comes late by scheduling, which no spin of a fraction of a
        // millisecond would cover, so the margin stays small and fixed.
        const std::chrono::microseconds kSpinMargin(60);
        // How late a frame may start and still keep the last one's timeline.
        const std::chrono::microseconds kKeepTimeline(2000);

        // The kernel may defer a sleeping thread's wake-up by its timer slack
        // (50 microseconds by default) to batch timers; the frame wait wants
        // it on time.
        void LeastTimerSlack()
        {
            thread_local bool set = false;
            if (!set)
                prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
            set = true;
        }

        // Sleeps until an absolute time on the steady clock (which is
        // CLOCK_MONOTONIC here), so a late wake-up never adds to the next.
        void SleepUntil(FrameRateController::Clock::time_point until)
        {
            LeastTimerSlack();
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
        // Frames keep to one timeline: a frame that starts just after the
        // last one's deadline (a late wake-up, the loop's own steps) starts
        // at that deadline, so the lateness does not add up from frame to
        // frame; one that starts later (the last frame's work ran over)
        // begins a new timeline, and the game never catches up.
        const auto now = Clock::now();
        const bool onTime = lastDeadline != Clock::time_point{} && now >= lastDeadline &&
                            now - lastDeadline < kKeepTimeline;
        start = onTime ? lastDeadline : now;
    }

    void FrameRateController::Next()
    {
        const auto step = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<float>(fixedDeltaTime));
        const auto deadline = start + step;
        lastDeadline = deadline;
        const auto wake = deadline - kSpinMargin;
        if (wake > Clock::now())
            SleepUntil(wake);
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
