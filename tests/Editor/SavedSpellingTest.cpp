// What a save writes into a scene file the editor read: everything not edited
// keeps the file's own spelling (numbers, empty elements, whether a
// component was added beside it), and an edited number is written in the
// shortest form that reads back as the same value. Saved with Ctrl+S
// through the window's events.
#include "Editor/EditorWorld.h"

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class SavedSpelling : public EditorWorld
    {
    protected:
        std::string ShelfFile() const
        {
            return folder + "/Assets/Scenes/Pantry/" + std::to_string(shelfId) + ".xml";
        }

        // A saved scene "Pantry" with a shelf whose file is then spelled by
        // hand: scale x "0.9", an empty sound path "<audioPath></audioPath>"
        // and an empty sprite path "<texturePath/>".
        void HandSpelledPantry()
        {
            GameObject* shelf = Make("Shelf", 10.0f, 20.0f);
            shelf->AddComponent(CT_Sprite);
            shelf->AddComponent(CT_AudioSource);
            shelfId = shelf->GetId();
            Quiet([&] { ASSERT_TRUE(editor->SaveSceneAs("Pantry")); });
            std::string text = ReadAll(ShelfFile());
            ASSERT_TRUE(Replace(text, "<scale>\n            <x>1</x>", "<scale>\n            <x>0.9</x>")) << text;
            ASSERT_TRUE(Replace(text, "<texturePath></texturePath>", "<texturePath/>")) << text;
            ASSERT_NE(text.find("<audioPath></audioPath>"), std::string::npos) << text;
            std::ofstream(ShelfFile(), std::ios::binary) << text;
            Quiet([&] {
                editor->OpenScene("Pantry");
                Frame();
            });
        }

        static bool Replace(std::string& text, const std::string& from, const std::string& to)
        {
            const std::size_t at = text.find(from);
            if (at == std::string::npos)
                return false;
            text.replace(at, from.size(), to);
            return true;
        }

        GameObject* Shelf() const { return factory->FindObjByName("Shelf"); }

        void SaveWithCtrlS()
        {
            fake.PushKey(Platform::EventType::KeyDown, VK::Control);
            fake.PushKey(Platform::EventType::KeyDown, 'S');
            fake.PushKey(Platform::EventType::KeyUp, 'S');
            fake.PushKey(Platform::EventType::KeyUp, VK::Control);
            Quiet([&] {
                ProbedFrame([this] { editor->SetUp(); }, false, false);
                factory->Update();
            });
        }

        unsigned shelfId = 0;
    };
}

TEST_F(SavedSpelling, AnEditKeepsTheFilesSpellingElsewhereAndWritesEditedNumbersShortest)
{
    HandSpelledPantry();
    ASSERT_NE(Shelf(), nullptr);
    const std::string handSpelled = ReadAll(ShelfFile());

    // A rotation and a move to x = 0.9: the rest of the file as it was.
    Transform* t = Shelf()->GetComponent<Transform>();
    t->SetRot(15.0f);
    t->SetTrans(0.9f, 20.0f);
    ASSERT_TRUE(editor->HasUnsavedChanges());
    SaveWithCtrlS();
    EXPECT_FALSE(editor->HasUnsavedChanges());
    std::string saved = ReadAll(ShelfFile());
    EXPECT_NE(saved.find("<translation>\n            <x>0.9</x>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<rotation>15</rotation>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<scale>\n            <x>0.9</x>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<texturePath/>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<audioPath></audioPath>"), std::string::npos) << saved;
    std::string expected = handSpelled;
    ASSERT_TRUE(Replace(expected, "<x>10</x>", "<x>0.9</x>"));
    ASSERT_TRUE(Replace(expected, "<rotation>0</rotation>", "<rotation>15</rotation>"));
    EXPECT_EQ(saved, expected);

    // A component added beside the others leaves their spelling too.
    Quiet([&] {
        editor->OpenScene("Pantry");
        Frame();
    });
    ASSERT_NE(Shelf(), nullptr);
    ASSERT_TRUE(Shelf()->AddComponent(CT_AudioListener));
    SaveWithCtrlS();
    saved = ReadAll(ShelfFile());
    EXPECT_NE(saved.find("<AudioListener"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<scale>\n            <x>0.9</x>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<translation>\n            <x>0.9</x>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<texturePath/>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<audioPath></audioPath>"), std::string::npos) << saved;

    // Read back, the values are the ones saved.
    Quiet([&] {
        editor->OpenScene("Pantry");
        Frame();
    });
    ASSERT_NE(Shelf(), nullptr);
    EXPECT_EQ(Shelf()->GetComponent<Transform>()->GetTransVec(), Vector2D(0.9f, 20.0f));
    EXPECT_FLOAT_EQ(Shelf()->GetComponent<Transform>()->GetScaleVec().x, 0.9f);
    EXPECT_FALSE(editor->HasUnsavedChanges());
}
