// The audio components: file round trip, cloning, start with the scene,
// volume and the teardown cases (never initialised, engine already gone).
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "Audio/AudioTestSupport.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Platform/Fake/FakeSoundSystem.h"
#include "Support/EngineWorld.h"

using namespace KiteFramework;
using Platform::FakeSoundSystem;

namespace
{
    std::vector<std::string> ChildNames(tinyxml2::XMLElement* element)
    {
        std::vector<std::string> names;
        for (auto* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
            names.push_back(child->Name());
        return names;
    }

    class AudioComponentsTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            audio = std::make_unique<AudioEngine>(&fake);
            audio->Initialise();
        }

        AudioTest::ScratchFolder folder{{"SFX/Click.wav", "Music/Menu.ogg"}};
        FakeSoundSystem fake;
        std::unique_ptr<AudioEngine> audio;
    };
}

TEST_F(AudioComponentsTest, SourceRoundTripsThroughItsXmlElement)
{
    AudioSource source;
    source.setAudioClip("Music/Menu.ogg");
    source.setLoop(true);
    source.setOnStart(true);
    source.setAudioTag(3);

    tinyxml2::XMLDocument document;
    tinyxml2::XMLElement* element = document.NewElement("AudioSource");
    document.InsertEndChild(element);
    source.XMLSerialise(element, &document);
    std::vector<std::string> keys = {"audioPath", "looping", "playOnStart"};
    EXPECT_EQ(ChildNames(element), keys);
    EXPECT_STREQ(element->FirstChildElement("audioPath")->GetText(), "Music/Menu.ogg");

    AudioSource loaded;
    loaded.XMLUnSerialise(element->FirstChildElement());
    EXPECT_EQ(loaded.getAudioClip(), "Music/Menu.ogg");
    EXPECT_TRUE(loaded.getLoop());
    EXPECT_TRUE(loaded.getOnStart());
    // The tag lives only in the editor, not in files.
    EXPECT_EQ(loaded.getAudioTag(), 0);

    // A short element reads what it has and leaves the rest as they were.
    tinyxml2::XMLElement* shortElement = document.NewElement("AudioSource");
    shortElement->InsertEndChild(document.NewElement("audioPath"))->ToElement()->SetText("SFX/Click.wav");
    AudioSource partial;
    partial.XMLUnSerialise(shortElement->FirstChildElement());
    EXPECT_EQ(partial.getAudioClip(), "SFX/Click.wav");
    EXPECT_FALSE(partial.getLoop());
    partial.XMLUnSerialise(nullptr);
    EXPECT_EQ(partial.getAudioClip(), "SFX/Click.wav");
}

TEST_F(AudioComponentsTest, CloneCopiesTheSettingsButNotTheSlotOrSound)
{
    AudioSource source;
    source.setAudioClip("SFX/Click.wav");
    source.setLoop(true);
    source.setOnStart(true);
    source.setAudioTag(5);
    source.setVolume(0.25f);
    source.Initialise();
    source.Initialise();
    EXPECT_EQ(audio->getList().size(), 1u);
    ASSERT_NE(source.getSource(), nullptr);

    std::unique_ptr<AudioSource> clone(static_cast<AudioSource*>(source.Clone()));
    EXPECT_EQ(clone->GetComponentTypeId(), CT_AudioSource);
    EXPECT_EQ(clone->getAudioClip(), "SFX/Click.wav");
    EXPECT_TRUE(clone->getLoop());
    EXPECT_TRUE(clone->getOnStart());
    EXPECT_EQ(clone->getAudioTag(), 5);
    // Tags above 6 are refused.
    clone->setAudioTag(7);
    EXPECT_EQ(clone->getAudioTag(), 5);
    EXPECT_FLOAT_EQ(clone->getVolume(), 0.25f);
    EXPECT_EQ(clone->getSource(), nullptr);
    EXPECT_FALSE(clone->IsInitialised());

    clone->Initialise();
    EXPECT_EQ(clone->getSource(), source.getSource());
    EXPECT_NE(clone->getChannelNo(), source.getChannelNo());
}

TEST_F(AudioComponentsTest, VolumeIsAppliedNowAndNotCarriedIntoTheNextPlay)
{
    AudioSource source;
    source.setAudioClip("SFX/Click.wav");
    source.Initialise();
    source.setVolume(0.3f);
    EXPECT_FLOAT_EQ(source.getVolume(), 0.3f);

    source.startPlay();
    Platform::ChannelHandle handle = audio->GetChannel(source.getChannelNo());
    EXPECT_FLOAT_EQ(fake.FindChannel(handle)->volume, 1.0f);
    source.setVolume(0.6f);
    EXPECT_FLOAT_EQ(fake.FindChannel(handle)->volume, 0.6f);
}

