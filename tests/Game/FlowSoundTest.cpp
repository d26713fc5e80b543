// Feedback sounds and their cool-down, the track lists, and the options:
// volume steps, mute, the test sound and the full-screen check box.
#include <cmath>
#include <filesystem>
#include <fstream>

#include "Audio/AudioControlSystem.h"
#include "Audio/AudioFeedbackSystem.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Message.h"
#include "FlowWorld.h"
#include "Options/FullScreenCheckbox.h"
#include "Options/VolumeOptionScript.h"
#include "Options/MuteButton.h"
#include "Options/OptionsSystem.h"
#include "tinyxml2.h"

using namespace KiteTest;

namespace
{
    class Sound : public FlowWorld
    {
    protected:
        void SetUp() override
        {
            FlowWorld::SetUp();
            RegisterComponent<AudioSource>(CT_AudioSource, "AudioSource");
        }

        AudioFeedbackSystem* Feedback(float base, float random)
        {
            GameObject* o = Make("Feedback");
            o->AddComponent(CT_AudioSource)->Initialise();
            AudioFeedbackSystem* f = Add<AudioFeedbackSystem>(o, CT_AudioFeedbackSystem);
            f->timeToEnablePlayback = base;
            f->randomAdjustmentToTimerSet = random;
            f->audioFeedbackPaths.first = {{1, {"Feedback/Served.wav"}}, {2, {}}};
            f->audioFeedbackPaths.second = {{"Feedback/Dislike.wav"}, {}, {"Feedback/Like.wav", "Feedback/Like2.wav"}};
            f->Initialise();
            return f;
        }
    };
}

TEST_F(Sound, FirstRequestAfterALoadIsSilentThenTheCoolDownGates)
{
    AudioFeedbackSystem* f = Feedback(1.0f, 0.0f);
    // The timer starts at 0: not below 0, so nothing plays or changes.
    f->PlayByIndex(2);
    EXPECT_EQ(sound.CountPlaying(), 0);
    EXPECT_EQ(f->GetPlaybackTimer(), 0.0f);
    Step();
    f->PlayByIndex(2);
    EXPECT_EQ(sound.CountPlaying(), 1);
    // No random part: exactly the base, never a NaN that would stay silent.
    EXPECT_EQ(f->GetPlaybackTimer(), 1.0f);
    f->PlayByIndex(0);
    EXPECT_EQ(f->GetLastPlayed().rfind("Feedback/Like", 0), 0u);

    // Paused, the cool-down stands still; at four times it runs four times
    // as fast.
    engine->SetTimeFactor(0.0f);
    Step(120);
    EXPECT_EQ(f->GetPlaybackTimer(), 1.0f);
    engine->SetTimeFactor(4.0f);
    Step(15);
    EXPECT_NEAR(f->GetPlaybackTimer(), 0.0f, 1e-4f);
    Step();
    f->PlayByIndex(0);
    EXPECT_EQ(f->GetLastPlayed(), "Feedback/Dislike.wav");
}

TEST_F(Sound, SilentKindsAndMissingEntriesStillRestartTheCoolDown)
{
    AudioFeedbackSystem* f = Feedback(2.0f, 0.5f);
    for (int id : {3, 4, 6, 9, 2})
    {
        f->SetPlaybackTimer(-1.0f);
        f->Play(id);
        EXPECT_GE(f->GetPlaybackTimer(), 2.0f) << id;
        EXPECT_LT(f->GetPlaybackTimer(), 2.5f) << id;
        EXPECT_EQ(f->GetLastPlayed(), "") << id;
    }
    f->SetPlaybackTimer(-1.0f);
    f->PlayByIndex(7);  // past the list
    f->SetPlaybackTimer(-1.0f);
    f->PlayByIndex(1);  // an empty entry
    EXPECT_EQ(f->GetLastPlayed(), "");
    f->SetPlaybackTimer(-1.0f);
    f->Play(1);
    EXPECT_EQ(f->GetLastPlayed(), "Feedback/Served.wav");
    EXPECT_EQ(sound.CountPlaying(), 1);

    // Without a sound engine the choice is made and nothing plays.
    AudioEngine* saved = AUDIO;
    AUDIO = nullptr;
    f->SetPlaybackTimer(-1.0f);
    f->PlayByIndex(0);
    AUDIO = saved;
    EXPECT_EQ(f->GetLastPlayed(), "Feedback/Dislike.wav");
}

