// The world the editor tests run in: the fake platform with a window, every
// engine system but physics' picking loop, the editor made the engine's
// editor, and a scratch working folder holding the asset tree.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <imgui.h>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Editor/Editor.h"
#include "Core/Editor/FileBrowser.h"
#include "Core/Editor/ImGuiBinding.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Input.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Physics.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/UISystem.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Core/Window/Win32System.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/Fake/FakeSoundSystem.h"
#include "StartUp/Game.h"

namespace KiteTest
{
    using namespace KiteFramework;
    namespace fs = std::filesystem;

    inline std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    class EditorWorld : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            char pattern[] = "/tmp/kite-editor-XXXXXX";
            folder = mkdtemp(pattern);
            previous = fs::current_path();
            fs::current_path(folder);
            fs::create_directories(folder + "/Assets/Scenes");
            fs::create_directories(folder + "/Assets/Archetypes");

            Platform::Install(&fake);
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            engine = new Engine();
            engine->SetAssetPath(folder + "/Assets/");
            engine->SetLogPath(folder + "/log.txt");
            engine->SetEngineStatus(ES_EDITORVIEW, true);
            window = new Win32System("KiteEditorTest", 1600, 900);
            engine->AddSystem(window);
            factory = new GameObjectFactory();
            engine->AddSystem(factory);
            engine->AddSystem(new Input());
            audio = new AudioEngine(&sound);
            engine->AddSystem(audio);
            engine->AddSystem(new GameLogic());
            engine->AddSystem(new GraphNetwork());
            engine->AddSystem(new UISystem());
            archetypes = new ArchetypeSystem();
            engine->AddSystem(archetypes);
            engine->AddSystem(new Physics());
            graphics = new Graphics(window->GetWindowHandleAddress(), 1600, 900);
            engine->AddSystem(graphics);
            scenes = new SceneManager();
            engine->AddSystem(scenes);
            editor = new Editor(graphics);
            engine->AddSystem(editor);
            engine->SetEditor(editor);
            window->SetEventHook(&ImGui_ImplGlfwGL3_WindowsEventWrap);
            engine->AddAndInitialiseGame(new Game());
            engine->Initialise();
            window->ActivateWindow();
            engine->BeginLoop();
            scenes->Update();
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
        }

        void TearDown() override
        {
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            engine->EndLoop();
            engine->CleanEngine();
            delete engine;
            ENGINE = nullptr;
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
            Platform::Install(nullptr);
            std::error_code ec;
            fs::current_path(previous, ec);
            fs::remove_all(folder, ec);
        }

        // One whole engine frame, as the loop runs it.
        void Frame()
        {
            engine->Step();
        }

        GameObject* Make(const std::string& name, float x = 0.0f, float y = 0.0f, float scale = 1.0f)
        {
            GameObject* o = factory->CreateEmptyComposition();
            o->setName(name);
            auto* t = static_cast<Transform*>(o->AddComponent(CT_Transform));
            t->SetTrans(x, y);
            t->SetScale(scale);
            return o;
        }

        // Puts the scene view at a known place and the cursor over a point of it.
        void PlaceView()
        {
            editor->SetViewRect({100.0f, 50.0f, 800.0f, 450.0f});
            editor->SetSceneViewHovered(true);
        }

        void Cursor(int x, int y)
        {
            fake.cursorX = x;
            fake.cursorY = y;
        }

        bool ConsoleHas(const std::string& text) const
        {
            for (const std::string& line : editor->GetConsoleLines())
                if (line.find(text) != std::string::npos)
                    return true;
            return false;
        }

        std::string folder;
        fs::path previous;
        Platform::FakePlatform fake;
        Platform::FakeSoundSystem sound;
        Engine* engine = nullptr;
        Win32System* window = nullptr;
        GameObjectFactory* factory = nullptr;
        AudioEngine* audio = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        Graphics* graphics = nullptr;
        SceneManager* scenes = nullptr;
        Editor* editor = nullptr;
    };
}
