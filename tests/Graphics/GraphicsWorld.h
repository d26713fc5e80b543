// The worlds the graphics tests run in: the started engine with the factory
// and the graphics system, either without a window or with a real one
// (Xvfb), and helpers to make objects, images and read pixels back.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Platform/Platform.h"
#include "Support/EngineWorld.h"

namespace KiteTest
{
    using namespace KiteFramework;

    using RGBA = std::array<unsigned char, 4>;

    // Writes a w by h PNG whose pixel (x, y), y counted from the top, is
    // paint(x, y).
    void WritePng(const std::string& path, int w, int h, RGBA (*paint)(int x, int y, int w, int h));
    // A fresh folder for one test's files.
    std::string TestFolder();

    // Engine, factory and graphics; no window unless a subclass gives one.
    // The working folder is the test's scratch folder; the asset root stays
    // the one beside the program.
    class GraphicsWorld : public EngineWorld
    {
    protected:
        void SetUp() override;
        void TearDown() override;
        // Where Graphics finds its window; the base has none.
        virtual Platform::Window** WindowAddress() { return &noWindow; }
        // Runs in the started engine before the graphics system is made.
        virtual void BeforeGraphics() {}

        GameObject* Make(const std::string& name, float x, float y, float depth = 1.0f, float sx = 1.0f,
                         float sy = 1.0f);
        // A drawn sprite on o, with its texture (by name or path) looked up.
        Sprite* AddSprite(GameObject* o, const std::string& texture = std::string());
        Text* AddText(GameObject* o, const std::string& text);
        // A w by h PNG `name` in the scratch folder, painted by paint; its path.
        std::string Image(const std::string& name, RGBA (*paint)(int, int, int, int), int w = 16, int h = 16);

        Graphics* graphics = nullptr;
        Platform::Window* noWindow = nullptr;
        int windowWidth = 640;
        int windowHeight = 360;
    };

    // The same with a real window and OpenGL context; skipped without a
    // display. Works from the game's folder so that shaders and font load.
    class WindowWorld : public GraphicsWorld
    {
    protected:
        void SetUp() override;
        void TearDown() override;
        Platform::Window** WindowAddress() override { return &window; }
        // Prepares the working folder and opens the window.
        void BeforeGraphics() override;
        // Makes the working folder the one drawing reads "Assets/Shaders" and
        // "Assets/Fonts" from: the game's folder (the engine's tear-down goes
        // back).
        virtual void PrepareFolder();

        // Clears and draws one frame; the pixels stay readable until Swap.
        void DrawFrame();
        // The colour drawn at a world position.
        RGBA At(float worldX, float worldY);

        std::unique_ptr<Platform::Window> ownedWindow;
        Platform::Window* window = nullptr;
        bool skipped = false;
    };

    // The colours the window tests paint and read back: the cleared
    // background as read, and flat red, green and white images.
    inline constexpr RGBA background{84, 84, 84, 0};
    inline constexpr RGBA red{255, 0, 0, 255};
    inline constexpr RGBA green{0, 255, 0, 255};
    inline RGBA Red(int, int, int, int) { return red; }
    inline RGBA Green(int, int, int, int) { return green; }
    inline RGBA White(int, int, int, int) { return {255, 255, 255, 255}; }

    // Colours compared with a little room for filtering and blending.
    ::testing::AssertionResult Near(const RGBA& actual, const RGBA& expected, int tolerance = 6);
}
