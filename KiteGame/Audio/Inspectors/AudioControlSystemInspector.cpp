// The music system's inspector: the time the playing track has run and the
// scene's tagged sources by track list. The sources are read from the audio
// engine's live list, so a source destroyed since the lists were sorted is
// never touched.
#include <algorithm>

#include <imgui.h>

#include "Audio/AudioControlSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    void AudioControlSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Audio Control System");
        if (open)
        {
            ImGui::Text("Current time elapsed of playing track: %f", static_cast<double>(elapsed));
            if (ImGui::TreeNode("List of Tracks"))
            {
                const std::vector<AudioSource*> sources = AUDIO ? AUDIO->getList() : std::vector<AudioSource*>();
                const float rows = static_cast<float>(std::clamp<std::size_t>(sources.size(), 1, 10));
                const ImVec2 size(0.8f * ImGui::GetWindowContentRegionWidth(), 30.0f * rows);
                ImGui::BeginChild("Sub1", size, false, ImGuiWindowFlags_HorizontalScrollbar);
                for (const AudioSource* source : sources)
                {
                    const int tag = source->getAudioTag();
                    if (tag >= FirstTag && tag < FirstTag + TrackLists)
                        ImGui::Text("List %d: %s", tag - FirstTag, source->getAudioClip().c_str());
                }
                ImGui::EndChild();
                ImGui::TreePop();
            }
        }
        EndComponentInspector(*this, open);
    }
}
