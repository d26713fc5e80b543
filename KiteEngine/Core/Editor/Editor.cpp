// Editor: construction, the frame, play and stop, and system times.
#include "Core/Editor/Editor.h"

#include <chrono>
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include <imgui.h>

#include "Core/Audio/AudioEngine.h"
#include "Core/Editor/FileBrowser.h"
#include "Core/Editor/ImGuiBinding.h"
#include "Core/Editor/InspectorWidgets.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/GameObject.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Window/Win32System.h"
#include "Platform/Platform.h"

namespace KiteFramework
{
    Editor::Editor(Graphics* g) : System(ST_Editor), graphics(g), browser(std::make_unique<FileBrowser>())
    {
        if (WINDOWSSYSTEM)
            ImGui_ImplGlfwGL3_SetWindow(WINDOWSSYSTEM->GetWindowHandleAddress());
        // Clicks while playing reach the game through the scene view.
        if (graphics)
            graphics->SetViewMapping([this](float x, float y) { return ViewToWorld(x, y); });
        // Components without a panel of their own show their listed fields.
        SetDefaultInspector(&DrawDefaultInspector);
        popupFlags = {&spriteEditorShown, &performanceShown, &fileMenuOpen, &createMenuOpen,
                      &helpMenuOpen,      &aboutMenuOpen,    &linkPopup,    &messagePopup};
    }

    Editor::~Editor()
    {
        GraphNetwork::SetConsoleWriter(nullptr);
        SetDefaultInspector(nullptr);
        if (ENGINE && ENGINE->GetEditor() == this)
            ENGINE->SetEditor(nullptr);
        if (ENGINE)
            ENGINE->SetQuitGuard(nullptr);
        if (SCENEMNGR)
            SCENEMNGR->SetLoadListener(nullptr);
        // The engine deletes Graphics first; then only the GUI is left to free.
        if (graphics && GRAPHICS != graphics)
            graphics = nullptr;
        FreeFramebuffers();
        if (graphics)
            graphics->SetViewMapping(nullptr);
        ImGui_ImplGlfwGL3_Shutdown();
        graphics = nullptr;
    }

    void Editor::Initialise()
    {
        ImGui_ImplGlfwGL3_Init(true);
        if (graphics && graphics->IsGLReady())
        {
            ImGui_ImplGlfwGL3_CreateDeviceObjects();
            MakeFramebuffer(sceneFramebuffer, sceneTexture, graphics->GetWidth(), graphics->GetHeight());
        }

        directoryStack = {Assets::WorkingRoot()};
        GetCurrentDir(directoryStack.front());
        RefreshSceneList();

        mouseClicked = false;
        sceneContextOpen = false;
        for (bool* flag : popupFlags)
            *flag = false;

        const SystemType measured[] = {ST_Win32System, ST_Graphics,   ST_Input,        ST_Editor,     ST_GameObjectFactory,
                                       ST_GameLogic,   ST_Physics,    ST_GraphNetwork, ST_AudioEngine};
        const char* labels[] = {"WINDOW", "GRAPHICS", "INPUT", "EDITOR", "FACTORY", "LOGIC", "PHYSICS", "WAYPOINTS",
                                "AUDIO"};
        for (std::size_t i = 0; i < std::size(measured); ++i)
        {
            histories[i][9] = 0.0f;
            systemTimes[measured[i]] = {false, &histories[i]};
            systemLabels[measured[i]] = labels[i];
        }

        // Waypoint editing writes its complaints into the console.
        GraphNetwork::SetConsoleWriter([this](const std::string& line) { Print(line); });
        // However the program is asked to end, unsaved changes are asked about.
        if (ENGINE)
            ENGINE->SetQuitGuard([this]() { return AllowQuit(); });
        // What each scene holds is noted the moment it is loaded.
        if (SCENEMNGR)
            SCENEMNGR->SetLoadListener([this]() {
                NoteSceneLoads();
                redraw.Wake();
            });
        std::cout << "System: Editor initialised." << std::endl;
    }

