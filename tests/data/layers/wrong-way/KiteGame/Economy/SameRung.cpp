// Areas of one rung are independent, and an area missing from the order
// cannot be included at all.
#include "Economy/LevelStatsSystem.h"
#include "Audio/AudioFeedbackSystem.h"
#include "Lobby/Lobby.h"
