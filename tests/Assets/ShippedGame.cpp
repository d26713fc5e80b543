// ShippedGame: the real game over a scratch copy of the levels under test.
#include "Assets/ShippedGame.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "Assets/StartReports.h"
#include "Core/Engine/Engine.h"
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

    bool ShippedGame::Start(const std::string& tag, const std::vector<std::string>& levels)
    {
        root_ = fs::temp_directory_path() / ("kite-" + tag + "-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "Assets" / "Scenes");
        for (const char* folder : {"Sprites", "Audio", "Shaders", "Fonts", "StallData", "SeatData", "Messages"})
            if (fs::exists(kSource / folder))
                fs::create_directory_symlink(kSource / folder, root_ / "Assets" / folder);
        fs::copy(kSource / "Archetypes", root_ / "Assets" / "Archetypes");
        for (const std::string& level : levels)
        {
            fs::copy_file(kSource / "Scenes" / (level + ".xml"), root_ / "Assets" / "Scenes" / (level + ".xml"));
            fs::copy(kSource / "Scenes" / level, root_ / "Assets" / "Scenes" / level);
        }
        previousFolder_ = fs::current_path();
        // Archetypes and sprites are listed from the working folder.
        fs::current_path(root_);

        Platform::Install(&fake_);
        engine_ = new Engine();
        engine_->SetAssetPath((root_ / "Assets").generic_string() + "/");
        engine_->SetLogPath((root_ / "log.txt").string());
        if (!AddGameSystems(*engine_, Configuration()))
            return false;
        engine_->AddAndInitialiseGame(new Game());
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        engine_->Initialise();
        engine_->BeginLoop();
        startReports_ = ReportLines(testing::internal::GetCapturedStderr());
        testing::internal::GetCapturedStdout();
        return true;
    }

    void ShippedGame::Stop()
    {
        if (engine_)
        {
            testing::internal::CaptureStdout();
            engine_->EndLoop();
            engine_->CleanEngine();
            delete engine_;
            engine_ = nullptr;
            testing::internal::GetCapturedStdout();
            Platform::Install(nullptr);
        }
        if (root_.empty())
            return;
        std::error_code ec;
        fs::current_path(previousFolder_, ec);
        fs::remove_all(root_, ec);
        root_.clear();
    }

    std::string ShippedGame::Load(const std::string& level)
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        SCENEMNGR->LoadLevel(level);
        engine_->Step();
        engine_->Step();
        const std::string reports = ReportLines(testing::internal::GetCapturedStderr());
        testing::internal::GetCapturedStdout();
        return reports;
    }

    std::string ShippedGame::LoadStill(const std::string& level)
    {
        engine_->SetEngineStatus(ES_GAMEPLAYING, false);
        const std::string reports = Load(level);
        engine_->SetEngineStatus(ES_GAMEPLAYING, true);
        // Waypoint sprites show only while editing.
        WAYPOINTSYS->ToggleNodeVisibility(false);
        return reports;
    }
}
