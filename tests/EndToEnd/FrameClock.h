// The frames a program draws into its window, counted through the X
// server's damage reports: the clock the end-to-end tests wait by. The game
// moves one fixed step for each frame drawn, so waiting for frames waits
// for the game, however slowly the machine draws them; only a program that
// draws nothing at all for a long time is taken for hung.
#pragma once

#include <chrono>
#include <functional>

struct _XDisplay;

namespace KiteTest
{
    class FrameClock
    {
    public:
        // The game's step: 60 frames are one second at normal speed.
        static constexpr double FramesPerSecond = 60.0;
        // No frame for this long (real seconds) means the program is hung.
        static constexpr double HangSeconds = 120.0;

        explicit FrameClock(unsigned long window);
        ~FrameClock();
        FrameClock(const FrameClock&) = delete;
        FrameClock& operator=(const FrameClock&) = delete;

        // False when the server cannot report drawing; the clock then runs
        // on real time at 60 frames a second.
        bool Counting() const { return damage_ != 0; }
        // Frames drawn since the clock started.
        long Frames();
        // Frames drawn, as seconds of the game's normal speed.
        double Seconds() { return static_cast<double>(Frames()) / FramesPerSecond; }
        // Waits until `frames` more have been drawn; false when the program
        // drew nothing for HangSeconds meanwhile.
        bool Wait(long frames);
        // Waits until the condition holds, looking every few frames, for at
        // most `seconds` of frames; false when it never held or the program
        // hung.
        bool WaitFor(double seconds, const std::function<bool()>& condition);
        // Whether the program has drawn nothing for HangSeconds.
        bool Hung();

    private:
        using Clock = std::chrono::steady_clock;

        _XDisplay* display_ = nullptr;
        unsigned long damage_ = 0;
        int event_ = 0;
        long frames_ = 0;
        Clock::time_point started_;
        Clock::time_point lastFrame_;
    };
}
