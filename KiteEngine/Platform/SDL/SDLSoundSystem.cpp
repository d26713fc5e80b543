// The sound system on SDL2_mixer. Built as a module of its own that the
// engine opens at run time (Platform/SoundModule.cpp).
#include "Platform/SDL/SDLSoundSystem.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <fstream>
#include <future>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>


namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            // SDL_mixer has one mixer per process; only one system may hold it.
            const SDLSoundSystem* mixerOwner = nullptr;

            constexpr int kFrequency = 44100;
            constexpr int kOutputChannels = 2;
            constexpr int kBufferSamples = 1024;

            // The module does not link the engine: its lines go straight to
            // the debug output the engine writes to.
            void Report(const std::string& text)
            {
                std::fputs(text.c_str(), stderr);
                std::fflush(stderr);
            }

            // The file's bytes; empty when it cannot be read.
            std::vector<char> ReadWhole(const std::string& path)
            {
                std::ifstream in(path, std::ios::binary | std::ios::ate);
                const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
                std::vector<char> bytes;
                if (size <= 0)
                    return bytes;
                bytes.resize(static_cast<std::size_t>(size));
                in.seekg(0);
                in.read(bytes.data(), size);
                bytes.resize(static_cast<std::size_t>(in.gcount()));
                return bytes;
            }

            // One thread decodes the sounds handed to it, in turn (the
            // mixer's decoders set themselves up on first use).
            class DecodeQueue
            {
            public:
                ~DecodeQueue()
                {
                    {
                        std::lock_guard<std::mutex> guard(lock);
                        stopping = true;
                    }
                    changed.notify_one();
                    if (worker.joinable())
                        worker.join();
                }

                std::future<Mix_Chunk*> Add(std::string path)
                {
                    // The file is read on the worker too: the start-up
                    // sounds are megabytes the first frames need not wait for.
                    std::packaged_task<Mix_Chunk*()> task([file = std::move(path)]() -> Mix_Chunk* {
                        const std::vector<char> data = ReadWhole(file);
                        if (data.empty())
                            return nullptr;
                        SDL_RWops* memory = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
                        return memory ? Mix_LoadWAV_RW(memory, 1) : nullptr;
                    });
                    std::future<Mix_Chunk*> result = task.get_future();
                    std::unique_lock<std::mutex> guard(lock);
                    if (!worker.joinable() && !Start())
                    {
                        // No thread to be had: decoded now.
                        guard.unlock();
                        task();
                        return result;
                    }
                    jobs.push_back(std::move(task));
                    guard.unlock();
                    changed.notify_one();
                    return result;
                }

            private:
                bool Start()
                {
                    try
                    {
                        worker = std::thread(&DecodeQueue::Work, this);
                        return true;
                    }
                    catch (const std::system_error&)
                    {
                        return false;
                    }
                }

                void Work()
                {
                    std::unique_lock<std::mutex> guard(lock);
                    for (;;)
                    {
                        changed.wait(guard, [this] { return stopping || !jobs.empty(); });
                        // Stopping, what was handed over is still decoded:
                        // someone may wait for it.
                        if (jobs.empty())
                            return;
                        std::packaged_task<Mix_Chunk*()> task = std::move(jobs.front());
                        jobs.pop_front();
                        guard.unlock();
                        task();
                        guard.lock();
                    }
                }

                std::mutex lock;
                std::condition_variable changed;
                std::deque<std::packaged_task<Mix_Chunk*()>> jobs;
                bool stopping = false;
                std::thread worker;
            };

            DecodeQueue& BackgroundDecoding()
            {
                static DecodeQueue queue;
                return queue;
            }

            // Whether the file's header says it is an Ogg stream or a RIFF
            // WAVE file: those decode behind the first frames. Anything else
            // is decoded at once, so that what cannot be is known then.
            bool DecodableLater(const std::string& path)
            {
                std::ifstream in(path, std::ios::binary);
                char magic[12] = {};
                in.read(magic, sizeof magic);
                const std::streamsize got = in.gcount();
                const bool ogg = got >= 4 && std::memcmp(magic, "OggS", 4) == 0;
                const bool wave = got >= 12 && std::memcmp(magic, "RIFF", 4) == 0 && std::memcmp(magic + 8, "WAVE", 4) == 0;
                return ogg || wave;
            }
        }

        class SDLSoundSystem::SDLSound : public Sound
        {
        public:
            explicit SDLSound(Mix_Chunk* c) : chunk(c) {}
            // Reads and decodes the file behind the caller; the first use
            // waits for it.
            explicit SDLSound(const std::string& path_) : path(path_), decoding(BackgroundDecoding().Add(path_)) {}
            ~SDLSound() override { Mix_FreeChunk(Chunk()); }

            Mix_Chunk* Chunk()
            {
                if (decoding.valid())
                {
                    chunk = decoding.get();
                    if (!chunk)
                        std::fprintf(stderr, "Sound \"%s\": cannot be decoded; it stays silent\n", path.c_str());
                }
                return chunk;
            }

            Mix_Chunk* chunk = nullptr;
            std::string path;
            std::future<Mix_Chunk*> decoding;
            LoopMode mode = LoopMode::Off;
            int loopCount = -1;
        };

        SDLSoundSystem::SDLSoundSystem() = default;

        SDLSoundSystem::~SDLSoundSystem()
        {
            Close();
            StopAudio();
        }

        bool SDLSoundSystem::StartAudio(bool dummyDriver)
        {
            if (audioStarted_ && dummyDriver_ == dummyDriver)
                return true;
            StopAudio();

            // The dummy driver consumes the mix in real time without output.
            // It must win over an SDL_AUDIODRIVER naming a missing driver, and
            // is dropped again afterwards so that nothing else sees it.
            if (dummyDriver)
                SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
            bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
            // A machine without a device is normal; only the silent driver
            // failing as well is worth a line.
            if (!ok && dummyDriver)
                Report(std::string("Sound: no audio driver: ") + SDL_GetError() + "\n");
            if (dummyDriver)
                SDL_ResetHint(SDL_HINT_AUDIODRIVER);

            audioStarted_ = ok;
            dummyDriver_ = dummyDriver;
            return ok;
        }

        void SDLSoundSystem::StopAudio()
        {
            if (!audioStarted_)
                return;
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            audioStarted_ = false;
            dummyDriver_ = false;
        }

        int SDLSoundSystem::GetNumDrivers()
        {
            if (dummyDriver_)
                return 0;
            if (!StartAudio(false))
                return 0;
            int count = SDL_GetNumAudioDevices(0);
            // -1: the driver cannot list its devices but offers a default one.
            return count < 0 ? 1 : count;
        }

        bool SDLSoundSystem::Init(int maxChannels)
        {
            return Open(maxChannels, false);
        }

        bool SDLSoundSystem::InitSilent(int maxChannels)
        {
            return Open(maxChannels, true);
        }

        bool SDLSoundSystem::Open(int maxChannels, bool silent)
        {
            if (open_)
                Close();
            if (mixerOwner != nullptr && mixerOwner != this)
            {
                Report("Sound: the mixer is already held by another sound system\n");
                return false;
            }
            if (!StartAudio(silent))
                return false;

            Mix_Init(MIX_INIT_OGG);
            if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferSamples) != 0)
            {
                Report(std::string("Sound: cannot open the output: ") + Mix_GetError() + "\n");
                Mix_Quit();
                return false;
            }
            // The mixer marks a channel paused with the tick count; in the
            // first millisecond after SDL starts that count is 0, and a pause
            // made then would be lost. Let the clock leave 0 first.
            while (SDL_GetTicks() == 0)
                SDL_Delay(1);
            maxChannels = std::max(maxChannels, 1);
            Mix_AllocateChannels(maxChannels);
            channels_.assign(static_cast<std::size_t>(maxChannels), ChannelState());
            for (int i = 0; i < maxChannels; ++i)
                ApplyVolume(i);

            mixerOwner = this;
            open_ = true;
            silent_ = silent;
            return true;
        }

        void SDLSoundSystem::Close()
        {
            if (!open_)
                return;
            Mix_HaltChannel(-1);
            sounds_.clear();
            Mix_CloseAudio();
            Mix_Quit();
            channels_.clear();
            open_ = false;
            silent_ = false;
            if (mixerOwner == this)
                mixerOwner = nullptr;
        }

        Sound* SDLSoundSystem::CreateSound(const std::string& path)
        {
            if (!open_)
                return nullptr;
            if (DecodableLater(path))
            {
                sounds_.push_back(std::make_unique<SDLSound>(path));
                return sounds_.back().get();
            }
            SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
            if (!file)
                return nullptr;
            Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
            if (!chunk)
                return nullptr;
            sounds_.push_back(std::make_unique<SDLSound>(chunk));
            return sounds_.back().get();
        }

        SDLSoundSystem::SDLSound* SDLSoundSystem::Find(Sound* sound) const
        {
            if (!sound)
                return nullptr;
            for (const auto& owned : sounds_)
                if (owned.get() == sound)
                    return owned.get();
            return nullptr;
        }

        void SDLSoundSystem::SetSoundMode(Sound* sound, LoopMode mode)
        {
            if (SDLSound* s = Find(sound))
                s->mode = mode;
        }

        void SDLSoundSystem::SetSoundLoopCount(Sound* sound, int count)
        {
            if (SDLSound* s = Find(sound))
                s->loopCount = count < -1 ? -1 : count;
        }

        void SDLSoundSystem::ReleaseSound(Sound* sound)
        {
            auto it = std::find_if(sounds_.begin(), sounds_.end(),
                                   [sound](const std::unique_ptr<SDLSound>& s) { return s.get() == sound; });
            // Freeing a chunk halts the channels that play it.
            if (it != sounds_.end())
                sounds_.erase(it);
        }

        ChannelHandle SDLSoundSystem::PlaySound(Sound* sound, bool paused)
        {
            SDLSound* s = Find(sound);
            if (!open_ || !s || !s->Chunk())
                return NoChannel;

            int index = -1;
            for (int i = 0; i < static_cast<int>(channels_.size()); ++i)
            {
                if (!Mix_Playing(i))
                {
                    index = i;
                    break;
                }
            }
            if (index < 0)
                return NoChannel;

            ChannelState& state = channels_[static_cast<std::size_t>(index)];
            ++state.generation;
            if (state.generation == 0)
                state.generation = 1;
            state.volume = 1.0f;

            // Silent until paused, so that a paused start is never heard.
            if (paused)
                Mix_Volume(index, 0);
            else
                ApplyVolume(index);
            int loops = s->mode == LoopMode::Normal ? s->loopCount : 0;
            if (Mix_PlayChannel(index, s->Chunk(), loops) < 0)
                return NoChannel;
            if (paused)
            {
                Mix_Pause(index);
                ApplyVolume(index);
            }
            return (static_cast<ChannelHandle>(state.generation) << 32) | static_cast<ChannelHandle>(index + 1);
        }

        int SDLSoundSystem::Resolve(ChannelHandle channel) const
        {
            if (!open_ || channel == NoChannel)
                return -1;
            std::uint64_t slot = channel & 0xffffffffu;
            if (slot == 0 || slot > channels_.size())
                return -1;
            int index = static_cast<int>(slot - 1);
            if (channels_[static_cast<std::size_t>(index)].generation != static_cast<std::uint32_t>(channel >> 32))
                return -1;
            return index;
        }

        void SDLSoundSystem::ApplyVolume(int index)
        {
            float applied = AppliedVolume(channels_[static_cast<std::size_t>(index)].volume, groupVolume_, groupMute_);
            Mix_Volume(index, static_cast<int>(std::lround(applied * MIX_MAX_VOLUME)));
        }

        void SDLSoundSystem::StopChannel(ChannelHandle channel)
        {
            int index = Resolve(channel);
            if (index >= 0)
                Mix_HaltChannel(index);
        }

        bool SDLSoundSystem::IsChannelPlaying(ChannelHandle channel)
        {
            int index = Resolve(channel);
            return index >= 0 && Mix_Playing(index) != 0;
        }

        void SDLSoundSystem::SetChannelPaused(ChannelHandle channel, bool paused)
        {
            int index = Resolve(channel);
            if (index < 0 || !Mix_Playing(index))
                return;
            if (paused)
                Mix_Pause(index);
            else
                Mix_Resume(index);
        }

        bool SDLSoundSystem::GetChannelPaused(ChannelHandle channel)
        {
            int index = Resolve(channel);
            return index >= 0 && Mix_Playing(index) && Mix_Paused(index) != 0;
        }

        void SDLSoundSystem::SetChannelVolume(ChannelHandle channel, float volume)
        {
            int index = Resolve(channel);
            if (index < 0)
                return;
            channels_[static_cast<std::size_t>(index)].volume = volume;
            ApplyVolume(index);
        }

        float SDLSoundSystem::GetChannelVolume(ChannelHandle channel)
        {
            int index = Resolve(channel);
            return index < 0 ? 0.0f : channels_[static_cast<std::size_t>(index)].volume;
        }

        void SDLSoundSystem::SetGroupVolume(float volume)
        {
            groupVolume_ = volume;
            for (int i = 0; i < static_cast<int>(channels_.size()); ++i)
                ApplyVolume(i);
        }

        void SDLSoundSystem::SetGroupMute(bool mute)
        {
            groupMute_ = mute;
            for (int i = 0; i < static_cast<int>(channels_.size()); ++i)
                ApplyVolume(i);
        }

        int SDLSoundSystem::AppliedMixVolume(ChannelHandle channel) const
        {
            int index = Resolve(channel);
            return index < 0 ? -1 : Mix_Volume(index, -1);
        }
    }
}

// What the engine looks up when it opens the module.
extern "C" KiteFramework::Platform::SoundSystem* KiteCreateSDLSoundSystem()
{
    return new KiteFramework::Platform::SDLSoundSystem();
}
