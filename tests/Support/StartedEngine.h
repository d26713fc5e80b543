// The started engine every test that needs one builds on: a scratch folder
// of its own (the working folder while it runs, holding Assets/Scenes and
// Assets/Archetypes), a fake platform, a silent sound system, and an
// engine. Each user adds its systems in the order it needs; Stop deletes the
// objects, the systems and the engine, and leaves the folder as it was.
// Free of the test framework, so that the fuzz targets start theirs here too.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/Waypoints/VertexNode.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/Fake/FakeSoundSystem.h"

namespace KiteTest
{
    using namespace KiteFramework;

    // One file's bytes; empty when it cannot be read.
    inline std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Writes the file, making its folders.
    inline void WriteFile(const std::string& path, const std::string& text)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    class StartedEngine
    {
    public:
        // With ownAssetRoot the engine's asset root is the scratch Assets/;
        // otherwise it keeps the one beside the program.
        void Start(bool ownAssetRoot = true)
        {
            namespace fs = std::filesystem;
            const std::string pattern = (fs::temp_directory_path() / "kite-test-XXXXXX").string();
            std::string name = pattern;
            folder = mkdtemp(name.data());
            // Readable by all, as an ordinary folder is: checks run as an
            // ordinary user (Unprivileged.h) reach the files inside.
            fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
            previous = fs::current_path();
            fs::current_path(folder);
            fs::create_directories(folder + "/Assets/Scenes");
            fs::create_directories(folder + "/Assets/Archetypes");
            engine = new Engine();
            if (ownAssetRoot)
                engine->SetAssetPath(folder + "/Assets/");
            engine->SetLogPath(folder + "/log.txt");
        }

        // Also after a user that deleted the engine itself.
        void Stop()
        {
            if (engine)
            {
                engine->EndLoop();
                engine->CleanEngine();
                delete engine;
                engine = nullptr;
            }
            ENGINE = nullptr;
            Platform::Install(nullptr);
            std::error_code ec;
            std::filesystem::current_path(previous, ec);
            std::filesystem::remove_all(folder, ec);
        }

        // Keys, buttons and the cursor come from `fake` from now on (the real
        // platform reports no cursor, so dragged objects stay where put).
        void UseFakePlatform() { Platform::Install(&fake); }

        template <typename S>
        S* AddSystem(S* system)
        {
            engine->AddSystem(system);
            return system;
        }

        // The engine running the game, as after the first frame of play.
        void Play()
        {
            engine->SetEngineStatus(ES_RUNNING, true);
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
        }

        // The factory, first of the systems added after it.
        GameObjectFactory* AddFactory()
        {
            factory = AddSystem(new GameObjectFactory());
            return factory;
        }

        // Every engine component type, as the systems register them when
        // they start (for fixtures that start none of them).
        void RegisterEngineComponents()
        {
            RegisterComponent<Transform>(CT_Transform, "Transform");
            RegisterComponent<Sprite>(CT_Sprite, "Sprite");
            RegisterComponent<Text>(CT_Text, "Text");
            RegisterComponent<Emitter>(CT_Emitter, "Emitter");
            RegisterComponent<AudioListener>(CT_AudioListener, "AudioListener");
            RegisterComponent<AudioSource>(CT_AudioSource, "AudioSource");
            RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
            RegisterComponent<VertexNode>(CT_VertexNode, "VertexNode");
            RegisterComponent<PopUpUI>(CT_PopUpUI, "PopUpUI");
            RegisterComponent<ActivatePopupButton>(CT_ActivatePopupButton, "ActivatePopupButton");
            RegisterComponent<SystemCallButton>(CT_SystemCallButton, "SystemCallButton");
            RegisterComponent<ToggleActiveButton>(CT_ToggleActiveButton, "ToggleActiveButton");
        }

        // A named object with a Transform at (x, y).
        GameObject* MakeAt(const std::string& name, float x = 0.0f, float y = 0.0f)
        {
            GameObject* o = factory->CreateEmptyComposition();
            o->setName(name);
            auto* t = static_cast<Transform*>(o->AddComponent(CT_Transform));
            t->SetTrans(x, y);
            return o;
        }

        template <typename T>
        T* Add(GameObject* o, ComponentTypeId type)
        {
            return static_cast<T*>(o->AddComponent(type));
        }

        std::string folder;
        std::filesystem::path previous;
        Platform::FakePlatform fake;
        Platform::FakeSoundSystem sound;
        Engine* engine = nullptr;
        GameObjectFactory* factory = nullptr;
    };
}
