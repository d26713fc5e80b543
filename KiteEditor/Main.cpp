// The editor's host program: the game's start-up with the level editor added.
// It runs from the game's folder and edits the asset tree found there.
#include "Core/Editor/Editor.h"
#include "Core/Editor/ImGuiBinding.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Window/Win32System.h"
#include "StartUp/GameStartUp.h"

namespace
{
    using namespace KiteFramework;

    void BeforeSystems(Engine& engine)
    {
        // Seen by the window system: an ordinary window, and the game's own
        // drawing gives way to the editor's.
        engine.SetEngineStatus(ES_EDITORVIEW, true);
        // Scenes are read from and saved into the working folder's tree.
        const std::string root = Assets::AbsoluteWorkingRoot();
        if (!root.empty())
            engine.SetAssetPath(root);
    }

    void AfterSystems(Engine& engine)
    {
        auto* editor = new Editor(GRAPHICS);
        engine.AddSystem(editor);
        engine.SetEditor(editor);
        if (WINDOWSSYSTEM)
            WINDOWSSYSTEM->SetEventHook(&ImGui_ImplGlfwGL3_WindowsEventWrap);
    }
}

int main()
{
    HostSteps steps;
    steps.beforeSystems = BeforeSystems;
    steps.afterSystems = AfterSystems;
    return RunHost("KiteEditor", steps);
}
