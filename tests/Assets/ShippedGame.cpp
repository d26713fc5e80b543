// ShippedGame: the real game over a scratch copy of the levels under test.
#include "Assets/ShippedGame.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>

#include "Assets/StartReports.h"
#include "Core/Engine/Engine.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "StartUp/Configuration.h"
#include "StartUp/Game.h"
#include "StartUp/GameStartUp.h"

namespace fs = std::filesystem;
using namespace KiteFramework;

namespace KiteTest
{
    namespace
    {
        const fs::path kSource = KITE_ASSET_ROOT;
    }

    ShippedGame::~ShippedGame()
    {
        Stop();
    }

    bool ShippedGame::Start(const std::vector<std::string>& levels)
    {
        // The scratch folder is the working folder too: archetypes and
        // sprites are listed from there.
        testing::internal::CaptureStdout();
        started_.Start();
        testing::internal::GetCapturedStdout();
        root_ = started_.folder;
        for (const char* folder : {"Sprites", "Audio", "Shaders", "Fonts", "StallData", "SeatData", "Messages"})
            if (fs::exists(kSource / folder))
                fs::create_directory_symlink(kSource / folder, root_ / "Assets" / folder);
        fs::copy(kSource / "Archetypes", root_ / "Assets" / "Archetypes");
        for (const std::string& level : levels)
        {
            fs::copy_file(kSource / "Scenes" / (level + ".xml"), root_ / "Assets" / "Scenes" / (level + ".xml"));
            fs::copy(kSource / "Scenes" / level, root_ / "Assets" / "Scenes" / level);
        }
        started_.UseFakePlatform();
        if (!AddGameSystems(GameEngine(), Configuration()))
            return false;
        GameEngine().AddAndInitialiseGame(new Game());
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        GameEngine().Initialise();
        GameEngine().BeginLoop();
        startReports_ = ReportLines(testing::internal::GetCapturedStderr());
        testing::internal::GetCapturedStdout();
        return true;
    }

    void ShippedGame::Stop()
    {
        if (root_.empty())
            return;
        testing::internal::CaptureStdout();
        started_.Stop();
        testing::internal::GetCapturedStdout();
        root_.clear();
    }

    std::string ShippedGame::Load(const std::string& level)
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        SCENEMNGR->LoadLevel(level);
        GameEngine().Step();
        GameEngine().Step();
        const std::string reports = ReportLines(testing::internal::GetCapturedStderr());
        testing::internal::GetCapturedStdout();
        return reports;
    }

    std::string ShippedGame::LoadStill(const std::string& level)
    {
        GameEngine().SetEngineStatus(ES_GAMEPLAYING, false);
        const std::string reports = Load(level);
        GameEngine().SetEngineStatus(ES_GAMEPLAYING, true);
        // Waypoint sprites show only while editing.
        WAYPOINTSYS->ToggleNodeVisibility(false);
        return reports;
    }

    void ShippedGame::PointerAt(const Vector2D& world)
    {
        Platform::FakePlatform& fake = started_.fake;
        fake.cursorX = fake.cursorY = 0;
        const Vector2D origin = GRAPHICS->CurrentMouseToWorld();
        fake.cursorX = fake.cursorY = 1000;
        const Vector2D far = GRAPHICS->CurrentMouseToWorld();
        fake.cursorX = static_cast<int>(std::lround((world.x - origin.x) * 1000.0f / (far.x - origin.x)));
        fake.cursorY = static_cast<int>(std::lround((world.y - origin.y) * 1000.0f / (far.y - origin.y)));
    }
}
