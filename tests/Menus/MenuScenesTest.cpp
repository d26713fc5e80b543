// The menu scenes as files: loaded with the engine's own components, every
// button does what its label says, the art and sounds they name exist, and
// the menu music starts with the scene.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/Game.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/UISystem.h"
#include "Platform/Fake/FakeSoundSystem.h"
#include "Support/EngineWorld.h"

#include <tinyxml2.h>

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    class MenuScenes : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine(false);
            AddFactory();
            ui = AddSystem(new UISystem());
            scenes = AddSystem(new SceneManager());
            audio = AddSystem(new AudioEngine(&sound));
            // The drawing and picking components without a window.
            factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
            factory->AddComponentCreator(CT_Sprite, "Sprite", new ComponentCreatorType<Sprite>(CT_Sprite));
            factory->AddComponentCreator(CT_Text, "Text", new ComponentCreatorType<Text>(CT_Text));
            factory->AddComponentCreator(CT_Collider2D, "Collider2D",
                                         new ComponentCreatorType<Collider2D>(CT_Collider2D));
            RegisterComponent<Emitter>(CT_Emitter, "Emitter");
            // The menu's level buttons and options are game components.
            game.Initialise();
            InitialiseQuietly({audio, ui, scenes});
            Play();
            // Scenes are copied into the asset root of this test alone: test
            // cases run side by side and load scenes of the same name.
            engine->SetAssetPath(folder + "/Assets/");
        }

        // Loads a committed scene through the scene manager from a copy in
        // this program's asset folder; returns what was reported on stderr.
        std::string Load(const std::string& scene)
        {
            const fs::path source = fs::path(KITE_ASSET_ROOT) / "Scenes";
            const fs::path target = fs::path(engine->GetAssetPath()) / "Scenes";
            name = scene;
            fs::create_directories(target / name);
            fs::copy_file(source / (scene + ".xml"), target / (name + ".xml"), fs::copy_options::overwrite_existing);
            fs::copy(source / scene, target / name, fs::copy_options::overwrite_existing | fs::copy_options::recursive);
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            scenes->LoadLevel(name);
            scenes->Update();
            std::string errors = testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
            return errors;
        }

        SystemCallButton* Button(const std::string& object)
        {
            GameObject* o = factory->FindObjByName(object);
            return o ? o->GetComponent<SystemCallButton>() : nullptr;
        }

        static void Press(SystemCallButton* b)
        {
            for (auto id : {MsgID::MouseEnter, MsgID::MouseOver, MsgID::MouseDown, MsgID::MouseUp})
            {
                MouseCollideMessage m(id);
                b->GetOwner()->SendMessage(&m);
            }
        }

        // Every button is a complete, clickable, sounding button whose art
        // has a source drawing.
        void ExpectWellFormed(const std::vector<std::string>& buttons)
        {
            for (const std::string& object : buttons)
            {
                SCOPED_TRACE(object);
                SystemCallButton* b = Button(object);
                ASSERT_NE(b, nullptr);
                EXPECT_TRUE(b->ButtonActive());
                EXPECT_TRUE(ui->IsRegistered(b));
                GameObject* o = b->GetOwner();
                EXPECT_NE(o->GetComponent<Collider2D>(), nullptr);
                ASSERT_NE(o->GetComponent<Sprite>(), nullptr);
                AudioSource* press = o->GetComponent<AudioSource>();
                ASSERT_NE(press, nullptr);
                EXPECT_TRUE(fs::exists(fs::path(KITE_ASSET_ROOT) / "Audio" / press->getAudioClip()))
                    << press->getAudioClip();
                for (const std::string& art : {b->GetDefaultPath(), b->GetMouseOverPath(), b->GetMouseDownPath(),
                                               o->GetComponent<Sprite>()->GetTexturePath()})
                {
                    const std::string svg = art.substr(0, art.size() - 4) + ".svg";
                    EXPECT_TRUE(fs::exists(fs::path(KITE_SOURCE_ROOT) / "tools/art" / svg)) << art;
                }
            }
        }

        // Element names with their depth and attributes, in document order:
        // the layout a reader that goes by position relies on.
        static void Layout(const tinyxml2::XMLElement* e, int depth, std::vector<std::string>& out)
        {
            for (; e; e = e->NextSiblingElement())
            {
                std::string line = std::string(depth, ' ') + e->Name();
                for (const tinyxml2::XMLAttribute* a = e->FirstAttribute(); a; a = a->Next())
                    line += std::string(" ") + a->Name() + "=" + a->Value();
                out.push_back(line);
                Layout(e->FirstChildElement(), depth + 1, out);
            }
        }
        static std::vector<std::string> Layout(const fs::path& file)
        {
            tinyxml2::XMLDocument doc;
            EXPECT_EQ(doc.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
            std::vector<std::string> out;
            Layout(doc.FirstChildElement(), 0, out);
            return out;
        }

        static std::string Bytes(const fs::path& file)
        {
            std::ifstream in(file, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            return text.str();
        }

        // The file's lines, sorted.
        static std::vector<std::string> Lines(const fs::path& file)
        {
            std::istringstream text(Bytes(file));
            std::vector<std::string> lines;
            for (std::string line; std::getline(text, line);)
                lines.push_back(line);
            std::sort(lines.begin(), lines.end());
            return lines;
        }

        // Saves the loaded scene under another name and compares every file
        // the engine writes with the committed one.
        void ExpectSavedAsCommitted(const std::string& scene)
        {
            const std::string saved = scene + "Saved" + std::to_string(getpid());
            const fs::path target = fs::path(engine->GetAssetPath()) / "Scenes";
            testing::internal::CaptureStderr();
            EXPECT_TRUE(factory->SerialiseLevel(saved));
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

            const fs::path source = fs::path(KITE_ASSET_ROOT) / "Scenes";
            // The index lists the user-interface objects last when written;
            // its order means nothing to the reader.
            std::vector<std::string> written = Layout(target / (saved + ".xml"));
            std::vector<std::string> committed = Layout(source / (scene + ".xml"));
            std::sort(written.begin(), written.end());
            std::sort(committed.begin(), committed.end());
            EXPECT_EQ(written, committed);
            EXPECT_EQ(Lines(target / (saved + ".xml")), Lines(source / (scene + ".xml")));
            std::size_t files = 0;
            for (const fs::directory_entry& entry : fs::directory_iterator(source / scene))
            {
                SCOPED_TRACE(entry.path().string());
                ++files;
                EXPECT_EQ(Layout(target / saved / entry.path().filename()), Layout(entry.path()));
            }
            EXPECT_EQ(files, static_cast<std::size_t>(std::distance(fs::directory_iterator(target / saved),
                                                                    fs::directory_iterator())));

            // What the engine writes it reads back and writes again byte for
            // byte: no stored value is lost, moved or re-encoded on the way.
            const std::string again = saved + "Again";
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            scenes->LoadLevel(saved);
            scenes->Update();
            EXPECT_TRUE(factory->SerialiseLevel(again));
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
            testing::internal::GetCapturedStdout();
            EXPECT_EQ(Bytes(target / (again + ".xml")), Bytes(target / (saved + ".xml")));
            for (const fs::directory_entry& entry : fs::directory_iterator(target / saved))
            {
                SCOPED_TRACE(entry.path().string());
                EXPECT_EQ(Bytes(target / again / entry.path().filename()), Bytes(entry.path()));
            }
        }

        Platform::FakeSoundSystem sound;
        UISystem* ui = nullptr;
        SceneManager* scenes = nullptr;
        AudioEngine* audio = nullptr;
        Game game;
        std::string name;
    };
}

