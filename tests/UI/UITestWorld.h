// A world for the user-interface tests: an engine with the factory, the
// user-interface system, archetypes, scenes and a silent audio engine, and
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

namespace UITest
{
    using namespace KiteFramework;

    inline void WriteFile(const std::string& path, const std::string& text)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    class UIWorld : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            char pattern[] = "/tmp/kite-ui-XXXXXX";
            folder = mkdtemp(pattern);
            previous = std::filesystem::current_path();
            std::filesystem::current_path(folder);
            WriteFile(folder + "/Assets/Audio/SFX/Click.wav", "sound");

            engine = new Engine();
            factory = new GameObjectFactory();
            ui = new UISystem();
            archetypes = new ArchetypeSystem();
            scenes = new SceneManager();
            audio = new AudioEngine(&sound);
            for (System* s : std::initializer_list<System*>{factory, ui, archetypes, scenes, audio})
                engine->AddSystem(s);
            factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
            factory->AddComponentCreator(CT_Sprite, "Sprite", new ComponentCreatorType<Sprite>(CT_Sprite));
            testing::internal::CaptureStdout();
            audio->Initialise();
            ui->Initialise();
            scenes->Initialise();
            testing::internal::GetCapturedStdout();
            engine->SetEngineStatus(ES_RUNNING, true);
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
            engine->SetTimeFactor(1.0f);
        }

        void TearDown() override
        {
            testing::internal::CaptureStdout();
            factory->DeleteAllObjects();
            engine->CleanEngine();
            delete engine;
            ENGINE = nullptr;
            testing::internal::GetCapturedStdout();
            std::error_code ec;
            for (const std::string& file : archetypeFiles)
                std::filesystem::remove(file, ec);
            std::filesystem::current_path(previous, ec);
            std::filesystem::remove_all(folder, ec);
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
            const std::string body = "<Components>" + components + "</Components>";
            for (const std::string& path : {folder + "/Assets/Archetypes/" + name + ".xml",
                                            engine->GetAssetPath() + "Archetypes/" + name + ".xml"})
            {
                WriteFile(path, body);
                archetypeFiles.push_back(path);
            }
            testing::internal::CaptureStderr();
            archetypes->LoadAllArchetypes();
            testing::internal::GetCapturedStderr();
            return name;
        }

        // Runs the factory's update: destroyed objects go away.
        void NextFrame() { factory->Update(); }

        std::string folder;
        std::filesystem::path previous;
        std::vector<std::string> archetypeFiles;
        Platform::FakeSoundSystem sound;
        Engine* engine = nullptr;
        GameObjectFactory* factory = nullptr;
        UISystem* ui = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        SceneManager* scenes = nullptr;
        AudioEngine* audio = nullptr;
    };
}
