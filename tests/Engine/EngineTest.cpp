// Engine: system order, duplicates, messages, quit, time factor.
#include <gtest/gtest.h>

#include "Core/Engine/Engine.h"

using namespace KiteFramework;

TEST(Engine, TimeFactorIsZeroBeforeLoop)
{
    Engine engine;
    EXPECT_EQ(engine.GetTimeFactor(), 0.0f);
    engine.CleanEngine();
}

#include <imgui.h>
#include "Core/Math/Vector2D.h"

TEST(Vector2D, FromImVec2)
{
    Vector2D v(ImVec2(1.5f, -2.0f));
    EXPECT_EQ(v.x, 1.5f);
    EXPECT_EQ(v.y, -2.0f);
}