TEST_F(MenuScenes, MainMenuButtonsStartCreditsFullScreenAndQuit)
{
    EXPECT_EQ(Load("MainMenu"), "");
    ExpectWellFormed({"PlayButton", "CreditsButton", "QuitButton", "FullScreenButton"});
    ASSERT_NE(factory->FindObjByName("Title"), nullptr);
    EXPECT_EQ(*factory->FindObjByName("Title")->GetComponent<Text>()->GetText(), "Kite Food Court");

    // The music loops from the start of the scene.
    GameObject* music = factory->FindObjByName("MenuMusic");
    ASSERT_NE(music, nullptr);
    AudioSource* source = music->GetComponent<AudioSource>();
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(source->getLoop());
    EXPECT_TRUE(source->getChannelPlaying());
    EXPECT_TRUE(fs::exists(fs::path(KITE_ASSET_ROOT) / "Audio" / source->getAudioClip()));

    Press(Button("FullScreenButton"));
    EXPECT_TRUE(engine->GetEngineStatus(ES_FULLSCREEN));
    EXPECT_FALSE(scenes->IsLoadPending());

    Press(Button("CreditsButton"));
    EXPECT_TRUE(scenes->IsLoadPending());
    EXPECT_FALSE(source->getChannelPlaying()) << "a scene change stops the music";
    EXPECT_EQ(Button("CreditsButton")->GetFnStrParam(), "Credits");
    EXPECT_EQ(Button("PlayButton")->GetButtonType(), static_cast<unsigned>(SystemCallButton::ChangeLevel));
    EXPECT_EQ(Button("PlayButton")->GetFnStrParam(), "TutorialLevel");
    EXPECT_FALSE(Button("PlayButton")->GetFadeOut());

    Press(Button("QuitButton"));
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
}

TEST_F(MenuScenes, CreditsLeadBackToTheMainMenu)
{
    EXPECT_EQ(Load("Credits"), "");
    ExpectWellFormed({"BackButton"});
    EXPECT_EQ(Button("BackButton")->GetFnStrParam(), "MainMenu");
    ASSERT_NE(factory->FindObjByName("CreditsTitle"), nullptr);

    // Pausing is not offered on the menu screens: the game keeps running.
    engine->SetTimeFactor(0.0f);
    ui->PauseGame();
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);

    Press(Button("BackButton"));
    EXPECT_TRUE(scenes->IsLoadPending());
}

TEST_F(MenuScenes, MenuFilesAreWhatTheEngineWrites)
{
    for (const std::string scene : {"Splash1", "MainMenu", "Credits"})
    {
        SCOPED_TRACE(scene);
        EXPECT_EQ(Load(scene), "");
        ExpectSavedAsCommitted(scene);
    }
}