    void Editor::MakeFramebuffer(unsigned int& framebuffer, unsigned int& texture, int width, int height)
    {
        if (width <= 0 || height <= 0)
            return;
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindTexture(GL_TEXTURE_2D, 0);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
        // Sprites are drawn with depth, so the view needs a depth buffer too.
        glGenRenderbuffers(1, &sceneDepth);
        glBindRenderbuffer(GL_RENDERBUFFER, sceneDepth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, sceneDepth);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
            Print("The scene view's framebuffer is incomplete; the scene may not show.");
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        framebufferWidth = width;
        framebufferHeight = height;
    }

    void Editor::FreeFramebuffers()
    {
        if (!graphics || !graphics->IsGLReady())
            return;
        if (sceneFramebuffer)
            glDeleteFramebuffers(1, &sceneFramebuffer);
        if (sceneTexture)
            glDeleteTextures(1, &sceneTexture);
        if (sceneDepth)
            glDeleteRenderbuffers(1, &sceneDepth);
        sceneFramebuffer = sceneTexture = sceneDepth = 0;
    }

    void Editor::SendMessage(Message* message)
    {
        // A cleared scene takes the selected object with it.
        if (message && message->id == MsgID::ClearScene)
            ClearInspecting();
    }

    bool Editor::IsPlaying() const
    {
        return ENGINE && ENGINE->GetEngineStatus(ES_GAMEPLAYING);
    }

    void Editor::Update()
    {
        if (!ENGINE || !ENGINE->GetEngineStatus(ES_EDITORVIEW))
            return;
        if (!launched.empty())
            ReapLaunched();
        NoteSceneLoads();
        // Scene loads set the time factor to 1; nothing moves while editing.
        if (!IsPlaying())
            ENGINE->SetTimeFactor(0.0f);
        if (!redraw.Decide(ImGui_ImplGlfwGL3_EventsSeen(), IsBusy()))
        {
            // Nothing changes on screen: sleep until the next event rather
            // than draw the same frame again.
            if (Platform::IsInstalled() && Platform::Get().WaitForEvent(EditorRedraw::IdleWaitMilliseconds))
                redraw.Wake();
            return;
        }
        if (graphics)
            graphics->StartFrame();

        const auto start = std::chrono::steady_clock::now();
        DrawSceneIntoFramebuffer();
        const auto end = std::chrono::steady_clock::now();
        const float graphicsTime = std::chrono::duration<float>(end - start).count();
        UpdateSystemTime(ST_Graphics, graphicsTime, fc.getFixedDeltaTime());

        ImGui_ImplGlfwGL3_NewFrame();
        SetUp();
        ImGui_ImplGlfwGL3_Render();
        TitleAfterInput();
        if (graphics)
            graphics->SwapBuffers();
    }

    void Editor::TitleAfterInput()
    {
        // Edits come from input; comparing the scene with its files takes a
        // whole print of it, so the mark is brought up to date once the
        // input has rested (not in the middle of a drag), and at once after
        // a load, a save or PLAY and STOP.
        const unsigned long events = ImGui_ImplGlfwGL3_EventsSeen();
        if (events != eventsAtTitle)
        {
            eventsAtTitle = events;
            framesSinceInput = 0;
            inputSinceTitle = true;
        }
        else if (framesSinceInput < kQuietFramesBeforeTitle)
            ++framesSinceInput;
        if (!titleStale && !(inputSinceTitle && framesSinceInput >= kQuietFramesBeforeTitle))
            return;
        UpdateWindowTitle();
        titleStale = false;
        inputSinceTitle = false;
    }

    bool Editor::IsBusy() const
    {
        if (IsPlaying() || (graphics && graphics->IsLoadingTextures()))
            return true;
        if (!ImGui::GetCurrentContext())
            return false;
        // A caret blinks; a held button may be repeating or dragging.
        const ImGuiIO& io = ImGui::GetIO();
        return io.WantTextInput || io.MouseDown[0] || io.MouseDown[1] || io.MouseDown[2];
    }

