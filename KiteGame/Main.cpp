// The game's entry point.
#include "StartUp/GameStartUp.h"

int main()
{
    return KiteFramework::RunGame();
}
