// The started engine as a test fixture (StartedEngine.h): every fixture that
// needs an engine builds on this one, adding its systems in the order it
// needs; the engine's own lines are kept off the test's output.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "Support/StartedEngine.h"

namespace KiteTest
{
    class EngineWorld : public ::testing::Test, public StartedEngine
    {
    protected:
        void SetUp() override { StartEngine(); }
        void TearDown() override { StopEngine(); }

        void StartEngine(bool ownAssetRoot = true)
        {
            testing::internal::CaptureStdout();
            Start(ownAssetRoot);
            testing::internal::GetCapturedStdout();
        }

        void StopEngine()
        {
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            Stop();
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
        }

        // Starts the systems in the order given, their start-up lines
        // silenced.
        static void InitialiseQuietly(std::initializer_list<System*> systems)
        {
            testing::internal::CaptureStdout();
            for (System* s : systems)
                s->Initialise();
            testing::internal::GetCapturedStdout();
        }
    };
}
