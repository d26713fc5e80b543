// The game's start-up: the engine, its systems in their order, the game.
#pragma once

#include <functional>

namespace KiteFramework
{
    class Engine;
    struct Configuration;

    // What a host program adds to the game's start-up (the editor's host
    // uses both; the game none).
    struct HostSteps
    {
        // Before any system exists (status bits the window must see).
        std::function<void(Engine&)> beforeSystems;
        // After the game's systems are added, before the game registers
        // its components and the engine initialises.
        std::function<void(Engine&)> afterSystems;
    };

    // Creates every system and adds it to the engine in the game's order.
    // Returns false when the window could not be made.
    bool AddGameSystems(Engine& engine, const Configuration& configuration);

    // The whole program: reads the configuration from the working folder,
    // runs the loop until the player quits, tears down. Returns the exit code.
    int RunGame();
    // The same start-up, loop and teardown with a host's steps; program
    // names the host in its messages.
    int RunHost(const char* program, const HostSteps& steps);
}
