// A customer including its own area, lower areas (one by a relative path),
// the component numbers, the engine and the library: all accepted.
#include "Customers/CustomerSystem.h"
#include "Stalls/StallsSystem.h"
#include "Seats/SeatsSystem.h"
#include "../World/GameClock.h"
#include "Economy/AmountText.h"
#include "StartUp/GameComponentTypes.h"
#include "Core/Objects/GameObject.h"
#include <vector>
