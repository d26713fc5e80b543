// SystemType: the key of every system in the engine and the order in which
// the engine initialises, updates and messages them.
#pragma once

namespace KiteFramework
{
    enum SystemType
    {
        ST_Win32System = 0,
        ST_Input = 1,
        ST_GameObjectFactory = 2,
        ST_Physics = 3,
        ST_GameLogic = 4,
        ST_GraphNetwork = 5,
        ST_UISystem = 6,
        ST_Graphics = 7,
        ST_Editor = 8,
        ST_AudioEngine = 9,
        ST_ArchetypeSystem = 10,
        ST_SceneManager = 11
    };
}
