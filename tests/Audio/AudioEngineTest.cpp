// The audio engine against the recording sound system: start-up loading,
// the silent engine, channel slots, looping, pausing and the master group.
#include <gtest/gtest.h>

#include <memory>

#include "Audio/AudioTestSupport.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Platform/Fake/FakeSoundSystem.h"

using namespace KiteFramework;
using Platform::FakeSoundSystem;

namespace
{
    class AudioEngineTest : public ::testing::Test
    {
    protected:
        void Start(const std::vector<std::string>& files = {})
        {
            folder = std::make_unique<AudioTest::ScratchFolder>(files);
            audio = std::make_unique<AudioEngine>(&fake);
            audio->Initialise();
        }

        // A source that holds a slot and has its sound, as after Initialise.
        std::unique_ptr<AudioSource> Source(bool looping = false)
        {
            auto source = std::make_unique<AudioSource>();
            source->setAudioClip("clip.wav");
            source->setLoop(looping);
            source->Initialise();
            return source;
        }

        FakeSoundSystem fake;
        std::unique_ptr<AudioTest::ScratchFolder> folder;
        std::unique_ptr<AudioEngine> audio;
    };
}

TEST_F(AudioEngineTest, LoadsEveryFileUnderTheAudioFolderKeyedByPath)
{
    fake.unreadable.insert("Assets/Audio/Broken.wav");
    AudioTest::CaptureStdout out;
    testing::internal::CaptureStderr();
    Start({"SFX/Click.wav", "Music/Menu.ogg", "Broken.wav"});
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("\nSound \"Assets/Audio/Broken.wav\": cannot be decoded; skipped\n"), std::string::npos) << err;
    EXPECT_EQ(err.find("Click"), std::string::npos) << err;

    EXPECT_EQ(AUDIO, audio.get());
    std::vector<std::string> expected = {"Broken.wav", "Music/Menu.ogg", "SFX/Click.wav"};
    EXPECT_EQ(audio->GetSoundFiles(), expected);
    ASSERT_EQ(audio->GetrelSoundFiles().size(), 3u);
    EXPECT_EQ(audio->GetrelSoundFiles()[1].generic_string(), "Music/Menu.ogg");

    Platform::Sound* click = audio->GetSound("Assets/Audio/SFX/Click.wav");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(click, fake.FindSound("Assets/Audio/SFX/Click.wav"));
    EXPECT_EQ(fake.CountCalls("CreateSound Assets/Audio/SFX/Click.wav"), 1);

    // A file that failed at start-up stays absent and is not retried.
    EXPECT_NE(out.Text().find("sound failed Assets/Audio/Broken.wav"), std::string::npos);
    EXPECT_EQ(audio->GetSound("Assets/Audio/Broken.wav"), nullptr);
    EXPECT_EQ(fake.CountCalls("CreateSound Assets/Audio/Broken.wav"), 1);

    // A second initialisation keeps the sounds the sources may hold.
    audio->Initialise();
    EXPECT_EQ(audio->GetSound("Assets/Audio/SFX/Click.wav"), click);
    EXPECT_EQ(fake.CountCalls("ReleaseSound"), 0);
    EXPECT_EQ(audio->GetSoundFiles().size(), 3u);
}

