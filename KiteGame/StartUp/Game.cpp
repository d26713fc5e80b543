// Game: the game's component registry. Each game component type is
// registered once here under its number and class name, the name scene and
// archetype files use.
#include "StartUp/Game.h"

#include "Audio/AudioControlSystem.h"
#include "Audio/AudioFeedbackSystem.h"
#include "Building/DraggableAfterImage.h"
#include "Building/InstantiateUpgradeButton.h"
#include "Building/SellButton.h"
#include "Building/SpawnButton.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeButton.h"
#include "Building/UpgradeSystem.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Customers/SpawnRateManager.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "Flow/ChangeLevelOverlay.h"
#include "Flow/CheatScript.h"
#include "Flow/CheckLevelStatus.h"
#include "Flow/ContinueButton.h"
#include "Flow/EscapePauseBehaviour.h"
#include "Flow/FadeInOverlay.h"
#include "Flow/InjectPauseElem.h"
#include "Flow/OverlayController.h"
#include "Flow/QuestSystem.h"
#include "Flow/StarButton.h"
#include "Flow/Summary.h"
#include "Flow/TutorialSystem.h"
#include "Flow/WinConditionChecker.h"
#include "Mail/MailBoxSystem.h"
#include "Mail/MailChangePageButton.h"
#include "Mail/MailDeleteButton.h"
#include "Mail/MailSelectionButton.h"
#include "Mail/MailboxSwitch.h"
#include "Options/AudioOptionBars.h"
#include "Options/FullScreenCheckbox.h"
#include "Options/MuteButton.h"
#include "Options/OptionsSystem.h"
#include "Options/PlaytestAudioOption.h"
#include "Options/Slider.h"
#include "Options/VolumeOptionScript.h"
#include "Seats/SeatNodesLink.h"
#include "Seats/SeatPlacementNode.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/SecondFloorController.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallNodesLink.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallTextDisplay.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "HUD/ClickFrameBasedFeedback.h"
#include "HUD/FadeOutFeedback.h"
#include "HUD/PlayAfterTimer.h"
#include "HUD/ProgressBar.h"
#include "HUD/StatsDisplay.h"
#include "HUD/StatsSetter.h"
#include "HUD/TwoTabToggleBtn.h"
#include "HUD/UIPanelFeedback.h"
#include "StartUp/GameComponentTypes.h"
#include "World/Indicator.h"
#include "Stalls/StallsSynergySystem.h"
#include "Trouble/FightResolver.h"
#include "Trouble/FireController.h"
#include "Trouble/FireResolver.h"
#include "Trouble/Trash.h"
#include "Trouble/TrashBin.h"
#include "Trouble/TrashController.h"
#include "World/CloudMotor.h"
#include "World/DayNightCycler.h"
#include "World/FastForwardButton.h"
#include "World/Firework.h"
#include "World/Moon.h"
#include "World/SpeedButton.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteFramework
{
    void Game::Initialise()
    {
        // Customers, statistics and the simulation.
        RegisterComponent<CustomerAIBehaviour>(CT_CustomerAIBehaviour, "CustomerAIBehaviour");
        RegisterComponent<LevelStatsSystem>(CT_LevelStatsSystem, "LevelStatsSystem");
        RegisterComponent<SimulationSystem>(CT_SimulationSystem, "SimulationSystem");
        RegisterComponent<CustomerSystem>(CT_CustomerSystem, "CustomerSystem");
        RegisterComponent<SpawnRateManager>(CT_SpawnRateManager, "SpawnRateManager");

        // Stalls, seats and their placement.
        RegisterComponent<SeatsBehaviour>(CT_SeatsBehaviour, "SeatsBehaviour");
        RegisterComponent<StallsBehaviour>(CT_StallsBehaviour, "StallsBehaviour");
        RegisterComponent<StallPlacementNode>(CT_StallPlacementNode, "StallPlacementNode");
        RegisterComponent<SeatPlacementNode>(CT_SeatPlacementNode, "SeatPlacementNode");
        RegisterComponent<SeatsSystem>(CT_SeatsSystem, "SeatsSystem");
        RegisterComponent<StallsSystem>(CT_StallsSystem, "StallsSystem");
        RegisterComponent<SeatNodesLink>(CT_SeatNodesLink, "SeatNodesLink");
        RegisterComponent<StallNodesLink>(CT_StallNodesLink, "StallNodesLink");
        RegisterComponent<StallTextDisplay>(CT_StallTextDisplay, "StallTextDisplay");
        RegisterComponent<SecondFloorIndicator>(CT_SecondFloorIndicator, "SecondFloorIndicator");
        RegisterComponent<SecondFloorController>(CT_SecondFloorController, "SecondFloorController");

        // Building, upgrades, the HUD, day and night, and speed.
        RegisterComponent<UpgradeBehaviour>(CT_UpgradeBehaviour, "UpgradeBehaviour");
        RegisterComponent<StatsSetter>(CT_StatsSetter, "StatsSetter");
        RegisterComponent<SpawnButton>(CT_SpawnButton, "SpawnButton");
        RegisterComponent<FadeOutFeedback>(CT_FadeOutFeedback, "FadeOutFeedback");
        RegisterComponent<UIPanelFeedback>(CT_UIPanelFeedback, "UIPanelFeedback");
        RegisterComponent<InstantiateUpgradeButton>(CT_InstantiateUpgradeButton, "InstantiateUpgradeButton");
        RegisterComponent<UpgradeButton>(CT_UpgradeButton, "UpgradeButton");
        RegisterComponent<StatsDisplay>(CT_StatsDisplay, "StatsDisplay");
        RegisterComponent<SellButton>(CT_SellButton, "SellButton");
        RegisterComponent<UpgradeSystem>(CT_UpgradeSystem, "UpgradeSystem");
        RegisterComponent<CloudMotor>(CT_CloudMotor, "CloudMotor");
        RegisterComponent<TimeAndWeatherSystem>(CT_TimeAndWeatherSystem, "TimeAndWeatherSystem");
        RegisterComponent<DayNightCycler>(CT_DayNightCycler, "DayNightCycler");
        RegisterComponent<TwoTabToggleBtn>(CT_TwoTabToggleBtn, "TwoTabToggleBtn");
        RegisterComponent<FastForwardButton>(CT_FastForwardButton, "FastForwardButton");
        RegisterComponent<ProgressBar>(CT_ProgressBar, "ProgressBar");
        RegisterComponent<Moon>(CT_Moon, "Moon");
        RegisterComponent<DraggableAfterImage>(CT_DraggableAfterImage, "DraggableAfterImage");
        RegisterComponent<ClickFrameBasedFeedback>(CT_ClickFrameBasedFeedback, "ClickFrameBasedFeedback");
        RegisterComponent<SpeedButton>(CT_SpeedButton, "SpeedButton");
        RegisterComponent<Firework>(CT_Firework, "Firework");
        RegisterComponent<PlayAfterTimer>(CT_PlayAfterTimer, "PlayAfterTimer");

        // Trash, fire, fights and synergies.
        RegisterComponent<Trash>(CT_Trash, "Trash");
        RegisterComponent<TrashBin>(CT_TrashBin, "TrashBin");
        RegisterComponent<Indicator>(CT_Indicator, "Indicator");
        RegisterComponent<FightResolver>(CT_FightResolver, "FightResolver");
        RegisterComponent<StallsSynergySystem>(CT_StallsSynergySystem, "StallsSynergySystem");
        RegisterComponent<FireController>(CT_FireController, "FireController");
        RegisterComponent<FireResolver>(CT_FireResolver, "FireResolver");
        RegisterComponent<TrashController>(CT_TrashController, "TrashController");

        // Missions, level flow, pause and summaries.
        RegisterComponent<OverlayController>(CT_OverlayController, "OverlayController");
        RegisterComponent<InjectPauseElem>(CT_InjectPauseElem, "InjectPauseElem");
        RegisterComponent<Summary>(CT_Summary, "Summary");
        RegisterComponent<ChangeLevelOverlay>(CT_ChangeLevelOverlay, "ChangeLevelOverlay");
        RegisterComponent<FadeInOverlay>(CT_FadeInOverlay, "FadeInOverlay");
        RegisterComponent<ContinueButton>(CT_ContinueButton, "ContinueButton");
        RegisterComponent<QuestSystem>(CT_QuestSystem, "QuestSystem");
        RegisterComponent<CheckLevelStatus>(CT_CheckLevelStatus, "CheckLevelStatus");
        RegisterComponent<StarButton>(CT_StarButton, "StarButton");
        RegisterComponent<WinConditionChecker>(CT_WinConditionChecker, "WinConditionChecker");
        RegisterComponent<CheatScript>(CT_CheatScript, "CheatScript");
        RegisterComponent<EscapePauseBehaviour>(CT_EscapePauseBehaviour, "EscapePauseBehaviour");
        RegisterComponent<TutorialSystem>(CT_TutorialSystem, "TutorialSystem");

        // Sound, mail and options.
        RegisterComponent<AudioControlSystem>(CT_AudioControlSystem, "AudioControlSystem");
        RegisterComponent<MailBoxSystem>(CT_MailBoxSystem, "MailBoxSystem");
        RegisterComponent<MailboxSwitch>(CT_MailboxSwitch, "MailboxSwitch");
        RegisterComponent<MailSelectionButton>(CT_MailSelectionButton, "MailSelectionButton");
        RegisterComponent<MailChangePageButton>(CT_MailChangePageButton, "MailChangePageButton");
        RegisterComponent<MailDeleteButton>(CT_MailDeleteButton, "MailDeleteButton");
        RegisterComponent<Slider>(CT_Slider, "Slider");
        RegisterComponent<AudioFeedbackSystem>(CT_AudioFeedbackSystem, "AudioFeedbackSystem");
        RegisterComponent<OptionsSystem>(CT_OptionsSystem, "OptionsSystem");
        RegisterComponent<VolumeOptionScript>(CT_VolumeOptionScript, "VolumeOptionScript");
        RegisterComponent<PlaytestAudioOption>(CT_PlaytestAudioOption, "PlaytestAudioOption");
        RegisterComponent<AudioOptionBars>(CT_AudioOptionBars, "AudioOptionBars");
        RegisterComponent<FullScreenCheckbox>(CT_FullScreenCheckbox, "FullScreenCheckbox");
        RegisterComponent<MuteButton>(CT_MuteButton, "MuteButton");
    }
}
