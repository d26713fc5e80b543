// The game's component registry: every registered game type carries the
// number and name of its row, the creators make the right class, and the
// started game holds exactly the engine's creators and the game's rows.
#include <map>
#include <memory>

#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Customers/SpawnRateManager.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "Game/GameTestWorld.h"
#include "StartUp/Configuration.h"
#include "StartUp/GameStartUp.h"

using namespace KiteTest;

namespace
{
    // The full table: number to registered name.
    const std::map<int, std::string> Rows = {
        {16, "CustomerAIBehaviour"}, {18, "SeatsBehaviour"}, {19, "StallsBehaviour"},
        {21, "UpgradeBehaviour"}, {22, "Trash"}, {23, "TrashBin"}, {25, "Indicator"},
        {26, "OverlayController"}, {27, "InjectPauseElem"}, {29, "StallPlacementNode"},
        {30, "SeatPlacementNode"}, {31, "SeatNodesLink"}, {32, "StallNodesLink"},
        {33, "InstantiateUpgradeButton"}, {34, "StatsDisplay"}, {35, "StallTextDisplay"},
        {36, "Summary"}, {37, "ChangeLevelOverlay"}, {38, "FadeInOverlay"}, {39, "CloudMotor"},
        {40, "DayNightCycler"}, {41, "ProgressBar"}, {42, "FireResolver"}, {43, "Moon"},
        {44, "SecondFloorIndicator"}, {45, "DraggableAfterImage"}, {46, "Firework"},
        {47, "SpawnButton"}, {51, "StatsSetter"}, {54, "FightResolver"}, {55, "UpgradeButton"},
        {56, "SellButton"}, {57, "TwoTabToggleBtn"}, {58, "ContinueButton"},
        {59, "FastForwardButton"}, {61, "Slider"}, {62, "ClickFrameBasedFeedback"},
        {63, "SpeedButton"}, {64, "StarButton"}, {65, "FadeOutFeedback"}, {66, "UIPanelFeedback"},
        {67, "MailboxSwitch"}, {68, "MailSelectionButton"}, {69, "MailChangePageButton"},
        {70, "MailDeleteButton"}, {71, "VolumeOptionScript"}, {72, "PlaytestAudioOption"},
        {73, "AudioOptionBars"}, {74, "FullScreenCheckbox"}, {75, "MuteButton"},
        {76, "PlayAfterTimer"}, {77, "LevelStatsSystem"}, {78, "CustomerSystem"},
        {79, "SimulationSystem"}, {80, "SeatsSystem"}, {81, "StallsSystem"},
        {82, "StallsSynergySystem"}, {83, "UpgradeSystem"}, {84, "TutorialSystem"},
        {85, "TimeAndWeatherSystem"}, {86, "MailBoxSystem"}, {87, "SpawnRateManager"},
        {88, "AudioControlSystem"}, {89, "FireController"}, {90, "SecondFloorController"},
        {91, "QuestSystem"}, {92, "TrashController"}, {93, "AudioFeedbackSystem"},
        {94, "OptionsSystem"}, {95, "CheckLevelStatus"}, {96, "WinConditionChecker"},
        {97, "CheatScript"}, {98, "EscapePauseBehaviour"}};

    // The engine's own creators, registered by its systems as they start.
    const std::map<int, std::string> EngineRows = {
        {0, "Transform"}, {4, "Sprite"}, {5, "Text"}, {6, "Emitter"}, {7, "AudioListener"},
        {8, "AudioSource"}, {9, "Collider2D"}, {11, "VertexNode"}, {12, "PopUpUI"},
        {13, "ActivatePopupButton"}, {14, "SystemCallButton"}, {15, "ToggleActiveButton"}};

    using Registry = GameWorld;
}

TEST_F(Registry, EveryRegisteredGameTypeMatchesItsRow)
{
    int gameTypes = 0;
    for (const auto& entry : factory->GetCreators())
    {
        const int id = entry.first;
        if (id < CT_FirstGameType)
            continue;
        ++gameTypes;
        auto row = Rows.find(id);
        ASSERT_NE(row, Rows.end()) << "unused number " << id << " registered as " << entry.second.first;
        EXPECT_EQ(entry.second.first, row->second) << id;
        EXPECT_EQ(factory->GetCreator(row->second), entry.second.second) << row->second;
    }
    // Every row of the table stands, each under one number.
    EXPECT_EQ(gameTypes, static_cast<int>(Rows.size()));
    EXPECT_EQ(Rows.size(), 73u);
}

TEST_F(Registry, CustomerAndEconomyTypesCreateTheirClasses)
{
    ExpectCreates<CustomerAIBehaviour>("CustomerAIBehaviour", 16);
    ExpectCreates<LevelStatsSystem>("LevelStatsSystem", 77);
    ExpectCreates<CustomerSystem>("CustomerSystem", 78);
    ExpectCreates<SimulationSystem>("SimulationSystem", 79);
    ExpectCreates<SpawnRateManager>("SpawnRateManager", 87);
}

// The game as the program starts it (every system, on the fake platform):
// the factory holds the engine's twelve creators and the 73 game rows, each
// findable by its name, and nothing under any other number.
using StartedGame = EngineWorld;

TEST_F(StartedGame, FactoryHoldsTheEngineCreatorsAndEveryGameRowAndNothingElse)
{
    UseFakePlatform();
    engine->SetAssetPath(std::string(KITE_ASSET_ROOT) + "/");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(AddGameSystems(*engine, Configuration()));
    engine->AddAndInitialiseGame(new Game());
    engine->Initialise();
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();

    std::map<int, std::string> expected = EngineRows;
    expected.insert(Rows.begin(), Rows.end());
    ASSERT_EQ(expected.size(), 12u + 73u);
    std::map<int, std::string> held;
    for (const auto& entry : FACTORY->GetCreators())
        held[entry.first] = entry.second.first;
    EXPECT_EQ(held, expected);
    for (int id = 0; id < CT_MaxTypes; ++id)
    {
        if (!expected.count(id))
        {
            EXPECT_EQ(FACTORY->GetCreator(static_cast<ComponentTypeId>(id)), nullptr) << "unused number " << id;
        }
    }
    for (const auto& row : expected)
    {
        ComponentCreator* creator = FACTORY->GetCreator(row.second);
        ASSERT_NE(creator, nullptr) << row.second;
        EXPECT_EQ(creator, FACTORY->GetCreator(static_cast<ComponentTypeId>(row.first))) << row.second;
    }
}
