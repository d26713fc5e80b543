// AudioControlSystem: track lists by audio tag and the elapsed time. It
// stores nothing in files: the sources write themselves on their objects.
#include "Audio/AudioControlSystem.h"

#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    AudioControlSystem::AudioControlSystem() : Script(CT_AudioControlSystem) {}

    AudioControlSystem::AudioControlSystem(const AudioControlSystem& other)
        : Script(other), elapsed(other.elapsed), startTime(other.startTime), currentTime(other.currentTime)
    {
    }

    GameComponent* AudioControlSystem::Clone() const
    {
        return new AudioControlSystem(*this);
    }

    void AudioControlSystem::Initialise()
    {
        initialised = 1;
        for (auto& track : tracks)
            track.clear();
        // A machine without a sound engine has no sources to sort.
        if (!AUDIO)
            return;
        for (AudioSource* source : AUDIO->getList())
        {
            const int tag = source ? source->getAudioTag() : 0;
            if (tag >= FirstTag && tag < FirstTag + TrackLists)
                tracks[tag - FirstTag].push_back(source);
        }
    }

    void AudioControlSystem::Update()
    {
        currentTime = Clock::now();
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(currentTime - startTime).count();
        elapsed = static_cast<float>(ns) / 1000000000.0f;
    }

    const std::vector<AudioSource*>& AudioControlSystem::GetTrack(int tag) const
    {
        static const std::vector<AudioSource*> none;
        if (tag < FirstTag || tag >= FirstTag + TrackLists)
            return none;
        return tracks[tag - FirstTag];
    }
}
