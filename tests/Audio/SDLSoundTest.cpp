// The SDL2_mixer sound system: handles, pausing, volumes and loops on the
// silent (dummy) output, and real mixing through the disk output driver.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "Audio/AudioTestSupport.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Platform/SDL/SDLSoundSystem.h"

using namespace KiteFramework;
using Platform::ChannelHandle;
using Platform::SDLSoundSystem;

namespace
{
    const std::string kAudio = std::string(KITE_ASSET_ROOT) + "/Audio/";

    void Wait(int milliseconds)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    // The mixer runs on its own thread; under load it may lag, so endings
    // are awaited with a generous limit rather than a fixed sleep.
    template <typename Condition>
    bool WaitUntil(Condition condition, int limitMilliseconds = 5000)
    {
        for (int waited = 0; waited < limitMilliseconds; waited += 10)
        {
            if (condition())
                return true;
            Wait(10);
        }
        return condition();
    }

    class SDLSoundTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            if (!std::filesystem::exists(kAudio + "SFX/ButtonHover.wav"))
                FAIL() << "generated sounds missing under " << kAudio << " (build the assets target)";
            ASSERT_TRUE(sound.InitSilent(2));
            ASSERT_TRUE(sound.IsSilent());
        }

        SDLSoundSystem sound;
    };
}

TEST_F(SDLSoundTest, ChannelsPlayPauseAndEnd)
{
    // Long enough (half a second) that it cannot end between the start and
    // the pause below, even on a loaded machine.
    Platform::Sound* tick = sound.CreateSound(kAudio + "SFX/Mail.wav");
    ASSERT_NE(tick, nullptr);
    ChannelHandle channel = sound.PlaySound(tick, false);
    ASSERT_NE(channel, Platform::NoChannel);
    EXPECT_TRUE(sound.IsChannelPlaying(channel));

    sound.SetChannelPaused(channel, true);
    EXPECT_TRUE(sound.GetChannelPaused(channel));
    // A paused sound never runs out and still counts as playing.
    Wait(150);
    EXPECT_TRUE(sound.IsChannelPlaying(channel));

    sound.SetChannelPaused(channel, false);
    EXPECT_TRUE(WaitUntil([&] { return !sound.IsChannelPlaying(channel); }));

    // Started paused: nothing advances until resumed.
    ChannelHandle held = sound.PlaySound(tick, true);
    EXPECT_TRUE(sound.GetChannelPaused(held));
    Wait(100);
    EXPECT_TRUE(sound.IsChannelPlaying(held));
}

TEST_F(SDLSoundTest, LoopingFollowsTheModeOfTheSound)
{
    Platform::Sound* tick = sound.CreateSound(kAudio + "SFX/ButtonHover.wav");
    ASSERT_NE(tick, nullptr);
    sound.SetSoundMode(tick, Platform::LoopMode::Normal);
    sound.SetSoundLoopCount(tick, -1);
    ChannelHandle looping = sound.PlaySound(tick, false);
    sound.SetSoundMode(tick, Platform::LoopMode::Off);
    ChannelHandle once = sound.PlaySound(tick, false);
    EXPECT_TRUE(WaitUntil([&] { return !sound.IsChannelPlaying(once); }));
    // Several lengths of the tick later the looping channel still plays.
    Wait(200);
    EXPECT_TRUE(sound.IsChannelPlaying(looping));
    sound.StopChannel(looping);
    EXPECT_FALSE(sound.IsChannelPlaying(looping));
}

