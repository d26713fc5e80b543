// A scripted player of the real game: it sees only the screen and the
// game's printed lines, knows where things are from the authored scene
// files, and acts only through the X server's pointer and keyboard.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "EndToEnd/GameProcess.h"
#include "EndToEnd/LevelPlan.h"
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
        // From the menu into the tutorial, every level unlocked with the
        // levels' unlock keys, and back to the menu through the pause menu.
        bool UnlockAllLevels();
        // Opens a level from the menu and sets the highest speed.
        bool OpenLevel(int level);
        // Plays the open level until the game prints `doneLine` (or the
        // level is won when `doneLine` is empty); false after `gameLimit`
        // seconds of game time.
        bool PlayLevel(int level, const std::string& doneLine, double gameLimit);
        // Presses the win summary's button and waits for the next screen.
        bool LeaveWonLevel(bool expectMenu);

        // Every wait and limit of the player is counted in frames drawn
        // (seconds at 60 frames a second) or in game time, never in real
        // time: a slow machine makes the play longer, not different. Only a
        // game that draws nothing for a long time (FrameClock::HangSeconds)
        // or a whole play-through past this real time is stopped; the ctest
        // timeout of the end-to-end programs (tests/CMakeLists.txt) is above
        // it, so a stuck run still ends with the player's own story.
        static constexpr double RealTimeBackstop = 7200.0;

        // Game time the level has run, measured by the day-night cycle.
        double GameSeconds() const;
        // Real time the level has run (printed, never a limit).
        double RealSeconds() const;
        const std::string& Why() const { return why_; }
        // The open level's missions as last read.
        const LevelPlan& Plan() const { return plan_; }
        // Saves the current screen next to the game's output.
        void Snapshot(const std::string& name);
        // Lines of what the player did, for a failure message.
        std::string Diary() const;

    private:
        using Clock = std::chrono::steady_clock;

        // Waits for frames: `seconds` of them at 60 a second.
        bool WaitFor(double seconds, const std::function<bool()>& condition);
        // The frames drawn so far, as seconds at 60 a second.
        double Now() const;
        // True (with the reason in Why()) when the game ended, hung, or the
        // play-through ran past its real-time backstop.
        bool Stopped();
        bool Fail(const std::string& why);
        std::size_t CountOut(const std::string& line) const;
        bool SkyIs(const Rgb& sky);
        int Brightness(int x, int y) const;
        void Note(const std::string& line);
        std::string MissionLines() const;

        // Presses Play on the menu and waits for the tutorial's first
        // instruction; false when it never shows.
        bool OpenTutorial();
        // Tutorial steps: do the action until the instruction changes.
        bool Step(const std::string& label, const std::function<void()>& action, double seconds,
                  double retryAfter = 6.0, const std::function<bool()>& until = nullptr);
        bool InstructionChangedSince(const std::vector<std::uint32_t>& before);
        bool CollectTheCloud();
        bool ClickCashCloud();
        bool DragTrashToBin(const WorldPoint& table);

        // Level play.
        void ReadPlaces();
        void LookAfterTrouble();
        bool PutOutFires();
        bool BreakUpFight();
        void ClearTrash();
        void Act();
        bool BuildStall();
        bool BuildSeat();
        bool TryToUpgrade(std::size_t place, float reserve);
        std::size_t UpgradeChoice();
        void WatchSky();
        bool MenuOpen(const WorldPoint& stall);
        bool Occupied(const WorldPoint& node, int halfW, int halfH);
        struct Place;
        double Likeness(const Place& p) const;
        void RememberEmptyLook(Place& p) const;
        bool LooksBuilt(const Place& p);
        // Drags the named build button onto the place; whether it looks built.
        bool DragBuild(const std::string& button, const Place& p);
        void RecheckPlaces();
        // Whether a build button shows it can be paid for (grey when not):
        // the player's only view of the money is which buttons are lit.
        bool Lit(const WorldPoint& button) const;
        bool Affordable(float amount) const;
        // Whether the money on screen starts with a minus sign.
        bool MoneyBelowZero() const;
        // How many digits the money shows on screen.
        int MoneyDigits() const;
        // What the built stalls cost a day, paid at each dawn.
        float Upkeep() const;
        // Whether the last dawn was early in the current day.
        bool SoonAfterDawn() const;
        WorldPoint NearestBin(int px, int py) const;

        PlayerScreen& screen_;
        GameProcess& game_;
        std::string assets_;
        SceneMap scene_;
        std::string why_;
        std::vector<std::string> diary_;

        struct Place
        {
            WorldPoint at;
            bool built = false;
            int type = 0;          // stall kind 1-8 when known
            int upgrades = 0;      // upgrades pressed on it
            int flameBase = -1;    // least flame colour seen there
            std::vector<int> emptyLook;  // its middle while empty, for comparing
        };
        struct PriceButton
        {
            WorldPoint at;
            float price = 0.0f;
        };
        std::vector<Place> stalls_;
        std::vector<Place> seats_;
        std::vector<PriceButton> buttons_;
        std::vector<std::pair<float, int>> kinds_;  // stall kinds by price
        struct Kind
        {
            float upkeep = 0.0f;
            float upgradeCost = 0.0f;
            float costGrowth = 1.2f;
            float upgradeTime = 6.0f;
            float timeGrowth = 1.2f;
        };
        std::vector<Kind> kindInfo_;                // by stall kind 1-8
        float seatPrice_ = 500.0f;
        std::vector<std::uint32_t> emptyLook_;
        LevelPlan plan_;
        std::size_t levelOutputFrom_ = 0;
        int upgradePlace_ = -1;
        int level_ = 1;
        // Times below are Now() values: frames drawn.
        Clock::time_point started_;
        Clock::time_point levelStartReal_{};
        double lastAct_ = 0.0;
        double lastRecheck_ = 0.0;
        double lastUpgrade_ = 0.0;
        double upgradeBusyUntil_ = 0.0;
        std::size_t trashSpot_ = 0;
        double levelStart_ = 0.0;
        double lastDusk_ = 0.0;
        double lastDawn_ = 0.0;
        double dayLength_ = 90.0;
        int dusks_ = 0;
        bool night_ = false;
        double lastCycle_ = 0.0;
        int fires_ = 0;
        int fights_ = 0;
        int trash_ = 0;
        int upgrades_ = 0;
    };
}
