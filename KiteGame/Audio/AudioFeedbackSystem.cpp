// AudioFeedbackSystem: the cool-down and the random choice of a file.
#include "Audio/AudioFeedbackSystem.h"

#include <cmath>

#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    AudioFeedbackSystem::AudioFeedbackSystem() : Script(CT_AudioFeedbackSystem) {}

    AudioFeedbackSystem::AudioFeedbackSystem(const AudioFeedbackSystem& other)
        : Script(other), timeToEnablePlayback(other.timeToEnablePlayback),
          randomAdjustmentToTimerSet(other.randomAdjustmentToTimerSet), audioFeedbackPaths(other.audioFeedbackPaths) {}

    void AudioFeedbackSystem::ListFields(FieldVisitor& v)
    {
        v.Add("timeToEnablePlayback", timeToEnablePlayback,
              FieldInfo{"Base Time to Enable Playback", FieldWidget::Input, 0.0f}.Caption(FieldCaption::Plain));
        v.Add("randomAdjustmentToTimerSet", randomAdjustmentToTimerSet,
              FieldInfo{"Random Adjustment to Timer", FieldWidget::Input, 0.0f}.Caption(FieldCaption::Plain));
        v.Add("audioFeedbackPaths", audioFeedbackPaths, HiddenField());
    }

    GameComponent* AudioFeedbackSystem::Clone() const
    {
        return CloneListed(*this);
    }

    void AudioFeedbackSystem::Initialise()
    {
        Script::Initialise();
        source = GetOwner() ? GetOwner()->GetComponent<AudioSource>() : nullptr;
    }

    void AudioFeedbackSystem::Update()
    {
        const float factor = ENGINE ? ENGINE->GetTimeFactor() : 1.0f;
        playbackTimer -= fc.getFixedDeltaTime() * factor;
    }

    bool AudioFeedbackSystem::TakeTurn()
    {
        if (playbackTimer >= 0.0f)
            return false;
        // No random range means a plain cool-down (fmod by 0 is not a number).
        const int draw = GENRANDNUM::Rand();
        const float extra = randomAdjustmentToTimerSet > 0.0f
                                ? static_cast<float>(std::fmod(static_cast<double>(draw),
                                                               static_cast<double>(randomAdjustmentToTimerSet)))
                                : 0.0f;
        playbackTimer = extra + timeToEnablePlayback;
        return true;
    }

    void AudioFeedbackSystem::PlayFrom(const Files& files)
    {
        if (files.empty())
            return;
        const std::string& file = files[static_cast<unsigned>(GENRANDNUM::Rand()) % files.size()];
        lastPlayed = file;
        // Silent without a sound engine or an audio source to play through.
        if (!source || !AUDIO)
            return;
        source->setAudioClip(file);
        source->setAudioSource(AUDIO->GetSound(Assets::SoundPath(file)));
        AUDIO->playSound(*source);
    }

    void AudioFeedbackSystem::Play(int id)
    {
        if (!TakeTurn())
            return;
        if (id == 3 || id == 4 || id == 6)
            return;
        for (const auto& entry : audioFeedbackPaths.first)
            if (entry.first == id)
            {
                PlayFrom(entry.second);
                return;
            }
    }

    void AudioFeedbackSystem::PlayByIndex(int index)
    {
        if (!TakeTurn())
            return;
        if (index < 0 || static_cast<std::size_t>(index) >= audioFeedbackPaths.second.size())
            return;
        PlayFrom(audioFeedbackPaths.second[index]);
    }
}