    void Editor::DrawSceneIntoFramebuffer()
    {
        if (!graphics || !graphics->IsGLReady())
        {
            // Without a context the scene is still brought up to date.
            if (graphics)
                graphics->CallDraw();
            return;
        }
        // The view follows the window's size.
        if (graphics->GetWidth() != framebufferWidth || graphics->GetHeight() != framebufferHeight)
        {
            FreeFramebuffers();
            MakeFramebuffer(sceneFramebuffer, sceneTexture, graphics->GetWidth(), graphics->GetHeight());
        }
        if (!sceneFramebuffer)
            return;
        glBindFramebuffer(GL_FRAMEBUFFER, sceneFramebuffer);
        glViewport(0, 0, framebufferWidth, framebufferHeight);
        const Colour& bg = graphics->GetBG();
        glClearColor(bg.r, bg.g, bg.b, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        graphics->CallDraw();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(0, 0, graphics->GetWidth(), graphics->GetHeight());
    }

    void Editor::UpdateSystemTime(const SystemType& type, const float& time, const float& frame)
    {
        frameTime = frame;
        auto it = systemTimes.find(type);
        if (it == systemTimes.end())
            return;
        std::array<float, 10>& history = *it->second.second;
        for (std::size_t i = 1; i < history.size(); ++i)
            history[i - 1] = history[i];
        const float share = frame > 0.0f ? time / frame * 100.0f : 0.0f;
        history[9] = share < 0.000001f ? 0.0f : share;
        it->second.first = true;
    }

    const std::array<float, 10>* Editor::GetHistory(SystemType type) const
    {
        auto it = systemTimes.find(type);
        return it == systemTimes.end() ? nullptr : it->second.second;
    }

    bool Editor::TogglePlayStop()
    {
        if (!ENGINE)
            return false;
        ClearInspecting();
        if (!IsPlaying())
        {
            unsavedAtPlay = HasUnsavedChanges();
            rememberedScene = SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
            // The snapshot is the only way back: without it there is no PLAY.
            if (!FACTORY || !FACTORY->SerialiseLevel("tmp"))
            {
                Print("PLAY refused: the scene could not be saved as a snapshot to return to.");
                return false;
            }
            snapshotTaken = true;
            titleStale = true;
            ENGINE->SetEngineStatus(ES_GAMEPLAYING, true);
            ENGINE->SetTimeFactor(1.0f);
            if (graphics)
                graphics->NoDebugDraw();
            if (AUDIO)
                AUDIO->playOnstart();
            // The links overlay is the developer's choice: off while the
            // game plays, as it was once it stops.
            linksBeforePlay = drawLinks;
            drawLinks = false;
            std::cout << "the game has started and will be playing!" << std::endl;
            Message start(MsgID::Start);
            ENGINE->BroadcastMessage(&start);
            return true;
        }

        ENGINE->SetEngineStatus(ES_GAMEPLAYING, false);
        titleStale = true;
        drawLinks = linksBeforePlay;
        ENGINE->SetTimeFactor(0.0f);
        if (snapshotTaken && SCENEMNGR)
        {
            SCENEMNGR->LoadLevel("tmp");
            SCENEMNGR->ForceSetCurrentLevel(rememberedScene);
            restoringSnapshot = true;
        }
        snapshotTaken = false;
        if (AUDIO)
            AUDIO->StopAll();
        std::cout << "the game has stopped!" << std::endl;
        return true;
    }

    void Editor::SetInspecting(GameObject* object)
    {
        inspected = ObjectHandle(object);
        lastSet = inspected;
    }

    void Editor::ClearInspecting()
    {
        inspected.Reset();
    }

    void Editor::SetMouseClick(const bool& clicked)
    {
        // A new press starts a new drag: no jump from where the last one ended.
        if (clicked && !mouseClicked)
            previousMouseWorld = genericConversionTest();
        // Each press decides afresh whether it drags the selection.
        if (clicked != mouseClicked)
            dragArmed = false;
        const bool released = !clicked && mouseClicked;
        mouseClicked = clicked;
        if (released)
            ReleasedInView();
    }

    void Editor::PublicRemoveComponent(GameComponent* component)
    {
        GameObject* object = GetInspecting();
        if (object && component)
            object->RemoveComponent(component->GetComponentTypeId());
    }

    void Editor::Print(const std::string& line)
    {
        consoleLines.push_back(line);
        std::cout << line << std::endl;
    }

    bool Editor::CheckPopUp() const
    {
        if (pending != PendingAction::None)
            return false;
        for (const bool* flag : popupFlags)
            if (*flag)
                return false;
        return true;
    }

    void Editor::RefreshSceneList()
    {
        sceneList.clear();
        std::string problem;
        for (const Assets::Entry& entry : Assets::Entries(Assets::Root() + "Scenes", problem))
        {
            const std::string& file = entry.name;
            const std::size_t at = file.find(".xml");
            if (at == std::string::npos || file == "tmp.xml" || at == 0)
                continue;
            sceneList.push_back(file.substr(0, at));
        }
        std::sort(sceneList.begin(), sceneList.end());
    }

    void Editor::ComputeLayout()
    {
        Layout& l = layout;
        l.w = graphics ? static_cast<float>(graphics->GetWidth()) : 0.0f;
        l.h = graphics ? static_cast<float>(graphics->GetHeight()) : 0.0f;
        l.sceneH = 0.695f * l.h;
        l.sceneW = l.sceneH * 16.0f / 9.0f;
        l.hierarchyX = 0.0f;
        l.hierarchyY = 20.0f;
        l.hierarchyW = 0.1f * l.w;
        l.hierarchyH = 0.73f * l.h;
        l.reflectionX = 0.1f * l.w;
        l.reflectionY = 20.0f;
        l.consoleX = 0.0f;
        l.consoleY = 0.75f * l.h;
        l.consoleW = 0.5f * l.w;
        l.consoleH = 0.25f * l.h;
        l.inspectorX = 0.1f * l.w + l.sceneW;
        l.inspectorY = 20.0f;
        l.inspectorW = l.w - l.inspectorX;
        l.inspectorH = l.sceneH + 30.0f;
        l.explorerX = 0.5f * l.w;
        l.explorerY = l.sceneH + 30.0f + 20.0f;
        l.explorerW = l.w - 0.5f * l.w;
        l.explorerH = l.h - (l.sceneH + 30.0f) - 20.0f;
        view.x = l.reflectionX + imageOffsetX;
        view.y = l.reflectionY + imageOffsetY;
        view.w = l.sceneW;
        view.h = l.sceneH;
    }

    void Editor::SetUp()
    {
        // The selection is checked against its handle every frame.
        if (!inspected.IsEmpty() && !inspected.Get())
            inspected.Reset();
        ComputeLayout();
        CheckIO();
        if (CheckPopUp() && !sceneContextOpen && GetInspecting() && mouseClicked && dragArmed && MouseInViewport() &&
            sceneHovered && !IsPlaying())
            Gizmo();
        windowFlags |= ImGuiWindowFlags_NoCollapse;

        MainMenuBar();
        // The waypoint inspector raises the flag again in every frame that
        // draws its pop-up: a pop-up that is no longer drawn (its node gone,
        // the inspector hidden) holds nothing up.
        linkPopup = false;
        if (showUserGuide)
        {
            ImGui::ShowUserGuide();
            ImGui::ShowDemoWindow(&showUserGuide);
        }
        else
        {
            if (showHierarchy)
                HierarchyPanel();
            if (showReflection)
            {
                ReflectionMenuButtons();
                ReflectionPanel();
            }
            else
                sceneHovered = false;
            if (showConsole)
                ConsolePanel();
            if (showInspector)
                InspectorPanel();
            if (showExplorer)
                ProjectExplorerPanel();
            if (performanceShown)
                Performance();
        }
        ArchetypePopup();
        DrawFileBrowser();
        UnsavedPopup();
    }
}
