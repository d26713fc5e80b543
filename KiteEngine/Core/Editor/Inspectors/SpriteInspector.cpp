// Sprite's inspector: textures chosen from the loaded images, tint, blend,
// animation settings and the switches.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"

namespace KiteFramework
{
    void Sprite::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Sprite");
        if (open)
        {
            const std::vector<std::string> images = LoadedImageNames();
            std::string chosen;
            ImGui::TextUnformatted("Sprite path");
            ReadOnlyText("##Path", texturePath);
            if (ChooseFromList("Normal Sprite", images, chosen) && GRAPHICS)
            {
                SetTexturePath(chosen);
                SetTexturePtr(GRAPHICS->GetTexture(chosen));
            }
            ImGui::TextUnformatted("Blendable?");
            ImGui::Checkbox("##blendable", &blendable);
            ImGui::TextUnformatted("Blend sprite path");
            ReadOnlyText("##BlendSpritePath", blendTexturePath);
            if (ChooseFromList("Blend Sprite", images, chosen) && GRAPHICS)
            {
                SetBlendPath(chosen);
                SetBlendTexturePtr(GRAPHICS->GetTexture(chosen));
            }
            ImGui::ColorEdit4("##ColorPicker", tint.data());
            InspectorLabel("Blend amount");
            ImGui::SliderFloat("##blend", &blend, 0.0f, 1.0f, "%.3f");
            ImGui::Checkbox("Animated", &animated);
            ImGui::Checkbox("Debug Draw", &debugDraw);
            ImGui::Checkbox("Render", &renderable);
            // Sheet settings change which part of the texture shows.
            uvDirty = ImGui::Checkbox("FlipX", &flippedX) || uvDirty;
            InspectorLabel("Sprite Columns");
            uvDirty = ImGui::InputInt("##CurrCol", &columns, 1, 100) || uvDirty;
            InspectorLabel("Current col");
            ImGui::InputInt("##currframe", &currentColumn, 1, 100);
            InspectorLabel("Speed");
            uvDirty = ImGui::InputFloat("##Speed", &speed, 0.0f, 0.0f, "%.3f") || uvDirty;
            InspectorLabel("Frame Rate");
            uvDirty = ImGui::InputFloat("##FPS", &framerate, 0.0f, 0.0f, "%.3f") || uvDirty;
            InspectorLabel("TargetCount");
            ImGui::InputInt("##targetCount", &animationCount, 1, 100);
            InspectorLabel("CurrentCount");
            ImGui::InputInt("##currentCount", &loopsPlayed, 1, 100);
            // A sheet has at least one column.
            if (columns < 1)
                columns = 1;
        }
        EndComponentInspector(*this, open);
    }
}
