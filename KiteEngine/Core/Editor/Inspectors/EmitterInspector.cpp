// Emitter's inspector: its texture, colour and the particle settings; a new
// count resizes the pool with fresh particles at the emitter.
#include <algorithm>

#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"

namespace KiteFramework
{
    void Emitter::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Emitter");
        if (open)
        {
            std::string chosen;
            ImGui::TextUnformatted("Sprite path");
            ReadOnlyText("##Path", texturePath);
            if (ChooseFromList("Normal Sprite", LoadedImageNames(), chosen))
            {
                std::replace(chosen.begin(), chosen.end(), '\\', '/');
                texturePath = chosen;
                if (sprite)
                {
                    sprite->SetTexturePath(chosen);
                    if (GRAPHICS)
                        sprite->SetTexturePtr(GRAPHICS->GetTexture(chosen));
                }
            }
            ImGui::ColorEdit4("##ColorPicker", colour.data());
            ImGui::Checkbox("Render", &emitting);
            InspectorLabel("Max Count");
            if (ImGui::InputInt("##CurrCol", &maxCount, 1, 100))
            {
                maxCount = std::max(0, maxCount);
                particles.assign(static_cast<std::size_t>(maxCount), Data());
                for (Data& p : particles)
                    p.scale = size;
                lastUsed = 0;
            }
            const struct
            {
                const char* label;
                const char* id;
                float* value;
            } floats[] = {{"Max Radius", "##MaxRad", &maxRadius},        {"Min Radius", "##MinRad", &minRadius},
                          {"Size", "##Size", &size},                      {"Life Time", "##LifeTime", &lifeTime},
                          {"Play Back Speed", "##PBS", &playbackSpeed},   {"Minimum Speed", "##Min Speed", &minSpeed},
                          {"Maximum Speed", "##Max Speed", &maxSpeed}};
            for (const auto& f : floats)
            {
                InspectorLabel(f.label);
                if (ImGui::InputFloat(f.id, f.value, 0.0f, 0.0f, "%.3f") && f.value == &size)
                    for (Data& p : particles)
                        p.scale = size;
            }
            InspectorLabel("Emission Rate");
            ImGui::InputInt("##currentCount", &emissionRate, 1, 1);
        }
        EndComponentInspector(*this, open);
    }
}
