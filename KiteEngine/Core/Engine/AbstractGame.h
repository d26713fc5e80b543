// AbstractGame: what a host hands the engine to register its own components.
#pragma once

namespace KiteFramework
{
    class AbstractGame
    {
    public:
        virtual ~AbstractGame() = default;
        virtual void Initialise() = 0;
    };
}
