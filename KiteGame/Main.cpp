// The game's entry point.
#include "Core/Engine/Engine.h"

int main()
{
    auto* engine = new KiteFramework::Engine();
    engine->CleanEngine();
    delete engine;
    return 0;
}
