// Building in the real game: in Level1 build buttons pressed and dragged onto
// free places buy a stall and a table there, and a speed button moves the
// speed marker. The test runs its own X server so that nothing else moves its
// pointer.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "EndToEnd/FollowedFrames.h"
#include "EndToEnd/GameProcess.h"
#include "EndToEnd/PrivateDisplay.h"

using KiteTest::FollowFrames;
using KiteTest::GameProcess;
using KiteTest::Hover;
using KiteTest::Pause;
using KiteTest::WaitFor;

namespace
{
    // The screen matches the configured window: pixel (px, py) shows the
    // world point (px - 800, 450 - py).
    struct Rgb
    {
        int r = 0, g = 0, b = 0;
        int Distance(const Rgb& o) const { return std::abs(r - o.r) + std::abs(g - o.g) + std::abs(b - o.b); }
    };

    const Rgb kLevel1Deck{217, 168, 108};
    const Rgb kNasiPadangGreen{58, 157, 79};
    const Rgb kMarkerYellow{255, 209, 102};
    const Rgb kTableTop{192, 133, 82};

    class PrivateScreen
    {
    public:
        PrivateScreen() : server_(1600, 900), display_(server_.Get()) {}

        bool Ready() const { return display_ != nullptr; }

        // How many pixels of the area are within `tolerance` of the colour.
        int Count(int x, int y, int w, int h, const Rgb& colour, int tolerance = 30) const
        {
            XImage* image = XGetImage(display_, DefaultRootWindow(display_), x, y, w, h, AllPlanes, ZPixmap);
            if (!image)
                return 0;
            int n = 0;
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i)
                {
                    const unsigned long p = XGetPixel(image, i, j);
                    const Rgb c{static_cast<int>((p & image->red_mask) >> 16),
                                static_cast<int>((p & image->green_mask) >> 8), static_cast<int>(p & image->blue_mask)};
                    n += c.Distance(colour) < tolerance;
                }
            XDestroyImage(image);
            return n;
        }

        // The whole screen as a binary PPM, for looking at what was checked.
        void Save(const std::string& path) const
        {
            const int w = 1600, h = 900;
            XImage* image = XGetImage(display_, DefaultRootWindow(display_), 0, 0, w, h, AllPlanes, ZPixmap);
            std::FILE* file = image ? std::fopen(path.c_str(), "wb") : nullptr;
            if (file)
            {
                std::fprintf(file, "P6\n%d %d\n255\n", w, h);
                for (int j = 0; j < h; ++j)
                    for (int i = 0; i < w; ++i)
                    {
                        const unsigned long p = XGetPixel(image, i, j);
                        const unsigned char rgb[3] = {static_cast<unsigned char>((p & image->red_mask) >> 16),
                                                      static_cast<unsigned char>((p & image->green_mask) >> 8),
                                                      static_cast<unsigned char>(p & image->blue_mask)};
                        std::fwrite(rgb, 1, 3, file);
                    }
                std::fclose(file);
            }
            if (image)
                XDestroyImage(image);
        }

    private:
        KiteTest::PrivateDisplay server_;
        Display* display_ = nullptr;
    };

    void Move(int x, int y)
    {
        GameProcess::XDoTool("mousemove " + std::to_string(x) + " " + std::to_string(y));
    }

    // Presses at `from`, carries the pointer to `to` in steps, releases;
    // `carried` runs just before the release.
    void Drag(int fx, int fy, int tx, int ty, const std::function<void()>& carried = {})
    {
        Hover(fx, fy);
        GameProcess::XDoTool("mousedown 1");
        Pause(300);
        for (int i = 1; i <= 8; ++i)
        {
            Move(fx + (tx - fx) * i / 8, fy + (ty - fy) * i / 8);
            Pause(80);
        }
        Pause(300);
        if (carried)
            carried();
        GameProcess::XDoTool("mouseup 1");
    }
}

TEST(BuildingInTheGame, BuildButtonsDraggedOntoFreePlacesBuyAStallAndATableAndSpeedButtonsMoveTheMarker)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    PrivateScreen screen;
    ASSERT_TRUE(screen.Ready()) << "could not start a private X server";
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    GameProcess game;
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.WaitForWindow(90), 0u) << game.ErrorOutput();
    FollowFrames follow(game.Window());
    Pause(2000);
    GameProcess::XDoTool("key F11");
    ASSERT_TRUE(WaitFor(60, [&] { return screen.Count(800, 300, 1, 1, kLevel1Deck) == 1; })) << "Level1 not shown";
    Pause(1000);

    // The third stall place (world -125, 218) is empty; the third build
    // button (world -10, 398) sells the green stall.
    const auto greenOnPlace = [&] { return screen.Count(585, 150, 180, 160, kNasiPadangGreen, 20); };
    EXPECT_LT(greenOnPlace(), 200);
    Drag(790, 52, 675, 232);
    EXPECT_TRUE(WaitFor(10, [&] { return greenOnPlace() > 3000; })) << "no stall on the place: " << greenOnPlace();

    // The table button (world 470, 398), carried fast onto the free seat
    // place at world (-490, -185) and grey there; the pointer moves on at
    // once after the release, which must still drop the table.
    const auto tableOnPlace = [&] { return screen.Count(230, 580, 160, 110, kTableTop, 20); };
    EXPECT_LT(tableOnPlace(), 150);
    int carriedInOwnColours = -1;
    Drag(1270, 52, 310, 635, [&] {
        carriedInOwnColours = tableOnPlace();
        screen.Save("building-carried-table.ppm");
    });
    Move(800, 860);
    EXPECT_LT(carriedInOwnColours, 150) << "a carried table is grey";
    EXPECT_TRUE(WaitFor(10, [&] { return tableOnPlace() > 1000; })) << "no table on the place: " << tableOnPlace();
    // A table still carried would follow the pointer off the place; one
    // left there shows whole again once any customer passing in front of
    // it has walked on.
    Pause(500);
    EXPECT_TRUE(WaitFor(5, [&] { return tableOnPlace() > 1000; }))
        << "the table did not stay on the place: " << tableOnPlace();

    // The 4x button (world 735, 396) moves the marker over itself.
    const auto markerAt = [&](int px) { return screen.Count(px - 8, 16, 16, 10, kMarkerYellow, 40); };
    EXPECT_GT(markerAt(1465), 10);
    Hover(1535, 54);
    GameProcess::XDoTool("click 1");
    EXPECT_TRUE(WaitFor(10, [&] { return markerAt(1535) > 10 && markerAt(1465) < 5; }))
        << "marker at 1x " << markerAt(1465) << ", at 4x " << markerAt(1535);

    game.SendClose();
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(30, status)) << "the game did not close";
    EXPECT_TRUE(KiteTest::EndedCleanly(status, game.ErrorOutput())) << status << game.ErrorOutput();
    EXPECT_FALSE(KiteTest::HasSanitizerReport(game.ErrorOutput())) << game.ErrorOutput();
}
