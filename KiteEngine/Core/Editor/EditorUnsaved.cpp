// Editor: keeping the developer's work. Scenes that did not load completely
// are not saved over; opening a scene, making a new one or quitting with
// unsaved changes first asks whether to save them, drop them or go back.
#include <imgui.h>

#include "Core/Editor/Editor.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Scenes/SceneManager.h"
#include "Platform/VirtualKeys.h"

namespace KiteFramework
{
    namespace
    {
        // Enough of a long list of load problems to see what went wrong.
        const std::size_t kProblemsShown = 8;
    }

    void Editor::NoteSceneLoads()
    {
        if (!SCENEMNGR || SCENEMNGR->GetLoadCount() == seenLoads)
            return;
        seenLoads = SCENEMNGR->GetLoadCount();
        // The scene back from PLAY is the one that was edited: what it held
        // when last saved, and whether it loaded, still stand. So do they
        // for scenes the game itself switches to while it plays.
        if (restoringSnapshot || IsPlaying())
        {
            // The snapshot has been read back and is needed no more.
            if (restoringSnapshot)
                RemoveSnapshot();
            restoringSnapshot = false;
            return;
        }
        const std::string name = SCENEMNGR->GetCurrentSceneName();
        const std::vector<std::string>& problems = SCENEMNGR->GetLoadProblems();
        unsafeScene.clear();
        if (!problems.empty())
        {
            unsafeScene = name;
            Print("Scene \"" + name + "\" did not load completely, so it will not be saved under its own name:");
            for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
                Print("  " + problems[i]);
            if (problems.size() > kProblemsShown)
                Print("  ... and " + std::to_string(problems.size() - kProblemsShown) + " more (see log.txt)");
        }
        RememberSavedState();
    }

    void Editor::RememberSavedState()
    {
        haveSavedTexts = FACTORY != nullptr;
        titleStale = true;
        if (FACTORY)
            savedTexts = FACTORY->PrintLevel();
    }

    bool Editor::IsSceneUnsafeToSave() const
    {
        return !unsafeScene.empty() && SCENEMNGR && SCENEMNGR->GetCurrentSceneName() == unsafeScene;
    }

    bool Editor::HasUnsavedChanges()
    {
        NoteSceneLoads();
        // While playing (or until the scene is back) the scene holds the
        // game's objects; the edits are those made before PLAY.
        if (IsPlaying() || restoringSnapshot)
            return unsavedAtPlay;
        if (!FACTORY)
            return false;
        if (!haveSavedTexts)
            return !FACTORY->GetObjects().empty() || !FACTORY->GetUIObjects().empty();
        return FACTORY->PrintLevel() != savedTexts;
    }

    void Editor::Exit()
    {
        if (!ENGINE)
            return;
        MessageQuit quit;
        ENGINE->BroadcastMessage(&quit);
    }

    bool Editor::AllowQuit()
    {
        if (quitConfirmed || pending == PendingAction::Quit)
            return quitConfirmed;
        if (!HasUnsavedChanges())
            return true;
        pending = PendingAction::Quit;
        pendingName.clear();
        openUnsavedPopup = true;
        Print("Quit: the scene has unsaved changes. " + UnsavedQuestion());
        return false;
    }

    std::string Editor::UnsavedQuestion() const
    {
        // While the game runs the scene holds its objects, not the edits:
        // there is nothing to save until it stops.
        return IsPlaying() ? "Discard or cancel (stop the game to save them)?" : "Save, discard or cancel?";
    }

    void Editor::AnswerUnsaved(UnsavedChoice choice)
    {
        if (pending == PendingAction::None)
            return;
        if (choice == UnsavedChoice::Cancel)
        {
            pending = PendingAction::None;
            Print("Cancelled; the scene stays open with its changes.");
            return;
        }
        if (choice == UnsavedChoice::Save && !SaveScene())
        {
            Print("The changes are not saved: discard them or cancel.");
            return;
        }
        const PendingAction action = pending;
        const std::string name = pendingName;
        pending = PendingAction::None;
        switch (action)
        {
        case PendingAction::OpenScene:
            DoOpenScene(name);
            break;
        case PendingAction::NewScene:
            DoCreateNewScene(name);
            break;
        case PendingAction::Quit:
            quitConfirmed = true;
            Exit();
            break;
        case PendingAction::None:
            break;
        }
    }

    void Editor::UnsavedPopup()
    {
        const char* const title = "Unsaved changes";
        if (openUnsavedPopup)
        {
            ImGui::OpenPopup(title);
            openUnsavedPopup = false;
            unsavedAskedFrame = ImGui::GetFrameCount();
        }
        if (!ImGui::BeginPopupModal(title, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
            return;
        if (pending == PendingAction::None)
        {
            ImGui::CloseCurrentPopup();
            ImGui::EndPopup();
            return;
        }
        const std::string scene = SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
        ImGui::Text("Scene \"%s\" has changes that are not saved.", scene.c_str());
        const bool canSave = !IsPlaying();
        const char* const ask = canSave ? "Save them" : "Stop the game to save them, or discard them";
        if (pending == PendingAction::OpenScene)
            ImGui::Text("%s before opening \"%s\"?", ask, pendingName.c_str());
        else if (pending == PendingAction::NewScene)
            ImGui::Text("%s before making the new scene \"%s\"?", ask, pendingName.c_str());
        else
            ImGui::Text("%s before quitting?", ask);
        ImGui::Separator();
        // Keys as well as buttons: S or Enter, D, Escape. Only a key pressed
        // after the question came up answers it: the Enter that chose a new
        // scene's name is still down when it opens.
        const bool keysAnswer = ImGui::GetFrameCount() > unsavedAskedFrame;
        const ImVec2 size(120.0f, 0.0f);
        bool save = false;
        if (canSave)
        {
            save = ImGui::Button("Save (S)", size);
            ImGui::SameLine();
        }
        bool discard = ImGui::Button("Discard (D)", size);
        ImGui::SameLine();
        bool cancel = ImGui::Button("Cancel (Esc)", size);
        if (keysAnswer)
        {
            save = save || (canSave && (ImGui::IsKeyPressed('S', false) || ImGui::IsKeyPressed(VK::Return, false)));
            discard = discard || ImGui::IsKeyPressed('D', false);
            cancel = cancel || ImGui::IsKeyPressed(VK::Escape, false);
        }
        if (cancel)
            AnswerUnsaved(UnsavedChoice::Cancel);
        else if (discard)
            AnswerUnsaved(UnsavedChoice::Discard);
        else if (save)
            AnswerUnsaved(UnsavedChoice::Save);
        if (pending == PendingAction::None)
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    }
}
