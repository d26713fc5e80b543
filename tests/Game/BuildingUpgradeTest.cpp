// Stall upgrades, the stall menu, selling, and build buttons following the money.
#include <algorithm>
#include <memory>
#include <vector>

#include "Building/SpawnButton.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Input.h"
#include "Game/BuildingWorld.h"
#include "Trouble/FireResolver.h"
#include "Stalls/StallsSynergySystem.h"

namespace KiteTest
{
    class Upgrades : public BuildingWorld
    {
    protected:
        // A bought stall on its node with its menu.
        StallsBehaviour* Bought(float money = 1000.0f)
        {
            Level(money + 100.0f);
            StallsBehaviour* s = Buy(PickableStallNode("StallNode1", 300.0f, 200.0f));
            Step();
            upgrade = s->GetOwner()->GetComponent<UpgradeBehaviour>();
            button = upgrade->GetMenuUpgradeButton()->GetComponent<UpgradeButton>();
            return s;
        }

        void Press(BaseButton* b)
        {
            Message up(MsgID::MouseUp);
            b->SendMessage(&up);
        }

        // Steps until the upgrade ends; the seconds of game time it took.
        float RunUpgrade()
        {
            int frames = 0;
            while (upgrade->upgrading && frames < 60 * 100)
            {
                Step();
                ++frames;
            }
            // The art and the bar go at the next factory update.
            Step(2);
            return static_cast<float>(frames) / 60.0f;
        }

        std::string CostText() const { return *upgrade->GetMenuText(UpgradeBehaviour::UpgradeCostText)->GetText(); }

        UpgradeBehaviour* upgrade = nullptr;
        UpgradeButton* button = nullptr;
    };

    TEST_F(Upgrades, EachUpgradeChargesMoreTakesLongerAndTheLastLeavesMaxLevel)
    {
        StallsBehaviour* s = Bought();
        EXPECT_TRUE(button->ButtonActive());
        Press(button);
        EXPECT_FLOAT_EQ(stats->Money(), 900.0f);
        EXPECT_TRUE(upgrade->upgrading);
        EXPECT_FALSE(s->operational) << "an upgrading stall serves nobody";
        EXPECT_FALSE(button->ButtonActive()) << "no second upgrade while one runs";
        EXPECT_EQ(Count("UpgradeFeedback"), 1);
        EXPECT_EQ(CostText(), "150");
        EXPECT_NEAR(RunUpgrade(), 12.0f, 0.05f);
        EXPECT_TRUE(s->operational);
        EXPECT_EQ(Count("UpgradeFeedback"), 0);
        EXPECT_EQ(Count("UpgradeEffect"), 1);
        EXPECT_EQ(Count("UpgradeBarBacking"), 0) << "the bar removes itself at the end";
        EXPECT_TRUE(button->ButtonActive());

        Press(button);
        EXPECT_FLOAT_EQ(stats->Money(), 750.0f);
        EXPECT_EQ(s->level, 3u);
        EXPECT_NEAR(RunUpgrade(), 14.4f, 0.05f);
        EXPECT_EQ(CostText(), "Max level");
        EXPECT_FALSE(button->ButtonActive());
        // Later refreshes keep saying so, and money does not switch it on.
        upgrades->UpdateAllTexts();
        stats->ChangeMoney(10000.0f);
        EXPECT_EQ(CostText(), "Max level");
        EXPECT_FALSE(button->ButtonActive());
        Press(button);
        EXPECT_FLOAT_EQ(stats->Money(), 10750.0f);
    }

    TEST_F(Upgrades, TheButtonFollowsTheMoneyAndExactMoneyIsEnough)
    {
        Bought(50.0f);
        EXPECT_FALSE(button->ButtonActive());
        stats->ChangeMoney(49.0f);
        EXPECT_FALSE(button->ButtonActive());
        stats->ChangeMoney(1.0f);
        EXPECT_TRUE(button->ButtonActive());
        Press(button);
        EXPECT_TRUE(upgrade->upgrading);
        EXPECT_FLOAT_EQ(stats->Money(), 0.0f);
    }

    TEST_F(Upgrades, AtTimeFactorZeroAnUpgradeNeverEnds)
    {
        Bought();
        Press(button);
        engine->SetTimeFactor(0.0f);
        Step(60 * 30);
        EXPECT_TRUE(upgrade->upgrading);
        EXPECT_EQ(upgrade->upgradeTimer, 0.0f);
        engine->SetTimeFactor(1.0f);
    }