TEST_F(Sound, FeedbackSettingsAreStoredAndCloned)
{
    AudioFeedbackSystem* f = Feedback(0.75f, 0.25f);
    tinyxml2::XMLDocument doc;
    tinyxml2::XMLElement* element = doc.NewElement("AudioFeedbackSystem");
    doc.InsertEndChild(element);
    f->XMLSerialise(element, &doc);
    AudioFeedbackSystem* read = static_cast<AudioFeedbackSystem*>(factory->GetCreator("AudioFeedbackSystem")->Create());
    ASSERT_NE(read, nullptr);
    read->XMLUnSerialise(element->FirstChildElement());
    EXPECT_EQ(read->timeToEnablePlayback, 0.75f);
    EXPECT_EQ(read->randomAdjustmentToTimerSet, 0.25f);
    EXPECT_EQ(read->audioFeedbackPaths, f->audioFeedbackPaths);
    EXPECT_EQ(AudioFeedbackSystem::Instance(), read);
    delete read;
    EXPECT_EQ(AudioFeedbackSystem::Instance(), nullptr);
}

TEST_F(Sound, AudioControlSortsByTagAndStoresNothingOfTheSources)
{
    std::vector<AudioSource*> sources;
    for (int tag : {0, 2, 6, 2, 7, 4})
    {
        AudioSource* s = Add<AudioSource>(Make("Track"), CT_AudioSource);
        s->Initialise();
        s->setAudioTag(tag);
        sources.push_back(s);
    }
    AudioControlSystem* control = Add<AudioControlSystem>(Make("Music"), CT_AudioControlSystem);
    control->Initialise();
    EXPECT_EQ(control->GetTrack(2), (std::vector<AudioSource*>{sources[1], sources[3]}));
    EXPECT_EQ(control->GetTrack(4), (std::vector<AudioSource*>{sources[5]}));
    EXPECT_EQ(control->GetTrack(6), (std::vector<AudioSource*>{sources[2]}));
    EXPECT_TRUE(control->GetTrack(7).empty());
    control->Update();
    EXPECT_GT(control->GetElapsed(), 0.0f);

    tinyxml2::XMLDocument doc;
    tinyxml2::XMLElement* element = doc.NewElement("AudioControlSystem");
    doc.InsertEndChild(element);
    control->XMLSerialise(element, &doc);
    EXPECT_EQ(element->FirstChildElement(), nullptr);
    // Nor does it read any: sources written into its element by an older
    // file leave the scene's sources as they are.
    tinyxml2::XMLElement* stale = doc.NewElement("AudioSource");
    stale->InsertNewChildElement("audioTag")->SetText(9);
    element->InsertEndChild(stale);
    control->XMLUnSerialise(element);
    control->Initialise();
    EXPECT_EQ(control->GetTrack(2), (std::vector<AudioSource*>{sources[1], sources[3]}));
    EXPECT_TRUE(control->GetTrack(9).empty());
    EXPECT_EQ(sources[0]->getAudioTag(), 0);

    AudioEngine* saved = AUDIO;
    AUDIO = nullptr;
    control->Initialise();
    AUDIO = saved;
    EXPECT_TRUE(control->GetTrack(2).empty());
}

namespace
{
    class Options : public Sound
    {
    protected:
        // The options panel open (its buttons active) or closed.
        void Menu(float master, bool panelOpen = true)
        {
            GameObject* sys = Make("Options");
            sys->AddComponent(CT_AudioSource);
            OptionsSystem* options = Add<OptionsSystem>(sys, CT_OptionsSystem);
            options->checkBoxSprites.first = {"UI/Tick.png", "UI/Tick_Over.png", "UI/Tick_Down.png"};
            options->checkBoxSprites.second = {"UI/Box.png", "UI/Box_Over.png", "UI/Box_Down.png"};
            for (bool up : {true, false})
            {
                GameObject* b = Make(up ? "VolumeUp" : "VolumeDown");
                Add<SystemCallButton>(b, CT_SystemCallButton)->ButtonActive(true);
                Add<VolumeOptionScript>(b, CT_VolumeOptionScript)->increment = up;
            }
            GameObject* bar = Make("VolumeBar");
            bar->AddComponent(CT_Sprite);
            bar->AddComponent(CT_AudioOptionBars);
            GameObject* mute = Make("Mute", 300.0f, 0.0f);
            mute->AddComponent(CT_MuteButton);
            mute->setActive(panelOpen);
            GameObject* box = Make("FullScreen");
            box->AddComponent(CT_Sprite);
            box->AddComponent(CT_SystemCallButton);
            box->AddComponent(CT_FullScreenCheckbox);
            GameObject* overlay = Make("MuteOverlay");
            overlay->AddComponent(CT_Sprite);
            Archetype("MuteOverlay", overlay);
            audio->MasterSet(master);
            LoadAs("MainMenu");
            Find("VolumeBar")->GetComponent<Sprite>()->InGameSet("UI/VolumeBar.png", 6, 1);
            Find("VolumeBar")->GetComponent<Sprite>()->SetColumn(OptionsSystem::Instance()->GetVolumeLevel());
        }

        void Click(const std::string& name)
        {
            MouseCollideMessage up(MsgID::MouseUp);
            Find(name)->SendMessage(&up);
        }

        bool Enabled(const std::string& name) { return Find(name)->GetComponent<SystemCallButton>()->ButtonActive(); }
        int Column() { return Find("VolumeBar")->GetComponent<Sprite>()->GetCurrCol(); }
        bool OverlayShown() { return Find("Mute")->GetComponent<MuteButton>()->IsOverlayShown(); }
    };
}

