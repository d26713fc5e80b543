// The sound layer: a sound system with decoded in-memory sounds, mixer
// channels and one channel group that every sound plays into. The audio
// engine talks only to this; Platform/SDL holds the real implementation
// and Platform/Fake the recording one tests use.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace KiteFramework
{
    namespace Platform
    {
        // A sound decoded fully into memory; owned by the system that made it.
        class Sound
        {
        public:
            virtual ~Sound() = default;
        };

        enum class LoopMode
        {
            Off = 1,
            Normal = 2
        };

        // Names one start of a sound on a channel. A handle whose sound has
        // ended, was stopped or whose channel has since been reused is stale:
        // every operation on it does nothing and it reports not playing.
        using ChannelHandle = std::uint64_t;
        constexpr ChannelHandle NoChannel = 0;

        // Volumes are stored as given and applied clamped to 0..1: a muted
        // group is silent, otherwise a channel is heard at channel x group.
        inline float AppliedVolume(float channelVolume, float groupVolume, bool groupMuted)
        {
            auto clamp01 = [](float v) { return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f; };
            return groupMuted ? 0.0f : clamp01(channelVolume) * clamp01(groupVolume);
        }

        class SoundSystem
        {
        public:
            virtual ~SoundSystem() = default;

            // Output devices the machine offers; 0 when there is none.
            virtual int GetNumDrivers() = 0;
            // Opens the output with the given number of mixer channels.
            virtual bool Init(int maxChannels) = 0;
            // Opens without an output device: sounds decode and channels run
            // in real time, nothing is heard. For machines with no device.
            virtual bool InitSilent(int maxChannels) = 0;
            virtual bool IsOpen() const = 0;
            virtual bool IsSilent() const = 0;

            // Decodes the file fully; null when it cannot be read or decoded
            // (or the system is not open). New sounds do not loop.
            virtual Sound* CreateSound(const std::string& path) = 0;
            virtual void SetSoundMode(Sound* sound, LoopMode mode) = 0;
            // Extra plays after the first while looping; -1 loops for ever.
            virtual void SetSoundLoopCount(Sound* sound, int count) = 0;
            // Stops the channels playing it and frees it.
            virtual void ReleaseSound(Sound* sound) = 0;

            // Starts the sound into the group with channel volume 1;
            // NoChannel when the sound is null or no channel is free.
            virtual ChannelHandle PlaySound(Sound* sound, bool paused) = 0;
            virtual void StopChannel(ChannelHandle channel) = 0;
            // True from the start until the sound ends or is stopped; a
            // paused channel is still playing.
            virtual bool IsChannelPlaying(ChannelHandle channel) = 0;
            virtual void SetChannelPaused(ChannelHandle channel, bool paused) = 0;
            virtual bool GetChannelPaused(ChannelHandle channel) = 0;
            virtual void SetChannelVolume(ChannelHandle channel, float volume) = 0;
            // The value last given (1 for a new channel, 0 for a stale one).
            virtual float GetChannelVolume(ChannelHandle channel) = 0;

            // The one channel group.
            virtual void SetGroupVolume(float volume) = 0;
            virtual float GetGroupVolume() = 0;
            virtual void SetGroupMute(bool mute) = 0;
            virtual bool GetGroupMute() = 0;

            // Stops everything, frees every sound and closes the output.
            virtual void Close() = 0;
        };

        // The sound system a new audio engine uses: the one a test has
        // installed (not owned by the caller), else a new SDL one (owned).
        void InstallSoundSystem(SoundSystem* system);
        SoundSystem* InstalledSoundSystem();
        // Starts opening the SDL sound system's module in the background.
        void PreloadSDLSoundSystem();
        // Waits for the module; null (said in one line) when it cannot be opened.
        std::unique_ptr<SoundSystem> CreateSDLSoundSystem();
    }
}
