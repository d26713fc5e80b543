// The game's start-up: the engine, its systems in their order, the game.
#pragma once

namespace KiteFramework
{
    class Engine;
    struct Configuration;

    // Creates every system and adds it to the engine in the game's order.
    // Returns false when the window could not be made.
    bool AddGameSystems(Engine& engine, const Configuration& configuration);

    // The whole program: reads the configuration from the working folder,
    // runs the loop until the player quits, tears down. Returns the exit code.
    int RunGame();
}
