// A world for the user-interface tests: the started engine with the factory,
// the user-interface system, archetypes, scenes and a silent audio engine, and
// helpers that build buttons on objects and send them picking's messages.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/UI/UISystem.h"
#include "Platform/Fake/FakeSoundSystem.h"
#include "Support/EngineWorld.h"

namespace UITest
{
    using namespace KiteFramework;

    using KiteTest::WriteFile;

    class UIWorld : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            WriteFile(folder + "/Assets/Audio/SFX/Click.wav", "sound");
            AddFactory();
            ui = AddSystem(new UISystem());
            archetypes = AddSystem(new ArchetypeSystem());
            scenes = AddSystem(new SceneManager());
            audio = AddSystem(new AudioEngine(&sound));
            factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
            factory->AddComponentCreator(CT_Sprite, "Sprite", new ComponentCreatorType<Sprite>(CT_Sprite));
            InitialiseQuietly({audio, ui, scenes});
            Play();
            engine->SetTimeFactor(1.0f);
        }

        GameObject* Make(const std::string& name, GameObject* parent = nullptr)
        {
            GameObject* o = factory->CreateEmptyComposition();
            o->setName(name);
            o->AddComponent(CT_Transform);
            if (parent)
                o->AddParent(parent);
            return o;
        }

        // An object holding a sprite (showing "start.png"), an audio source
        // playing the click, and the button, initialised as a loaded scene is.
        template <typename B>
        B* MakeButton(const std::string& name, bool withSprite = true, bool withSound = true)
        {
            GameObject* o = Make(name);
            if (withSprite)
            {
                auto* s = new Sprite();
                s->SetTexturePath("start.png");
                o->AddComponent(s);
            }
            if (withSound)
            {
                auto* a = new AudioSource();
                a->setAudioClip("SFX/Click.wav");
                o->AddComponent(a);
            }
            auto* b = new B();
            b->SetDefaultPath("default.png");
            b->SetMouseOverPath("over.png");
            b->SetMouseDownPath("down.png");
            b->SetInactivePath("inactive.png");
            b->ButtonActive(true);
            o->AddComponent(b);
            testing::internal::CaptureStdout();
            o->Initialise();
            testing::internal::GetCapturedStdout();
            return b;
        }

        // What picking sends to an object.
        static void Send(GameComponent* c, MsgID::MessageIdType id)
        {
            MouseCollideMessage m(id);
            c->GetOwner()->SendMessage(&m);
        }
        // A full click on a hovered object: press, then release.
        static void Click(GameComponent* c)
        {
            Send(c, MsgID::MouseDown);
            Send(c, MsgID::MouseUp);
        }

        static std::string Texture(GameComponent* c)
        {
            Sprite* s = c->GetOwner()->GetComponent<Sprite>();
            return s ? s->GetTexturePath() : std::string();
        }

        int Plays() const { return sound.CountCalls("PlaySound"); }

        // An archetype file that Instantiate can use, named uniquely per test.
        std::string PutArchetype(const std::string& base, const std::string& components)
        {
            const std::string name = base + std::to_string(getpid());
            WriteFile(engine->GetAssetPath() + "Archetypes/" + name + ".xml",
                      "<Components>" + components + "</Components>");
            testing::internal::CaptureStderr();
            archetypes->LoadAllArchetypes();
            testing::internal::GetCapturedStderr();
            return name;
        }

        // Runs the factory's update: destroyed objects go away.
        void NextFrame() { factory->Update(); }

        UISystem* ui = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        SceneManager* scenes = nullptr;
        AudioEngine* audio = nullptr;
    };
}
