// The level editor driven with real X input: pick, move, rename, save,
// play and stop, save as; and the game itself left without an editor.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "EndToEnd/FrameClock.h"
#include "EndToEnd/GameProcess.h"

namespace fs = std::filesystem;
using namespace KiteTest;

namespace
{
    std::string Slurp(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    // Two objects with sprites: a 200 by 200 crate at (-400, 0) and a chef
    // at (300, -100), written as the editor's own test scene.
    void WriteScene(const fs::path& scenes)
    {
        fs::create_directories(scenes / "Splash1");
        std::ofstream(scenes / "Splash1.xml")
            << "<Scene>\n"
               "    <GameObject name=\"Crate\" objectId=\"1\" parentId=\"0\" active=\"true\" layerTag=\"0\"/>\n"
               "    <GameObject name=\"Chef\" objectId=\"2\" parentId=\"0\" active=\"true\" layerTag=\"0\"/>\n"
               "</Scene>\n";
        const char* objects[][3] = {{"1", "-400", "UI/MenuButton_Default.png"}, {"2", "300", "Splash/Sparkle.png"}};
        for (const auto& o : objects)
        {
            std::ofstream(scenes / "Splash1" / (std::string(o[0]) + ".xml"))
                << "<Components>\n    <Transform>\n        <translation>\n            <x>" << o[1]
                << "</x>\n            <y>0</y>\n        </translation>\n        <zDepth>10</zDepth>\n"
                   "        <scale>\n            <x>2</x>\n            <y>2</y>\n        </scale>\n"
                   "        <rotation>0</rotation>\n    </Transform>\n    <Sprite>\n        <texturePath>"
                << o[2]
                << "</texturePath>\n        <columns>1</columns>\n        <rows>1</rows>\n"
                   "        <startingRow>1</startingRow>\n        <framerate>60</framerate>\n"
                   "        <speed>1</speed>\n        <hasAnimation>false</hasAnimation>\n"
                   "        <renderable>true</renderable>\n        <flippedX>false</flippedX>\n"
                   "    </Sprite>\n</Components>\n";
        }
    }

    // A float element's value inside a component file.
    float Value(const std::string& text, const std::string& outer, const std::string& inner)
    {
        const std::size_t at = text.find("<" + outer + ">");
        const std::size_t from = text.find("<" + inner + ">", at);
        if (at == std::string::npos || from == std::string::npos)
            return -99999.0f;
        return std::stof(text.substr(from + inner.size() + 2));
    }

    class EditorSession : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            if (!HasDisplay())
                GTEST_SKIP() << "no X display";
            // The scenes are the editor's to write; the rest of the tree is shared.
            const fs::path assets = fs::path(editor.Folder()) / "Assets";
            fs::create_directories(assets / "Scenes");
            for (const fs::directory_entry& e : fs::directory_iterator(KITE_ASSET_ROOT))
                if (e.path().filename() != "Scenes")
                    fs::create_directory_symlink(e.path(), assets / e.path().filename());
            WriteScene(assets / "Scenes");
            scenes = assets / "Scenes";
            StartEditor();
        }

        // Starts the editor and waits, in frames, until its start scene
        // shows: the crate's middle (its offset in pixels from where it was
        // written) differs from the empty view above it. Keys sent before
        // that would act on the empty "Untitled" scene.
        void StartEditor(int dx = 0, int dy = 0)
        {
            ASSERT_TRUE(editor.Start("KiteEditor 1600 900\n", "KiteEditor"));
            ASSERT_NE(editor.WaitForWindow(60.0), 0u) << editor.ErrorOutput();
            frames = std::make_unique<FrameClock>(editor.Window());
            ASSERT_TRUE(frames->WaitFor(60.0, [&] {
                return editor.StandardOutput().find("Editor initialised") != std::string::npos;
            })) << editor.ErrorOutput();
            ReadClientSize();
            ASSERT_TRUE(frames->WaitFor(60.0, [&] {
                return Colour(PixelX(-400.0f) + dx, PixelY(0.0f) + dy) != Colour(PixelX(0.0f), PixelY(350.0f));
            })) << "the start scene did not show";
            // A few more frames for the view and panels to settle.
            ASSERT_TRUE(frames->Wait(30));
        }

