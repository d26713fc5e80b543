// SDLSoundSystem: the sound system on SDL2_mixer. Sounds are mixer chunks
// (decoded and converted to the output format at load); the one channel
// group is kept here and folded into each mixer channel's volume.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Platform/Sound.h"

namespace KiteFramework
{
    namespace Platform
    {
        class SDLSoundSystem : public SoundSystem
        {
        public:
            SDLSoundSystem();
            ~SDLSoundSystem() override;
            SDLSoundSystem(const SDLSoundSystem&) = delete;
            SDLSoundSystem& operator=(const SDLSoundSystem&) = delete;

            int GetNumDrivers() override;
            bool Init(int maxChannels) override;
            bool InitSilent(int maxChannels) override;
            bool IsOpen() const override { return open_; }
            bool IsSilent() const override { return silent_; }

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
            float GetGroupVolume() override { return groupVolume_; }
            void SetGroupMute(bool mute) override;
            bool GetGroupMute() override { return groupMute_; }

            void Close() override;

            // The mixer volume (0..128) in effect on the channel; -1 when the
            // handle is stale.
            int AppliedMixVolume(ChannelHandle channel) const;

        private:
            class SDLSound;
            struct ChannelState
            {
                std::uint32_t generation = 0;
                float volume = 1.0f;
            };

            bool StartAudio(bool dummyDriver);
            void StopAudio();
            bool Open(int maxChannels, bool silent);
            SDLSound* Find(Sound* sound) const;
            // The mixer channel a handle names, or -1 when it is stale.
            int Resolve(ChannelHandle channel) const;
            void ApplyVolume(int index);

            std::vector<ChannelState> channels_;
            std::vector<std::unique_ptr<SDLSound>> sounds_;
            bool audioStarted_ = false;
            bool dummyDriver_ = false;
            bool open_ = false;
            bool silent_ = false;
            float groupVolume_ = 1.0f;
            bool groupMute_ = false;
        };
    }
}