    TEST_F(Upgrades, TheConstructionArtLeavesTheDayNightListBeforeItGoes)
    {
        auto* weather = Add<TimeAndWeatherSystem>(Make("Weather"), CT_TimeAndWeatherSystem);
        weather->timeInDay = 60.0f;
        StallsBehaviour* s = Bought();
        Press(button);
        EXPECT_EQ(weather->GetTintedSpriteCount(), 1u);
        RunUpgrade();
        EXPECT_EQ(weather->GetTintedSpriteCount(), 0u);
        // Sold in the middle of an upgrade: the art goes, and the list with it.
        Press(button);
        EXPECT_EQ(weather->GetTintedSpriteCount(), 1u);
        s->Sell();
        Step(2);
        EXPECT_EQ(weather->GetTintedSpriteCount(), 0u);
        EXPECT_EQ(Count("UpgradeFeedback"), 0);
        // Fading a list that held a dead sprite would touch freed memory.
        weather->Advance(20.0f);
        Step();
    }

    TEST_F(Upgrades, AStallMenuShowsTheEarningsASynergyGivesOrTakes)
    {
        // "Western - Drinks" triples the money of a sale.
        StallArchetype(4);
        Level(10000.0f);
        Add<StallsSynergySystem>(Make("Synergies"), CT_StallsSynergySystem)->Initialise();
        StallsBehaviour* western = Buy(PickableStallNode("StallNode1", 300.0f, 200.0f), "Stall4");
        Step();
        const UpgradeBehaviour* westernMenu = western->GetOwner()->GetComponent<UpgradeBehaviour>();
        auto earnings = [&] { return *westernMenu->GetMenuText(UpgradeBehaviour::EarningsText)->GetText(); };
        auto likes = [&] { return *westernMenu->GetMenuText(UpgradeBehaviour::LikesEarningsText)->GetText(); };
        EXPECT_EQ(earnings(), "10");
        EXPECT_EQ(likes(), "5");
        StallsBehaviour* drinks = Buy(PickableStallNode("StallNode2", -300.0f, 200.0f), "Stall1");
        Step();
        EXPECT_EQ(earnings(), "30");
        EXPECT_EQ(likes(), "10");
        drinks->Sell();
        Step();
        EXPECT_EQ(earnings(), "10");
        EXPECT_EQ(likes(), "5");
    }

    TEST_F(Upgrades, TheSellButtonFindsItsStallThroughTheMenuAndPaysHalf)
    {
        StallsBehaviour* s = Bought();
        GameObject* menu = button->GetOwner()->GetParent();
        SellButton* sell = nullptr;
        for (GameObject* child : menu->GetChildren())
            if (auto* b = child->GetComponent<SellButton>())
                sell = b;
        ASSERT_NE(sell, nullptr);
        const unsigned id = s->GetOwner()->GetId();
        Press(sell);
        Step();
        EXPECT_FLOAT_EQ(stats->Money(), 1050.0f);
        EXPECT_EQ(stalls->GetStallCount(), 0u);
        EXPECT_TRUE(FACTORY->FindObjectWithId(id) == nullptr || FACTORY->FindObjectWithId(id)->getName() != "Stall1");
        // The menu went with the stall; its number left the system.
        EXPECT_EQ(upgrades->GetMenuCount(), 0u);
        stats->ChangeMoney(0.0f);
    }

    TEST_F(Upgrades, ASellButtonWithNoStallToFindDoesNothing)
    {
        StallsBehaviour* s = Bought();
        Buy(PickableStallNode("StallNode2", -300.0f, 200.0f));
        Step();
        // Alone, under a parent with no grandparent, and under a menu that is not a stall's.
        GameObject* alone = Instantiate("SellButton", Vector2D(), 0.0f);
        GameObject* parent = Make("Panel");
        GameObject* underPanel = Instantiate("SellButton", Vector2D(), 0.0f);
        underPanel->AddParent(parent);
        GameObject* grand = Make("Window");
        GameObject* menu = Make("Menu");
        menu->AddParent(grand);
        GameObject* underMenu = Instantiate("SellButton", Vector2D(), 0.0f);
        underMenu->AddParent(menu);
        // And one whose stall was sold by another button.
        auto* orphan = Instantiate("SellButton", Vector2D(), 0.0f)->GetComponent<SellButton>();
        orphan->SetStall(s);
        s->Sell();
        Step(2);
        const float money = stats->Money();
        for (GameObject* o : {alone, underPanel, underMenu, orphan->GetOwner()})
        {
            Press(o->GetComponent<SellButton>());
            Step();
        }
        EXPECT_FLOAT_EQ(stats->Money(), money);
        EXPECT_EQ(stalls->GetStallCount(), 1u) << "the other stall stays";
    }

