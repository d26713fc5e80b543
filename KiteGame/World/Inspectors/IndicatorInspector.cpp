// The placement indicator's inspector: its grayscale and original looks
// chosen from the loaded images, and the two placement tints.
#include <string>

#include <imgui.h>

#include "World/Indicator.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    namespace
    {
        void ChooseTexture(const char* label, const char* node, std::string& path)
        {
            InspectorLabel(label);
            ImGui::TextUnformatted(path.c_str());
            std::string chosen;
            if (ChooseFromList(node, LoadedImageNames(), chosen))
                path = chosen;
        }
    }

    void Indicator::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Indicator");
        if (open)
        {
            ChooseTexture("Grayscale Texture Path", "GrayscalePath", grayscaleTexture);
            ChooseTexture("Original Texture Path", "OriginalPath", originalTexture);
            ImGui::ColorEdit4("##legalPlacement", legalPlacement.data());
            ImGui::ColorEdit4("##illegalPlacement", illegalPlacement.data());
        }
        EndComponentInspector(*this, open);
    }
}
