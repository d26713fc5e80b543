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
#include "EndToEnd/PlayerScreen.h"
#include "EndToEnd/PrivateDisplay.h"

using namespace KiteTest;

namespace
{
    // The screen matches the configured window: pixel (px, py) shows the
    // world point (px - 800, 450 - py).
    const Rgb kLevel1Deck{217, 168, 108};
    const Rgb kNasiPadangGreen{58, 157, 79};
    const Rgb kMarkerYellow{255, 209, 102};
    const Rgb kTableTop{192, 133, 82};

    // How many pixels of the area, as the screen shows it now, are within
    // `tolerance` of the colour.
    int CountNow(KiteTest::PlayerScreen& screen, int x, int y, int w, int h, const Rgb& colour, int tolerance = 30)
    {
        screen.Grab();
        return screen.Count({x, y, w, h}, colour, tolerance);
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
            KiteTest::MovePointer(fx + (tx - fx) * i / 8, fy + (ty - fy) * i / 8);
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
    KiteTest::PlayerScreen screen;
    ASSERT_TRUE(screen.Ready()) << "could not start a private X server";
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    GameProcess game;
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.WaitForWindow(90), 0u) << game.ErrorOutput();
    FollowFrames follow(game.Window());
    Pause(2000);
    GameProcess::XDoTool("key F11");
    ASSERT_TRUE(WaitFor(60, [&] { return CountNow(screen, 775, 300, 1, 1, kLevel1Deck) == 1; })) << "Level1 not shown";
    Pause(1000);

    // The third stall place (world -150, 218) is empty; the third build
    // button (world -10, 398) sells the green stall.
    const auto greenOnPlace = [&] { return CountNow(screen, 560, 150, 180, 160, kNasiPadangGreen, 20); };
    EXPECT_LT(greenOnPlace(), 200);
    Drag(790, 52, 650, 232);
    EXPECT_TRUE(WaitFor(10, [&] { return greenOnPlace() > 3000; })) << "no stall on the place: " << greenOnPlace();

    // The table button (world 470, 398), carried fast onto the free seat
    // place at world (-490, -190) and grey there; the pointer moves on at
    // once after the release, which must still drop the table.
    const auto tableOnPlace = [&] { return CountNow(screen, 230, 580, 160, 110, kTableTop, 20); };
    EXPECT_LT(tableOnPlace(), 150);
    int carriedInOwnColours = -1;
    Drag(1270, 52, 310, 640, [&] {
        carriedInOwnColours = tableOnPlace();
        screen.Grab();
        screen.Save("building-carried-table.ppm");
    });
    KiteTest::MovePointer(800, 860);
    EXPECT_LT(carriedInOwnColours, 150) << "a carried table is grey";
    EXPECT_TRUE(WaitFor(10, [&] { return tableOnPlace() > 1000; })) << "no table on the place: " << tableOnPlace();
    // A table still carried would follow the pointer off the place; one
    // left there shows whole again once any customer passing in front of
    // it has walked on.
    Pause(500);
    EXPECT_TRUE(WaitFor(5, [&] { return tableOnPlace() > 1000; }))
        << "the table did not stay on the place: " << tableOnPlace();

    // The 4x button (world 735, 396) moves the marker over itself; the
    // marker hangs just below the top edge, over the button it marks.
    const auto markerAt = [&](int px) { return CountNow(screen, px - 8, 22, 16, 12, kMarkerYellow, 40); };
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
