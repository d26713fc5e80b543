// The audio components' inspectors: the source's clip chosen from the
// loaded sounds, play and stop, its switches and tag.
#include <cstdlib>

#include <imgui.h>

#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Assets.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    void AudioSource::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Audio Source");
        if (open)
        {
            ImGui::TextUnformatted("Source path");
            ImGui::SameLine();
            if (ImGui::Button("Play"))
                startPlay();
            ImGui::SameLine();
            if (ImGui::Button("Stop"))
                stopAudio();
            ImGui::Checkbox("Loop", &looping);
            ImGui::Checkbox("Play OnStart", &playOnStart);
            ImGui::TextUnformatted(audioClip.c_str());
            if (AUDIO)
            {
                const auto files = AUDIO->GetrelSoundFiles();
                for (std::size_t i = 0; i < files.size(); ++i)
                {
                    const std::string name = files[i].generic_string();
                    ImGui::PushID(static_cast<int>(i));
                    if (ImGui::Button(name.c_str()))
                    {
                        stopAudio();
                        audioClip = name;
                        sound = AUDIO->GetSound(Assets::SoundPath(name));
                    }
                    ImGui::PopID();
                }
            }
            ImGui::TextUnformatted("Audio Tag number: ");
            std::string tag = std::to_string(audioTag);
            if (InputTextOnEnter("##objecttotoggle", tag, 128))
            {
                // The music system knows tags up to 6.
                const int value = std::atoi(tag.c_str());
                if (value <= 6)
                    audioTag = value;
            }
        }
        EndComponentInspector(*this, open);
    }
}
