// A stall world with mouse picking: physics, a window-less graphics system
// for the pointer's world position, the fake platform holding the cursor
// and buttons, the trash, fire and synergy systems, and the archetypes the
// trouble instantiates.
#pragma once

#include "World/Indicator.h"
#include "Core/Engine/Message.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Input.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Game/StallWorld.h"
#include "Platform/Fake/FakePlatform.h"
#include "Stalls/StallsSynergySystem.h"
#include "Trouble/FightResolver.h"
#include "Trouble/FireController.h"
#include "Trouble/FireResolver.h"
#include "Trouble/Trash.h"
#include "Trouble/TrashBin.h"
#include "Trouble/TrashController.h"

namespace KiteTest
{
    class TroubleWorld : public StallWorld
    {
    protected:
        static constexpr int TrashLayer = 3, DraggedLayer = 6, TroubleLayer = 4;

        void SetUp() override
        {
            UseFakePlatform();
            StallWorld::SetUp();
            physics = new Physics();
            engine->AddSystem(physics);
            // The buttons as the platform reports them (a release can reach
            // another object than the one dragged).
            engine->AddSystem(new Input());
            RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
            // Not added to the engine: it has no window to draw in.
            graphics = new Graphics(nullptr, 1600, 900);
            TroubleArchetypes();
        }

        void TearDown() override
        {
            StallWorld::TearDown();
            delete graphics;
        }

        void TroubleArchetypes()
        {
            for (const char* name : {"WaterFeedback", "FightClickFeedback"})
                SimpleArchetype(name, false, true);

            GameObject* trash = Make("Trash");
            trash->AddComponent(CT_Sprite);
            Collider2D* c = Add<Collider2D>(trash, CT_Collider2D);
            c->SetExtents(Vector2D(0.6f, 0.45f));
            auto* indicator = Add<Indicator>(trash, CT_Indicator);
            indicator->legalPlacement = {0.0f, 1.0f, 0.0f, 1.0f};
            indicator->illegalPlacement = {1.0f, 0.0f, 0.0f, 1.0f};
            Add<Trash>(trash, CT_Trash)->likesToAdd = 2.0f;
            Archetype("Trash", trash);

            FireArchetype(fireClicks);

            GameObject* cloud = Make("FightCloud");
            cloud->GetComponent<Transform>()->SetScale(1.6f, 1.6f);
            Add<Collider2D>(cloud, CT_Collider2D)->SetExtents(Vector2D(1.0f, 1.0f));
            auto* fight = Add<FightResolver>(cloud, CT_FightResolver);
            fight->targetClickCount = 4;
            fight->finalScale = 0.8f;
            Archetype("FightCloud", cloud);
        }

        // The trash, fire and synergy systems on one object; initialised
        // unless a test sets them up first.
        GameObject* TroubleSystems(bool initialise = true)
        {
            GameObject* o = Make("TroubleSystems");
            synergies = Add<StallsSynergySystem>(o, CT_StallsSynergySystem);
            trashController = Add<TrashController>(o, CT_TrashController);
            trashController->originalLayer = TrashLayer;
            trashController->draggedLayer = DraggedLayer;
            fire = Add<FireController>(o, CT_FireController);
            if (initialise)
                o->Initialise();
            return o;
        }

        // The "Fire" archetype with the clicks it needs.
        void FireArchetype(int clicks)
        {
            GameObject* o = Make("Fire");
            o->GetComponent<Transform>()->SetScale(1.4f, 1.4f);
            Add<Collider2D>(o, CT_Collider2D)->SetExtents(Vector2D(1.0f, 1.0f));
            auto* fr = Add<FireResolver>(o, CT_FireResolver);
            fr->targetClickCount = clicks;
            fr->finalScale = 0.5f;
            Archetype("Fire", o);
        }

        // A bin at (x, y): a 60 by 80 box.
        TrashBin* Bin(float x, float y)
        {
            GameObject* o = Make("Bin", x, y);
            o->AddComponent(CT_Sprite);
            Collider2D* c = Add<Collider2D>(o, CT_Collider2D);
            c->SetColliderTag(1);
            c->SetExtents(Vector2D(0.6f, 0.8f));
            TrashBin* bin = Add<TrashBin>(o, CT_TrashBin);
            bin->binDefaultSprite = "Bin_Closed.png";
            bin->binOpenSprite = "Bin_Open.png";
            o->Initialise();
            return bin;
        }

        // The pointer at a world position (client pixels map one to one),
        // with the move broadcast as the window would.
        void PointerAt(float x, float y)
        {
            fake.cursorX = static_cast<int>(x + 800.0f);
            fake.cursorY = static_cast<int>(450.0f - y);
            MouseMove move(Vector2D(static_cast<float>(fake.cursorX), static_cast<float>(fake.cursorY)));
            engine->BroadcastMessage(&move);
        }

        void Button(bool pressed)
        {
            if (pressed)
                fake.keysDown.insert(1);
            else
                fake.keysDown.erase(1);
            MouseButton message(MouseButton::LeftMouse, pressed,
                                Vector2D(static_cast<float>(fake.cursorX), static_cast<float>(fake.cursorY)));
            engine->BroadcastMessage(&message);
        }

        void Click(float x, float y)
        {
            PointerAt(x, y);
            Button(true);
            Button(false);
        }

        // Frames for a span of game seconds at the current speed.
        static int Frames(float seconds) { return static_cast<int>(seconds * 60.0f + 0.5f); }

        // Clicks the "Fire" archetype needs.
        int fireClicks = 3;
        Physics* physics = nullptr;
        Graphics* graphics = nullptr;
        StallsSynergySystem* synergies = nullptr;
        TrashController* trashController = nullptr;
        FireController* fire = nullptr;
    };
}