TEST_F(SDLSoundTest, VolumesAreStoredAsGivenAndAppliedClamped)
{
    Platform::Sound* music = sound.CreateSound(kAudio + "Music/MainMenu.ogg");
    ASSERT_NE(music, nullptr);
    ChannelHandle channel = sound.PlaySound(music, false);
    EXPECT_EQ(sound.AppliedMixVolume(channel), 128);

    sound.SetGroupVolume(3.0f);
    sound.SetChannelVolume(channel, 0.5f);
    EXPECT_FLOAT_EQ(sound.GetGroupVolume(), 3.0f);
    EXPECT_EQ(sound.AppliedMixVolume(channel), 64);

    sound.SetChannelVolume(channel, -2.0f);
    EXPECT_FLOAT_EQ(sound.GetChannelVolume(channel), -2.0f);
    EXPECT_EQ(sound.AppliedMixVolume(channel), 0);

    sound.SetChannelVolume(channel, 1.0f);
    sound.SetGroupVolume(0.25f);
    EXPECT_EQ(sound.AppliedMixVolume(channel), 32);
    sound.SetGroupMute(true);
    EXPECT_EQ(sound.AppliedMixVolume(channel), 0);
    sound.SetGroupMute(false);
    EXPECT_EQ(sound.AppliedMixVolume(channel), 32);
}

TEST_F(SDLSoundTest, StaleHandlesAreHarmless)
{
    Platform::Sound* music = sound.CreateSound(kAudio + "Music/MainMenu.ogg");
    ASSERT_NE(music, nullptr);
    ChannelHandle first = sound.PlaySound(music, false);
    ChannelHandle second = sound.PlaySound(music, false);
    // Both mixer channels busy: a third start is refused.
    EXPECT_EQ(sound.PlaySound(music, false), Platform::NoChannel);

    sound.StopChannel(first);
    ChannelHandle reused = sound.PlaySound(music, false);
    ASSERT_NE(reused, Platform::NoChannel);
    EXPECT_NE(reused, first);

    // The old handle names the same mixer channel but no longer reaches it.
    sound.StopChannel(first);
    sound.SetChannelPaused(first, true);
    sound.SetChannelVolume(first, 0.0f);
    EXPECT_FALSE(sound.IsChannelPlaying(first));
    EXPECT_FLOAT_EQ(sound.GetChannelVolume(first), 0.0f);
    EXPECT_TRUE(sound.IsChannelPlaying(reused));
    EXPECT_FALSE(sound.GetChannelPaused(reused));
    EXPECT_EQ(sound.AppliedMixVolume(reused), 128);

    for (ChannelHandle junk : {Platform::NoChannel, ChannelHandle(0xffffffffffffull), ChannelHandle(77)})
    {
        sound.StopChannel(junk);
        EXPECT_FALSE(sound.IsChannelPlaying(junk));
    }

    // Releasing the sound ends its channels.
    sound.ReleaseSound(music);
    EXPECT_FALSE(sound.IsChannelPlaying(second));
    EXPECT_FALSE(sound.IsChannelPlaying(reused));
    EXPECT_EQ(sound.PlaySound(music, false), Platform::NoChannel);
}

TEST_F(SDLSoundTest, UnreadableFilesGiveNoSound)
{
    AudioTest::ScratchFolder folder({"NotASound.wav"});
    EXPECT_EQ(sound.CreateSound("Assets/Audio/NotASound.wav"), nullptr);
    EXPECT_EQ(sound.CreateSound("Assets/Audio/Missing.wav"), nullptr);
    EXPECT_EQ(sound.PlaySound(nullptr, false), Platform::NoChannel);
}

TEST_F(SDLSoundTest, MusicDecodedBehindTheCallerPlaysAndBrokenMusicStaysSilent)
{
    // Ogg music is decoded on a thread of its own: the sound exists at once
    // and its first use waits for the decoding.
    Platform::Sound* music = sound.CreateSound(kAudio + "Music/Level.ogg");
    ASSERT_NE(music, nullptr);
    const ChannelHandle playing = sound.PlaySound(music, false);
    EXPECT_NE(playing, Platform::NoChannel);
    EXPECT_TRUE(sound.IsChannelPlaying(playing));
    sound.StopChannel(playing);

    // An Ogg header over nothing decodable: a sound that never plays, said
    // once; a music file that is gone gives no sound at all.
    AudioTest::ScratchFolder folder;
    std::filesystem::create_directories("Assets/Audio");
    std::ofstream("Assets/Audio/Broken.ogg", std::ios::binary) << "OggS and then nothing a decoder can read";
    testing::internal::CaptureStderr();
    Platform::Sound* broken = sound.CreateSound("Assets/Audio/Broken.ogg");
    ASSERT_NE(broken, nullptr);
    EXPECT_EQ(sound.PlaySound(broken, false), Platform::NoChannel);
    EXPECT_EQ(sound.PlaySound(broken, false), Platform::NoChannel);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "Sound \"Assets/Audio/Broken.ogg\": cannot be decoded; it stays silent\n");
    EXPECT_EQ(sound.CreateSound("Assets/Audio/Gone.ogg"), nullptr);

    // Closing waits for a decoding still under way.
    EXPECT_NE(sound.CreateSound(kAudio + "Music/MainMenu.ogg"), nullptr);
    sound.Close();
}

