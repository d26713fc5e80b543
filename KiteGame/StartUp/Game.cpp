// Game: the game's component registry. Each game component type is
// registered once here under its number and class name, the name scene and
// archetype files use.
#include "StartUp/Game.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Customers/SpawnRateManager.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    void Game::Initialise()
    {
        // Customers, statistics and the simulation.
        RegisterComponent<CustomerAIBehaviour>(CT_CustomerAIBehaviour, "CustomerAIBehaviour");
        RegisterComponent<LevelStatsSystem>(CT_LevelStatsSystem, "LevelStatsSystem");
        RegisterComponent<SimulationSystem>(CT_SimulationSystem, "SimulationSystem");
        RegisterComponent<CustomerSystem>(CT_CustomerSystem, "CustomerSystem");
        RegisterComponent<SpawnRateManager>(CT_SpawnRateManager, "SpawnRateManager");

        // Stalls, seats and their placement.
    }
}
