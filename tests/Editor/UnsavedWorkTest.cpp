// The editor keeps the developer's work: a scene that did not load is not
// saved over, and opening, making a new scene or quitting with unsaved
// changes asks first.
#include "Editor/EditorWorld.h"

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class UnsavedWork : public EditorWorld
    {
    protected:
        std::string Scenes() const { return folder + "/Assets/Scenes/"; }

        // A saved scene "Kitchen" with a chef, opened.
        void Kitchen()
        {
            Make("Chef", 10.0f, 20.0f);
            Quiet([&] { ASSERT_TRUE(editor->SaveSceneAs("Kitchen")); });
            Open("Kitchen");
        }

        void Open(const std::string& name)
        {
            Quiet([&] {
                editor->OpenScene(name);
                Frame();
            });
        }

        void Edit() { factory->FindObjByName("Chef")->GetComponent<Transform>()->SetTrans(99.0f, 0.0f); }

        void Key(Platform::EventType type, int vk) { fake.PushKey(type, vk); }

        void Press(int vk)
        {
            Key(Platform::EventType::KeyDown, vk);
            Key(Platform::EventType::KeyUp, vk);
        }

        void Type(const std::string& text)
        {
            for (char c : text)
            {
                Platform::Event e;
                e.type = Platform::EventType::Character;
                e.codepoint = static_cast<unsigned char>(c);
                fake.Push(e);
            }
        }

        void Frames(int n)
        {
            Quiet([&] {
                for (int i = 0; i < n; ++i)
                    Frame();
            });
        }
    };
}

TEST_F(UnsavedWork, ASceneThatDidNotLoadIsNeverSavedOver)
{
    Kitchen();
    Make("Stall");
    Quiet([&] { ASSERT_TRUE(editor->SaveSceneAs("Court")); });
    // Half of the index is gone.
    const std::string index = ReadAll(Scenes() + "Court.xml");
    std::ofstream(Scenes() + "Court.xml", std::ios::binary) << index.substr(0, index.size() / 2);
    const std::string truncated = ReadAll(Scenes() + "Court.xml");
    const std::string chef = ReadAll(Scenes() + "Court/1.xml");

    Open("Court");
    EXPECT_TRUE(editor->IsSceneUnsafeToSave());
    EXPECT_TRUE(ConsoleHas("Scene \"Court\" did not load completely"));
    EXPECT_TRUE(ConsoleHas("not well-formed XML"));
    engine->writeLogBuffer();
    EXPECT_NE(ReadAll(folder + "/log.txt").find("Court.xml\" is not well-formed XML"), std::string::npos);

    Make("Extra");
    Quiet([&] {
        EXPECT_FALSE(editor->SaveScene());
        EXPECT_FALSE(editor->SaveSceneAs("Court"));
    });
    EXPECT_TRUE(ConsoleHas("Save refused: scene \"Court\" did not load completely"));
    EXPECT_EQ(ReadAll(Scenes() + "Court.xml"), truncated);
    EXPECT_EQ(ReadAll(Scenes() + "Court/1.xml"), chef);
    EXPECT_TRUE(fs::exists(Scenes() + "Court/2.xml"));

    // Ctrl+S asks for a new name instead; under it the scene saves.
    fake.PushKey(Platform::EventType::KeyDown, VK::Control);
    fake.PushKey(Platform::EventType::KeyDown, 'S');
    fake.PushKey(Platform::EventType::KeyUp, 'S');
    fake.PushKey(Platform::EventType::KeyUp, VK::Control);
    Quiet([&] { Frame(); });
    EXPECT_TRUE(editor->GetFileBrowser().IsOpen());
    EXPECT_EQ(ReadAll(Scenes() + "Court.xml"), truncated);
    Quiet([&] { EXPECT_TRUE(editor->SaveSceneAs("CourtRescued")); });
    EXPECT_FALSE(editor->IsSceneUnsafeToSave());
    Quiet([&] { EXPECT_TRUE(editor->SaveScene()); });
}