    TEST_F(Upgrades, AButtonNumberWithoutAStallIsSkipped)
    {
        Bought();
        EXPECT_EQ(upgrades->Find(button->buttonId + 7), nullptr);
        UpgradeButton stray;
        stray.buttonId = 99;
        upgrades->Upgrade(&stray);
        upgrades->UpdateButtonStates();
        EXPECT_FLOAT_EQ(stats->Money(), 1000.0f);
    }

    TEST_F(Upgrades, MenuPartsFollowTheMenuParentWhenTheStallMoves)
    {
        StallsBehaviour* s = Bought();
        GameObject* menu = button->GetOwner()->GetParent();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->GetParent(), s->GetOwner());
        const Vector2D before = At(button) - At(s);
        EXPECT_EQ(before, Vector2D(-41.0f, -22.0f));
        MoveTo(s, -100.0f, 50.0f);
        EXPECT_EQ(At(button) - At(s), before);
    }

    TEST_F(Upgrades, AClickOnTheStallClosesAndReopensItsMenu)
    {
        StallsBehaviour* s = Bought();
        GameObject* menu = button->GetOwner()->GetParent();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(menu->isActive()) << "a bought stall shows its menu";
        const auto click = [&] {
            for (MsgID::MessageIdType id : {MsgID::MouseDown, MsgID::MouseUp})
            {
                Message m(id);
                s->GetOwner()->SendMessage(&m);
            }
            Step();
        };
        click();
        EXPECT_FALSE(menu->isActive());
        click();
        EXPECT_TRUE(menu->isActive());
        // Closed some other way (its close button), a click still opens it.
        menu->setActive(false);
        click();
        EXPECT_TRUE(menu->isActive());
    }

    TEST_F(Upgrades, OpeningOneStallsMenuClosesEveryOther)
    {
        StallsBehaviour* first = Bought();
        GameObject* firstMenu = button->GetOwner()->GetParent();
        StallsBehaviour* second = Buy(PickableStallNode("StallNode2", -300.0f, 200.0f));
        Step();
        GameObject* secondMenu =
            second->GetOwner()->GetComponent<UpgradeBehaviour>()->GetMenuUpgradeButton()->GetParent();
        ASSERT_NE(firstMenu, nullptr);
        ASSERT_NE(secondMenu, nullptr);
        EXPECT_FALSE(firstMenu->isActive()) << "the new stall's menu took the place of the open one";
        EXPECT_TRUE(secondMenu->isActive());
        const auto click = [&](StallsBehaviour* s) {
            for (MsgID::MessageIdType id : {MsgID::MouseDown, MsgID::MouseUp})
            {
                Message m(id);
                s->GetOwner()->SendMessage(&m);
            }
            Step();
        };
        click(first);
        EXPECT_TRUE(firstMenu->isActive());
        EXPECT_FALSE(secondMenu->isActive());
        // Closing its own menu leaves the others closed.
        click(first);
        EXPECT_FALSE(firstMenu->isActive());
        EXPECT_FALSE(secondMenu->isActive());
        click(second);
        click(first);
        EXPECT_TRUE(firstMenu->isActive());
        EXPECT_FALSE(secondMenu->isActive());
    }

    // ---- Build buttons ------------------------------------------------------

    class BuildButtons : public BuildingWorld
    {
    protected:
        SpawnButton* Button(const std::string& name, const std::string& archetype)
        {
            GameObject* o = Make(name, 0.0f, 400.0f);
            o->AddComponent(CT_Sprite);
            Add<ActivatePopupButton>(o, CT_ActivatePopupButton);
            auto* b = Add<SpawnButton>(o, CT_SpawnButton);
            b->toBeSpawned_ = archetype;
            o->Initialise();
            b->OnStart();
            return b;
        }

        static bool Active(SpawnButton* b) { return b->GetOwner()->GetComponent<ActivatePopupButton>()->GetButtonActive(); }
    };

    TEST_F(BuildButtons, PricesComeFromTheStallTableByTheWholeNumberAfterStall)
    {
        Level(1000.0f);
        WriteTable("StallData/StallData.csv", "N,F,P,U\nA,a,100,1\nB,b,80,1\nC,c,120,1\nD,d,70,1\n"
                                              "E,e,1,1\nF,f,1,1\nG,g,1,1\nH,h,1,1\nI,i,1,1\nJ,j,1,1\nK,k,1,1\nL,l,240,1\n");
        StallArchetype(4);
        StallArchetype(12);
        GameObject* stall01 = Instantiate("Stall1", Vector2D(), 0.0f);
        ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise("Stall01", stall01));
        EXPECT_EQ(Button("B1", "Stall1")->GetCost(), 100.0f);
        EXPECT_EQ(Button("B4", "Stall4")->GetCost(), 70.0f);
        EXPECT_EQ(Button("B12", "Stall12")->GetCost(), 240.0f);
        EXPECT_EQ(Button("B01", "Stall01")->GetCost(), 100.0f);
    }

    TEST_F(BuildButtons, TheTableButtonChargesTheSeatPrice)
    {
        Level(1000.0f);
        EXPECT_EQ(Button("SeatCB", "Seat1")->GetCost(), 40.0f);
        seats->seatsCost = 0.0f;
        EXPECT_EQ(Button("SeatCB", "Seat1")->GetCost(), 500.0f) << "without a seat price";
    }

    TEST_F(BuildButtons, AnUnreadablePriceOrUnknownArchetypeDisablesTheButtonWithOneReport)
    {
        Level(100000.0f);
        // Row 1 unreadable, row 2 short, row 3 past any number, row 4 below
        // nothing, row 9 priced but with no archetype behind it.
        WriteTable("StallData/StallData.csv", "N,F,P,U\nA,a,cheap,1\nB,b\nC,c," + std::string(60, '9') +
                                                  ",1\nD,d,-70,1\nE,e,1,1\nF,f,1,1\nG,g,1,1\nH,h,1,1\nI,i,90,1\n");
        StallArchetype(3);
        StallArchetype(4);
        GameObject* kiosk = Instantiate("Stall3", Vector2D(), 0.0f);
        ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise("Kiosk", kiosk));
        struct Case
        {
            const char* button;
            const char* archetype;
            const char* why;
        };
        std::vector<SpawnButton*> made;
        for (const Case& c : {Case{"B1", "Stall1", "no price"}, Case{"B2", "Stall2", "no price"},
                              Case{"B3", "Stall3", "price out of range"}, Case{"B4", "Stall4", "price out of range"},
                              Case{"B9", "Stall9", "no archetype \"Stall9\""}, Case{"BX", "Kiosk", "no stall number"},
                              // The archetype is checked before the table row.
                              Case{"B99", "Stall99", "no archetype \"Stall99\""},
                              Case{"BY", "Booth", "no archetype \"Booth\""}})
        {
            testing::internal::CaptureStderr();
            SpawnButton* b = Button(c.button, c.archetype);
            const std::string reports = testing::internal::GetCapturedStderr();
            EXPECT_EQ(std::count(reports.begin(), reports.end(), '\n'), 1) << c.button << ": " << reports;
            EXPECT_NE(reports.find(std::string("build button \"") + c.button + "\": " + c.why), std::string::npos)
                << reports;
            EXPECT_FALSE(b->IsUsable()) << c.button;
            EXPECT_FALSE(Active(b)) << c.button;
            made.push_back(b);
        }
        // Money changes never switch them back on, and a click makes nothing.
        stats->ChangeMoney(0.0f);
        for (SpawnButton* b : made)
        {
            EXPECT_FALSE(Active(b)) << b->GetGameObjectName();
            b->OnMouseDown();
        }
        EXPECT_EQ(Count("Stall1"), 0);
        EXPECT_EQ(Count("Stall2"), 0);
    }

    TEST_F(BuildButtons, ButtonsAreOnExactlyWhenAffordableAfterEveryMoneyChange)
    {
        Level(100.0f);
        SpawnButton* cheap = Button("B2", "Stall2");   // 80
        SpawnButton* dear = Button("B1", "Stall1");    // 100
        SpawnButton* table = Button("SeatCB", "Seat1");  // 40
        auto expectOn = [&](bool c, bool d, bool t) {
            EXPECT_EQ(Active(cheap), c);
            EXPECT_EQ(Active(dear), d);
            EXPECT_EQ(Active(table), t);
        };
        expectOn(true, true, true);
        // A purchase.
        StallsBehaviour* s = Buy(PickableStallNode("StallNode1", 300.0f, 200.0f), "Stall2");
        Step();
        EXPECT_FLOAT_EQ(stats->Money(), 20.0f);
        expectOn(false, false, false);
        // Income.
        s->GainMoney(30.0f);
        expectOn(false, false, true);
        // A sale pays back 40.
        s->Sell();
        Step();
        expectOn(true, false, true);
        // Maintenance.
        stats->SetMoney(100.0f);
        expectOn(true, true, true);
        stalls->PayMaintenance();
        expectOn(true, true, true);
    }

    TEST_F(BuildButtons, AMoveAndTheDailyUpkeepSwitchTheButtonsOffAsTheyCharge)
    {
        Level(190.0f);
        StallPlacementNode* a = PickableStallNode("StallNode1", 300.0f, 200.0f);
        PickableStallNode("StallNode2", -300.0f, 200.0f);
        SpawnButton* cheap = Button("B2", "Stall2");     // 80
        SpawnButton* table = Button("SeatCB", "Seat1");  // 40
        StallsBehaviour* s = Buy(a);                      // 100
        Step();
        ASSERT_FLOAT_EQ(stats->Money(), 90.0f);
        EXPECT_TRUE(Active(cheap));
        // A move costs half the stall's price.
        UseFakePlatform();
        Hold(s, 0.35f);
        ASSERT_TRUE(s->dragging);
        MoveTo(s, -300.0f, 200.0f);
        s->OnMouseUp();
        Step();
        ASSERT_FLOAT_EQ(stats->Money(), 40.0f);
        EXPECT_FALSE(Active(cheap));
        EXPECT_TRUE(Active(table));
        // The upkeep takes the money below the table's price.
        ASSERT_GT(stalls->GetTotalUpkeep(), 0.0f);
        stalls->PayMaintenance();
        ASSERT_LT(stats->Money(), 40.0f);
        EXPECT_FALSE(Active(table));
    }

    TEST_F(BuildButtons, ADestroyedButtonLeavesTheListTheMoneySwitches)
    {
        Level(100.0f);
        SpawnButton* kept = Button("B2", "Stall2");
        SpawnButton* gone = Button("B1", "Stall1");
        const std::size_t listed = stats->GetSpawnButtonCount();
        ObjectHandle goneObject(gone->GetOwner());
        goneObject->Destroy();
        factory->Update();
        ASSERT_FALSE(goneObject);
        EXPECT_EQ(stats->GetSpawnButtonCount(), listed - 1);
        // A money change reaches only the living buttons.
        stats->SetMoney(10.0f);
        EXPECT_FALSE(Active(kept));
    }

    TEST_F(BuildButtons, ACopyOfTheStatisticsSharesTheButtonsAndNeitherKeepsOneThatIsGone)
    {
        Level(100.0f);
        SpawnButton* kept = Button("B2", "Stall2");  // 80
        SpawnButton* gone = Button("B1", "Stall1");  // 100
        const std::size_t listed = stats->GetSpawnButtonCount();
        // A copied button (an editor's duplicate) joins no list.
        std::unique_ptr<GameComponent> duplicate(gone->Clone());
        EXPECT_EQ(stats->GetSpawnButtonCount(), listed);
        duplicate.reset();
        EXPECT_EQ(stats->GetSpawnButtonCount(), listed);

        // A copy of the statistics (as the editor makes) becomes the level's
        // and switches the same buttons; the original stays alive beside it.
        std::unique_ptr<GameComponent> copy(stats->Clone());
        auto* copied = static_cast<LevelStatsSystem*>(copy.get());
        ASSERT_EQ(LevelStatsSystem::Instance(), copied);
        EXPECT_EQ(copied->GetSpawnButtonCount(), listed);
        copied->SetMoney(50.0f);
        EXPECT_FALSE(Active(kept));

        ObjectHandle goneObject(gone->GetOwner());
        goneObject->Destroy();
        factory->Update();
        ASSERT_FALSE(goneObject);
        EXPECT_EQ(copied->GetSpawnButtonCount(), listed - 1);
        EXPECT_EQ(stats->GetSpawnButtonCount(), listed - 1);
        // The older system's money change (its "=" key) reaches only the
        // living buttons, as the copy's does.
        stats->ChangeMoney(500.0f);
        EXPECT_TRUE(Active(kept));
        copied->SetMoney(10.0f);
        EXPECT_FALSE(Active(kept));
        copy.reset();
        stats->SetMoney(1000.0f);
        EXPECT_TRUE(Active(kept));
    }

    TEST_F(BuildButtons, AClickMakesTheStallAndHandsItToTheMouseOnlyWhenAffordable)
    {
        Level(50.0f);
        SpawnButton* b = Button("B1", "Stall1");
        b->OnMouseDown();
        EXPECT_EQ(Count("Stall1"), 0);
        stats->SetMoney(100.0f);
        b->OnMouseDown();
        ASSERT_EQ(Count("Stall1"), 1);
        auto* s = Find("Stall1")->GetComponent<StallsBehaviour>();
        EXPECT_TRUE(s->dragging);
        EXPECT_EQ(TagOf(s), 3);
        EXPECT_FLOAT_EQ(stats->Money(), 100.0f) << "nothing is paid before the drop";
    }
    // A stall's fire over it, clicked through the mouse messages and picking.
    class FireOnAStall : public Upgrades
    {
    protected:
        void SetUp() override
        {
            UseFakePlatform();
            Upgrades::SetUp();
            engine->AddSystem(new Input());
            RegisterComponent<FireResolver>(CT_FireResolver, "FireResolver");
            graphics = std::make_unique<Graphics>(nullptr, 1600, 900);
            SimpleArchetype("WaterFeedback", false, true);
            GameObject* o = Make("Fire");
            Collider2D* c = Add<Collider2D>(o, CT_Collider2D);
            c->SetColliderTag(4);
            c->SetExtents(Vector2D(1.0f, 1.0f));
            auto* fr = Add<FireResolver>(o, CT_FireResolver);
            fr->targetClickCount = 3;
            fr->finalScale = 0.5f;
            Archetype("Fire", o);
        }

        // The pointer at a world position (client pixels map one to one).
        Vector2D PointTo(float x, float y, bool move = true)
        {
            fake.cursorX = static_cast<int>(x + 800.0f);
            fake.cursorY = static_cast<int>(450.0f - y);
            const Vector2D at(static_cast<float>(fake.cursorX), static_cast<float>(fake.cursorY));
            MouseMove moved(at);
            if (move)
                engine->BroadcastMessage(&moved);
            return at;
        }

        // A press and release at (x, y); moved there first unless it rests there.
        void Click(float x, float y, bool move = true)
        {
            const Vector2D at = PointTo(x, y, move);
            for (bool pressed : {true, false})
            {
                fake.SetKeyDown(VK::LButton, pressed);
                MouseButton button(MouseButton::LeftMouse, pressed, at);
                engine->BroadcastMessage(&button);
            }
            Step();
        }

        std::unique_ptr<Graphics> graphics;
    };

    TEST_F(FireOnAStall, TheClickThatPutsTheFireOutLeavesTheMenuClosedAndTheNextOpensIt)
    {
        StallsBehaviour* s = Bought();
        GameObject* menu = button->GetOwner()->GetParent();
        ASSERT_NE(menu, nullptr);
        // The pointer leaves the stall before the fire covers it.
        PointTo(-600.0f, -300.0f);
        s->SetOnFire();
        Step();
        ASSERT_FALSE(menu->isActive()) << "a fire closes the menu";
        for (int i = 0; i < 3; ++i)
        {
            ASSERT_NE(s->GetFireObject(), nullptr) << i;
            Click(300.0f, 200.0f);
            EXPECT_FALSE(menu->isActive()) << "click " << i << " was meant for the fire";
        }
        EXPECT_EQ(s->GetFireObject(), nullptr);
        EXPECT_TRUE(s->operational);
        Step();
        // The pointer has not moved: the stall beneath is under it now.
        Click(300.0f, 200.0f, false);
        EXPECT_TRUE(menu->isActive()) << "the next click on the stall opens its menu";
    }
}
