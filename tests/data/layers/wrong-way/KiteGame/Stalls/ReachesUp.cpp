// A stall reaching up into the level flow and, by a relative path, into
// building: both run against the game's area order.
#include "Stalls/StallsSystem.h"
#include "Economy/AmountText.h"
#include "StartUp/GameComponentTypes.h"
#include "Core/Objects/GameObject.h"
#include "Flow/QuestSystem.h"
#include "../Building/StallDragging.h"