        // The colour of a pixel of the editor's window.
        unsigned long Colour(int x, int y) const
        {
            Display* display = XOpenDisplay(nullptr);
            if (!display)
                return 0;
            // Read from the screen: the window may not be viewable yet.
            const Window root = DefaultRootWindow(display);
            int rx = x, ry = y;
            Window child = 0;
            XTranslateCoordinates(display, editor.Window(), root, x, y, &rx, &ry, &child);
            unsigned long pixel = 0;
            if (XImage* image = XGetImage(display, root, rx, ry, 1, 1, AllPlanes, ZPixmap))
            {
                pixel = XGetPixel(image, 0, 0) & 0xffffffu;
                XDestroyImage(image);
            }
            XCloseDisplay(display);
            return pixel;
        }

        // Waits, in frames, for the editor to print a line.
        bool Printed(const std::string& text)
        {
            return frames->WaitFor(20.0, [&] { return editor.StandardOutput().find(text) != std::string::npos; });
        }

        void ReadClientSize()
        {
            Display* display = XOpenDisplay(nullptr);
            ASSERT_NE(display, nullptr);
            XWindowAttributes attributes;
            XGetWindowAttributes(display, editor.Window(), &attributes);
            width = static_cast<float>(attributes.width);
            height = static_cast<float>(attributes.height);
            XCloseDisplay(display);
        }

        // The scene view's layout: where a world point shows in the window.
        float SceneW() const { return 0.695f * height * 16.0f / 9.0f; }
        float SceneH() const { return 0.695f * height; }
        int PixelX(float worldX) const { return static_cast<int>(0.1f * width + 7.5f + (worldX + 800.0f) / 1600.0f * SceneW()); }
        int PixelY(float worldY) const { return static_cast<int>(57.0f + (450.0f - worldY) / 900.0f * SceneH()); }

        // Each input is given 18 frames (0.3 s at full speed) to be seen.
        void Do(const std::string& arguments)
        {
            GameProcess::XDoTool(arguments);
            frames->Wait(18);
        }

        void Move(int x, int y)
        {
            Do("mousemove --window " + std::to_string(editor.Window()) + " " + std::to_string(x) + " " +
               std::to_string(y));
        }

        void Click(int x, int y)
        {
            Move(x, y);
            Do("click 1");
        }

        void Keys(const std::string& keys)
        {
            Do("key --window " + std::to_string(editor.Window()) + " " + keys);
        }

        GameProcess editor;
        std::unique_ptr<FrameClock> frames;
        fs::path scenes;
        float width = 0.0f;
        float height = 0.0f;
    };
}