TEST_F(SDLSoundTest, OnlyOneSystemHoldsTheMixer)
{
    SDLSoundSystem second;
    EXPECT_FALSE(second.InitSilent(4));
    EXPECT_EQ(second.CreateSound(kAudio + "SFX/ButtonHover.wav"), nullptr);
    sound.Close();
    EXPECT_TRUE(second.InitSilent(4));
}

// The whole path: the engine opens the disk output, loads the generated
// sounds at start-up, a source plays one, and the output file must hold
// the mixed samples.
TEST(SDLSoundOutput, AGeneratedSoundIsMixedIntoTheOutput)
{
    const std::string outputFile = std::filesystem::temp_directory_path().string() + "/kite-audio-disk-" +
                                   std::to_string(::getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(std::string(KITE_ASSET_ROOT) + "/..");

    {
        AudioEngine audio;
        audio.Initialise();
        ASSERT_FALSE(audio.IsSilent()) << "the disk output did not open";
        EXPECT_GT(audio.GetNumDrivers(), 0);
        std::vector<std::string> files = audio.GetSoundFiles();
        EXPECT_NE(std::find(files.begin(), files.end(), "SFX/ButtonPress.wav"), files.end());

        AudioSource press;
        press.setAudioClip("SFX/ButtonPress.wav");
        press.Initialise();
        ASSERT_NE(press.getSource(), nullptr);
        ASSERT_EQ(press.getSource(), audio.GetSound("Assets/Audio/SFX/ButtonPress.wav"));
        press.startPlay();
        EXPECT_TRUE(press.getChannelPlaying());
        // Pump frames until the one-shot has run out and its slot is free.
        for (int frame = 0; frame < 300 && audio.IsChannelInUse(press.getChannelNo()); ++frame)
        {
            audio.Update();
            Wait(16);
        }
        EXPECT_FALSE(press.getChannelPlaying());
        EXPECT_FALSE(audio.IsChannelInUse(press.getChannelNo()));
    }
    std::filesystem::current_path(previous);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");

    std::ifstream in(outputFile, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(outputFile);
    ASSERT_GT(bytes.size(), 4096u);
    // Signed 16-bit stereo: count samples clearly above the noise floor.
    int loud = 0;
    int peak = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    {
        auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        int magnitude = sample < 0 ? -sample : sample;
        peak = std::max(peak, magnitude);
        if (magnitude > 500)
            ++loud;
    }
    EXPECT_GT(peak, 5000);
    EXPECT_GT(loud, 1000);
}

TEST(SDLSoundOutput, WithoutAnyDeviceTheEngineStillPlaysSilently)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(std::string(KITE_ASSET_ROOT) + "/..");
    {
        AudioEngine audio;
        audio.Initialise();
        EXPECT_EQ(audio.GetNumDrivers(), 0);
        EXPECT_TRUE(audio.IsSilent());
        EXPECT_EQ(AUDIO, &audio);

        AudioSource tick;
        tick.setAudioClip("SFX/ButtonHover.wav");
        tick.Initialise();
        ASSERT_NE(tick.getSource(), nullptr);
        tick.startPlay();
        EXPECT_TRUE(tick.getChannelPlaying());
        // Silent channels still run in real time and end.
        EXPECT_TRUE(WaitUntil([&] { return !tick.getChannelPlaying(); }));
    }
    std::filesystem::current_path(previous);
    unsetenv("SDL_AUDIODRIVER");
}
