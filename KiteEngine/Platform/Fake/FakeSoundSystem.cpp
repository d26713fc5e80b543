// The recording sound system for tests.
#include "Platform/Fake/FakeSoundSystem.h"

#include <algorithm>

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            std::string Text(float value)
            {
                std::string text = std::to_string(value);
                // Trim the fixed six decimals for readable call records.
                while (text.size() > 1 && text.back() == '0')
                    text.pop_back();
                if (!text.empty() && text.back() == '.')
                    text.pop_back();
                return text;
            }
        }

        int FakeSoundSystem::GetNumDrivers()
        {
            Record("GetNumDrivers");
            return numDrivers;
        }

        bool FakeSoundSystem::Init(int channels)
        {
            Record("Init " + std::to_string(channels));
            if (failInit || numDrivers <= 0)
                return false;
            open = true;
            silent = false;
            maxChannels = channels;
            return true;
        }

        bool FakeSoundSystem::InitSilent(int channels)
        {
            Record("InitSilent " + std::to_string(channels));
            open = true;
            silent = true;
            maxChannels = channels;
            return true;
        }

        bool FakeSoundSystem::Owns(const Sound* sound) const
        {
            return std::any_of(sounds.begin(), sounds.end(),
                               [sound](const std::unique_ptr<FakeSound>& s) { return s.get() == sound; });
        }

        Sound* FakeSoundSystem::CreateSound(const std::string& path)
        {
            Record("CreateSound " + path);
            if (!open || unreadable.count(path))
                return nullptr;
            sounds.push_back(std::make_unique<FakeSound>(path));
            return sounds.back().get();
        }

        void FakeSoundSystem::SetSoundMode(Sound* sound, LoopMode mode)
        {
            Record(std::string("SetSoundMode ") + (mode == LoopMode::Normal ? "loop" : "off"));
            if (Owns(sound))
                static_cast<FakeSound*>(sound)->mode = mode;
        }

        void FakeSoundSystem::SetSoundLoopCount(Sound* sound, int count)
        {
            Record("SetSoundLoopCount " + std::to_string(count));
            if (Owns(sound))
                static_cast<FakeSound*>(sound)->loopCount = count;
        }

        void FakeSoundSystem::ReleaseSound(Sound* sound)
        {
            Record("ReleaseSound");
            if (!Owns(sound))
                return;
            for (auto& entry : channels)
                if (entry.second.sound == sound)
                    entry.second.playing = false;
            sounds.erase(std::find_if(sounds.begin(), sounds.end(),
                                      [sound](const std::unique_ptr<FakeSound>& s) { return s.get() == sound; }));
        }

        ChannelHandle FakeSoundSystem::PlaySound(Sound* sound, bool paused)
        {
            Record(std::string("PlaySound") + (paused ? " paused" : ""));
            if (!open || !Owns(sound) || CountPlaying() >= channelLimit)
                return NoChannel;
            auto* fake = static_cast<FakeSound*>(sound);
            Channel channel;
            channel.sound = fake;
            channel.playing = true;
            channel.paused = paused;
            channel.mode = fake->mode;
            channel.loopCount = fake->loopCount;
            ChannelHandle handle = nextHandle_++;
            channels[handle] = channel;
            return handle;
        }

        FakeSoundSystem::Channel* FakeSoundSystem::FindChannel(ChannelHandle channel)
        {
            auto it = channels.find(channel);
            return it == channels.end() || !it->second.playing ? nullptr : &it->second;
        }

        void FakeSoundSystem::StopChannel(ChannelHandle channel)
        {
            Record("StopChannel");
            if (Channel* c = FindChannel(channel))
                c->playing = false;
        }

        bool FakeSoundSystem::IsChannelPlaying(ChannelHandle channel)
        {
            Record("IsChannelPlaying");
            return FindChannel(channel) != nullptr;
        }

        void FakeSoundSystem::SetChannelPaused(ChannelHandle channel, bool paused)
        {
            Record(std::string("SetChannelPaused ") + (paused ? "true" : "false"));
            if (Channel* c = FindChannel(channel))
                c->paused = paused;
        }

        bool FakeSoundSystem::GetChannelPaused(ChannelHandle channel)
        {
            Record("GetChannelPaused");
            Channel* c = FindChannel(channel);
            return c && c->paused;
        }

        void FakeSoundSystem::SetChannelVolume(ChannelHandle channel, float volume)
        {
            Record("SetChannelVolume " + Text(volume));
            if (Channel* c = FindChannel(channel))
                c->volume = volume;
        }

        float FakeSoundSystem::GetChannelVolume(ChannelHandle channel)
        {
            Record("GetChannelVolume");
            Channel* c = FindChannel(channel);
            return c ? c->volume : 0.0f;
        }

        void FakeSoundSystem::SetGroupVolume(float volume)
        {
            Record("SetGroupVolume " + Text(volume));
            groupVolume = volume;
        }

        float FakeSoundSystem::GetGroupVolume()
        {
            Record("GetGroupVolume");
            return groupVolume;
        }

        void FakeSoundSystem::SetGroupMute(bool mute)
        {
            Record(std::string("SetGroupMute ") + (mute ? "true" : "false"));
            groupMute = mute;
        }

        bool FakeSoundSystem::GetGroupMute()
        {
            Record("GetGroupMute");
            return groupMute;
        }

        void FakeSoundSystem::Close()
        {
            Record("Close");
            channels.clear();
            sounds.clear();
            open = false;
            silent = false;
        }

        void FakeSoundSystem::Finish(ChannelHandle channel)
        {
            if (Channel* c = FindChannel(channel))
                c->playing = false;
        }

        int FakeSoundSystem::CountPlaying() const
        {
            return static_cast<int>(std::count_if(channels.begin(), channels.end(),
                                                  [](const auto& entry) { return entry.second.playing; }));
        }

        float FakeSoundSystem::Applied(ChannelHandle channel) const
        {
            auto it = channels.find(channel);
            if (it == channels.end() || !it->second.playing || it->second.paused)
                return 0.0f;
            return AppliedVolume(it->second.volume, groupVolume, groupMute);
        }

        FakeSound* FakeSoundSystem::FindSound(const std::string& path) const
        {
            for (const auto& s : sounds)
                if (s->path == path)
                    return s.get();
            return nullptr;
        }

        int FakeSoundSystem::CountCalls(const std::string& prefix) const
        {
            return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&prefix](const std::string& call) {
                return call.compare(0, prefix.size(), prefix) == 0;
            }));
        }
    }
}