TEST_F(AudioEngineTest, GetSoundLoadsAnUnknownNameOnceAndReportsFailures)
{
    Start();
    Platform::Sound* first = audio->GetSound("Extra/Late.wav");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(audio->GetSound("Extra/Late.wav"), first);
    EXPECT_EQ(fake.CountCalls("CreateSound Extra/Late.wav"), 1);

    fake.unreadable.insert("Missing.wav");
    AudioTest::CaptureStdout out;
    testing::internal::CaptureStderr();
    EXPECT_EQ(audio->GetSound("Missing.wav"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Sound \"Missing.wav\": not found\n");
    EXPECT_NE(out.Text().find("SOUND LOAD FAIL"), std::string::npos);
    // Failures are not remembered: a later request tries again.
    EXPECT_EQ(audio->GetSounds().count("Missing.wav"), 0u);
}

TEST_F(AudioEngineTest, WithoutAnOutputDeviceTheEngineRunsSilent)
{
    fake.numDrivers = 0;
    GameObjectFactory factory;
    Start({"a.wav"});

    EXPECT_EQ(fake.CountCalls("Init "), 0);
    EXPECT_EQ(fake.CountCalls("InitSilent"), 1);
    EXPECT_TRUE(audio->IsSilent());
    EXPECT_EQ(AUDIO, audio.get());
    EXPECT_NE(factory.GetCreator("AudioSource"), nullptr);
    EXPECT_NE(factory.GetCreator("AudioListener"), nullptr);
    EXPECT_NE(audio->GetSound("Assets/Audio/a.wav"), nullptr);

    auto source = Source();
    source->startPlay();
    EXPECT_TRUE(source->getChannelPlaying());
}

TEST_F(AudioEngineTest, ADeviceThatFailsToOpenAlsoFallsBackToSilence)
{
    fake.failInit = true;
    Start();
    EXPECT_EQ(fake.CountCalls("Init "), 1);
    EXPECT_TRUE(audio->IsSilent());
    EXPECT_EQ(AUDIO, audio.get());
}

TEST_F(AudioEngineTest, ASecondEngineNeverTakesOverTheGlobalPointer)
{
    Start();
    FakeSoundSystem other;
    {
        AudioEngine second(&other);
        second.Initialise();
        EXPECT_EQ(AUDIO, audio.get());
    }
    EXPECT_EQ(AUDIO, audio.get());
    audio.reset();
    EXPECT_EQ(AUDIO, nullptr);
}

TEST_F(AudioEngineTest, SlotsAreHandedOutRoundRobinAndTheSixtyFifthSharesSlotZero)
{
    Start();
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(audio->FindChannel(), i);
    EXPECT_EQ(audio->GetLastChannel(), 63);

    // All 64 taken: slot 0 is shared and not marked again.
    EXPECT_EQ(audio->FindChannel(), 0);
    EXPECT_EQ(audio->GetLastChannel(), 63);

    // Freed slots are found by the wrap search from 1, never 0 again.
    audio->StopChannel(0);
    audio->StopChannel(5);
    audio->StopChannel(9);
    EXPECT_EQ(audio->FindChannel(), 5);
    EXPECT_EQ(audio->FindChannel(), 9);
    EXPECT_EQ(audio->FindChannel(), 0);
    EXPECT_FALSE(audio->IsChannelInUse(0));
}

TEST_F(AudioEngineTest, AFinishedOneShotFreesItsSlotAtTheNextUpdate)
{
    Start();
    auto a = Source();
    auto b = Source();
    auto c = Source();
    ASSERT_EQ(a->getChannelNo(), 0);
    ASSERT_EQ(b->getChannelNo(), 1);
    ASSERT_EQ(c->getChannelNo(), 2);
    a->startPlay();
    b->startPlay();
    c->startPlay();

    fake.Finish(audio->GetChannel(1));
    EXPECT_TRUE(audio->IsChannelInUse(1));
    audio->Update();
    EXPECT_FALSE(audio->IsChannelInUse(1));
    EXPECT_TRUE(audio->IsChannelInUse(0));
    EXPECT_TRUE(audio->IsChannelInUse(2));

    // The scan from the last slot handed out comes first; the freed slot
    // is reused only when the wrap search reaches it.
    EXPECT_EQ(audio->FindChannel(), 3);
    for (int i = 4; i < 64; ++i)
        audio->FindChannel();
    EXPECT_EQ(audio->FindChannel(), 1);
}

TEST_F(AudioEngineTest, PlayingStopsTheSlotAndSetsTheLoopModeOfTheSound)
{
    Start();
    auto music = Source(true);
    music->startPlay();
    Platform::ChannelHandle first = audio->GetChannel(music->getChannelNo());
    FakeSoundSystem::Channel* channel = fake.FindChannel(first);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->mode, Platform::LoopMode::Normal);
    EXPECT_EQ(channel->loopCount, -1);

    // Playing again restarts: the old channel is stopped, one channel plays.
    music->startPlay();
    EXPECT_FALSE(fake.IsChannelPlaying(first));
    EXPECT_EQ(fake.CountPlaying(), 1);

    // The same sound played once by another source does not loop.
    auto once = Source(false);
    once->startPlay();
    EXPECT_EQ(fake.FindChannel(audio->GetChannel(once->getChannelNo()))->mode, Platform::LoopMode::Off);
}

