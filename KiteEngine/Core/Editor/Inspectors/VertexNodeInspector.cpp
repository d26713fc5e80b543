// VertexNode's inspector: the label (renamed on Enter), links added and
// removed through two pop-ups, and the switches. While a pop-up is open the
// editor ignores clicks on the scene.
#include <imgui.h>

#include "Core/Editor/Editor.h"
#include "Core/Editor/InspectorWidgets.h"
#include "Core/Engine/Engine.h"
#include "Core/Waypoints/VertexNode.h"

namespace KiteFramework
{
    namespace
    {
        // Shared by every node and kept between openings.
        struct LinkFields
        {
            char label[256] = {};
            int cost = 1;
            bool directed = false;
            char removeLabel[256] = {};
            bool bothSides = false;
        };

        LinkFields& Fields()
        {
            static LinkFields fields;
            return fields;
        }

        void LinkPopupOpen(bool open)
        {
            if (Editor* editor = ENGINE ? ENGINE->GetEditor() : nullptr)
                editor->setAddRemoveLinkBool(open);
        }

        // A link pop-up's two buttons; true when the first is pressed. Either
        // closes the pop-up and gives the scene its clicks back.
        bool LinkPopupConfirmed(const char* confirm)
        {
            const bool confirmed = ImGui::Button(confirm, ImVec2(120.0f, 0.0f));
            ImGui::SameLine();
            const bool cancelled = ImGui::Button("Cancel", ImVec2(120.0f, 0.0f));
            if (confirmed || cancelled)
            {
                LinkPopupOpen(false);
                ImGui::CloseCurrentPopup();
            }
            return confirmed;
        }
    }

    void VertexNode::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Vertex Node");
        if (open)
        {
            ImGui::TextUnformatted("Label of node");
            std::string typed = label;
            if (InputTextOnEnter("##Label", typed, 64))
                EditedLabel(typed);
            if (!label.empty())
            {
                if (ImGui::Button("Add Link"))
                    ImGui::OpenPopup("AddLinkPopup");
                ImGui::SameLine();
                if (ImGui::Button("Remove Link"))
                    ImGui::OpenPopup("RemoveLinkPopup");
            }
            LinkFields& f = Fields();
            if (ImGui::BeginPopupModal("AddLinkPopup", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
            {
                LinkPopupOpen(true);
                ImGui::TextUnformatted("Enter Parameters name:\n");
                ImGui::TextUnformatted("Label: ");
                ImGui::InputText("##label", f.label, sizeof(f.label));
                ImGui::TextUnformatted("Cost: ");
                ImGui::InputInt("##cost", &f.cost, 1, 100);
                ImGui::TextUnformatted("Directed? ");
                ImGui::Checkbox("##directed", &f.directed);
                // A negative cost would wrap round to a huge one.
                if (LinkPopupConfirmed("OK"))
                    AddLink(f.label, static_cast<unsigned>(f.cost < 0 ? 0 : f.cost), f.directed);
                ImGui::EndPopup();
            }
            if (ImGui::BeginPopupModal("RemoveLinkPopup", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
            {
                LinkPopupOpen(true);
                ImGui::TextUnformatted("Enter label name:\n");
                ImGui::TextUnformatted("Label to remove: ");
                ImGui::InputText("##label", f.removeLabel, sizeof(f.removeLabel));
                ImGui::TextUnformatted("Both side? ");
                ImGui::Checkbox("##bothside", &f.bothSides);
                if (LinkPopupConfirmed("Confirm"))
                    RemoveLink(f.removeLabel, f.bothSides);
                ImGui::EndPopup();
            }
            ImGui::Checkbox("Node Active?", &active);
            ImGui::Checkbox("Hide Sprite?", &hideSprite);
        }
        EndComponentInspector(*this, open);
    }
}
