// AudioSource: gives an object one sound, played on one channel slot of the
// audio engine, once or looping, and optionally started with the scene.
#pragma once

#include <string>

#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    namespace Platform
    {
        class Sound;
    }

    class AudioSource : public GameComponent
    {
    public:
        AudioSource();

        void Initialise() override;
        void OnStart() override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void ListFields(FieldVisitor& fields) override;
        ~AudioSource() override;
        virtual AudioSource& GetDerivedClass() { return *this; }

        void startPlay();
        void stopAudio() const;
        void setPause() const;
        // Applied to the channel now; not applied again by the next startPlay.
        void setVolume(float value);
        bool getChannelPlaying() const;

        std::string getAudioClip() const { return audioClip; }
        // Does not reload the sound.
        void setAudioClip(std::string clip) { audioClip = std::move(clip); }
        Platform::Sound* getSource() const { return sound; }
        void setAudioSource(Platform::Sound* s) { sound = s; }
        const int& getChannelNo() const { return channelNo; }
        void setChannelNo(const int& slot) { channelNo = slot; }
        bool getLoop() const { return looping; }
        void setLoop(bool loop) { looping = loop; }
        bool getOnStart() const { return playOnStart; }
        void setOnStart(bool onStart) { playOnStart = onStart; }
        float getVolume() const { return volume; }
        int getAudioTag() const { return audioTag; }
        // Tags above 6 are refused.
        void setAudioTag(int tag);

    private:
        // The listed fields; the sound and slot come from Initialise.
        AudioSource(const AudioSource& other);

        // Stored (see ListFields).
        std::string audioClip;
        bool looping = false;
        bool playOnStart = false;
        // Copied, not stored.
        float volume = 1.0f;
        int audioTag = 0;

        // Run-time state.
        Platform::Sound* sound = nullptr;
        int channelNo = 0;
    };
}
