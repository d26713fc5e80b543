// AudioSource: one sound on one channel slot of the audio engine.
#include "Core/Audio/AudioSource.h"

#include <iostream>

#include "Core/Audio/AudioEngine.h"
#include "Core/Engine/Assets.h"
#include "Core/Objects/FieldOps.h"

namespace KiteFramework
{
    AudioSource::AudioSource() : GameComponent(CT_AudioSource) {}

    AudioSource::AudioSource(const AudioSource& other) : GameComponent(other)
    {
        CopyListedFields(other, *this);
    }

    AudioSource::~AudioSource()
    {
        // Templates and never-initialised sources hold no slot of their own
        // (slot 0 may be another source's), and the engine may already be
        // gone when late objects are deleted at shutdown.
        if (!initialised || !AUDIO)
            return;
        if (looping)
            AUDIO->StopChannel(channelNo);
        AUDIO->RemoveAudioSource(this);
    }

    void AudioSource::Initialise()
    {
        if (!AUDIO)
            return;
        // A second initialisation keeps the slot it has.
        bool again = initialised != 0;
        initialised = 1;
        sound = AUDIO->GetSound(Assets::SoundPath(audioClip));
        AUDIO->AddAudioSource(this);
        if (again)
            return;
        channelNo = AUDIO->FindChannel();
        std::cout << "Channel used is " << channelNo << std::endl;
    }

    void AudioSource::OnStart()
    {
        if (playOnStart)
            startPlay();
    }

    void AudioSource::startPlay()
    {
        if (AUDIO)
            AUDIO->playSound(*this);
    }

    void AudioSource::stopAudio() const
    {
        if (AUDIO)
            AUDIO->StopChannel(channelNo);
    }

    void AudioSource::setPause() const
    {
        if (AUDIO)
            AUDIO->singlePause(channelNo);
    }

    void AudioSource::setVolume(float value)
    {
        if (AUDIO)
            AUDIO->singleVolume(value, channelNo);
        volume = value;
    }

    bool AudioSource::getChannelPlaying() const
    {
        return AUDIO && AUDIO->ChannelPlaying(channelNo);
    }

    void AudioSource::setAudioTag(int tag)
    {
        if (tag <= 6)
            audioTag = tag;
    }

    void AudioSource::ListFields(FieldVisitor& v)
    {
        v.Add("audioPath", audioClip, {"Source path"});
        v.Add("looping", looping, {"Loop", FieldWidget::Checkbox});
        v.Add("playOnStart", playOnStart, {"Play OnStart", FieldWidget::Checkbox});
        v.AddUnstored("volume", volume, {"Volume", FieldWidget::ReadOnly});
        v.AddUnstored("audioTag", audioTag, {"Audio Tag number", FieldWidget::Input, 1.0f});
    }

    GameComponent* AudioSource::Clone() const
    {
        return CloneListed(*this);
    }
}
