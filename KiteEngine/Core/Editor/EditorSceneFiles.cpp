// Editor: the scene and archetype files behind the menus and keys: saving,
// saving under a new name, new scenes, opening scenes, making archetypes.
#include <unistd.h>

#include <filesystem>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Editor/Editor.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/Scenes/SceneManager.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    bool Editor::RefusedWhilePlaying(const std::string& line)
    {
        if (!IsPlaying())
            return false;
        Print(line);
        return true;
    }

    bool Editor::WriteSceneFiles(const std::string& name)
    {
        if (FACTORY && FACTORY->SerialiseLevel(name))
            return true;
        Print("Save failed: scene \"" + name + "\" was not saved; its files are unchanged.");
        return false;
    }

    void Editor::Saved(const std::string& line)
    {
        Print(line);
        RememberSavedState();
        RefreshSceneList();
    }

    void Editor::SaveOrAskForName()
    {
        // A scene that did not load is saved only under a new name.
        if (!SaveScene() && IsSceneUnsafeToSave() && !IsPlaying())
            StartSaveAs();
    }

    bool Editor::SaveScene()
    {
        NoteSceneLoads();
        const std::string name = SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
        if (RefusedWhilePlaying(kStopBeforeSaving))
            return false;
        if (!IsSavableSceneName(name))
        {
            Print("Save refused: \"" + name + "\" cannot be a scene's name; use Save Scene As.");
            return false;
        }
        if (IsSceneUnsafeToSave())
        {
            Print("Save refused: scene \"" + name + "\" did not load completely; saving would replace its files "
                  "with the part that was read. Save it under a new name, or mend the file and open it again.");
            return false;
        }
        if (!WriteSceneFiles(name))
            return false;
        Saved("Saved scene \"" + name + "\".");
        return true;
    }

    bool Editor::SaveSceneAs(const std::string& name)
    {
        NoteSceneLoads();
        if (RefusedWhilePlaying(kStopBeforeSaving))
            return false;
        if (!IsSavableSceneName(name))
        {
            Print("Save refused: \"" + name + "\" cannot be a scene's name.");
            return false;
        }
        if (name == unsafeScene)
        {
            Print("Save refused: scene \"" + name + "\" did not load completely and is not saved over; "
                  "choose a new name.");
            return false;
        }
        if (!WriteSceneFiles(name))
            return false;
        // The scene goes on under its new name at once, and it is saved.
        SetCurrentSceneName(name);
        Saved("Saved scene as \"" + name + "\".");
        return true;
    }

    bool Editor::CreateNewScene(const std::string& name)
    {
        if (RefusedWhilePlaying(kStopBeforeNewScene))
            return false;
        if (!IsSavableSceneName(name))
        {
            Print("New Scene refused: \"" + name + "\" cannot be a scene's name.");
            return false;
        }
        const std::string folder = Assets::Root() + "Scenes";
        std::error_code ec;
        if (fs::exists(folder + "/" + name + ".xml", ec))
        {
            Print("New Scene refused: \"" + name + "\" already exists and is never emptied; open it instead.");
            return false;
        }
        if (HasUnsavedChanges())
        {
            pending = PendingAction::NewScene;
            pendingName = name;
            openUnsavedPopup = true;
            Print("New Scene: the open scene has unsaved changes. " + UnsavedQuestion());
            return false;
        }
        return DoCreateNewScene(name);
    }

    bool Editor::DoCreateNewScene(const std::string& name)
    {
        const std::string folder = Assets::Root() + "Scenes";
        // Nothing is cleared unless the empty scene can be written.
        if (::access(folder.c_str(), W_OK) != 0)
        {
            Print("New Scene failed: the scenes folder cannot be written; the open scene is kept.");
            return false;
        }
        ClearInspecting();
        if (ENGINE)
        {
            Message clear(MsgID::ClearScene);
            ENGINE->BroadcastMessage(&clear);
        }
        SetCurrentSceneName(name);
        if (!FACTORY || !FACTORY->SerialiseLevel(name))
        {
            Print("New Scene: \"" + name + "\" could not be written.");
            return false;
        }
        Print("New Scene: " + name);
        unsafeScene.clear();
        RememberSavedState();
        RefreshSceneList();
        return true;
    }

    void Editor::OpenScene(const std::string& name)
    {
        if (HasUnsavedChanges())
        {
            pending = PendingAction::OpenScene;
            pendingName = name;
            openUnsavedPopup = true;
            Print("Opening \"" + name + "\": the open scene has unsaved changes. " + UnsavedQuestion());
            return;
        }
        DoOpenScene(name);
    }

    void Editor::RemoveSnapshot()
    {
        const std::string scenes = Assets::Resolve("Scenes") + "/";
        std::error_code ec;
        fs::remove_all(scenes + SnapshotName(), ec);
        fs::remove(scenes + SnapshotName() + ".xml", ec);
    }

    void Editor::DoOpenScene(const std::string& name)
    {
        ClearInspecting();
        // A scene opened while playing, or before the stopped one is back,
        // leaves the snapshot unread for good.
        if (snapshotTaken || restoringSnapshot)
            RemoveSnapshot();
        restoringSnapshot = false;
        if (SCENEMNGR)
            SCENEMNGR->LoadLevel(name);
        Print("Opening scene: " + name);
        // Opening a scene always returns to editing.
        if (ENGINE)
        {
            ENGINE->SetEngineStatus(ES_GAMEPLAYING, false);
            ENGINE->SetTimeFactor(0.0f);
        }
        snapshotTaken = false;
    }

    Editor::ArchetypeResult Editor::CreateArchetype(const std::string& name, bool replace)
    {
        GameObject* object = GetInspecting();
        if (IsPlaying())
        {
            Print("Stop the game before making an archetype.");
            return ArchetypeResult::Failed;
        }
        if (!object || !ARCHETYPESYS)
            return ArchetypeResult::Failed;
        const bool exists = ARCHETYPESYS->Exists(name);
        if (exists && !replace)
        {
            Print("Archetype \"" + name + "\" already exists; it is replaced only when you say so.");
            return ArchetypeResult::Exists;
        }
        if (!ARCHETYPESYS->MakeArchetypeAndSerialise(name, object))
        {
            Print("Archetype \"" + name + "\" was not saved.");
            return ArchetypeResult::Failed;
        }
        if (!exists)
        {
            Print("Archetype \"" + name + "\" saved.");
            return ArchetypeResult::Saved;
        }
        // New copies come from the new file from now on.
        if (!ARCHETYPESYS->ReloadArchetype(name))
        {
            Print("Archetype \"" + name + "\" replaced, but its file could not be read back; new copies follow it "
                  "after a restart.");
            return ArchetypeResult::Saved;
        }
        Print("Archetype \"" + name + "\" replaced and reloaded.");
        return ArchetypeResult::Saved;
    }
}
