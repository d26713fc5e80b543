// Editor: the hierarchy, inspector, console, explorer, performance and
// reflection panels and the scene window.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>

#include <imgui.h>

#include "Core/Audio/AudioEngine.h"
#include "Core/Editor/Editor.h"
#include "Core/Editor/InspectorWidgets.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        void PlaceWindow(float x, float y, float w, float h)
        {
            ImGui::SetNextWindowPos(ImVec2(x, y), 0);
            ImGui::SetNextWindowSize(ImVec2(w, h), 0);
        }

        // The folder on disk behind a folder the explorer shows: its
        // "Assets/" is the engine's asset tree.
        std::string ExplorerFolder(const std::string& shown)
        {
            const std::string prefix = Assets::WorkingRoot();
            return shown.rfind(prefix, 0) == 0 ? Assets::Root() + shown.substr(prefix.size()) : shown;
        }

        // The folder shown relative to the asset tree ("Scenes/"), or ""
        // outside it.
        std::string AssetFolder(const std::string& shown)
        {
            const std::string prefix = Assets::WorkingRoot();
            return shown.rfind(prefix, 0) == 0 ? shown.substr(prefix.size()) : std::string();
        }

        bool EndsWith(const std::string& text, const std::string& end)
        {
            return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
        }
    }

    namespace
    {
        std::string Decimals(int precision)
        {
            return "%." + std::to_string(precision < 0 ? 3 : precision) + "f";
        }
    }

    bool Editor::ChangePos(const char* label, float* const xy, float* z, int precision, int flags)
    {
        float values[3] = {xy[0], xy[1], z ? *z : 0.0f};
        if (!ImGui::InputFloat3(label, values, Decimals(precision).c_str(), flags))
            return false;
        xy[0] = values[0];
        xy[1] = values[1];
        if (z)
            *z = values[2];
        return true;
    }

    bool Editor::ChangeScale(const char* label, float* const xy, int precision, int flags)
    {
        return ImGui::InputFloat2(label, xy, Decimals(precision).c_str(), flags);
    }

    bool Editor::ChangeColor(const char* label, float* const rgb, int precision, int flags)
    {
        return ImGui::InputFloat3(label, rgb, Decimals(precision).c_str(), flags);
    }

    bool Editor::ChangeRot(const char* label, float* const value, int step, int fastStep)
    {
        return ImGui::InputFloat(label, value, static_cast<float>(step), static_cast<float>(fastStep));
    }

    bool Editor::ChangeTextScale(const char* label, float* const value, int step, int fastStep)
    {
        return ChangeRot(label, value, step, fastStep);
    }

    ImVec2 Editor::getInspectorPanelSize() const
    {
        return ImVec2(layout.inspectorW, layout.inspectorH);
    }

    void Editor::HierarchyPanel()
    {
        PlaceWindow(layout.hierarchyX, layout.hierarchyY, layout.hierarchyW, layout.hierarchyH);
        ImGui::Begin("Hierarchy", nullptr, windowFlags | ImGuiWindowFlags_HorizontalScrollbar);
        if (FACTORY)
        {
            if (!FACTORY->GetObjects().empty())
            {
                InspectorLabel("Game Objects");
                for (const auto& entry : FACTORY->GetObjects())
                    if (!entry.second->GetParent())
                        ShowHierarchyObject(entry.second);
            }
            if (!FACTORY->GetUIObjects().empty())
            {
                InspectorLabel("\nUI Elements");
                for (const auto& entry : FACTORY->GetUIObjects())
                    if (!entry.second->GetParent())
                        ShowHierarchyObject(entry.second);
            }
        }
        ImGui::End();
    }

    void Editor::ShowHierarchyObject(GameObject* object)
    {
        ImGuiTreeNodeFlags flags = ImGuiTreeNodeFlags_OpenOnDoubleClick | ImGuiTreeNodeFlags_OpenOnArrow;
        if (object == GetInspecting())
            flags |= ImGuiTreeNodeFlags_Selected;
        const bool leaf = object->GetChildren().empty();
        if (leaf)
            flags |= ImGuiTreeNodeFlags_Leaf;
        const std::string label = std::to_string(object->GetId()) + ". " + object->getName();
        ImGui::PushID(static_cast<int>(object->GetId()));
        // An object picked in the view is shown with its parents opened.
        GameObject* revealed = revealInHierarchy.Get();
        // (A bounded walk: parents read from a file could form a ring.)
        if (!leaf && revealed && revealed != object)
        {
            GameObject* up = revealed->GetParent();
            for (int steps = 0; up && up != object && steps < 256; ++steps)
                up = up->GetParent();
            if (up == object)
                ImGui::SetNextItemOpen(true);
        }
        const bool open = ImGui::TreeNodeEx("##object", flags, "%s", label.c_str());
        if (revealed == object)
        {
            ImGui::SetScrollHereY();
            revealInHierarchy.Reset();
        }
        if (open)
            ImGui::TreePop();
        if (ImGui::IsItemClicked(0))
        {
            TurnDebug(false);
            SetInspecting(object);
            TurnDebug(true);
        }
        if (open && !leaf)
        {
            ImGui::Indent(ImGui::GetTreeNodeToLabelSpacing());
            for (GameObject* child : object->GetChildren())
                ShowHierarchyObject(child);
            ImGui::Unindent(ImGui::GetTreeNodeToLabelSpacing());
        }
        ImGui::PopID();
    }

    void Editor::InspectorPanel()
    {
        PlaceWindow(layout.inspectorX, layout.inspectorY, layout.inspectorW, layout.inspectorH);
        ImGui::Begin("Inspector", nullptr, windowFlags);
        ImGui_sub_width = 0.9f * ImGui::GetWindowWidth();
        GameObject* object = GetInspecting();
        if (!object)
        {
            ImGui::End();
            return;
        }
        ImGui::PushID(static_cast<int>(object->GetId()));
        InspectorObjectHeader(object);
        InspectorParent(object);
        ImGui::Separator();

        // Components are removed only after every panel has been drawn.
        const std::vector<GameComponent*> components = object->GetComponentList();
        for (GameComponent* component : components)
            component->RenderImGui();
        const std::vector<GameComponent*> uiComponents = object->GetUIComponentList();
        for (GameComponent* component : uiComponents)
            component->RenderImGui();
        InspectorRemovals::Apply();

        InspectorAddComponent(object);
        ImGui::PopID();
        ImGui::End();
    }

    void Editor::InspectorObjectHeader(GameObject* object)
    {
        ImGui::PushItemWidth(ImGui_sub_width);
        InspectorLabel("Name");
        char name[50] = {};
        object->getName().copy(name, sizeof(name) - 1);
        if (ImGui::InputText("##name", name, sizeof(name), ImGuiInputTextFlags_EnterReturnsTrue))
            object->setName(name);
        InspectorLabel("Layer Tag");
        int layer = object->GetLayerTag();
        if (ImGui::InputInt("##layertag", &layer, 1, 100))
            object->SetLayerTag(layer);
        ImGui::PopItemWidth();

        if (ImGui::Button(object->isActive() ? "Set Inactive" : "Set Active"))
            object->setActive(!object->isActive());
    }

    void Editor::InspectorParent(GameObject* object)
    {
        GameObject* parent = object->GetParent();
        const int parentId = parent ? static_cast<int>(parent->GetId()) : 0;
        ImGui::TextColored(InspectorLabelColour(), "Parent ID: %d", parentId);
        // The field shows the object's own parent, from the moment it is
        // shown and again whenever that parent changes.
        if (parentFieldObject.Get() != object || parentFieldParent.Get() != parent)
        {
            parentIdInput = parentId;
            parentFieldObject = ObjectHandle(object);
            parentFieldParent = ObjectHandle(parent);
        }
        ImGui::PushItemWidth(ImGui_sub_width);
        ImGui::InputInt("##parentid", &parentIdInput, 1, 100);
        ImGui::PopItemWidth();
        if (parentIdInput <= 0 || static_cast<unsigned>(parentIdInput) == object->GetId())
        {
            ImGui::TextUnformatted("Parent ID cannot be 0, negative or itself");
            return;
        }
        if (parent)
        {
            if (ImGui::Button("Remove Parent"))
                object->Unparent();
            return;
        }
        if (!ImGui::Button("Add Parent"))
            return;
        GameObject* chosen = FACTORY ? FACTORY->FindObjectWithId(static_cast<unsigned>(parentIdInput)) : nullptr;
        if (!chosen)
        {
            Print("Parent " + std::to_string(parentIdInput) + " refused: no object has that id.");
            return;
        }
        object->AddParent(chosen);
        if (object->GetParent() != chosen)
            Print("Parent " + std::to_string(parentIdInput) + " refused: it is " + object->getName() +
                  " itself or one of its children.");
    }

    void Editor::InspectorAddComponent(GameObject* object)
    {
        if (ImGui::Button("Add component"))
            addComponentOpen = !addComponentOpen;
        if (!addComponentOpen || !FACTORY)
            return;
        ComponentTypeId chosen = CT_MaxTypes;
        for (const auto& entry : FACTORY->GetCreators())
        {
            if (object->HasComponent(entry.first) || !entry.second.second)
                continue;
            const std::string label = "\t" + entry.second.first;
            if (ImGui::Selectable(label.c_str()))
                chosen = entry.first;
        }
        if (chosen == CT_MaxTypes)
            return;
        GameComponent* component = FACTORY->GetCreator(chosen)->Create();
        if (object->AddComponent(component))
            component->Initialise();
        else
            delete component;
    }

    void Editor::ConsolePanel()
    {
        PlaceWindow(layout.consoleX, layout.consoleY, layout.consoleW, layout.consoleH);
        ImGui::Begin("Console", nullptr, windowFlags);
        // Long lines wrap at the window's edge rather than run off it.
        ImGui::PushTextWrapPos(0.0f);
        for (const std::string& line : consoleLines)
            ImGui::TextUnformatted(line.c_str());
        ImGui::PopTextWrapPos();
        // Follow new lines while the reader is at the bottom.
        if (ImGui::GetScrollY() >= ImGui::GetScrollMaxY())
            ImGui::SetScrollHereY(1.0f);
        ImGui::End();
    }

    void Editor::GetCurrentDir(const std::string& folder)
    {
        directoryListing.clear();
        directoryListing.push_back("..");
        std::string problem;
        for (const Assets::Entry& entry : Assets::Entries(ExplorerFolder(folder), problem))
            if (!IsSnapshotEntry(AssetFolder(folder), entry.name))
                directoryListing.push_back(entry.name);
    }

    void Editor::ExplorerChoose(const std::string& folder, const std::string& entry)
    {
        const std::string path = ExplorerFolder(folder) + entry;
        std::error_code ec;
        if (fs::is_directory(path, ec))
        {
            directoryStack.push_back(entry + "/");
            GetCurrentDir(folder + entry + "/");
            return;
        }
        // A scene's index file opens its scene, asking first about unsaved
        // changes, as the Open Scene dialog does.
        if (AssetFolder(folder) == "Scenes/" && EndsWith(entry, ".xml") && fs::is_regular_file(path, ec))
        {
            OpenScene(SceneNameFromPath(entry));
            return;
        }
        Print(folder + entry + " is not a directory!");
    }

    void Editor::ProjectExplorerPanel()
    {
        PlaceWindow(layout.explorerX, layout.explorerY, layout.explorerW, layout.explorerH);
        ImGui::Begin("Explorer", nullptr, windowFlags);
        if (ImGui::TreeNode("Project Files"))
        {
            std::string current;
            for (const std::string& part : directoryStack)
                current += part;
            ImGui::TextDisabled("%s", current.c_str());
            int chosen = -1;
            for (std::size_t i = 0; i < directoryListing.size(); ++i)
            {
                ImGui::PushID(static_cast<int>(i));
                if (ImGui::Selectable(directoryListing[i].c_str(), false, 0,
                                      ImVec2(100.0f, 20.0f)))
                    chosen = static_cast<int>(i);
                ImGui::PopID();
                if (i % 7 < 6 && i + 1 < directoryListing.size())
                    ImGui::SameLine();
            }
            if (chosen == 0)
            {
                // The asset tree is the explorer's root.
                if (directoryStack.size() > 1)
                    directoryStack.pop_back();
                current.clear();
                for (const std::string& part : directoryStack)
                    current += part;
                GetCurrentDir(current);
            }
            else if (chosen > 0)
                ExplorerChoose(current, directoryListing[static_cast<std::size_t>(chosen)]);
            ImGui::TreePop();
        }
        else if (ImGui::TreeNode("Sprites"))
        {
            if (graphics)
                for (const std::string& file : graphics->GetImageFiles())
                    ImGui::TextUnformatted(file.c_str());
            ImGui::TreePop();
        }
        else if (ImGui::TreeNode("Audio"))
        {
            if (AUDIO)
                for (const std::string& file : AUDIO->GetSoundFiles())
                    ImGui::TextUnformatted(file.c_str());
            ImGui::TreePop();
        }
        ImGui::End();
    }

    void Editor::Performance()
    {
        if (!ImGui::Begin("Performance", &performanceShown,
                          ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_AlwaysAutoResize))
        {
            ImGui::End();
            return;
        }
        for (const auto& entry : systemTimes)
        {
            if (!entry.second.first)
                continue;
            const std::array<float, 10>& history = *entry.second.second;
            const std::string& label = systemLabels[entry.first];
            ImGui::Text("%s: %.3f%%", label.c_str(), static_cast<double>(history[9]));
            const std::string plot = "Frametime: " + std::to_string(history[9] / 100.0f * frameTime);
            ImGui::PushID(static_cast<int>(entry.first));
            ImGui::PlotLines(plot.c_str(), history.data(), 10, 10, nullptr, 0.0f, 100.0f);
            ImGui::PopID();
        }
        ImGui::End();
    }

    void Editor::ReflectionMenuButtons()
    {
        ImGui::SetNextWindowPos(ImVec2(layout.reflectionX, layout.reflectionY), 0);
        ImGui::SetNextWindowSize(ImVec2(layout.sceneW, 30.0f), 0);
        ImGui::Begin("Reflection menu buttons ", nullptr,
                     windowFlags | ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize);
        if (ImGui::Button(IsPlaying() ? "STOP" : "PLAY"))
            TogglePlayStop();
        ImGui::SameLine();
        if (ImGui::Button(performanceShown ? "Hide stats" : "Show stats"))
        {
            spriteEditorShown = false;
            performanceShown = !performanceShown;
        }
        ImGui::SameLine();
        if (ImGui::Button(spriteEditorShown ? "Hide editor" : "Show editor"))
        {
            performanceShown = false;
            spriteEditorShown = !spriteEditorShown;
        }
        const char* modes[] = {"Translate", "Scale", "Rotate"};
        for (int i = 0; i < 3; ++i)
        {
            ImGui::SameLine();
            if (ImGui::Button(modes[i]))
                gizmoMode = i + 1;
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel"))
            gizmoMode = GizmoOff;
        ImGui::SameLine();
        ImGui::TextUnformatted(gizmoMode >= 1 && gizmoMode <= 3 ? modes[gizmoMode - 1] : "Gizmo Off");
        ImGui::SameLine();
        if (ImGui::Button("Way Points Links"))
            drawLinks = !drawLinks;
        ImGui::End();
    }

    void Editor::ReflectionPanel()
    {
        ImGui::SetNextWindowPos(ImVec2(layout.reflectionX, layout.reflectionY + 30.0f), 0);
        ImGui::SetNextWindowSize(ImVec2(layout.sceneW + 15.0f, layout.sceneH + 15.0f), 0);
        ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(imageOffsetX, 7.0f));
        ImGui::Begin("Scene", nullptr,
                     windowFlags | ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoScrollbar |
                         ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoBringToFrontOnFocus);
        ImGui::PopStyleVar();
        // The image sits exactly on the scene view's rectangle.
        ImGui::SetCursorScreenPos(ImVec2(view.x, view.y));
        ImTextureID texture = reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(sceneTexture));
        ImGui::Image(texture, ImVec2(view.w, view.h), ImVec2(0.0f, 1.0f), ImVec2(1.0f, 0.0f));
        // Hovered only when nothing (a menu, a popup) covers the image.
        sceneHovered = ImGui::IsItemHovered();
        if (drawLinks)
            LinkDraw();
        SceneContextMenu();
        ImGui::End();
    }

    void Editor::SceneContextMenu()
    {
        if (!CheckPopUp())
        {
            sceneContextOpen = false;
            return;
        }
        sceneContextOpen = ImGui::BeginPopupContextItem("SceneContext", ImGuiPopupFlags_MouseButtonRight);
        if (!sceneContextOpen)
            return;
        if (GetInspecting())
        {
            ImGui::TextUnformatted("Gizmos");
            const char* modes[] = {"Translate", "Scale", "Rotate"};
            for (int i = 0; i < 3; ++i)
                if (ImGui::Button(modes[i]))
                {
                    gizmoMode = i + 1;
                    ImGui::CloseCurrentPopup();
                }
            if (ImGui::Button("Remove Game Object"))
            {
                RemoveObject(GetInspecting());
                ClearInspecting();
            }
        }
        if (ImGui::Button("Close"))
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    }

    void Editor::LinkDraw()
    {
        if (!WAYPOINTSYS)
            return;
        ImDrawList* draw = ImGui::GetWindowDrawList();
        draw->PushClipRect(ImVec2(view.x, view.y), ImVec2(view.x + view.w, view.y + view.h), true);
        const auto& nodes = WAYPOINTSYS->GetNodeList();
        for (const auto& entry : WAYPOINTSYS->GetAdList())
        {
            auto from = nodes.find(entry.first);
            if (from == nodes.end() || !from->second)
                continue;
            const Vector2D a = WorldToView(from->second->GetTrans());
            for (const EdgeLink& link : entry.second)
            {
                if (!link.node)
                    continue;
                const Vector2D b = WorldToView(link.node->GetTrans());
                // Red at the start, green at the end: the link's direction.
                draw->AddLine(ImVec2(a.x, a.y), ImVec2((a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f),
                              IM_COL32(255, 0, 0, 255), 2.0f);
                draw->AddLine(ImVec2((a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f), ImVec2(b.x, b.y),
                              IM_COL32(0, 255, 0, 255), 2.0f);
            }
        }
        draw->PopClipRect();
    }
}
