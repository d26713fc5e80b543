// A system including its own layer and those below: the layer check accepts it.
#include "Core/Graphics/Graphics.h"
#include "Core/Physics/Physics.h"
#include "Core/Objects/GameObject.h"
#include "Core/Math/Vector2D.h"
#include "Platform/Platform.h"
#include <vector>
#include "../Physics/Shape.h"
#include "../../Platform/Sound.h"
#include <Core/Engine/System.h>
