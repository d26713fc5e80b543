// AudioEngine: the sound system of the engine. Owns the platform sound
// system, the sounds loaded from Assets/Audio (keyed by path), a fixed table
// of channel slots handed out to AudioSource components, and the list of
// those components.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Core/Engine/System.h"
#include "Core/Engine/WalkedList.h"
#include "Platform/Sound.h"

namespace KiteFramework
{
    class AudioSource;

    class AudioEngine : public System
    {
    public:
        static constexpr int kChannelSlots = 512;

        // Uses the installed sound system, else its own SDL one.
        AudioEngine();
        // Uses the given sound system (not owned); for tests and hosts.
        explicit AudioEngine(Platform::SoundSystem* soundSystem);
        ~AudioEngine() override;
        AudioEngine(const AudioEngine&) = delete;
        AudioEngine& operator=(const AudioEngine&) = delete;

        void Initialise() override;
        void Update() override;
        void SendMessage(Message* message) override;

        // Sound table. The start-up loader: names relative to Assets/Audio,
        // keyed Assets::SoundPath(name).
        void LoadSounds(std::vector<std::string> names);
        // One name, used unchanged as path and key.
        void LoadSounds(const std::string& name);
        // Paths relative to Assets/Audio, keyed Assets::SoundPath(path).
        void LoadSounds(std::vector<std::filesystem::path> paths);
        // The sound under name, loading (and keeping) it on first use; null
        // when it cannot be loaded.
        Platform::Sound* GetSound(std::string name);
        void createSound(Platform::Sound*& sound, const char* name);
        void TotalCleanUp();

        // Channel slots.
        int FindChannel();
        void StopChannel(const int& slot);
        void StopAll();
        bool ChannelPlaying(const int& slot);
        // Pauses a playing channel, resumes a paused one.
        void singlePause(const int& slot);
        void singleVolume(float volume, int slot);

        void playSound(AudioSource& source);
        void playOnstart();

        // The master group: volume as given (heard clamped to 0..1) and mute.
        float MasterGet();
        void MasterSet(float volume);
        bool GetMasterMute();
        void SetMasterMute(bool mute);
        void ChannelGroupPlaying(bool& muted);

        void AddAudioSource(AudioSource* source);
        void RemoveAudioSource(AudioSource* source);
        // The registered sources in registration order.
        std::vector<AudioSource*> getList() const { return audioSources.Live(); }

        std::vector<std::string> GetSoundFiles() const { return soundFiles; }
        std::vector<std::filesystem::path> GetrelSoundFiles() const { return relSoundFiles; }

        int GetNumDrivers() const { return numDrivers; }
        // True when no output device could be opened: everything works, nothing is heard.
        bool IsSilent() const;
        Platform::SoundSystem* GetSoundSystem() const { return system; }
        const std::map<std::string, Platform::Sound*>& GetSounds() const { return sounds; }
        bool IsChannelInUse(int slot) const;
        Platform::ChannelHandle GetChannel(int slot) const;
        int GetLastChannel() const { return lastChannel; }
        int GetMaxChannels() const { return maxChannels; }

    private:
        void ResetChannels();
        static bool ValidSlot(int slot) { return slot >= 0 && slot < kChannelSlots; }
        // Inserts the sound loaded from path under key (an existing key keeps its value).
        void LoadInto(const std::string& path, const std::string& key);

        std::unique_ptr<Platform::SoundSystem> ownedSystem;
        Platform::SoundSystem* system = nullptr;
        bool channelInUse[kChannelSlots] = {};
        Platform::ChannelHandle channels[kChannelSlots] = {};
        WalkedList<AudioSource*> audioSources;
        std::map<std::string, Platform::Sound*> sounds;
        int numDrivers = -1;
        std::vector<std::string> soundFiles;
        std::vector<std::filesystem::path> relSoundFiles;
        int lastChannel = 0;
        int maxChannels = 128;
    };

    extern AudioEngine* AUDIO;
}
