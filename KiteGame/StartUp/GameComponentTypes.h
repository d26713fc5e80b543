// GameComponentTypes: the number of every game component type. The numbers
// are the ones scene and archetype files are written with; 17, 20, 24, 28,
// 48-50, 52, 53 and 60 are unused.
#pragma once

#include "Core/Objects/ComponentTypeId.h"

namespace KiteFramework
{
    inline constexpr ComponentTypeId CT_CustomerAIBehaviour = ComponentTypeId(16);
    inline constexpr ComponentTypeId CT_SeatsBehaviour = ComponentTypeId(18);
    inline constexpr ComponentTypeId CT_StallsBehaviour = ComponentTypeId(19);
    inline constexpr ComponentTypeId CT_UpgradeBehaviour = ComponentTypeId(21);
    inline constexpr ComponentTypeId CT_Trash = ComponentTypeId(22);
    inline constexpr ComponentTypeId CT_TrashBin = ComponentTypeId(23);
    inline constexpr ComponentTypeId CT_Indicator = ComponentTypeId(25);
    inline constexpr ComponentTypeId CT_OverlayController = ComponentTypeId(26);
    inline constexpr ComponentTypeId CT_InjectPauseElem = ComponentTypeId(27);
    inline constexpr ComponentTypeId CT_StallPlacementNode = ComponentTypeId(29);
    inline constexpr ComponentTypeId CT_SeatPlacementNode = ComponentTypeId(30);
    inline constexpr ComponentTypeId CT_SeatNodesLink = ComponentTypeId(31);
    inline constexpr ComponentTypeId CT_StallNodesLink = ComponentTypeId(32);
    inline constexpr ComponentTypeId CT_InstantiateUpgradeButton = ComponentTypeId(33);
    inline constexpr ComponentTypeId CT_StatsDisplay = ComponentTypeId(34);
    inline constexpr ComponentTypeId CT_StallTextDisplay = ComponentTypeId(35);
    inline constexpr ComponentTypeId CT_Summary = ComponentTypeId(36);
    inline constexpr ComponentTypeId CT_ChangeLevelOverlay = ComponentTypeId(37);
    inline constexpr ComponentTypeId CT_FadeInOverlay = ComponentTypeId(38);
    inline constexpr ComponentTypeId CT_CloudMotor = ComponentTypeId(39);
    inline constexpr ComponentTypeId CT_DayNightCycler = ComponentTypeId(40);
    inline constexpr ComponentTypeId CT_ProgressBar = ComponentTypeId(41);
    inline constexpr ComponentTypeId CT_FireResolver = ComponentTypeId(42);
    inline constexpr ComponentTypeId CT_Moon = ComponentTypeId(43);
    inline constexpr ComponentTypeId CT_SecondFloorIndicator = ComponentTypeId(44);
    inline constexpr ComponentTypeId CT_DraggableAfterImage = ComponentTypeId(45);
    inline constexpr ComponentTypeId CT_Firework = ComponentTypeId(46);
    inline constexpr ComponentTypeId CT_SpawnButton = ComponentTypeId(47);
    inline constexpr ComponentTypeId CT_StatsSetter = ComponentTypeId(51);
    inline constexpr ComponentTypeId CT_FightResolver = ComponentTypeId(54);
    inline constexpr ComponentTypeId CT_UpgradeButton = ComponentTypeId(55);
    inline constexpr ComponentTypeId CT_SellButton = ComponentTypeId(56);
    inline constexpr ComponentTypeId CT_TwoTabToggleBtn = ComponentTypeId(57);
    inline constexpr ComponentTypeId CT_ContinueButton = ComponentTypeId(58);
    inline constexpr ComponentTypeId CT_FastForwardButton = ComponentTypeId(59);
    inline constexpr ComponentTypeId CT_Slider = ComponentTypeId(61);
    inline constexpr ComponentTypeId CT_ClickFrameBasedFeedback = ComponentTypeId(62);
    inline constexpr ComponentTypeId CT_SpeedButton = ComponentTypeId(63);
    inline constexpr ComponentTypeId CT_StarButton = ComponentTypeId(64);
    inline constexpr ComponentTypeId CT_FadeOutFeedback = ComponentTypeId(65);
    inline constexpr ComponentTypeId CT_UIPanelFeedback = ComponentTypeId(66);
    inline constexpr ComponentTypeId CT_MailboxSwitch = ComponentTypeId(67);
    inline constexpr ComponentTypeId CT_MailSelectionButton = ComponentTypeId(68);
    inline constexpr ComponentTypeId CT_MailChangePageButton = ComponentTypeId(69);
    inline constexpr ComponentTypeId CT_MailDeleteButton = ComponentTypeId(70);
    inline constexpr ComponentTypeId CT_VolumeOptionScript = ComponentTypeId(71);
    inline constexpr ComponentTypeId CT_PlaytestAudioOption = ComponentTypeId(72);
    inline constexpr ComponentTypeId CT_AudioOptionBars = ComponentTypeId(73);
    inline constexpr ComponentTypeId CT_FullScreenCheckbox = ComponentTypeId(74);
    inline constexpr ComponentTypeId CT_MuteButton = ComponentTypeId(75);
    inline constexpr ComponentTypeId CT_PlayAfterTimer = ComponentTypeId(76);
    inline constexpr ComponentTypeId CT_LevelStatsSystem = ComponentTypeId(77);
    inline constexpr ComponentTypeId CT_CustomerSystem = ComponentTypeId(78);
    inline constexpr ComponentTypeId CT_SimulationSystem = ComponentTypeId(79);
    inline constexpr ComponentTypeId CT_SeatsSystem = ComponentTypeId(80);
    inline constexpr ComponentTypeId CT_StallsSystem = ComponentTypeId(81);
    inline constexpr ComponentTypeId CT_StallsSynergySystem = ComponentTypeId(82);
    inline constexpr ComponentTypeId CT_UpgradeSystem = ComponentTypeId(83);
    inline constexpr ComponentTypeId CT_TutorialSystem = ComponentTypeId(84);
    inline constexpr ComponentTypeId CT_TimeAndWeatherSystem = ComponentTypeId(85);
    inline constexpr ComponentTypeId CT_MailBoxSystem = ComponentTypeId(86);
    inline constexpr ComponentTypeId CT_SpawnRateManager = ComponentTypeId(87);
    inline constexpr ComponentTypeId CT_AudioControlSystem = ComponentTypeId(88);
    inline constexpr ComponentTypeId CT_FireController = ComponentTypeId(89);
    inline constexpr ComponentTypeId CT_SecondFloorController = ComponentTypeId(90);
    inline constexpr ComponentTypeId CT_QuestSystem = ComponentTypeId(91);
    inline constexpr ComponentTypeId CT_TrashController = ComponentTypeId(92);
    inline constexpr ComponentTypeId CT_AudioFeedbackSystem = ComponentTypeId(93);
    inline constexpr ComponentTypeId CT_OptionsSystem = ComponentTypeId(94);
    inline constexpr ComponentTypeId CT_CheckLevelStatus = ComponentTypeId(95);
    inline constexpr ComponentTypeId CT_WinConditionChecker = ComponentTypeId(96);
    inline constexpr ComponentTypeId CT_CheatScript = ComponentTypeId(97);
    inline constexpr ComponentTypeId CT_EscapePauseBehaviour = ComponentTypeId(98);
}
