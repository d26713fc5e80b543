// FakeSoundSystem: a sound system without output for tests. It records every
// call (in order, as text) and keeps the state the calls leave behind; tests
// end channels by hand to stand for sounds that finish.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Platform/Sound.h"

namespace KiteFramework
{
    namespace Platform
    {
        class FakeSound : public Sound
        {
        public:
            explicit FakeSound(std::string p) : path(std::move(p)) {}

            std::string path;
            LoopMode mode = LoopMode::Off;
            int loopCount = -1;
        };

        class FakeSoundSystem : public SoundSystem
        {
        public:
            struct Channel
            {
                FakeSound* sound = nullptr;
                bool playing = false;
                bool paused = false;
                float volume = 1.0f;
                // Loop settings of the sound when the channel started.
                LoopMode mode = LoopMode::Off;
                int loopCount = -1;
            };

            FakeSoundSystem() = default;
            ~FakeSoundSystem() override = default;

            int GetNumDrivers() override;
            bool Init(int maxChannels) override;
            bool InitSilent(int maxChannels) override;
            bool IsOpen() const override { return open; }
            bool IsSilent() const override { return silent; }

            Sound* CreateSound(const std::string& path) override;
            void SetSoundMode(Sound* sound, LoopMode mode) override;
            void SetSoundLoopCount(Sound* sound, int count) override;
            void ReleaseSound(Sound* sound) override;

            ChannelHandle PlaySound(Sound* sound, bool paused) override;
            void StopChannel(ChannelHandle channel) override;
            bool IsChannelPlaying(ChannelHandle channel) override;
            void SetChannelPaused(ChannelHandle channel, bool paused) override;
            bool GetChannelPaused(ChannelHandle channel) override;
            void SetChannelVolume(ChannelHandle channel, float volume) override;
            float GetChannelVolume(ChannelHandle channel) override;

            void SetGroupVolume(float volume) override;
            float GetGroupVolume() override;
            void SetGroupMute(bool mute) override;
            bool GetGroupMute() override;

            void Close() override;

            // Test controls and views.
            // The sound on the channel ends by itself (a one-shot runs out).
            void Finish(ChannelHandle channel);
            // Every channel still playing its sound.
            int CountPlaying() const;
            Channel* FindChannel(ChannelHandle channel);
            // The volume a channel is heard at now (0 when stale or stopped).
            float Applied(ChannelHandle channel) const;
            FakeSound* FindSound(const std::string& path) const;
            // Number of recorded calls starting with the given text.
            int CountCalls(const std::string& prefix) const;

            int numDrivers = 1;
            bool failInit = false;
            // Paths CreateSound refuses, as for an unreadable file.
            std::set<std::string> unreadable;
            // Channels beyond this many playing at once are refused.
            int channelLimit = 1 << 20;

            bool open = false;
            bool silent = false;
            int maxChannels = 0;
            float groupVolume = 1.0f;
            bool groupMute = false;
            std::vector<std::string> calls;
            std::vector<std::unique_ptr<FakeSound>> sounds;
            std::map<ChannelHandle, Channel> channels;

        private:
            void Record(const std::string& call) { calls.push_back(call); }
            bool Owns(const Sound* sound) const;
            ChannelHandle nextHandle_ = 1;
        };
    }
}
