// The feedback sounds' inspector: the cool-down between two sounds.
#include <imgui.h>

#include "Audio/AudioFeedbackSystem.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    void AudioFeedbackSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Audio Feedback System");
        if (open)
        {
            ImGui::TextUnformatted("Base Time to Enable Playback");
            ImGui::InputFloat("##timeToEnablePlayback", &timeToEnablePlayback);
            ImGui::TextUnformatted("Random Adjustment to Timer");
            ImGui::InputFloat("##randomAdjustmentToTimerSet", &randomAdjustmentToTimerSet);
        }
        EndComponentInspector(*this, open);
    }
}
