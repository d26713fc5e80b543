// Game: the game's component registry.
#include "StartUp/Game.h"

namespace KiteFramework
{
    void Game::Initialise()
    {
        // The game's component creators are registered here as the game's
        // components are added.
    }
}