TEST_F(UnsavedWork, AnObjectFileThatCannotBeReadKeepsTheWholeSceneFromBeingSavedOver)
{
    Kitchen();
    Make("Stall");
    Quiet([&] { ASSERT_TRUE(editor->SaveScene()); });
    std::ofstream(Scenes() + "Kitchen/2.xml", std::ios::binary) << "<Components><Transform><trans";
    const std::string index = ReadAll(Scenes() + "Kitchen.xml");

    Open("Kitchen");
    EXPECT_TRUE(editor->IsSceneUnsafeToSave());
    Quiet([&] { EXPECT_FALSE(editor->SaveScene()); });
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen/2.xml"), "<Components><Transform><trans");
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen.xml"), index);

    // A scene that loads cleanly is savable again.
    std::ofstream(Scenes() + "Kitchen/2.xml", std::ios::binary) << "<Components/>";
    Open("Kitchen");
    EXPECT_FALSE(editor->IsSceneUnsafeToSave());
}

TEST_F(UnsavedWork, OpeningAnotherSceneAsksFirst)
{
    Kitchen();
    std::ofstream(Scenes() + "Pantry.xml") << "<Scene/>";
    EXPECT_FALSE(editor->HasUnsavedChanges());
    Edit();
    EXPECT_TRUE(editor->HasUnsavedChanges());

    // Cancel: nothing happens.
    Open("Pantry");
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Kitchen");
    EXPECT_FALSE(scenes->IsLoadPending());
    editor->AnswerUnsaved(Editor::UnsavedChoice::Cancel);
    EXPECT_FALSE(editor->IsAskingAboutUnsaved());
    EXPECT_NE(factory->FindObjByName("Chef"), nullptr);

    // Save: the edit is written, then the other scene opens.
    Open("Pantry");
    Quiet([&] {
        editor->AnswerUnsaved(Editor::UnsavedChoice::Save);
        Frame();
    });
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Pantry");
    EXPECT_NE(ReadAll(Scenes() + "Kitchen/1.xml").find("<x>99</x>"), std::string::npos);

    // Discard: the edit is dropped.
    Open("Kitchen");
    Edit();
    factory->FindObjByName("Chef")->GetComponent<Transform>()->SetTrans(-5.0f, 0.0f);
    Open("Pantry");
    Quiet([&] {
        editor->AnswerUnsaved(Editor::UnsavedChoice::Discard);
        Frame();
    });
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Pantry");
    EXPECT_NE(ReadAll(Scenes() + "Kitchen/1.xml").find("<x>99</x>"), std::string::npos);
}

TEST_F(UnsavedWork, NewSceneAsksFirst)
{
    Kitchen();
    Make("Stall");
    Quiet([&] { EXPECT_FALSE(editor->CreateNewScene("Fresh")); });
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    EXPECT_FALSE(fs::exists(Scenes() + "Fresh.xml"));
    EXPECT_EQ(factory->GetObjects().size(), 2u);
    Quiet([&] { editor->AnswerUnsaved(Editor::UnsavedChoice::Discard); });
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Fresh");
    EXPECT_TRUE(factory->GetObjects().empty());
    EXPECT_FALSE(editor->HasUnsavedChanges());
}

TEST_F(UnsavedWork, ExitAltF4AndClosingTheWindowAskFirst)
{
    Kitchen();
    // Nothing to lose: no question.
    Quiet([&] { editor->Exit(); });
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
    engine->SetEngineStatus(ES_RUNNING, true);

    Edit();
    Quiet([&] { editor->Exit(); });
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    editor->AnswerUnsaved(Editor::UnsavedChoice::Cancel);

    fake.PushKey(Platform::EventType::KeyDown, VK::F4, true);
    Quiet([&] { Frame(); });
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    editor->AnswerUnsaved(Editor::UnsavedChoice::Cancel);

    Platform::Event close;
    close.type = Platform::EventType::Close;
    fake.Push(close);
    Quiet([&] { Frame(); });
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    // A second close while asking does not end the program either.
    fake.Push(close);
    Quiet([&] { Frame(); });
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));

    Quiet([&] { editor->AnswerUnsaved(Editor::UnsavedChoice::Save); });
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
    EXPECT_NE(ReadAll(Scenes() + "Kitchen/1.xml").find("<x>99</x>"), std::string::npos);
}

