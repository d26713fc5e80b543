// The inspectors of the button kinds and pop-ups. BaseButton's is the block
// every button shows inside its own panel: the active switch and the four
// sprites and the sound, each typed or chosen from what is loaded.
#include <imgui.h>

#include "Core/Audio/AudioEngine.h"
#include "Core/Editor/InspectorWidgets.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/BaseButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"

namespace KiteFramework
{
    namespace
    {
        std::vector<std::string> LoadedSoundNames()
        {
            std::vector<std::string> names;
            if (AUDIO)
                for (const auto& path : AUDIO->GetrelSoundFiles())
                    names.push_back(path.generic_string());
            return names;
        }

        void PathField(const char* label, const char* node, std::string& path, const std::vector<std::string>& choices)
        {
            ImGui::TextUnformatted(label);
            const std::string id = std::string("##") + node;
            InputTextOnEnter(id.c_str(), path, 256);
            std::string chosen;
            if (ChooseFromList(node, choices, chosen))
                path = chosen;
        }
    }

    void BaseButton::RenderImGui()
    {
        ImGui::TextUnformatted("Base button info");
        ImGui::TextUnformatted("Button Active?");
        ImGui::Checkbox("##buttonActive", &buttonActive);
        const std::vector<std::string> images = LoadedImageNames();
        PathField("Default sprite", "BBdefaultSpritePath_", defaultSpritePath, images);
        PathField("Mouseover sprite", "BBmouseOverSpritePath_", mouseOverSpritePath, images);
        PathField("Mousedown sprite", "BBmouseDownSpritePath_", mouseDownSpritePath, images);
        PathField("Inactive sprite", "BBinactiveSpritePath_", inactiveSpritePath, images);
        PathField("Audio Clip Path", "BBaudioSourcePath_", audioSourcePath, LoadedSoundNames());
    }

    void SystemCallButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "System Call Button");
        if (open)
        {
            BaseButton::RenderImGui();
            static const char* const kinds[] = {"Pause Game",      "Quit Game",       "Save Game",
                                                "Load Game",       "Change Level",    "Increase Volume",
                                                "Decrease Volume", "FullScreen",      "Invalid"};
            ImGui::TextUnformatted("Function list");
            int kind = buttonType < 8 ? static_cast<int>(buttonType) : 8;
            if (ImGui::Combo("##Function list", &kind, kinds, IM_ARRAYSIZE(kinds)))
                buttonType = static_cast<std::uint32_t>(kind);
            if (buttonType == ChangeLevel)
            {
                ImGui::TextUnformatted("Level name");
                InputTextOnEnter("##level", fnStrParam, 256);
                ImGui::TextUnformatted("Fade into black?");
                ImGui::Checkbox("##fadeOut_", &fadeOut);
            }
        }
        EndComponentInspector(*this, open);
    }

    void ToggleActiveButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Toggle Active Button");
        if (open)
        {
            BaseButton::RenderImGui();
            ImGui::Checkbox("Force close", &forceClose);
            ImGui::Checkbox("Toggle Child", &toggleChild);
            if (!toggleChild)
                ImGui::Checkbox("Toggle Parent", &toggleParent);
            if (!toggleChild && !toggleParent)
            {
                ImGui::TextUnformatted("Object name to toggle");
                std::string name = toggleObject;
                if (InputTextOnEnter("##objecttotoggle", name, 128))
                    SetToggleObject(name);
            }
            ImGui::TextUnformatted("Target object to turn off on mouse click");
            InputTextOnEnter("##objToDeactivate", objToDeactivate, 128);
            ImGui::TextUnformatted("Number of layers to toggle");
            ImGui::InputInt("##toggleNumOfLayers", &toggleNumOfLayers, 1, 100);
        }
        EndComponentInspector(*this, open);
    }

    void ActivatePopupButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Activate PopUp Button");
        if (open)
        {
            BaseButton::RenderImGui();
            ImGui::TextUnformatted("Click Popup Archetype to Spawn");
            InputTextOnEnter("##clickPopupArchetypeToSpawn_", clickPopupArchetypeToSpawn, 64);
            ImGui::TextUnformatted("Where to pop up the popup?");
            ImGui::InputFloat2("##clickPopupLocation", &clickPopupLocation.x, "%.3f");
            ImGui::TextUnformatted("Hover Popup Archetype to Spawn");
            InputTextOnEnter("##hoverPopupArchetypeToSpawn_", hoverPopupArchetypeToSpawn, 64);
            ImGui::TextUnformatted("Where to pop up the popup?");
            ImGui::InputFloat2("##hoverPopupLocation", &hoverPopupLocation.x, "%.3f");
            ImGui::TextUnformatted("Hover Timeout");
            ImGui::InputFloat("##hovertimer", &hoverTimeToPopup, 0.0f, 0.0f, "%.3f");
        }
        EndComponentInspector(*this, open);
    }

    void PopUpUI::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "PopUp UI");
        if (open)
        {
            InspectorLabel("Popup UI Element");
            ImGui::Checkbox("Manual Closing", &manualClosing);
        }
        EndComponentInspector(*this, open);
    }
}