TEST_F(Options, VolumeStepsDownToMuteAndBackUp)
{
    Menu(0.6f);
    OptionsSystem* options = OptionsSystem::Instance();
    EXPECT_EQ(options->GetVolumeLevel(), 3);
    EXPECT_EQ(Column(), 3);

    Click("VolumeUp");
    Click("VolumeUp");
    EXPECT_EQ(options->GetVolumeLevel(), 5);
    EXPECT_FLOAT_EQ(audio->MasterGet(), 1.0f);
    EXPECT_FALSE(Enabled("VolumeUp"));
    Click("VolumeUp");
    EXPECT_EQ(options->GetVolumeLevel(), 5);

    for (int i = 0; i < 5; ++i)
        Click("VolumeDown");
    EXPECT_EQ(options->GetVolumeLevel(), 0);
    EXPECT_EQ(Column(), 0);
    EXPECT_TRUE(audio->GetMasterMute());
    EXPECT_TRUE(OverlayShown());
    EXPECT_FALSE(Enabled("VolumeDown"));
    EXPECT_TRUE(Enabled("VolumeUp"));
    // The buttons set the volume themselves, step by step.
    EXPECT_FLOAT_EQ(audio->MasterGet(), 0.0f);

    Click("VolumeUp");
    EXPECT_FALSE(audio->GetMasterMute());
    EXPECT_FALSE(OverlayShown());
    EXPECT_EQ(Column(), 1);
    EXPECT_TRUE(Enabled("VolumeDown"));
    EXPECT_FLOAT_EQ(audio->MasterGet(), 0.2f);
}

TEST_F(Options, LevelsAtTheEndsDisableTheirButton)
{
    Menu(0.99f);
    EXPECT_EQ(OptionsSystem::Instance()->GetVolumeLevel(), 4);
    EXPECT_TRUE(Enabled("VolumeUp"));
}

TEST_F(Options, MuteTogglesWhateverTheLevel)
{
    Menu(1.0f);
    EXPECT_FALSE(OverlayShown());
    ASSERT_NE(Find("MuteOverlay"), nullptr);
    EXPECT_EQ(Find("MuteOverlay")->GetParent(), Find("Mute"));
    Click("Mute");
    EXPECT_TRUE(audio->GetMasterMute());
    EXPECT_TRUE(OverlayShown());
    EXPECT_EQ(OptionsSystem::Instance()->GetVolumeLevel(), 5);
    Click("Mute");
    EXPECT_FALSE(audio->GetMasterMute());
    EXPECT_FALSE(OverlayShown());
}

TEST_F(Options, MutedTheOverlayShowsOnlyWithItsPanel)
{
    audio->SetMasterMute(true);
    Menu(1.0f, false);
    GameObject* overlay = Find("MuteOverlay");
    ASSERT_NE(overlay, nullptr);
    EXPECT_FALSE(overlay->isActive()) << "the panel is closed";
    // Opening the panel shows it, muted as the sound is.
    Find("Mute")->setActive(true);
    EXPECT_TRUE(overlay->isActive());
    EXPECT_TRUE(OverlayShown());
    Find("Mute")->setActive(false);
    EXPECT_FALSE(overlay->isActive());
}

TEST_F(Options, TestSoundAndFullScreenBox)
{
    engine->SetEngineStatus(ES_FULLSCREEN, true);
    Menu(1.0f);
    OptionsSystem* options = OptionsSystem::Instance();
    options->PlayTestSound();
    EXPECT_EQ(options->GetLastTestSound(), "");
    EXPECT_EQ(sound.CountPlaying(), 0);
    options->audioPaths = {"SFX/Win.wav"};
    options->PlayTestSound();
    EXPECT_EQ(options->GetLastTestSound(), "SFX/Win.wav");
    EXPECT_EQ(sound.CountPlaying(), 1);

    GameObject* box = Find("FullScreen");
    EXPECT_TRUE(box->GetComponent<FullScreenCheckbox>()->IsTicked());
    EXPECT_EQ(box->GetComponent<Sprite>()->GetTexturePath(), "UI/Tick.png");
    Click("FullScreen");
    EXPECT_FALSE(box->GetComponent<FullScreenCheckbox>()->IsTicked());
    EXPECT_FALSE(engine->GetEngineStatus(ES_FULLSCREEN));
    EXPECT_EQ(box->GetComponent<Sprite>()->GetTexturePath(), "UI/Box.png");
    EXPECT_EQ(box->GetComponent<SystemCallButton>()->GetMouseOverPath(), "UI/Box_Over.png");
    Click("FullScreen");
    EXPECT_TRUE(engine->GetEngineStatus(ES_FULLSCREEN));
    EXPECT_EQ(box->GetComponent<SystemCallButton>()->GetMouseDownPath(), "UI/Tick_Down.png");
}