TEST_F(AudioComponentsTest, DestroyingALoopingSourceStopsItAndAOneShotPlaysOn)
{
    auto loop = std::make_unique<AudioSource>();
    loop->setAudioClip("Music/Menu.ogg");
    loop->setLoop(true);
    loop->Initialise();
    auto once = std::make_unique<AudioSource>();
    once->setAudioClip("SFX/Click.wav");
    once->Initialise();
    loop->startPlay();
    once->startPlay();
    Platform::ChannelHandle loopChannel = audio->GetChannel(loop->getChannelNo());
    Platform::ChannelHandle onceChannel = audio->GetChannel(once->getChannelNo());

    loop.reset();
    once.reset();
    EXPECT_FALSE(fake.IsChannelPlaying(loopChannel));
    EXPECT_TRUE(fake.IsChannelPlaying(onceChannel));
    EXPECT_TRUE(audio->getList().empty());
}

TEST_F(AudioComponentsTest, ALoopingSourceThatNeverInitialisedStopsNothing)
{
    // Slot 0 belongs to the first source to initialise.
    AudioSource owner;
    owner.setAudioClip("Music/Menu.ogg");
    owner.Initialise();
    ASSERT_EQ(owner.getChannelNo(), 0);
    owner.startPlay();

    {
        // As an archetype's template: loaded but never initialised.
        AudioSource templateSource;
        templateSource.setLoop(true);
    }
    EXPECT_TRUE(owner.getChannelPlaying());
}

TEST_F(AudioComponentsTest, SourcesDestroyedAfterTheEngineDoNotReachIt)
{
    auto source = std::make_unique<AudioSource>();
    source->setAudioClip("Music/Menu.ogg");
    source->setLoop(true);
    source->Initialise();
    source->startPlay();

    audio.reset();
    ASSERT_EQ(AUDIO, nullptr);
    // Everything a late caller may do is harmless without the engine.
    source->startPlay();
    source->setPause();
    source->setVolume(0.5f);
    EXPECT_FALSE(source->getChannelPlaying());
    source.reset();
}

using AudioInEngine = KiteTest::EngineWorld;

TEST_F(AudioInEngine, SourcesAreMadeByNameAndStartWithTheScene)
{
    std::filesystem::create_directories(folder + "/Assets/Audio/Music");
    std::ofstream(folder + "/Assets/Audio/Music/Menu.ogg") << "sound";
    AddFactory();
    AddSystem(new AudioEngine(&sound));
    engine->Initialise();
    ASSERT_NE(FACTORY, nullptr);
    ASSERT_NE(AUDIO, nullptr);

    ASSERT_NE(FACTORY->GetCreator("AudioSource"), nullptr);
    EXPECT_EQ(FACTORY->GetCreator("AudioSource")->typeId, CT_AudioSource);
    EXPECT_EQ(FACTORY->GetCreator("AudioListener")->typeId, CT_AudioListener);

    GameObject* object = FACTORY->CreateEmptyComposition();
    auto* music = static_cast<AudioSource*>(object->AddComponent(CT_AudioSource));
    ASSERT_NE(music, nullptr);
    EXPECT_NE(object->AddComponent(CT_AudioListener), nullptr);
    music->setAudioClip("Music/Menu.ogg");
    music->setLoop(true);
    music->setOnStart(true);
    object->Initialise();
    EXPECT_FALSE(music->getChannelPlaying());

    Message start(MsgID::Start);
    engine->BroadcastMessage(&start);
    EXPECT_TRUE(music->getChannelPlaying());
    FakeSoundSystem::Channel* channel = sound.FindChannel(AUDIO->GetChannel(music->getChannelNo()));
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->sound->path, "Assets/Audio/Music/Menu.ogg");
    EXPECT_EQ(channel->mode, Platform::LoopMode::Normal);

    // Frames keep a looping channel's slot.
    engine->Step();
    EXPECT_TRUE(AUDIO->IsChannelInUse(music->getChannelNo()));

    engine->CleanEngine();
    EXPECT_EQ(AUDIO, nullptr);
    EXPECT_EQ(sound.CountPlaying(), 0);
}
