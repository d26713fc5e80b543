// The worlds the graphics tests run in: an engine with the factory and the
// graphics system, either without a window or with a real one (Xvfb), and
// helpers to make objects, images and read pixels back.
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
    class GraphicsWorld : public ::testing::Test
    {
    protected:
        void SetUp() override;
        void TearDown() override;
        // Where Graphics finds its window; the base has none.
        virtual Platform::Window** WindowAddress() { return &noWindow; }
        virtual void BeforeGraphics() {}

        GameObject* Make(const std::string& name, float x, float y, float depth = 1.0f, float sx = 1.0f,
                         float sy = 1.0f);
        // A drawn sprite on o, with its texture (by name or path) looked up.
        Sprite* AddSprite(GameObject* o, const std::string& texture = std::string());
        Text* AddText(GameObject* o, const std::string& text);

        Engine* engine = nullptr;
        GameObjectFactory* factory = nullptr;
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
        void BeforeGraphics() override;

        // Clears and draws one frame; the pixels stay readable until Swap.
        void DrawFrame();
        // The colour drawn at a world position.
        RGBA At(float worldX, float worldY);

        std::unique_ptr<Platform::Window> ownedWindow;
        Platform::Window* window = nullptr;
        std::string previousFolder;
        bool skipped = false;
    };

    // Colours compared with a little room for filtering and blending.
    ::testing::AssertionResult Near(const RGBA& actual, const RGBA& expected, int tolerance = 6);
}
