// The menus in the real game: from the splash to the main menu, hover and
// press art, the credits and back, the press sound, quitting, and Play
// opening the food court. Each test
// runs its own X server, so that games started by other tests at the same
// time cannot cover its window or move its pointer.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "EndToEnd/FollowedFrames.h"
#include "EndToEnd/GameProcess.h"
#include "EndToEnd/PlayerScreen.h"
#include "EndToEnd/PrivateDisplay.h"

using namespace KiteTest;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace KiteTest
{
    // A colour in failure messages.
    std::ostream& operator<<(std::ostream& out, const Rgb& c)
    {
        return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
}

namespace
{
    const double kStartSeconds = 90.0;
    // The private screen (PlayerScreen) matches the configured window, so a
    // pixel (px, py) shows the world point (px - 800, 450 - py).

    // Sky colours at the top-left corner of each screen.
    const Rgb kSplashSky{67, 46, 108};
    const Rgb kMenuSky{113, 199, 255};
    const Rgb kCreditsSky{79, 139, 191};
    // The stall deck of Level1 between the third and fourth stall places.
    const Rgb kLevel1Deck{217, 168, 108};

    // The colour the screen shows now at (x, y).
    Rgb PixelNow(KiteTest::PlayerScreen& screen, int x, int y)
    {
        screen.Grab();
        return screen.Pixel(x, y);
    }

    void Click(int x, int y)
    {
        Hover(x, y);
        GameProcess::XDoTool("click 1");
    }

    std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::uintmax_t Size(const std::string& path)
    {
        std::error_code ec;
        const std::uintmax_t n = fs::file_size(path, ec);
        return ec ? 0 : n;
    }

    // Whether any byte in [from, to) of the mixed output is not silence.
    bool Sounds(const std::string& bytes, std::uintmax_t from, std::uintmax_t to)
    {
        for (std::uintmax_t i = from; i < to && i < bytes.size(); ++i)
            if (bytes[i] != 0)
                return true;
        return false;
    }

    // Splash1 carries no way on to the main menu until its continue button
    // is added; the flow cannot be driven without it.
    bool SplashLeadsToTheMenu()
    {
        const fs::path folder = fs::path(KITE_BIN_DIR) / "Assets/Scenes/Splash1";
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        {
            const std::string text = ReadBytes(it->path().string());
            if (text.find("<SystemCallButton>") != std::string::npos &&
                text.find("<buttonFnStringParam>MainMenu</buttonFnStringParam>") != std::string::npos)
                return true;
        }
        return false;
    }

    class Menus : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            if (!KiteTest::HasDisplay())
                GTEST_SKIP() << "no display";
            if (!SplashLeadsToTheMenu())
                GTEST_SKIP() << "Splash1 has no button that leads to MainMenu";
            screen = std::make_unique<KiteTest::PlayerScreen>();
            ASSERT_TRUE(screen->Ready()) << "could not start a private X server";
            game = std::make_unique<GameProcess>();
            audioFile = game->Folder() + "/audio.raw";
            ::setenv("SDL_AUDIODRIVER", "disk", 1);
            ::setenv("SDL_DISKAUDIOFILE", audioFile.c_str(), 1);
            ASSERT_TRUE(game->Start());
            ASSERT_NE(game->WaitForWindow(kStartSeconds), 0u) << game->ErrorOutput();
            follow = std::make_unique<FollowFrames>(game->Window());
        }

        void TearDown() override
        {
            follow.reset();
            game.reset();
            screen.reset();
        }

        Rgb Sky() const { return PixelNow(*screen, 30, 30); }
        bool Shows(const Rgb& sky) const { return Sky().Distance(sky) < 30; }

        std::unique_ptr<KiteTest::PlayerScreen> screen;
        std::unique_ptr<GameProcess> game;
        std::unique_ptr<FollowFrames> follow;
        std::string audioFile;
    };
}

