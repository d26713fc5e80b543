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