TEST_F(EditorSession, PickMoveRenameSavePlayStopAndSaveAs)
{
    // The crate is picked, then dragged 100 pixels right and 50 up with the
    // translate gizmo ("Translate" is the fourth button above the view).
    Click(PixelX(-400.0f), PixelY(0.0f));
    Click(458, 37);
    Move(PixelX(-400.0f), PixelY(0.0f));
    Do("mousedown 1");
    Move(PixelX(-400.0f) + 50, PixelY(0.0f) - 25);
    Move(PixelX(-400.0f) + 100, PixelY(0.0f) - 50);
    Do("mouseup 1");

    // A new name typed into the inspector; Delete while typing removes no object.
    Click(static_cast<int>(width) - 200, 73);
    Keys("ctrl+a");
    Do("type --delay 50 Box");
    Keys("Delete");
    Keys("Return");
    // A field of a component: the Transform's rotation, typed in.
    Click(static_cast<int>(width) - 333, 218);
    Click(static_cast<int>(width) - 212, 375);
    Keys("ctrl+a");
    Do("type --delay 50 45");
    Keys("Return");
    Keys("ctrl+s");
    EXPECT_TRUE(Printed("Saved scene \"Splash1\".")) << editor.StandardOutput();

    const std::string index = Slurp(scenes / "Splash1.xml");
    EXPECT_NE(index.find("name=\"Box\""), std::string::npos) << index;
    EXPECT_NE(index.find("name=\"Chef\""), std::string::npos) << index;
    const std::string crate = Slurp(scenes / "Splash1" / "1.xml");
    EXPECT_NEAR(Value(crate, "translation", "x"), -400.0f + 100.0f * 1600.0f / SceneW(), 4.0f) << crate;
    EXPECT_NEAR(Value(crate, "translation", "y"), 50.0f * 900.0f / SceneH(), 4.0f) << crate;
    EXPECT_EQ(Value(crate, "Transform", "rotation"), 45.0f) << crate;

    // Empty space selects nothing.
    Click(PixelX(0.0f), PixelY(350.0f));
    EXPECT_NE(editor.StandardOutput().find("Found Nothing"), std::string::npos);

    // Two seconds of play, then stop: the scene comes back under its name.
    Click(218, 37);
    EXPECT_TRUE(Printed("the game has started"));
    frames->Wait(120);
    Click(218, 37);
    EXPECT_TRUE(Printed("the game has stopped!"));
    const std::size_t saves = editor.StandardOutput().size();
    Keys("ctrl+s");
    EXPECT_TRUE(frames->WaitFor(20.0, [&] {
        return editor.StandardOutput().find("Saved scene \"Splash1\".", saves) != std::string::npos;
    }));
    EXPECT_EQ(Slurp(scenes / "Splash1.xml"), index);
    EXPECT_EQ(Slurp(scenes / "Splash1" / "1.xml"), crate);

    // Save As a new name, typed into the file browser.
    Keys("ctrl+alt+s");
    Do("type --delay 50 EditTest");
    Keys("Return");
    EXPECT_TRUE(Printed("Saved scene as \"EditTest\"."));
    EXPECT_TRUE(fs::exists(scenes / "EditTest.xml"));
    EXPECT_NE(Slurp(scenes / "EditTest.xml").find("name=\"Box\""), std::string::npos);
    EXPECT_FALSE(fs::exists(scenes / "tmp.xml.tmp"));

    editor.SendClose();
    int status = -1;
    ASSERT_TRUE(editor.WaitForExit(60.0, status));
    EXPECT_TRUE(KiteTest::EndedCleanly(status, editor.ErrorOutput())) << status << editor.ErrorOutput();
    EXPECT_FALSE(HasSanitizerReport(editor.ErrorOutput())) << editor.ErrorOutput();
    EXPECT_TRUE(fs::exists(fs::path(editor.Folder()) / "imgui.ini"));

    // A restart reads back what was saved: saving again changes nothing.
    ASSERT_NO_FATAL_FAILURE(StartEditor(100, -50));
    Keys("ctrl+s");
    EXPECT_TRUE(Printed("Saved scene \"Splash1\".")) << editor.StandardOutput();
    EXPECT_EQ(Slurp(scenes / "Splash1.xml"), index);
    EXPECT_EQ(Slurp(scenes / "Splash1" / "1.xml"), crate);

    // A save that cannot be written (a folder stands where the new index
    // goes) says so and leaves the files as they were.
    fs::create_directories(scenes / "Splash1.xml.tmp");
    Click(PixelX(-400.0f) + 100, PixelY(0.0f) - 50);
    Keys("Delete");
    Keys("ctrl+s");
    EXPECT_TRUE(Printed("Save failed: scene \"Splash1\" was not saved")) << editor.StandardOutput();
    EXPECT_EQ(Slurp(scenes / "Splash1.xml"), index);
    EXPECT_EQ(Slurp(scenes / "Splash1" / "1.xml"), crate);
    // The deletion is not saved: closing asks first, and D discards it.
    editor.SendClose();
    frames->Wait(60);
    EXPECT_TRUE(editor.Running()) << "the editor asks before dropping the change";
    Keys("d");
    ASSERT_TRUE(editor.WaitForExit(60.0, status));
    EXPECT_TRUE(EndedCleanly(status, editor.ErrorOutput())) << status << editor.ErrorOutput();
}

TEST(GameWithoutEditor, LeavesNoGuiLayoutFile)
{
    if (!HasDisplay())
        GTEST_SKIP() << "no X display";
    GameProcess game;
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.WaitForWindow(60.0), 0u);
    FrameClock frames(game.Window());
    frames.Wait(60);
    game.SendClose();
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(60.0, status));
    EXPECT_TRUE(EndedCleanly(status, game.ErrorOutput())) << status << game.ErrorOutput();
    EXPECT_FALSE(fs::exists(fs::path(game.Folder()) / "imgui.ini"));
}
