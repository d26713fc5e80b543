// The scripted player's eyes and hands: an X server of its own, whole-screen
// grabs read pixel by pixel, and real pointer and key input through xdotool.
// The grabs go through shared memory where the server offers it: the
// picture then never crosses the socket, and the server is busy with it for
// a single copy rather than the whole write of a 1600x900 reply.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <memory>

#include "EndToEnd/FrameClock.h"
#include "EndToEnd/PrivateDisplay.h"

struct _XDisplay;
struct _XImage;

namespace KiteTest
{
    struct Rgb
    {
        int r = 0, g = 0, b = 0;
        int Distance(const Rgb& o) const;
    };

    struct Rect
    {
        int x = 0, y = 0, w = 0, h = 0;
    };

    class PlayerScreen
    {
    public:
        static constexpr int Width = 1600;
        static constexpr int Height = 900;

        PlayerScreen();
        ~PlayerScreen();
        PlayerScreen(const PlayerScreen&) = delete;
        PlayerScreen& operator=(const PlayerScreen&) = delete;

        bool Ready() const { return display_ != nullptr; }
        // Counts the frames the game draws into its window from now on:
        // every pause and hold below is then measured in frames, so a slow
        // machine makes the play slower, never different.
        void Follow(unsigned long window);
        // The clock of the followed window (null before Follow).
        FrameClock* Frames() { return clock_.get(); }

        // Takes a fresh picture of the whole screen; the queries below read it.
        void Grab();
        Rgb Pixel(int x, int y) const;
        int Count(const Rect& area, const Rgb& colour, int tolerance = 30) const;
        // Mean position of the matching pixels; false when fewer than `least`.
        bool Centre(const Rect& area, const Rgb& colour, int tolerance, int least, int& cx, int& cy) const;
        // How many pixels of the area differ from the same area of `before`.
        int Changed(const Rect& area, const std::vector<std::uint32_t>& before) const;
        const std::vector<std::uint32_t>& Picture() const { return pixels_; }
        // Writes the last picture as a binary PPM (for looking at failures).
        void Save(const std::string& path) const;

        // Input. The game refreshes the pointer it picks with on button
        // events, so a wheel step (which it ignores) goes between two moves.
        void Hover(int x, int y);
        // Holds the button long enough for a slow frame to see it.
        void Press(int x, int y, int holdMs = 350);
        // Another press where the pointer already is (repeated clicks).
        void Click(int holdMs = 90);
        // Press, hold over the drag threshold, carry in steps, release.
        // Quick drags (trash) hold and carry for less time.
        void Drag(int fx, int fy, int tx, int ty, bool quick = false);
        void Key(const std::string& name);
        // As many frames as the game draws in `ms` at 60 a second; false
        // when it drew none for a long time (hung).
        bool Pause(int ms);

    private:
        // Sets up the shared picture; false when the server cannot share one.
        bool Share();
        void Unshare();
        // Copies a 32-bit or other ZPixmap picture into pixels_.
        void Take(const _XImage* image);

        PrivateDisplay server_;
        _XDisplay* display_ = nullptr;
        std::vector<std::uint32_t> pixels_;
        std::unique_ptr<FrameClock> clock_;
        // The shared picture (null when none), its segment, and whether
        // sharing was tried.
        _XImage* shared_ = nullptr;
        int segment_ = -1;
        void* sharedAt_ = nullptr;
        bool shareTried_ = false;
    };
}