TEST_F(UnsavedWork, EditsMadeBeforePlayAreStillUnsavedAfterStop)
{
    Kitchen();
    Edit();
    Quiet([&] { ASSERT_TRUE(editor->TogglePlayStop()); });
    EXPECT_TRUE(editor->HasUnsavedChanges());
    Quiet([&] {
        editor->TogglePlayStop();
        Frame();
    });
    EXPECT_TRUE(editor->HasUnsavedChanges());
    Quiet([&] { ASSERT_TRUE(editor->SaveScene()); });
    EXPECT_FALSE(editor->HasUnsavedChanges());

    // The game's level keys load nothing over a scene being edited.
    Edit();
    fake.PushKey(Platform::EventType::KeyDown, VK::F9);
    fake.PushKey(Platform::EventType::KeyUp, VK::F9);
    Quiet([&] { Frame(); });
    EXPECT_FALSE(scenes->IsLoadPending());
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Kitchen");
}

TEST_F(UnsavedWork, TheEnterThatNamesANewSceneDoesNotAnswerTheQuestionItRaises)
{
    Kitchen();
    Edit();
    const std::string chef = ReadAll(Scenes() + "Kitchen/1.xml");
    Key(Platform::EventType::KeyDown, VK::Control);
    Press('N');
    Key(Platform::EventType::KeyUp, VK::Control);
    Frames(3);
    ASSERT_TRUE(editor->GetFileBrowser().IsOpen());
    Type("Fresh");
    Frames(1);
    // Enter goes down and stays down over several frames, as a slow hand
    // holds it; the question comes up under it.
    Key(Platform::EventType::KeyDown, VK::Return);
    Frames(4);
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    EXPECT_TRUE(ConsoleHas("New Scene: the open scene has unsaved changes"));
    Key(Platform::EventType::KeyUp, VK::Return);
    Frames(3);
    EXPECT_TRUE(editor->IsAskingAboutUnsaved()) << "the held Enter answered the question";
    EXPECT_FALSE(ConsoleHas("Saved scene \"Kitchen\""));
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen/1.xml"), chef);
    EXPECT_FALSE(fs::exists(Scenes() + "Fresh.xml"));

    // A fresh press answers it.
    Press('D');
    Frames(2);
    EXPECT_FALSE(editor->IsAskingAboutUnsaved());
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Fresh");
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen/1.xml"), chef);
}

TEST_F(UnsavedWork, WhilePlayingTheQuestionOffersNoSave)
{
    Kitchen();
    std::ofstream(Scenes() + "Pantry.xml") << "<Scene/>";
    Edit();
    const std::string chef = ReadAll(Scenes() + "Kitchen/1.xml");
    Quiet([&] { ASSERT_TRUE(editor->TogglePlayStop()); });
    Frames(2);
    Open("Pantry");
    ASSERT_TRUE(editor->IsAskingAboutUnsaved());
    EXPECT_TRUE(ConsoleHas("stop the game to save them"));
    EXPECT_FALSE(ConsoleHas("Save, discard or cancel"));
    Frames(2);
    Press('S');
    Frames(2);
    Press(VK::Return);
    Frames(2);
    EXPECT_TRUE(editor->IsAskingAboutUnsaved()) << "S or Enter chose a save that is always refused";
    EXPECT_FALSE(ConsoleHas("Stop the game before saving"));
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen/1.xml"), chef);
    Press(VK::Escape);
    Frames(2);
    EXPECT_FALSE(editor->IsAskingAboutUnsaved());
}
