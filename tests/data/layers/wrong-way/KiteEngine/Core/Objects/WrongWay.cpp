// An object file reaching up into a system: the layer check must refuse it.
#include "Core/Objects/GameObject.h"
#include "Core/Physics/Physics.h"
