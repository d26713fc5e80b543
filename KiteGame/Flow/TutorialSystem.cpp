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
#include "Flow/LevelFlags.h"
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
        constexpr float FirstSeatGift = 500.0f;
        constexpr float SecondStallGift = 650.0f;

        Vector2D PositionOf(const GameObject* o)
        {
            const Transform* t = o ? o->GetComponent<Transform>() : nullptr;
            return t ? t->GetTransVec() : Vector2D();
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

    void TutorialSystem::SetBlocker(Blocker b, bool on) const
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

    void TutorialSystem::TutorialArrows(bool shown) const
    {
        for (const ObjectHandle& h : tutorialArrows)
            if (GameObject* o = h.Get())
                o->setActive(shown);
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
            stats->AddMoney(amount);
    }

    bool TutorialSystem::Clicked() const
    {
        return INPUTSYS && INPUTSYS->wasLMButtonPressed();
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

    void TutorialSystem::SpawnCashCloud()
    {
        GameObject* cloud = Instantiate("CashCloud", Vector2D(), 0.0f);
        if (CloudMotor* motor = cloud ? cloud->GetComponent<CloudMotor>() : nullptr)
            motor->MakeCashCloud();
        cashCloud = ObjectHandle(cloud);
    }

    // ---- The steps --------------------------------------------------------

    void TutorialSystem::Update()
    {
        if (step < StepCount)
            RunStep();
    }

    void TutorialSystem::RunStep()
    {
        switch (step)
        {
        case 0:
            if (!Clicked())
            {
                SetMovable(false);
                return;
            }
            Next(0);
            ArrowAt(370.0f, 230.0f);
            Arrow(true);
            SetBlocker(StallBtn, false);
            Clicker(false);
            return;
        case 1:
            if (!IsActive(stallPanel))
                return;
            SetBlocker(Stall4, true);
            SetBlocker(StallBtn, true);
            Next(1);
            for (int i = 0; i < 4; ++i)
                if (GameObject* o = tutorialArrows[i].Get())
                    o->setActive(i == 1 || i == 2);
            ArrowAt(390.0f, 100.0f);
            return;
        case 2:
        {
            // The tutorial waits for the stall it names.
            GameObject* stall = PlacedStalls() >= 1 ? Resolve(firstStall, "Stall01") : nullptr;
            if (!stall)
                return;
            const Vector2D p = PositionOf(stall);
            PlaceBlocker(Stall1Sell, p + UpgradeSystem::SellButtonOffset());
            PlaceBlocker(Stall1Upgrade, p + UpgradeSystem::UpgradeButtonOffset());
            Arrow(false);
            SetBlocker(Stall1, true);
            Clicker(true);
            TutorialArrows(false);
            Next(2);
            return;
        }
        case 3:
            if (Clicked())
                Next(3);
            return;
        case 4:
            if (!Clicked())
                return;
            Clicker(false);
            Next(4);
            return;
        case 5:
        {
            bool closed = false;
            if (!UpgradeMenuOpen(closed))
                return;
            SetBlocker(Stall1Upgrade, false);
            const Vector2D p = PositionOf(firstStall.Get());
            const Vector2D at = p + UpgradeSystem::UpgradeButtonOffset() + ArrowAboveButton;
            ArrowAt(at.x, at.y);
            Arrow(true);
            Next(5);
            return;
        }
        case 6: StepUpgradeMenu(); return;
        case 7:
            if (Clicked())
                Next(7);
            return;
        case 8:
            if (!Clicked())
                return;
            Next(8);
            SetBlocker(SeatBtn, false);
            ArrowAt(440.0f, 225.0f);
            Arrow(true);
            Clicker(false);
            return;
        case 9:
        {
            if (!IsActive(seatPanel))
                return;
            Next(9);
            const float xs[4] = {-480.0f, -263.0f, -46.0f, 171.0f};
            for (int i = 0; i < 4; ++i)
                if (GameObject* o = tutorialArrows[i].Get())
                {
                    o->setActive(true);
                    if (Transform* t = o->GetComponent<Transform>())
                        t->SetTrans(xs[i], -200.0f);
                }
            SetBlocker(Stall1, false);
            SetBlocker(SeatBtn, true);
            GiveMoney(FirstSeatGift);
            ArrowAt(390.0f, 100.0f);
            return;
        }
        case 10:
            if (PlacedSeats() < 1 || !Resolve(firstSeat, "Seat01"))
                return;
            Arrow(false);
            SetBlocker(Stall1, true);
            Next(10);
            TutorialArrows(false);
            Clicker(true);
            return;
        case 11:
            if (Clicked())
                Next(11);
            return;
        case 12:
        {
            if (!Clicked())
                return;
            Next(12);
            SetMovable(true);
            GameObject* seat = Resolve(firstSeat, "Seat01");
            rememberedSeatParent = seat && seat->GetParent() ? seat->GetParent()->getName() : std::string();
            Clicker(false);
            return;
        }
        case 13:
        {
            GameObject* seat = Resolve(firstSeat, "Seat01");
            const std::string parent = seat && seat->GetParent() ? seat->GetParent()->getName() : std::string();
            if (!seat || parent == rememberedSeatParent)
                return;
            SetMovable(false);
            Next(13);
            Clicker(true);
            return;
        }
        case 14:
            if (Clicked())
                Next(14);
            return;
        case 15:
            if (!Clicked())
                return;
            SetBlocker(SynergyBtn, false);
            Next(15);
            return;
        case 16:
        case 17:
        case 18:
            if (Clicked())
                Next(step);
            return;
        case 19:
            if (!Clicked())
                return;
            Next(19);
            Clicker(false);
            return;
        case 20:
        {
            GameObject* stall = Resolve(firstStall, "Stall01");
            const UpgradeBehaviour* upgrade = stall ? stall->GetComponent<UpgradeBehaviour>() : nullptr;
            if (!upgrade || upgrade->upgrading)
                return;
            Next(20);
            SetBlocker(StallBtn, false);
            SetBlocker(SeatBtn, true);
            ArrowAt(370.0f, 230.0f);
            Arrow(true);
            return;
        }
        case 21:
            if (!IsActive(stallPanel))
                return;
            SetBlocker(StallBtn, true);
            Next(21);
            GiveMoney(SecondStallGift);
            return;
        case 22: StepSecondStall(); return;
        case 23:
            if (Clicked())
                Next(23);
            return;
        case 24:
            if (!Clicked())
                return;
            Next(24);
            Clicker(false);
            rememberedTrash = TrashCount();
            return;
        case 25:
        {
            const int now = TrashCount();
            if (now < rememberedTrash)
            {
                Next(25);
                Clicker(true);
            }
            // Trash dropped after the test no longer counts as binned.
            rememberedTrash = now;
            return;
        }
        case 26:
        case 27:
            if (Clicked())
                Next(step);
            return;
        case 28:
            if (!Clicked())
                return;
            SpawnCashCloud();
            Next(28);
            Clicker(false);
            return;
        case 29: StepCashCloud(); return;
        case 30:
            if (Clicked())
                Next(30);
            return;
        case 31:
            if (!Clicked())
                return;
            SetBlocker(StatsBtn, false);
            Next(31);
            return;
        case 32:
            if (Clicked())
                Next(32);
            return;
        case 33:
            if (!Clicked())
                return;
            Show(33, false);
            Clicker(false);
            GetLevelFlags()[0] = true;
            Instantiate("TutorialComplete", Vector2D(), 0.0f);
            step = StepCount;
            return;
        default: return;
        }
    }

    void TutorialSystem::StepUpgradeMenu()
    {
        GameObject* stall = Resolve(firstStall, "Stall01");
        const StallsBehaviour* behaviour = stall ? stall->GetComponent<StallsBehaviour>() : nullptr;
        if (behaviour && behaviour->level == 2)
        {
            Arrow(false);
            SetBlocker(Stall1Upgrade, true);
            Next(6);
            Clicker(true);
        }
        // Closing the menu without upgrading goes back a step (also in the
        // frame that moved on).
        bool closed = false;
        UpgradeMenuOpen(closed);
        if (closed)
        {
            Arrow(false);
            Show(5, true);
            Show(6, false);
            step = 5;
        }
    }

    void TutorialSystem::StepSecondStall()
    {
        if (IsActive(blockers[Stall4]))
        {
            SetBlocker(Stall4, false);
            ArrowAt(450.0f, 90.0f);
            Arrow(true);
        }
        if (PlacedStalls() < 2)
            return;
        GameObject* stall = Resolve(fourthStall, "Stall04");
        if (!stall)
            return;
        const Vector2D q = PositionOf(stall);
        PlaceBlocker(Stall4Sell, q + UpgradeSystem::SellButtonOffset());
        PlaceBlocker(Stall4Upgrade, q + UpgradeSystem::UpgradeButtonOffset());
        Arrow(false);
        Next(22);
        Clicker(true);
    }

    void TutorialSystem::StepCashCloud()
    {
        const TimeAndWeatherSystem* weather = TimeAndWeatherSystem::Instance();
        if (weather && weather->collectedCashClouds >= 1)
        {
            Next(29);
            Clicker(true);
            return;
        }
        // A cloud that ran out or drifted off before it was clicked is made
        // again, so the step can always be done.
        const Vector2D p = PositionOf(cashCloud.Get());
        if (!cashCloud.Get() || std::fabs(p.x) > OffScreenX || std::fabs(p.y) > OffScreenY)
        {
            if (GameObject* old = cashCloud.Get())
                old->Destroy();
            SpawnCashCloud();
        }
    }
}
