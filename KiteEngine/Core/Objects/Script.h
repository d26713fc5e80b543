// Forwarding header: Script now lives with GameLogic; include "Core/Logic/Script.h".
#pragma once
#include "Core/Logic/Script.h"
