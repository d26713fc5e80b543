// Game: registers the game's component types with the engine's factory.
#pragma once

#include "Core/Engine/AbstractGame.h"

namespace KiteFramework
{
    class Game : public AbstractGame
    {
    public:
        ~Game() override = default;
        void Initialise() override;
    };
}
