// TutorialSystem: the tutorial level's fixed machine of 34 steps. Each
// step shows one instruction panel, may point an arrow, switches blockers
// over what the player may not touch yet, and waits for a click or for a
// game condition; the last opens Level 1.
#pragma once

#include <array>
#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class TutorialSystem : public Script
    {
    public:
        static constexpr int StepCount = 34;

        TutorialSystem();

        void Initialise() override;
        void Update() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Tutorial System"; }

        int GetStep() const { return step; }
        // Whether step n waits for a click anywhere (not for the player to
        // do something in the court).
        static bool WaitsForClick(int n);
        void SetStep(int s) { step = s; }
        GameObject* GetCashCloud() const { return cashCloud.Get(); }

    private:
        enum Blocker : int
        {
            StallBtn,
            SeatBtn,
            Stall1,
            Stall4,
            Stall1Sell,
            Stall1Upgrade,
            Stall4Sell,
            Stall4Upgrade,
            SynergyBtn,
            StatsBtn,
            BlockerCount
        };
        enum class Toggle : char
        {
            Keep,
            On,
            Off
        };
        // What the four tutorial arrows do when a step finishes.
        enum class Pointers : char
        {
            Keep,
            Off,
            MiddleTwo,
            RowOfFour
        };

        // One row of the step table: what the step waits for, then what it
        // switches once that holds (the table is in TutorialSystem.cpp).
        struct StepRow;
        using Condition = bool (TutorialSystem::*)();
        using Action = void (TutorialSystem::*)();
        static const StepRow Steps[StepCount];

        void Finish(const StepRow& row);

        // What the steps wait for. A wait that has something to keep up while
        // it lasts does that here, once a frame.
        bool Clicked();
        bool ClickedWithMovesLocked();
        bool StallPanelOpen();
        bool SeatPanelOpen();
        bool FirstStallPlaced();
        bool FourthStallPlaced();
        bool FirstSeatPlaced();
        bool FirstSeatMoved();
        bool UpgradeMenuOpened();
        bool UpgradeStarted();
        bool UpgradeFinished();
        bool TrashBinned();
        bool CashCloudCollected();

        // What some steps do besides the table's common columns.
        void BlockFirstStallMenu();
        void BlockFourthStallMenu();
        void PointAtUpgradeButton();
        void ReturnIfUpgradeMenuClosed();
        void RememberSeatPlace();
        void RememberTrash();
        void SpawnCashCloud();
        void OpenLevel1();

        // Shows or hides "Instruction_" + n (skipped when missing).
        void Show(int n, bool shown) const;
        void Next(int from);
        void SetBlocker(int b, bool on) const;
        void PlaceBlocker(Blocker b, Vector2D at) const;
        void Arrow(bool shown) const;
        void ArrowAt(float x, float y) const;
        void Clicker(bool shown) const;
        void PointTutorialArrows(Pointers how) const;
        void SetMovable(bool movable) const;
        void GiveMoney(float amount) const;
        std::size_t PlacedStalls() const;
        std::size_t PlacedSeats() const;
        int TrashCount() const;
        bool UpgradeMenuOpen(bool& anyClosed) const;
        static bool IsActive(const ObjectHandle& h);
        static ObjectHandle Find(const std::string& name);
        // Looks the named object up again while it is not known.
        static GameObject* Resolve(ObjectHandle& h, const char* name);

        int step = 0;
        std::array<ObjectHandle, StepCount> instructions;
        ObjectHandle arrow;
        std::array<ObjectHandle, 4> tutorialArrows;
        ObjectHandle stallPanel;
        ObjectHandle seatPanel;
        std::array<ObjectHandle, BlockerCount> blockers;
        ObjectHandle continueClicker;
        mutable ObjectHandle firstStall;
        mutable ObjectHandle fourthStall;
        mutable ObjectHandle firstSeat;
        ObjectHandle cashCloud;
        std::string rememberedSeatParent;
        int rememberedTrash = 0;
    };
}
