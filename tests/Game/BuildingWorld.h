// A stall world with picking (drop targets are found through the colliders),
// the upgrade system, and the archetypes building instantiates: stalls and a
// table with colliders, the stall menu, the upgrade art and bar, the
// after-image and "NoStalls".
#pragma once

#include "Building/DraggableAfterImage.h"
#include "World/Indicator.h"
#include "Building/SellButton.h"
#include "Building/SpawnButton.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeButton.h"
#include "Building/UpgradeSystem.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Game/StallWorld.h"
#include "HUD/ProgressBar.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/VirtualKeys.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteTest
{
    class BuildingWorld : public StallWorld
    {
    protected:
        void SetUp() override
        {
            StallWorld::SetUp();
            physics = new Physics();
            engine->AddSystem(physics);
            RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
            RegisterComponent<ToggleActiveButton>(CT_ToggleActiveButton, "ToggleActiveButton");
            RegisterComponent<ActivatePopupButton>(CT_ActivatePopupButton, "ActivatePopupButton");
            // Stalls: tag 2 at rest, 3 while carried; tables the same.
            StallArchetype(1);
            StallArchetype(2, 80.0f);
            GameObject* seat = Make("Seat1");
            seat->AddComponent(CT_Sprite);
            Add<Collider2D>(seat, CT_Collider2D)->SetColliderTag(2);
            seat->AddComponent(CT_SeatsBehaviour);
            Archetype("Seat1", seat);
            for (const char* name : {"StallLevelText", "EarningsText", "UpgradeCostText", "SellCostText",
                                     "LikesEarningsText"})
                SimpleArchetype(name, true);
            for (const char* name : {"UpgradeMenuParent", "UpgradeBarBacking", "UpgradeEffect", "NoStalls"})
                SimpleArchetype(name);
            SimpleArchetype("UpgradeFeedback", false, true);
            ButtonArchetype("UpgradeButton", CT_UpgradeButton);
            ButtonArchetype("SellButton", CT_SellButton);
            ButtonArchetype("CloseUpgradeMenuButton", CT_ToggleActiveButton);
            GameObject* bar = Make("UpgradeProgressBar");
            auto* progress = Add<ProgressBar>(bar, CT_ProgressBar);
            progress->type = ProgressBar::Upgrade;
            progress->maxBarXScale = 1.0f;
            progress->barHeight = 0.2f;
            Archetype("UpgradeProgressBar", bar);
            GameObject* image = Make("AfterImage");
            image->AddComponent(CT_Sprite);
            image->AddComponent(CT_DraggableAfterImage);
            Archetype("AfterImage", image);
        }

        // A stall archetype; a grey texture gives it the look and tints of a carried stall.
        void StallArchetype(int type, float price = 100.0f, float upgradeCost = 100.0f, const std::string& gray = "")
        {
            GameObject* o = Make("Stall" + std::to_string(type));
            Add<Sprite>(o, CT_Sprite);
            if (!gray.empty())
                GiveIndicator(o, "Stalls/Stall" + std::to_string(type) + "_Band0_Idle", gray, 2);
            Add<Collider2D>(o, CT_Collider2D)->SetColliderTag(2);
            auto* s = Add<StallsBehaviour>(o, CT_StallsBehaviour);
            s->stallIndex_ = type;
            s->constructionCost = price;
            s->stallEarningsBasic = {10.0f, 5.0f, 20.0f};
            auto* u = Add<UpgradeBehaviour>(o, CT_UpgradeBehaviour);
            u->upgradeCost = upgradeCost;
            u->upgradeCountdown = 2;
            u->upgradeCostMultiplier = 1.5f;
            u->upgradeBenefitMultiplier = 1.2f;
            u->upgradeTime = 10.0f;
            o->AddComponent(CT_ToggleActiveButton);
            Archetype("Stall" + std::to_string(type), o);
        }

        // A table archetype with the look and tints of a carried table.
        void GreyTableArchetype(const std::string& name)
        {
            GameObject* seat = Make(name);
            Add<Sprite>(seat, CT_Sprite);
            GiveIndicator(seat, "Seats/Table", "Seats/Table_Gray.png", 1);
            Add<Collider2D>(seat, CT_Collider2D)->SetColliderTag(2);
            seat->AddComponent(CT_SeatsBehaviour);
            Archetype(name, seat);
        }

        // Day art `look`.png with its night blend, a sheet of `columns`.
        void GiveIndicator(GameObject* o, const std::string& look, const std::string& gray, int columns)
        {
            o->GetComponent<Sprite>()->InGameSetAll(look + ".png", look + "_Night.png", columns, 1);
            auto* indicator = Add<Indicator>(o, CT_Indicator);
            indicator->grayscaleTexture = gray;
            indicator->originalTexture = look + ".png";
            indicator->originalBlend = look + "_Night.png";
            indicator->legalPlacement = {0.6f, 1.0f, 0.6f, 1.0f};
            indicator->illegalPlacement = {1.0f, 0.5f, 0.5f, 1.0f};
        }

        void ButtonArchetype(const std::string& name, ComponentTypeId type)
        {
            GameObject* o = Make(name);
            o->AddComponent(CT_Sprite);
            Add<Collider2D>(o, CT_Collider2D)->SetColliderTag(6);
            static_cast<BaseButton*>(o->AddComponent(type))->ButtonActive(true);
            Archetype(name, o);
        }

        // The level: statistics, customers, stalls, seats, upgrades; money m;
        // the stall system's tags 2 (resting) and 3 (carried), the seat
        // system's 4 and 5 so that the two can be told apart.
        void Level(float money)
        {
            CustomerArchetype();
            LevelSystems();
            upgrades = Add<UpgradeSystem>(Make("Upgrades"), CT_UpgradeSystem);
            stalls->originalLayer = 2;
            stalls->draggedLayer = 3;
            stalls->actualDepth = 20.0f;
            stalls->draggingDepth = 5.0f;
            seats->originalLayer = 4;
            seats->draggedLayer = 5;
            seats->seatsCost = 40.0f;
            stats->SetMoney(money);
        }

        // A placement node with a collider, so that a drop can find it.
        StallPlacementNode* PickableStallNode(const std::string& name, float x, float y)
        {
            StallPlacementNode* node = StallNode(name, x, y);
            Add<Collider2D>(node->GetOwner(), CT_Collider2D)->SetColliderTag(1);
            node->GetOwner()->Initialise();
            return node;
        }

        SeatPlacementNode* PickableSeatNode(const std::string& name, float x, float y)
        {
            GameObject* o = Make(name, x, y);
            o->AddComponent(CT_Sprite);
            auto* node = Add<SeatPlacementNode>(o, CT_SeatPlacementNode);
            Add<Collider2D>(o, CT_Collider2D)->SetColliderTag(1);
            o->Initialise();
            return node;
        }

        // A new stall from its archetype, handed to the mouse as a build
        // button does.
        StallsBehaviour* Carried(const std::string& archetype, float x, float y)
        {
            GameObject* o = Instantiate(archetype, Vector2D(x, y), 0.0f);
            auto* s = o ? o->GetComponent<StallsBehaviour>() : nullptr;
            if (s)
                s->BeginDragFromButton();
            return s;
        }

        static void MoveTo(GameComponent* s, float x, float y)
        {
            s->GetOwner()->GetComponent<Transform>()->SetTrans(x, y);
        }

        static Vector2D At(GameComponent* s) { return s->GetOwner()->GetComponent<Transform>()->GetTransVec(); }

        static int TagOf(GameComponent* s) { return s->GetOwner()->GetComponent<Collider2D>()->GetColliderTag(); }

        // Buys a stall onto a node through a carried build-button stall.
        StallsBehaviour* Buy(StallPlacementNode* node, const std::string& archetype = "Stall1")
        {
            StallsBehaviour* s = Carried(archetype, 0.0f, 0.0f);
            const Vector2D p = node->GetOwner()->GetComponent<Transform>()->GetTransVec();
            MoveTo(s, p.x, p.y);
            s->OnMouseUp();
            return s;
        }

        // Holds the left button on a placed object for `seconds` of frames.
        void Hold(Script* s, float seconds)
        {
            fake.SetKeyDown(VK::LButton, true);
            s->OnMouseDown();
            Step(static_cast<int>(seconds * 60.0f + 0.5f));
        }

        // Living objects of the name, interface objects included.
        int Count(const std::string& name) const
        {
            int n = 0;
            for (const auto* map : {&factory->GetObjects(), &factory->GetUIObjects()})
                for (const auto& entry : *map)
                    if (entry.second->getName() == name)
                        ++n;
            return n;
        }

        Physics* physics = nullptr;
        UpgradeSystem* upgrades = nullptr;
    };
}