TEST_F(AudioEngineTest, SinglePauseTogglesAndAPausedChannelStillCountsAsPlaying)
{
    Start();
    auto source = Source();
    source->startPlay();
    Platform::ChannelHandle handle = audio->GetChannel(source->getChannelNo());

    source->setPause();
    EXPECT_TRUE(fake.FindChannel(handle)->paused);
    EXPECT_TRUE(source->getChannelPlaying());
    // Still playing, so the slot is kept across frames while paused.
    audio->Update();
    EXPECT_TRUE(audio->IsChannelInUse(source->getChannelNo()));

    source->setPause();
    EXPECT_FALSE(fake.FindChannel(handle)->paused);

    // A stopped channel is neither paused nor resumed.
    source->stopAudio();
    int before = fake.CountCalls("SetChannelPaused");
    source->setPause();
    EXPECT_EQ(fake.CountCalls("SetChannelPaused"), before);
}

TEST_F(AudioEngineTest, SlotNumbersOutsideTheTableAreIgnored)
{
    Start();
    auto source = Source();
    source->startPlay();
    for (int slot : {-1, AudioEngine::kChannelSlots, 100000})
    {
        audio->StopChannel(slot);
        audio->singlePause(slot);
        audio->singleVolume(0.5f, slot);
        EXPECT_FALSE(audio->ChannelPlaying(slot));
        source->setChannelNo(slot);
        source->startPlay();
    }
    EXPECT_EQ(fake.CountPlaying(), 1);
}

TEST_F(AudioEngineTest, MasterVolumeIsStoredAsGivenAndHeardClamped)
{
    Start();
    auto source = Source();
    source->startPlay();
    Platform::ChannelHandle handle = audio->GetChannel(source->getChannelNo());

    audio->MasterSet(1.2f);
    EXPECT_FLOAT_EQ(audio->MasterGet(), 1.2f);
    EXPECT_FLOAT_EQ(fake.Applied(handle), 1.0f);

    audio->MasterSet(-0.2f);
    EXPECT_FLOAT_EQ(audio->MasterGet(), -0.2f);
    EXPECT_FLOAT_EQ(fake.Applied(handle), 0.0f);

    audio->MasterSet(0.5f);
    source->setVolume(3.0f);
    EXPECT_FLOAT_EQ(source->getVolume(), 3.0f);
    EXPECT_FLOAT_EQ(fake.Applied(handle), 0.5f);

    bool muted = false;
    audio->SetMasterMute(true);
    audio->ChannelGroupPlaying(muted);
    EXPECT_TRUE(muted);
    EXPECT_TRUE(audio->GetMasterMute());
    EXPECT_FLOAT_EQ(fake.Applied(handle), 0.0f);
    // Mute keeps the volume for when it is lifted.
    audio->SetMasterMute(false);
    EXPECT_FLOAT_EQ(fake.Applied(handle), 0.5f);
}

TEST_F(AudioEngineTest, StopAllStopsEveryChannelAndTheNextUpdateFreesTheSlots)
{
    Start();
    auto a = Source(true);
    auto b = Source();
    a->startPlay();
    b->startPlay();
    audio->StopAll();
    EXPECT_EQ(fake.CountPlaying(), 0);
    EXPECT_TRUE(audio->IsChannelInUse(a->getChannelNo()));
    audio->Update();
    EXPECT_FALSE(audio->IsChannelInUse(a->getChannelNo()));
    EXPECT_FALSE(audio->IsChannelInUse(b->getChannelNo()));
}

TEST_F(AudioEngineTest, TheStartMessagePlaysSourcesMarkedToPlayOnStart)
{
    Start();
    auto marked = Source(true);
    marked->setOnStart(true);
    auto unmarked = Source();

    Message clear(MsgID::ClearScene);
    audio->SendMessage(&clear);
    EXPECT_EQ(fake.CountPlaying(), 0);
    // The clear message leaves the list alone: sources remove themselves.
    EXPECT_EQ(audio->getList().size(), 2u);

    Message start(MsgID::Start);
    audio->SendMessage(&start);
    EXPECT_TRUE(marked->getChannelPlaying());
    EXPECT_FALSE(unmarked->getChannelPlaying());
}

TEST_F(AudioEngineTest, ShutdownReleasesEverySoundAndClosesTheSystem)
{
    Start({"a.wav", "b.wav"});
    audio.reset();
    EXPECT_EQ(fake.CountCalls("ReleaseSound"), 2);
    EXPECT_EQ(fake.CountCalls("Close"), 1);
    EXPECT_EQ(AUDIO, nullptr);
}
