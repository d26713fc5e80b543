// The editor's world with the game's component types registered: the world
// the tests of the editor over the game's components and shipped scenes run
// in.
#pragma once

#include "Editor/EditorWorld.h"
#include "StartUp/Game.h"

namespace KiteTest
{
    class GameEditorWorld : public EditorWorld
    {
    protected:
        void AddGame() override { engine->AddAndInitialiseGame(new Game()); }
    };
}
