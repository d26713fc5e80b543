// AudioEngine: sound table, channel slots, master group and the sources.
#include "Core/Audio/AudioEngine.h"

#include <algorithm>
#include <iostream>

#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/ComponentCreator.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    AudioEngine* AUDIO = nullptr;

    namespace
    {
        // Why a sound could not be made from the file at path.
        std::string SoundProblem(const std::string& path)
        {
            const std::string unreadable = Assets::Unreadable(Assets::ResolveNamed(path));
            return unreadable.empty() ? "cannot be decoded" : unreadable;
        }
    }

    AudioEngine::AudioEngine() : System(ST_AudioEngine)
    {
        // The sound module opens while the other systems start.
        if (!Platform::InstalledSoundSystem())
            Platform::PreloadSDLSoundSystem();
    }

    AudioEngine::AudioEngine(Platform::SoundSystem* soundSystem) : System(ST_AudioEngine), system(soundSystem) {}

    AudioEngine::~AudioEngine()
    {
        TotalCleanUp();
        if (system && system->IsOpen())
            system->Close();
        ownedSystem.reset();
        system = nullptr;
        ReleaseGlobal(AUDIO, this);
    }

    void AudioEngine::Initialise()
    {
        // Opening again would free every sound the sources still hold.
        if (system && system->IsOpen())
            return;
        if (!system)
        {
            system = Platform::InstalledSoundSystem();
            if (!system)
            {
                ownedSystem = Platform::CreateSDLSoundSystem();
                system = ownedSystem.get();
            }
        }

        // Without the sound module (said when it was opened) everything
        // still works and nothing is heard.
        numDrivers = system ? system->GetNumDrivers() : 0;
        bool opened = numDrivers > 0 && system->Init(maxChannels);
        if (system && !opened)
        {
            // Without an output device the engine runs silent, so that
            // scenes with audio components load and every caller still works.
            if (system->InitSilent(maxChannels))
                std::cerr << "AudioEngine: no sound output device; running silent" << std::endl;
            else
                std::cerr << "AudioEngine: sound is unavailable; sounds will not load" << std::endl;
        }
        std::fill(std::begin(channelInUse), std::end(channelInUse), false);
        ClaimGlobal(AUDIO, this);

        RegisterComponent<AudioListener>(CT_AudioListener, "AudioListener");
        RegisterComponent<AudioSource>(CT_AudioSource, "AudioSource");

        if (ENGINE)
            ENGINE->logMessage("System: AudioEngine initialised.");
        DebugPrintHandler("System: AudioEngine initialised.");

        for (const std::string& name : Assets::List("Audio"))
        {
            soundFiles.push_back(name);
            relSoundFiles.push_back(fs::path(name));
        }
        LoadSounds(soundFiles);
    }

    void AudioEngine::Update()
    {
        ResetChannels();
    }

    void AudioEngine::SendMessage(Message* message)
    {
        if (message && message->id == MsgID::Start)
            playOnstart();
    }

    void AudioEngine::LoadInto(const std::string& path, const std::string& key)
    {
        Platform::Sound* sound = nullptr;
        createSound(sound, path.c_str());
        if (!sound)
        {
            std::cout << "sound failed " << path << std::endl;
            // With sound unavailable nothing loads; that was reported once.
            if (system && system->IsOpen())
                ReportDataError("Sound \"" + path + "\"", SoundProblem(path) + "; skipped");
        }
        sounds.emplace(key, sound);
    }

    void AudioEngine::LoadSounds(std::vector<std::string> names)
    {
        for (const std::string& name : names)
            LoadInto(Assets::SoundPath(name), Assets::SoundPath(name));
    }

    void AudioEngine::LoadSounds(const std::string& name)
    {
        LoadInto(name, name);
    }

    void AudioEngine::LoadSounds(std::vector<fs::path> paths)
    {
        for (const fs::path& path : paths)
        {
            const std::string key = Assets::SoundPath(path.generic_string());
            LoadInto(key, key);
        }
    }

    Platform::Sound* AudioEngine::GetSound(std::string name)
    {
        auto it = sounds.find(name);
        if (it != sounds.end())
            return it->second;
        Platform::Sound* sound = nullptr;
        createSound(sound, name.c_str());
        if (sound)
        {
            sounds.emplace(name, sound);
            return sound;
        }
        std::cout << "SOUND LOAD FAIL" << std::endl;
        if (system && system->IsOpen())
            ReportDataError("Sound \"" + name + "\"", SoundProblem(name));
        return nullptr;
    }

    void AudioEngine::createSound(Platform::Sound*& sound, const char* name)
    {
        if (name && system)
            sound = system->CreateSound(Assets::ResolveNamed(name));
    }

    void AudioEngine::TotalCleanUp()
    {
        if (system)
            for (auto& entry : sounds)
                if (entry.second)
                    system->ReleaseSound(entry.second);
        // Released sounds must not be handed out again.
        sounds.clear();
    }

    int AudioEngine::FindChannel()
    {
        const int handedOut = std::min(maxChannels / 2, kChannelSlots);
        int found = -1;
        for (int i = std::max(lastChannel, 0); i < handedOut && found < 0; ++i)
            if (!channelInUse[i])
                found = i;
        for (int i = 1; i < lastChannel && i < handedOut && found < 0; ++i)
            if (!channelInUse[i])
                found = i;
        // Every slot taken: slot 0 is shared.
        if (found < 0)
            return 0;
        channelInUse[found] = true;
        lastChannel = found;
        return found;
    }

    void AudioEngine::ResetChannels()
    {
        if (!system)
            return;
        for (int i = 0; i < kChannelSlots; ++i)
            if (channelInUse[i] && !system->IsChannelPlaying(channels[i]))
                channelInUse[i] = false;
    }

    void AudioEngine::StopChannel(const int& slot)
    {
        if (!ValidSlot(slot))
            return;
        if (system)
            system->StopChannel(channels[slot]);
        channelInUse[slot] = false;
    }

    void AudioEngine::StopAll()
    {
        if (!system)
            return;
        for (Platform::ChannelHandle channel : channels)
            if (channel != Platform::NoChannel)
                system->StopChannel(channel);
    }

    bool AudioEngine::ChannelPlaying(const int& slot)
    {
        return ValidSlot(slot) && system && system->IsChannelPlaying(channels[slot]);
    }

    void AudioEngine::singlePause(const int& slot)
    {
        if (!ChannelPlaying(slot))
            return;
        system->SetChannelPaused(channels[slot], !system->GetChannelPaused(channels[slot]));
    }

    void AudioEngine::singleVolume(float volume, int slot)
    {
        if (ValidSlot(slot) && system)
            system->SetChannelVolume(channels[slot], volume);
    }

    void AudioEngine::playSound(AudioSource& source)
    {
        const int slot = source.getChannelNo();
        if (!ValidSlot(slot) || !system)
            return;
        system->StopChannel(channels[slot]);
        Platform::Sound* sound = source.getSource();
        if (!sound)
        {
            channels[slot] = Platform::NoChannel;
            return;
        }
        if (source.getLoop())
        {
            system->SetSoundMode(sound, Platform::LoopMode::Normal);
            system->SetSoundLoopCount(sound, -1);
        }
        else
        {
            system->SetSoundMode(sound, Platform::LoopMode::Off);
        }
        channels[slot] = system->PlaySound(sound, false);
    }

    void AudioEngine::playOnstart()
    {
        // A source's OnStart may destroy or add sources: removed ones are
        // skipped, added ones wait for the next start.
        audioSources.ForEachPresent([](AudioSource* source) { source->OnStart(); });
    }

    float AudioEngine::MasterGet()
    {
        return system ? system->GetGroupVolume() : 0.0f;
    }

    void AudioEngine::MasterSet(float volume)
    {
        if (system)
            system->SetGroupVolume(volume);
    }

    bool AudioEngine::GetMasterMute()
    {
        return system && system->GetGroupMute();
    }

    void AudioEngine::SetMasterMute(bool mute)
    {
        if (system)
            system->SetGroupMute(mute);
    }

    void AudioEngine::ChannelGroupPlaying(bool& muted)
    {
        muted = GetMasterMute();
    }

    void AudioEngine::AddAudioSource(AudioSource* source)
    {
        if (source && !audioSources.Contains(source))
            audioSources.Add(source);
    }

    void AudioEngine::RemoveAudioSource(AudioSource* source)
    {
        audioSources.Remove(source);
    }

    bool AudioEngine::IsSilent() const
    {
        return !system || !system->IsOpen() || system->IsSilent();
    }

    bool AudioEngine::IsChannelInUse(int slot) const
    {
        return ValidSlot(slot) && channelInUse[slot];
    }

    Platform::ChannelHandle AudioEngine::GetChannel(int slot) const
    {
        return ValidSlot(slot) ? channels[slot] : Platform::NoChannel;
    }
}
