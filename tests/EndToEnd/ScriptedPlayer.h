// A scripted player of the real game: it sees only the screen and the
// game's printed lines, knows where things are from the authored scene
// files, and acts only through the X server's pointer and keyboard.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "EndToEnd/GameProcess.h"
#include "EndToEnd/PlayerScreen.h"
#include "EndToEnd/SceneMap.h"

namespace KiteTest
{
    class ScriptedPlayer
    {
    public:
        ScriptedPlayer(PlayerScreen& screen, GameProcess& game);

        // Splash to main menu; false with a reason in Why() when it fails.
        bool ReachMenu();
        // Whether the menu's level button shows its unlocked art.
        bool LevelButtonUnlocked(int level);
        // Play, then every tutorial step until the completion panel, and back
        // to the menu through its button.
        bool PlayTutorial();
        // Opens a level from the menu and sets the highest speed.
        bool OpenLevel(int level);
        // Plays the open level until the game prints `doneLine` (or the
        // level is won when `doneLine` is empty); false after `realSeconds`.
        bool PlayLevel(int level, const std::string& doneLine, double realSeconds);
        // Presses the win summary's button and waits for the next screen.
        bool LeaveWonLevel(bool expectMenu);

        // Game time the level has run, measured by the day-night cycle.
        double GameSeconds() const;
        double RealSeconds() const;
        const std::string& Why() const { return why_; }
        // Saves the current screen next to the game's output.
        void Snapshot(const std::string& name);
        // Lines of what the player did, for a failure message.
        std::string Diary() const;

    private:
        using Clock = std::chrono::steady_clock;

        bool WaitFor(double seconds, const std::function<bool()>& condition);
        bool Fail(const std::string& why);
        std::size_t CountOut(const std::string& line) const;
        bool SkyIs(const Rgb& sky);
        int Brightness(int x, int y) const;
        void Note(const std::string& line);
        std::string MissionLines() const;

        // Tutorial steps: do the action until the instruction changes.
        bool Step(const std::string& label, const std::function<void()>& action, double seconds,
                  double retryAfter = 6.0, const std::function<bool()>& until = nullptr);
        bool InstructionChangedSince(const std::vector<std::uint32_t>& before);
        bool ClickCashCloud();
        bool DragTrashToBin(const WorldPoint& table);

        // Level play.
        void LookAfterTrouble();
        void TryToBuild();
        void TryToUpgrade();
        void WatchSky();
        bool MenuOpen(const WorldPoint& stall);
        bool Occupied(const WorldPoint& node, int halfW, int halfH);
        WorldPoint NearestBin(int px, int py) const;

        PlayerScreen& screen_;
        GameProcess& game_;
        std::string assets_;
        SceneMap scene_;
        std::string why_;
        std::vector<std::string> diary_;

        std::vector<WorldPoint> stallNodes_;
        std::vector<bool> stallBuilt_;
        std::vector<WorldPoint> seatNodes_;
        std::vector<bool> seatBuilt_;
        std::vector<std::uint32_t> emptyLook_;
        std::vector<int> stallTypesByPrice_;
        std::size_t nextType_ = 0;
        std::size_t nextUpgrade_ = 0;
        Clock::time_point lastBuild_{};
        Clock::time_point lastUpgrade_{};
        Clock::time_point lastTrash_{};
        std::size_t trashSpot_ = 0;
        std::vector<int> flameBase_;
        Clock::time_point levelStart_{};
        Clock::time_point lastDusk_{};
        double dayLength_ = 90.0;
        int dusks_ = 0;
        bool night_ = false;
        double lastCycleReal_ = 0.0;
        int fires_ = 0;
        int fights_ = 0;
        int trash_ = 0;
        int upgrades_ = 0;
    };
}
