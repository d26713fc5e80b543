// The world the editor tests run in: the started engine with a window on
// the fake platform, every engine system but physics' picking loop, and the
// editor made the engine's editor. It starts no game: only the engine's
// component types are registered, unless a world deriving from it adds a
// game's (AddGame).
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <imgui.h>
#include <imgui_internal.h>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Editor/Editor.h"
#include "Core/Editor/FileBrowser.h"
#include "Core/Editor/ImGuiBinding.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
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
#include "Platform/VirtualKeys.h"
#include "Support/EngineWorld.h"

namespace KiteTest
{
    using namespace KiteFramework;
    namespace fs = std::filesystem;

    inline std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    class EditorWorld : public EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            UseFakePlatform();
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            engine->SetEngineStatus(ES_EDITORVIEW, true);
            window = AddSystem(new Win32System("KiteEditorTest", 1600, 900));
            AddFactory();
            AddSystem(new Input());
            audio = AddSystem(new AudioEngine(&sound));
            AddSystem(new GameLogic());
            AddSystem(new GraphNetwork());
            AddSystem(new UISystem());
            archetypes = AddSystem(new ArchetypeSystem());
            AddSystem(new Physics());
            graphics = AddSystem(new Graphics(window->GetWindowHandleAddress(), 1600, 900));
            scenes = AddSystem(new SceneManager());
            editor = AddSystem(new Editor(graphics));
            engine->SetEditor(editor);
            window->SetEventHook(&ImGui_ImplGlfwGL3_WindowsEventWrap);
            AddGame();
            engine->Initialise();
            window->ActivateWindow();
            engine->BeginLoop();
            scenes->Update();
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
        }

        // Registers a game's component types, before the systems start.
        virtual void AddGame() {}

        // Runs f with the engine's console output held back.
        template <typename F>
        void Quiet(F f)
        {
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            f();
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
        }

        // Queues a key pressed and released, with Control held round it
        // when ctrl; the next frame reads it.
        void PushPress(int vk, bool ctrl = false)
        {
            if (ctrl)
                fake.PushKey(Platform::EventType::KeyDown, VK::Control);
            fake.PushKey(Platform::EventType::KeyDown, vk);
            fake.PushKey(Platform::EventType::KeyUp, vk);
            if (ctrl)
                fake.PushKey(Platform::EventType::KeyUp, VK::Control);
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

        // The view PlaceView puts 800 by 450 pixels at (100, 50), 2 world
        // units a pixel: the world's origin is at its centre.
        static constexpr int kCentreX = 500;
        static constexpr int kCentreY = 275;

        // Puts the scene view at a known place and takes it as hovered.
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

        // A press and a release, as the GUI binding hands them on.
        void Click(int x, int y)
        {
            Cursor(x, y);
            testing::internal::CaptureStdout();
            editor->SetMouseClick(true);
            editor->MouseToWorld();
            editor->SetMouseClick(false);
            testing::internal::GetCapturedStdout();
        }

        // A press and release of `button` (0 left, 1 right) at (x, y) through
        // the window's events, and two frames.
        void ClickAt(int x, int y, int button = 0)
        {
            Cursor(x, y);
            fake.PushMouse(Platform::EventType::MouseMove, x, y);
            fake.PushMouse(Platform::EventType::MouseDown, x, y, button);
            fake.PushMouse(Platform::EventType::MouseUp, x, y, button);
            Frame();
            Frame();
        }

        // Characters typed into whatever has the keyboard, and a frame.
        void Type(const std::string& typed)
        {
            for (char c : typed)
            {
                Platform::Event e;
                e.type = Platform::EventType::Character;
                e.codepoint = static_cast<unsigned char>(c);
                fake.Push(e);
            }
            Frame();
        }

        // A key pressed and released, and two frames.
        void Press(int vk)
        {
            fake.PushKey(Platform::EventType::KeyDown, vk);
            fake.PushKey(Platform::EventType::KeyUp, vk);
            Frame();
            Frame();
        }

        // An object drawn at a depth (nearer the player the smaller it is).
        GameObject* Drawn(const std::string& name, float x, float y, float scale, float depth)
        {
            GameObject* o = Make(name, x, y, scale);
            o->GetComponent<Transform>()->SetDepth(depth);
            auto* sprite = static_cast<Sprite*>(o->AddComponent(CT_Sprite));
            sprite->ToggleRender(true);
            sprite->Initialise();
            return o;
        }

        // One GUI frame: the window's events, then `body`, then, when asked,
        // a window "Probe" with a text field of the test's own (given the
        // keyboard when focusField).
        template <typename Body>
        void ProbedFrame(Body body, bool withField, bool focusField)
        {
            engine->GetSystem(ST_Win32System)->Update();
            ImGui_ImplGlfwGL3_NewFrame();
            body();
            if (withField)
            {
                ImGui::Begin("Probe");
                if (focusField)
                    ImGui::SetKeyboardFocusHere();
                ImGui::InputText("##probe", text, sizeof(text));
                ImGui::End();
            }
            ImGui_ImplGlfwGL3_Render();
        }

        // One GUI frame drawing the components' panels in the window `title`,
        // their own nodes forced open; nested nodes (choice lists, tables,
        // combos) open from the next frame when openNested. A window size
        // places the window at the corner with that size.
        void DrawPanels(const char* title, const std::vector<GameComponent*>& components, bool openNested,
                        ImVec2 size = ImVec2(0.0f, 0.0f))
        {
            ImGui_ImplGlfwGL3_NewFrame();
            if (size.x > 0.0f)
            {
                ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
                ImGui::SetNextWindowSize(size);
            }
            ImGui::Begin(title);
            for (GameComponent* c : components)
            {
                ImGui::SetNextItemOpen(true, ImGuiCond_Always);
                c->RenderImGui();
            }
            if (openNested)
                ImGui::GetCurrentWindow()->StateStorage.SetAllInt(1);
            ImGui::End();
            ImGui_ImplGlfwGL3_Render();
        }

        bool ConsoleHas(const std::string& text) const
        {
            for (const std::string& line : editor->GetConsoleLines())
                if (line.find(text) != std::string::npos)
                    return true;
            return false;
        }

        // The probe field's text.
        char text[32] = {};
        Win32System* window = nullptr;
        AudioEngine* audio = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        Graphics* graphics = nullptr;
        SceneManager* scenes = nullptr;
        Editor* editor = nullptr;
    };
}
