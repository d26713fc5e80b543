// Editor: the main menu bar, the keyboard shortcuts and the file actions
// behind them (scenes, archetypes, assets, the project folder, objects).
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iostream>

#include <imgui.h>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Editor/Editor.h"
#include "Core/Editor/FileBrowser.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Mesh.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Window/Win32System.h"
#include "Platform/VirtualKeys.h"

extern char** environ;

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        const char* const kSnapshotName = "tmp";

        bool Pressed(int vk, bool repeat)
        {
            return ImGui::IsKeyPressed(vk, repeat);
        }

        // The scene folder's browser: scene files only, no folders to walk
        // into; the play snapshot is neither offered nor a name to save under.
        FileBrowser::Options SceneBrowser(FileBrowser::Mode mode, const char* title)
        {
            FileBrowser::Options o;
            o.mode = mode;
            o.title = title;
            o.root = Assets::Root() + "Scenes";
            o.extension = ".xml";
            o.reserved = {kSnapshotName};
            o.browseFolders = false;
            return o;
        }
    }

    const char* Editor::SnapshotName()
    {
        return kSnapshotName;
    }

    bool Editor::IsSnapshotEntry(const std::string& assetFolder, const std::string& entry)
    {
        const std::string snapshot = kSnapshotName;
        return assetFolder == "Scenes/" && (entry == snapshot || entry == snapshot + ".xml");
    }

    bool Editor::IsSavableSceneName(const std::string& name)
    {
        return name != kSnapshotName && GameObjectFactory::IsValidFileName(name);
    }

    std::string Editor::SceneNameFromPath(const std::string& path)
    {
        const std::size_t slash = path.find_last_of("/\\");
        std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
        const std::size_t at = file.find(".xml");
        return at == std::string::npos ? file : file.substr(0, at);
    }

    void Editor::SetCurrentSceneName(const std::string& name)
    {
        if (SCENEMNGR)
            SCENEMNGR->current = name;
    }

    void Editor::UpdateWindowTitle()
    {
        Platform::Window* window = WINDOWSSYSTEM ? WINDOWSSYSTEM->GetWindow() : nullptr;
        if (!window || !SCENEMNGR)
            return;
        // While the game plays, the edits are those made before PLAY.
        const std::string scene = IsPlaying() ? rememberedScene : SCENEMNGR->GetCurrentSceneName();
        const std::string title = scene + (HasUnsavedChanges() ? "*" : "") + " - " + WINDOWSSYSTEM->GetTitle();
        if (title == shownTitle)
            return;
        shownTitle = title;
        window->SetTitle(title);
    }

    void Editor::MainMenuBar()
    {
        if (!ImGui::BeginMainMenuBar())
            return;
        fileMenuOpen = ImGui::BeginMenu("File");
        if (fileMenuOpen)
        {
            FileMenu();
            ImGui::EndMenu();
        }
        createMenuOpen = ImGui::BeginMenu("Create");
        if (createMenuOpen)
        {
            CreateMenu();
            ImGui::EndMenu();
        }
        helpMenuOpen = ImGui::BeginMenu("Help");
        if (helpMenuOpen)
        {
            ImGui::TextUnformatted("Help menu.");
            ImGui::TextUnformatted("Click an object in the scene to select it, again at the same point for what");
            ImGui::TextUnformatted("lies under it; Translate, Scale and Rotate");
            ImGui::TextUnformatted("then drag it. Delete removes it, F3 duplicates it, Ctrl-S saves.");
            ImGui::EndMenu();
        }
        aboutMenuOpen = ImGui::BeginMenu("About");
        if (aboutMenuOpen)
        {
            ImGui::TextUnformatted("Blue Otter's KiteEngine Editor.");
            ImGui::Text("Using ImGUI version %s", ImGui::GetVersion());
            ImGui::TextUnformatted("ImGui is licensed under the MIT License.");
            ImGui::EndMenu();
        }
        ImGui::EndMainMenuBar();
    }

    void Editor::FileMenu()
    {
        // Saving while playing would write the running game's objects.
        const bool editing = !IsPlaying();
        if (ImGui::MenuItem("Load Assets"))
            StartLoadAsset();
        if (ImGui::MenuItem("Open Project Folder"))
            OpenProjectFolder();
        if (ImGui::MenuItem("New Scene", "Ctrl-N", false, editing))
            StartNewScene();
        if (ImGui::MenuItem("Open Scene", "Ctrl-O"))
            StartOpenScene();
        if (ImGui::BeginMenu("Load scene"))
        {
            std::string chosen;
            for (const std::string& name : sceneList)
                if (ImGui::MenuItem(name.c_str()))
                    chosen = name;
            ImGui::EndMenu();
            if (!chosen.empty())
                OpenScene(chosen);
        }
        if (ImGui::MenuItem("Save Scene", "Ctrl-S", false, editing))
            SaveOrAskForName();
        if (ImGui::MenuItem("Save Scene As", "Ctrl-Alt-S", false, editing))
            StartSaveAs();
        if (ImGui::BeginMenu("Show Panels"))
        {
            ImGui::Checkbox("Reflection", &showReflection);
            ImGui::Checkbox("Console", &showConsole);
            ImGui::Checkbox("Hierarchy", &showHierarchy);
            ImGui::Checkbox("Inspector", &showInspector);
            ImGui::Checkbox("Explorer", &showExplorer);
            ImGui::Checkbox("User Guide", &showUserGuide);
            ImGui::EndMenu();
        }
        if (ImGui::MenuItem("Exit"))
            Exit();
    }

    void Editor::CreateMenu()
    {
        const bool editing = !IsPlaying();
        if (ImGui::Button("Archetype") && editing)
        {
            std::cout << "Creating Archetype" << std::endl;
            openArchetypePopup = true;
        }
        if (ImGui::BeginMenu("Add Archetype"))
        {
            std::string chosen;
            if (!ARCHETYPESYS || ARCHETYPESYS->GetArcheMap().empty())
                ImGui::MenuItem("No archetype(s) detected!");
            else
                for (const auto& entry : ARCHETYPESYS->GetArcheMap())
                    if (ImGui::MenuItem(entry.first.c_str()))
                        chosen = entry.first;
            ImGui::EndMenu();
            if (!chosen.empty())
            {
                GameObject* clone = InstantiateClone(ARCHETYPESYS->FindArchetype(chosen), 0.0f, 0.0f, 0.0f);
                if (Transform* t = clone ? clone->GetComponent<Transform>() : nullptr)
                    t->SetTrans(0.0f, 0.0f);
            }
        }
        if (ImGui::BeginMenu("Add"))
        {
            if (ImGui::MenuItem("Empty Game Object"))
                AddObject();
            for (const AddEntry& entry : AddMenuArchetypes())
                if (ImGui::MenuItem(entry.label))
                    AddFromArchetype(entry.archetype);
            ImGui::EndMenu();
        }
        if (ImGui::MenuItem("Remove", "Delete", false, GetInspecting() != nullptr))
        {
            RemoveObject(GetInspecting());
            ClearInspecting();
        }
    }

    void Editor::ArchetypePopup()
    {
        // Opened here, outside the menu, so that the popup outlives it.
        if (openArchetypePopup)
        {
            ImGui::OpenPopup("ArchetypePopup");
            openArchetypePopup = false;
        }
        if (!ImGui::BeginPopupModal("ArchetypePopup", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
            return;
        ImGui::TextUnformatted("Enter archetype name:\n");
        ImGui::SameLine();
        ImGui::TextDisabled("(?)");
        if (ImGui::IsItemHovered())
        {
            ImGui::BeginTooltip();
            ImGui::PushTextWrapPos(450.0f);
            ImGui::TextUnformatted("Max number of characters is 256, no spaces allowed.\n");
            ImGui::PopTextWrapPos();
            ImGui::EndTooltip();
        }
        ImGui::Separator();
        // The name is what one types first; Enter is OK.
        if (ImGui::IsWindowAppearing())
            ImGui::SetKeyboardFocusHere();
        const bool entered = ImGui::InputText("##ArchetypeName", archetypeName.data(), archetypeName.size(),
                                              ImGuiInputTextFlags_CharsNoBlank | ImGuiInputTextFlags_AutoSelectAll |
                                                  ImGuiInputTextFlags_EnterReturnsTrue);
        if (!archetypeToReplace.empty())
        {
            // An archetype of that name exists: replacing it needs a yes.
            ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.2f, 1.0f), "An archetype named \"%s\" already exists.",
                               archetypeToReplace.c_str());
            ImGui::TextUnformatted("Replace it with the selected object?");
            if (ImGui::Button("Replace", ImVec2(120.0f, 0.0f)))
            {
                if (CreateArchetype(archetypeToReplace, true) == ArchetypeResult::Saved)
                    ClearInspecting();
                archetypeToReplace.clear();
                ImGui::CloseCurrentPopup();
            }
            ImGui::SameLine();
            if (ImGui::Button("Cancel", ImVec2(120.0f, 0.0f)) || ImGui::IsKeyPressed(VK::Escape, false))
            {
                archetypeToReplace.clear();
                ImGui::CloseCurrentPopup();
            }
            ImGui::EndPopup();
            return;
        }
        if (ImGui::Button("OK", ImVec2(120.0f, 0.0f)) || entered)
        {
            const ArchetypeResult result = GetInspecting() ? CreateArchetype(archetypeName.data()) : ArchetypeResult::Failed;
            if (result == ArchetypeResult::Exists)
                archetypeToReplace = archetypeName.data();
            else
            {
                if (result == ArchetypeResult::Saved)
                    ClearInspecting();
                ImGui::CloseCurrentPopup();
            }
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel", ImVec2(120.0f, 0.0f)))
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    }

    void Editor::CheckIO()
    {
        if (!ImGui::GetCurrentContext())
            return;
        const ImGuiIO& io = ImGui::GetIO();
        // Keys meant for a dialog or a pop-up are not shortcuts.
        if (browser->IsOpen() || ImGui::IsPopupOpen("ArchetypePopup") || linkPopup || messagePopup ||
            IsAskingAboutUnsaved())
            return;
        // Nor are keys typed into a field, but for Ctrl+S, which types nothing.
        if (io.WantTextInput)
        {
            if (io.KeyCtrl && !io.KeyAlt && Pressed('S', false))
                SaveOrAskForName();
            return;
        }
        if (Pressed(VK::Delete, true) && GetInspecting())
        {
            RemoveObject(GetInspecting());
            ClearInspecting();
        }
        if (Pressed(VK::F1, true))
        {
            spriteEditorShown = !spriteEditorShown;
            performanceShown = false;
        }
        if (Pressed(VK::F1 + 1, true))
        {
            performanceShown = !performanceShown;
            spriteEditorShown = false;
        }
        if (Pressed(VK::F1 + 2, true))
            DuplicateInspected();
        if (!io.KeyCtrl)
            return;
        if (Pressed('S', false))
        {
            if (io.KeyAlt)
                StartSaveAs();
            else
                SaveOrAskForName();
        }
        if (Pressed('O', false))
        {
            if (io.KeyAlt)
                OpenProjectFolder();
            else
                StartOpenScene();
        }
        if (Pressed('N', false))
            StartNewScene();
    }

    void Editor::DuplicateInspected()
    {
        GameObject* original = GetInspecting();
        if (!original || !FACTORY)
            return;
        const Transform* t = original->GetComponent<Transform>();
        const Vector2D at = t ? BesideOf(*t) : Vector2D();
        GameObject* copy = InstantiateClone(original, at.x, at.y, t ? t->GetRotation() : 0.0f);
        if (!copy)
            return;
        copy->setName(NameApartFrom(original->getName()));
        Print("Duplicated \"" + original->getName() + "\" (id " + std::to_string(original->GetId()) + ") as \"" +
              copy->getName() + "\" (id " + std::to_string(copy->GetId()) + ") beside it.");
        TurnDebug(false);
        SetInspecting(copy);
        TurnDebug(true);
        revealInHierarchy = ObjectHandle(copy);
    }

    Vector2D Editor::BesideOf(const Transform& original) const
    {
        // Next to it on the right, touching, so that both can be seen and
        // picked; on the left when the right would leave the view.
        const float unit = graphics && graphics->pixelsPerUnit > 0 ? static_cast<float>(graphics->pixelsPerUnit) : 100.0f;
        const float width = std::max(std::fabs(original.GetScaleVec().x) * unit, 20.0f);
        const Vector2D p = original.GetTransVec();
        const float halfView = 800.0f;
        const float x = p.x + width <= halfView || p.x - width < -halfView ? p.x + width : p.x - width;
        return Vector2D(x, p.y);
    }

    std::string Editor::NameApartFrom(const std::string& name)
    {
        // "Bin" gives "Bin2", "SeatNode8" the first free "SeatNodeN".
        std::size_t end = name.size();
        while (end > 0 && std::isdigit(static_cast<unsigned char>(name[end - 1])))
            --end;
        const std::string stem = name.substr(0, end);
        for (unsigned n = 2;; ++n)
        {
            const std::string candidate = stem + std::to_string(n);
            if (!FACTORY || !FACTORY->FindObjByName(candidate))
                return candidate;
        }
    }

    void Editor::LoadAsset(const std::string& path)
    {
        const std::size_t dot = path.rfind('.');
        const std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
        if (extension == "png" && graphics)
            graphics->LoadTextures(path);
        else if ((extension == "wav" || extension == "mp3" || extension == "ogg" || extension == "flac") && AUDIO)
            AUDIO->LoadSounds(path);
        else
            Print("Not loaded: \"" + path + "\" is neither a png image nor a sound.");
    }

    void Editor::OpenProjectFolder()
    {
        std::error_code ec;
        const std::string folder = fs::absolute(fs::current_path(ec), ec).string();
        // Started directly, never through a shell: the path is one argument.
        std::string program = "xdg-open";
        char* argv[] = {program.data(), const_cast<char*>(folder.c_str()), nullptr};
        pid_t pid = 0;
        if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        {
            Print("Cannot open the project folder: xdg-open could not be started.");
            return;
        }
        launched.push_back(pid);
    }

    void Editor::ReapLaunched()
    {
        // Never waits: a program still running is asked again next frame.
        launched.erase(std::remove_if(launched.begin(), launched.end(),
                                      [](int pid) {
                                          int status = 0;
                                          return ::waitpid(pid, &status, WNOHANG) != 0;
                                      }),
                       launched.end());
    }

    void Editor::RemoveObject(GameObject* object)
    {
        if (object)
            object->Destroy();
    }

    GameObject* Editor::AddObject()
    {
        if (!FACTORY)
            return nullptr;
        GameObject* object = FACTORY->CreateEmptyComposition();
        object->AddComponent(CT_Transform);
        if (graphics)
            if (Mesh* mesh = graphics->GetMesh(MT_BasicQuad))
                object->AddComponent(mesh);
        return object;
    }

    const std::vector<Editor::AddEntry>& Editor::AddMenuArchetypes()
    {
        static const std::vector<AddEntry> entries = {{"New node", "Node"}, {"Square", "Square"}, {"Circle", "Circle"}};
        return entries;
    }

    GameObject* Editor::AddFromArchetype(const std::string& archetype)
    {
        GameObject* object = Instantiate(archetype, Vector2D(0.0f, 0.0f), 0.0f);
        if (!object)
            Print("There is no archetype \"" + archetype + "\" to add.");
        return object;
    }

    GameObject* Editor::AddNode()
    {
        return AddFromArchetype("Node");
    }

    GameObject* Editor::AddSquare()
    {
        return AddFromArchetype("Square");
    }

    GameObject* Editor::AddCircle()
    {
        return AddFromArchetype("Circle");
    }

    void Editor::StartSaveAs()
    {
        if (RefusedWhilePlaying(kStopBeforeSaving))
            return;
        browser->Open(SceneBrowser(FileBrowser::Mode::Save, "Save Scene As"));
        browserPurpose = BrowserPurpose::SaveSceneAs;
    }

    void Editor::StartNewScene()
    {
        if (RefusedWhilePlaying(kStopBeforeNewScene))
            return;
        FileBrowser::Options o = SceneBrowser(FileBrowser::Mode::Save, "New Scene");
        o.allowReplace = false;
        browser->Open(o);
        browserPurpose = BrowserPurpose::NewScene;
    }

    void Editor::StartOpenScene()
    {
        browser->Open(SceneBrowser(FileBrowser::Mode::Open, "Open Scene"));
        browserPurpose = BrowserPurpose::OpenScene;
    }

    void Editor::StartLoadAsset()
    {
        FileBrowser::Options o;
        o.mode = FileBrowser::Mode::Open;
        o.title = "Load Assets";
        o.root = Assets::Root();
        o.hidden = [](const std::string& folder, const std::string& entry) {
            return IsSnapshotEntry(folder.empty() ? folder : folder + "/", entry);
        };
        browser->Open(o);
        browserPurpose = BrowserPurpose::LoadAsset;
    }

    void Editor::DrawFileBrowser()
    {
        browser->Draw();
        std::string path;
        std::string name;
        if (!browser->TakeChosen(path, name))
        {
            if (!browser->IsOpen())
                browserPurpose = BrowserPurpose::None;
            return;
        }
        const BrowserPurpose purpose = browserPurpose;
        browserPurpose = BrowserPurpose::None;
        switch (purpose)
        {
        case BrowserPurpose::OpenScene:
            if (name == kSnapshotName)
                Print("\"tmp\" is the play snapshot, not a scene to open.");
            else
                OpenScene(name);
            break;
        case BrowserPurpose::SaveSceneAs:
            SaveSceneAs(name);
            break;
        case BrowserPurpose::NewScene:
            CreateNewScene(name);
            break;
        case BrowserPurpose::LoadAsset:
            LoadAsset(path);
            break;
        case BrowserPurpose::None:
            break;
        }
    }
}
