// The frame clock the waits follow, one at a time, and real time without it.
#include "EndToEnd/FollowedFrames.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "EndToEnd/FrameClock.h"
#include "EndToEnd/GameProcess.h"

namespace KiteTest
{
    namespace
    {
        std::unique_ptr<FrameClock> frames;
    }

    FollowFrames::FollowFrames(unsigned long window) { frames = std::make_unique<FrameClock>(window); }

    FollowFrames::~FollowFrames() { frames.reset(); }

    bool WaitFor(double seconds, const std::function<bool()>& condition)
    {
        if (frames)
            return frames->WaitFor(seconds, condition);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < deadline)
        {
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return condition();
    }

    void Pause(int ms)
    {
        if (frames)
            frames->Wait(std::max(1L, static_cast<long>(ms) * 60 / 1000));
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    void MovePointer(int x, int y)
    {
        GameProcess::XDoTool("mousemove " + std::to_string(x) + " " + std::to_string(y));
    }

    void HoverWith(int x, int y, const std::function<void(int ms)>& pause, int settle, int rest)
    {
        MovePointer(x, y);
        pause(settle);
        GameProcess::XDoTool("click 5");
        pause(settle);
        MovePointer(x + 1, y + 1);
        pause(rest);
    }

    void Hover(int x, int y) { HoverWith(x, y, Pause, 100, 250); }
}
