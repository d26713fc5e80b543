// Reaching up by a relative path or angle brackets is still a wrong-way include.
#include "../UI/UISystem.h"
#include <Core/Scenes/SceneManager.h>
#include "Core/Engine/Engine.h"
