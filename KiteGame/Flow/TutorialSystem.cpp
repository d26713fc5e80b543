// TutorialSystem: the steps, their panels, arrows, blockers and gifts.
#include "Flow/TutorialSystem.h"

#include <cmath>

#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Input/Input.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/LevelFlags.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Trouble/TrashController.h"
#include "World/CloudMotor.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteFramework
{
    namespace
    {
        const char* const BlockerNames[] = {"StallBtnBlocker",        "SeatBtnBlocker",          "Stall1Blocker",
                                            "Stall4Blocker",          "Stall1SellBtnBlocker",    "Stall1UpgradeBtnBlocker",
                                            "Stall4SellBtnBlocker",   "Stall4UpgradeBtnBlocker", "SynergyBtnBlocker",
                                            "StatsBtnBlocker"};
        // "UpgradeMenuParent", or "UpgradeMenu" + its number once opened.
        const char* const UpgradeMenu = "UpgradeMenu";
        // The arrow stands on the upgrade button, its tip just inside the
        // button's top edge.
        const Vector2D ArrowAboveButton(0.0f, 48.0f);
        // A cash cloud further out than this has drifted off the screen.
        constexpr float OffScreenX = 900.0f;
        constexpr float OffScreenY = 550.0f;
        // Where step 9 lines the tutorial arrows up over the seat places.
        constexpr float SeatRowX[4] = {-480.0f, -263.0f, -46.0f, 171.0f};
        constexpr float SeatRowY = -200.0f;
        constexpr float FirstSeatGift = 500.0f;
        constexpr float SecondStallGift = 650.0f;

        Vector2D PositionOf(const GameObject* o)
        {
            const Transform* t = o ? o->GetComponent<Transform>() : nullptr;
            return t ? t->GetTransVec() : Vector2D();
        }

        std::string ParentName(const GameObject* o)
        {
            return o->GetParent() ? o->GetParent()->getName() : std::string();
        }
    }

    TutorialSystem::TutorialSystem() : Script(CT_TutorialSystem) {}

    GameComponent* TutorialSystem::Clone() const
    {
        TutorialSystem* copy = new TutorialSystem();
        copy->SetComponentTypeId(GetComponentTypeId());
        copy->step = step;
        return copy;
    }

    ObjectHandle TutorialSystem::Find(const std::string& name)
    {
        return ObjectHandle(FACTORY ? FACTORY->FindObjByName(name) : nullptr);
    }

    GameObject* TutorialSystem::Resolve(ObjectHandle& h, const char* name)
    {
        if (!h.Get())
            h = Find(name);
        return h.Get();
    }

    bool TutorialSystem::IsActive(const ObjectHandle& h)
    {
        const GameObject* o = h.Get();
        return o && o->isActive();
    }

    void TutorialSystem::Initialise()
    {
        Script::Initialise();
        for (int i = 0; i < StepCount; ++i)
            instructions[i] = Find("Instruction_" + std::to_string(i));
        arrow = Find("InstructionArrow");
        for (int i = 0; i < 4; ++i)
            tutorialArrows[i] = Find("TutorialArrow_" + std::to_string(i));
        stallPanel = Find("StallCBParent");
        seatPanel = Find("SeatsCBParent");
        for (int b = 0; b < BlockerCount; ++b)
            blockers[b] = Find(BlockerNames[b]);
        continueClicker = Find("ContinueClicker");
        firstStall = Find("Stall01");
        fourthStall = Find("Stall04");
        firstSeat = Find("Seat01");
        for (int i = 1; i <= 7; ++i)
            Show(i, false);
        Show(0, true);
        step = 0;
    }

    // ---- Small actions ----------------------------------------------------

    void TutorialSystem::Show(int n, bool shown) const
    {
        if (n >= 0 && n < StepCount)
            if (GameObject* o = instructions[n].Get())
                o->setActive(shown);
    }

    void TutorialSystem::Next(int from)
    {
        Show(from, false);
        Show(from + 1, true);
        step = from + 1;
    }

    void TutorialSystem::SetBlocker(int b, bool on) const
    {
        if (GameObject* o = blockers[b].Get())
            o->setActive(on);
    }

    void TutorialSystem::PlaceBlocker(Blocker b, Vector2D at) const
    {
        if (GameObject* o = blockers[b].Get())
        {
            if (Transform* t = o->GetComponent<Transform>())
                t->SetTrans(at);
            o->setActive(true);
        }
    }

    void TutorialSystem::Arrow(bool shown) const
    {
        if (GameObject* o = arrow.Get())
            o->setActive(shown);
    }

    void TutorialSystem::ArrowAt(float x, float y) const
    {
        if (Transform* t = arrow.Get<Transform>())
            t->SetTrans(x, y);
    }

    void TutorialSystem::Clicker(bool shown) const
    {
        if (GameObject* o = continueClicker.Get())
            o->setActive(shown);
    }

    void TutorialSystem::PointTutorialArrows(Pointers how) const
    {
        if (how == Pointers::Keep)
            return;
        for (int i = 0; i < 4; ++i)
            if (GameObject* o = tutorialArrows[i].Get())
            {
                o->setActive(how == Pointers::RowOfFour || (how == Pointers::MiddleTwo && (i == 1 || i == 2)));
                Transform* t = how == Pointers::RowOfFour ? o->GetComponent<Transform>() : nullptr;
                if (t)
                    t->SetTrans(SeatRowX[i], SeatRowY);
            }
    }

    void TutorialSystem::SetMovable(bool movable) const
    {
        if (StallsSystem* stalls = StallsSystem::Instance())
            stalls->stallsMovable = movable;
        if (SeatsSystem* seats = SeatsSystem::Instance())
            seats->seatsMovable = movable;
    }

    void TutorialSystem::GiveMoney(float amount) const
    {
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->ChangeMoney(amount);
    }

    std::size_t TutorialSystem::PlacedStalls() const
    {
        const StallsSystem* stalls = StallsSystem::Instance();
        return stalls ? stalls->GetStallCount() : 0;
    }

    std::size_t TutorialSystem::PlacedSeats() const
    {
        const SeatsSystem* seats = SeatsSystem::Instance();
        return seats ? seats->GetSeatCount() : 0;
    }

    int TutorialSystem::TrashCount() const
    {
        const TrashController* trash = TrashController::Instance();
        return trash ? trash->GetTrashCount() : 0;
    }

    bool TutorialSystem::UpgradeMenuOpen(bool& anyClosed) const
    {
        anyClosed = false;
        bool open = false;
        GameObject* stall = Resolve(firstStall, "Stall01");
        if (!stall)
            return false;
        for (GameObject* child : stall->GetChildren())
            if (child->getName().rfind(UpgradeMenu, 0) == 0)
            {
                open = open || child->isActive();
                anyClosed = anyClosed || !child->isActive();
            }
        return open;
    }

    // ---- The step table ---------------------------------------------------

    struct TutorialSystem::StepRow
    {
        Condition waitsFor;
        unsigned blockersOn = 0;
        unsigned blockersOff = 0;
        Toggle arrow = Toggle::Keep;
        bool arrowMoves = false;
        float arrowX = 0.0f;
        float arrowY = 0.0f;
        Pointers tutorialArrows = Pointers::Keep;
        Toggle clicker = Toggle::Keep;
        Toggle moving = Toggle::Keep;
        float gift = 0.0f;
        Action then = nullptr;
        // Runs on every frame of the step, after the wait was tested.
        Action afterwards = nullptr;

        constexpr explicit StepRow(Condition c) : waitsFor(c) {}

        constexpr StepRow Block(Blocker b) const { return With(&StepRow::blockersOn, blockersOn | 1u << b); }
        constexpr StepRow Unblock(Blocker b) const { return With(&StepRow::blockersOff, blockersOff | 1u << b); }
        constexpr StepRow ArrowShown() const { return With(&StepRow::arrow, Toggle::On); }
        constexpr StepRow ArrowHidden() const { return With(&StepRow::arrow, Toggle::Off); }
        constexpr StepRow ArrowTo(float x, float y) const
        {
            StepRow r = *this;
            r.arrowMoves = true;
            r.arrowX = x;
            r.arrowY = y;
            return r;
        }
        constexpr StepRow Arrows(Pointers how) const { return With(&StepRow::tutorialArrows, how); }
        constexpr StepRow ClickerShown() const { return With(&StepRow::clicker, Toggle::On); }
        constexpr StepRow ClickerHidden() const { return With(&StepRow::clicker, Toggle::Off); }
        constexpr StepRow Moving(bool allowed) const { return With(&StepRow::moving, allowed ? Toggle::On : Toggle::Off); }
        constexpr StepRow Gift(float amount) const { return With(&StepRow::gift, amount); }
        constexpr StepRow Then(Action a) const { return With(&StepRow::then, a); }
        constexpr StepRow Afterwards(Action a) const { return With(&StepRow::afterwards, a); }

    private:
        template <typename T>
        constexpr StepRow With(T StepRow::*field, T value) const
        {
            StepRow r = *this;
            r.*field = value;
            return r;
        }
    };

    // Every finished step hides its own instruction and shows the next one;
    // a row lists only what it does besides. The columns touch different
    // objects, so Finish applies them in one fixed order whatever order a
    // row names them in.
    const TutorialSystem::StepRow TutorialSystem::Steps[StepCount] = {
        /* 0 */ StepRow(&TutorialSystem::ClickedWithMovesLocked)
            .Unblock(StallBtn)
            .ArrowTo(370.0f, 230.0f)
            .ArrowShown()
            .ClickerHidden(),
        /* 1 */ StepRow(&TutorialSystem::StallPanelOpen)
            .Block(Stall4)
            .Block(StallBtn)
            .Arrows(Pointers::MiddleTwo)
            .ArrowTo(390.0f, 100.0f),
        /* 2 */ StepRow(&TutorialSystem::FirstStallPlaced)
            .Then(&TutorialSystem::BlockFirstStallMenu)
            .ArrowHidden()
            .Block(Stall1)
            .ClickerShown()
            .Arrows(Pointers::Off),
        /* 3 */ StepRow(&TutorialSystem::Clicked),
        /* 4 */ StepRow(&TutorialSystem::Clicked).ClickerHidden(),
        /* 5 */ StepRow(&TutorialSystem::UpgradeMenuOpened)
            .Unblock(Stall1Upgrade)
            .Then(&TutorialSystem::PointAtUpgradeButton)
            .ArrowShown(),
        /* 6 */ StepRow(&TutorialSystem::UpgradeStarted)
            .ArrowHidden()
            .Block(Stall1Upgrade)
            .ClickerShown()
            .Afterwards(&TutorialSystem::ReturnIfUpgradeMenuClosed),
        /* 7 */ StepRow(&TutorialSystem::Clicked),
        /* 8 */ StepRow(&TutorialSystem::Clicked)
            .Unblock(SeatBtn)
            .ArrowTo(440.0f, 225.0f)
            .ArrowShown()
            .ClickerHidden(),
        /* 9 */ StepRow(&TutorialSystem::SeatPanelOpen)
            .Arrows(Pointers::RowOfFour)
            .Unblock(Stall1)
            .Block(SeatBtn)
            .Gift(FirstSeatGift)
            .ArrowTo(390.0f, 100.0f),
        /* 10 */ StepRow(&TutorialSystem::FirstSeatPlaced)
            .ArrowHidden()
            .Block(Stall1)
            .Arrows(Pointers::Off)
            .ClickerShown(),
        /* 11 */ StepRow(&TutorialSystem::Clicked),
        /* 12 */ StepRow(&TutorialSystem::Clicked)
            .Moving(true)
            .Then(&TutorialSystem::RememberSeatPlace)
            .ClickerHidden(),
        /* 13 */ StepRow(&TutorialSystem::FirstSeatMoved).Moving(false).ClickerShown(),
        /* 14 */ StepRow(&TutorialSystem::Clicked),
        /* 15 */ StepRow(&TutorialSystem::Clicked).Unblock(SynergyBtn),
        /* 16 */ StepRow(&TutorialSystem::Clicked),
        /* 17 */ StepRow(&TutorialSystem::Clicked),
        /* 18 */ StepRow(&TutorialSystem::Clicked),
        /* 19 */ StepRow(&TutorialSystem::Clicked).ClickerHidden(),
        /* 20 */ StepRow(&TutorialSystem::UpgradeFinished)
            .Unblock(StallBtn)
            .Block(SeatBtn)
            .ArrowTo(370.0f, 230.0f)
            .ArrowShown(),
        /* 21 */ StepRow(&TutorialSystem::StallPanelOpen).Block(StallBtn).Gift(SecondStallGift),
        /* 22 */ StepRow(&TutorialSystem::FourthStallPlaced)
            .Then(&TutorialSystem::BlockFourthStallMenu)
            .ArrowHidden()
            .ClickerShown(),
        /* 23 */ StepRow(&TutorialSystem::Clicked),
        /* 24 */ StepRow(&TutorialSystem::Clicked).ClickerHidden().Then(&TutorialSystem::RememberTrash),
        /* 25 */ StepRow(&TutorialSystem::TrashBinned).ClickerShown(),
        /* 26 */ StepRow(&TutorialSystem::Clicked),
        /* 27 */ StepRow(&TutorialSystem::Clicked),
        /* 28 */ StepRow(&TutorialSystem::Clicked).Then(&TutorialSystem::SpawnCashCloud).ClickerHidden(),
        /* 29 */ StepRow(&TutorialSystem::CashCloudCollected).ClickerShown(),
        /* 30 */ StepRow(&TutorialSystem::Clicked),
        /* 31 */ StepRow(&TutorialSystem::Clicked).Unblock(StatsBtn),
        /* 32 */ StepRow(&TutorialSystem::Clicked),
        /* 33 */ StepRow(&TutorialSystem::Clicked).ClickerHidden().Then(&TutorialSystem::OpenLevel1),
    };

    bool TutorialSystem::WaitsForClick(int n)
    {
        if (n < 0 || n >= StepCount)
            return false;
        const Condition c = Steps[n].waitsFor;
        return c == &TutorialSystem::Clicked || c == &TutorialSystem::ClickedWithMovesLocked;
    }

    void TutorialSystem::Update()
    {
        // Past the last step (or set out of range) nothing happens.
        if (step < 0 || step >= StepCount)
            return;
        const StepRow& row = Steps[step];
        if ((this->*row.waitsFor)())
            Finish(row);
        if (row.afterwards)
            (this->*row.afterwards)();
    }

    void TutorialSystem::Finish(const StepRow& row)
    {
        for (int b = 0; b < BlockerCount; ++b)
        {
            if (row.blockersOn & 1u << b)
                SetBlocker(b, true);
            if (row.blockersOff & 1u << b)
                SetBlocker(b, false);
        }
        if (row.arrowMoves)
            ArrowAt(row.arrowX, row.arrowY);
        if (row.arrow != Toggle::Keep)
            Arrow(row.arrow == Toggle::On);
        PointTutorialArrows(row.tutorialArrows);
        if (row.clicker != Toggle::Keep)
            Clicker(row.clicker == Toggle::On);
        if (row.moving != Toggle::Keep)
            SetMovable(row.moving == Toggle::On);
        if (row.gift != 0.0f)
            GiveMoney(row.gift);
        if (row.then)
            (this->*row.then)();
        // After the last step this shows nothing and leaves the tutorial done.
        Next(step);
    }

    // ---- What the steps wait for ------------------------------------------

    bool TutorialSystem::Clicked()
    {
        return INPUTSYS && INPUTSYS->wasLMButtonPressed();
    }

    bool TutorialSystem::ClickedWithMovesLocked()
    {
        if (Clicked())
            return true;
        // Nothing may be moved before the first click.
        SetMovable(false);
        return false;
    }

    bool TutorialSystem::StallPanelOpen()
    {
        return IsActive(stallPanel);
    }

    bool TutorialSystem::SeatPanelOpen()
    {
        return IsActive(seatPanel);
    }

    // The tutorial waits for the stalls and the seat it names.
    bool TutorialSystem::FirstStallPlaced()
    {
        return PlacedStalls() >= 1 && Resolve(firstStall, "Stall01");
    }

    bool TutorialSystem::FourthStallPlaced()
    {
        // The fourth stall's place opens as soon as the step begins.
        if (IsActive(blockers[Stall4]))
        {
            SetBlocker(Stall4, false);
            ArrowAt(450.0f, 90.0f);
            Arrow(true);
        }
        return PlacedStalls() >= 2 && Resolve(fourthStall, "Stall04");
    }

    bool TutorialSystem::FirstSeatPlaced()
    {
        return PlacedSeats() >= 1 && Resolve(firstSeat, "Seat01");
    }

    bool TutorialSystem::FirstSeatMoved()
    {
        const GameObject* seat = Resolve(firstSeat, "Seat01");
        return seat && ParentName(seat) != rememberedSeatParent;
    }

    bool TutorialSystem::UpgradeMenuOpened()
    {
        bool closed = false;
        return UpgradeMenuOpen(closed);
    }

    bool TutorialSystem::UpgradeStarted()
    {
        GameObject* stall = Resolve(firstStall, "Stall01");
        const StallsBehaviour* behaviour = stall ? stall->GetComponent<StallsBehaviour>() : nullptr;
        return behaviour && behaviour->level == 2;
    }

    bool TutorialSystem::UpgradeFinished()
    {
        GameObject* stall = Resolve(firstStall, "Stall01");
        const UpgradeBehaviour* upgrade = stall ? stall->GetComponent<UpgradeBehaviour>() : nullptr;
        return upgrade && !upgrade->upgrading;
    }

    bool TutorialSystem::TrashBinned()
    {
        const int now = TrashCount();
        const bool binned = now < rememberedTrash;
        // Trash dropped meanwhile raises the count, and is not a binned piece.
        rememberedTrash = now;
        return binned;
    }

    bool TutorialSystem::CashCloudCollected()
    {
        const TimeAndWeatherSystem* weather = TimeAndWeatherSystem::Instance();
        if (weather && weather->collectedCashClouds >= 1)
            return true;
        // A cloud that ran out or drifted off before it was clicked is made
        // again, so the step can always be done.
        const Vector2D p = PositionOf(cashCloud.Get());
        if (!cashCloud.Get() || std::fabs(p.x) > OffScreenX || std::fabs(p.y) > OffScreenY)
        {
            if (GameObject* old = cashCloud.Get())
                old->Destroy();
            SpawnCashCloud();
        }
        return false;
    }

    // ---- What some steps do besides ---------------------------------------

    void TutorialSystem::BlockFirstStallMenu()
    {
        const Vector2D p = PositionOf(firstStall.Get());
        PlaceBlocker(Stall1Sell, p + UpgradeSystem::SellButtonOffset());
        PlaceBlocker(Stall1Upgrade, p + UpgradeSystem::UpgradeButtonOffset());
    }

    void TutorialSystem::BlockFourthStallMenu()
    {
        const Vector2D q = PositionOf(fourthStall.Get());
        PlaceBlocker(Stall4Sell, q + UpgradeSystem::SellButtonOffset());
        PlaceBlocker(Stall4Upgrade, q + UpgradeSystem::UpgradeButtonOffset());
    }

    void TutorialSystem::PointAtUpgradeButton()
    {
        const Vector2D at = PositionOf(firstStall.Get()) + UpgradeSystem::UpgradeButtonOffset() + ArrowAboveButton;
        ArrowAt(at.x, at.y);
    }

    void TutorialSystem::ReturnIfUpgradeMenuClosed()
    {
        // Closing the menu without upgrading goes back a step, also in the
        // frame that moved on.
        bool closed = false;
        UpgradeMenuOpen(closed);
        if (!closed)
            return;
        Arrow(false);
        Show(5, true);
        Show(6, false);
        step = 5;
    }

    void TutorialSystem::RememberSeatPlace()
    {
        const GameObject* seat = Resolve(firstSeat, "Seat01");
        rememberedSeatParent = seat ? ParentName(seat) : std::string();
    }

    void TutorialSystem::RememberTrash()
    {
        rememberedTrash = TrashCount();
    }

    void TutorialSystem::SpawnCashCloud()
    {
        GameObject* cloud = Instantiate("CashCloud", Vector2D(), 0.0f);
        if (CloudMotor* motor = cloud ? cloud->GetComponent<CloudMotor>() : nullptr)
            motor->MakeCashCloud();
        cashCloud = ObjectHandle(cloud);
    }

    void TutorialSystem::OpenLevel1()
    {
        GetLevelFlags()[0] = true;
        Instantiate("TutorialComplete", Vector2D(), 0.0f);
    }
}