TEST_F(Menus, SplashMenuCreditsAndQuit)
{
    ASSERT_TRUE(WaitFor(kStartSeconds, [&] { return Shows(kSplashSky); })) << "splash not shown; sky " << Sky();
    Pause(500);
    // Nothing has played yet: everything mixed so far is silence.
    const std::uintmax_t beforeMenu = Size(audioFile);
    ASSERT_GT(beforeMenu, 0u) << "no mixed output: " << game->ErrorOutput();
    EXPECT_FALSE(Sounds(ReadBytes(audioFile), 0, beforeMenu));

    Click(800, 450);
    ASSERT_TRUE(WaitFor(30, [&] { return Shows(kMenuSky); })) << "main menu not shown; sky " << Sky();

    // Hovering the play button swaps its art; leaving swaps it back.
    Hover(100, 860);
    const Rgb plain = PixelNow(*screen, 680, 445);
    Hover(800, 430);
    EXPECT_TRUE(WaitFor(5, [&] { return PixelNow(*screen, 680, 445).Distance(plain) > 40; }))
        << "hover art not shown: " << plain << " stays " << PixelNow(*screen, 680, 445);
    Hover(100, 860);
    EXPECT_TRUE(WaitFor(5, [&] { return PixelNow(*screen, 680, 445).Distance(plain) < 10; }))
        << "default art not restored: " << PixelNow(*screen, 680, 445);

    Click(800, 545);
    ASSERT_TRUE(WaitFor(20, [&] { return Shows(kCreditsSky); })) << "credits not shown; sky " << Sky();

    // The credits are quiet: holding the back button down plays the press
    // sound before the release changes the scene.
    Hover(800, 845);
    Pause(600);
    const std::uintmax_t quietFrom = Size(audioFile);
    Pause(500);
    const std::uintmax_t pressAt = Size(audioFile);
    GameProcess::XDoTool("mousedown 1");
    // A busy machine may take a few frames to take the press.
    const bool pressed = WaitFor(10, [&] { return Sounds(ReadBytes(audioFile), pressAt, Size(audioFile)); });
    GameProcess::XDoTool("mouseup 1");
    EXPECT_FALSE(Sounds(ReadBytes(audioFile), quietFrom, pressAt)) << "the credits should be silent before the press";
    EXPECT_TRUE(pressed) << "the press sound was not mixed after byte " << pressAt;

    ASSERT_TRUE(WaitFor(20, [&] { return Shows(kMenuSky); })) << "back did not return to the menu; sky " << Sky();

    Click(800, 660);
    int status = -1;
    ASSERT_TRUE(game->WaitForExit(30, status)) << "the quit button did not end the game";
    EXPECT_TRUE(KiteTest::EndedCleanly(status, game->ErrorOutput())) << status << game->ErrorOutput();
    EXPECT_FALSE(KiteTest::HasSanitizerReport(game->ErrorOutput())) << game->ErrorOutput();
}

TEST_F(Menus, PlayOpensTheFoodCourtWhereCustomersArrive)
{
    ASSERT_TRUE(WaitFor(kStartSeconds, [&] { return Shows(kSplashSky); })) << "splash not shown; sky " << Sky();
    Click(800, 450);
    ASSERT_TRUE(WaitFor(30, [&] { return Shows(kMenuSky); })) << "main menu not shown; sky " << Sky();
    Click(800, 430);
    const auto deck = [&] { return PixelNow(*screen, 800, 300); };
    ASSERT_TRUE(WaitFor(60, [&] { return deck().Distance(kLevel1Deck) < 30; })) << "Level1 not shown; " << deck();

    // The floor starts empty; customers walk in within a minute.
    // The floor: rows 420 to 859 of the screen.
    const std::size_t from = 420u * KiteTest::PlayerScreen::Width, to = 860u * KiteTest::PlayerScreen::Width;
    screen->Grab();
    const std::vector<std::uint32_t> empty = screen->Picture();
    ASSERT_FALSE(empty.empty());
    std::size_t most = 0;
    WaitFor(60, [&] {
        screen->Grab();
        const std::vector<std::uint32_t>& now = screen->Picture();
        std::size_t changed = 0;
        for (std::size_t i = from; i < to && i < now.size() && i < empty.size(); ++i)
            changed += now[i] != empty[i];
        most = std::max(most, changed);
        return most > 5000;
    });
    EXPECT_GT(most, 5000u) << "nobody came in";

    game->SendClose();
    int status = -1;
    ASSERT_TRUE(game->WaitForExit(30, status)) << "the game did not close";
    EXPECT_TRUE(KiteTest::EndedCleanly(status, game->ErrorOutput())) << status << game->ErrorOutput();
    EXPECT_FALSE(KiteTest::HasSanitizerReport(game->ErrorOutput())) << game->ErrorOutput();
}
