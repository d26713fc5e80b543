// Engine: systems, status word, time factor and the frame loop.
#include "Core/Engine/Engine.h"

#include <iostream>

#include "Core/Engine/AbstractGame.h"
#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Engine/Time.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Gamepad.h"
#include "Core/Scenes/SceneManager.h"
#include "Platform/Platform.h"

namespace KiteFramework
{
    Engine* ENGINE = nullptr;

    Engine::Engine()
    {
        ENGINE = this;
        InitialiseAssetsPath();
        logMessage("At " + Time::getTime() + ",");
        logMessage("Engine initialised.");
    }

    Engine::~Engine()
    {
        ReleaseGlobal(ENGINE, this);
    }

    void Engine::InitialiseAssetsPath()
    {
        assetPath_ = Platform::ExecutableFolder() + "/Assets/";
        std::cout << "Exe's Asset path: " << assetPath_ << std::endl;
    }

    void Engine::AddSystem(System* system)
    {
        if (!system)
            return;
        // The first system of a type stays; a second one is not taken.
        systems_.emplace(system->getSystemType(), system);
    }

    System* Engine::GetSystem(SystemType type) const
    {
        auto it = systems_.find(type);
        return it == systems_.end() ? nullptr : it->second;
    }

    void Engine::AddAndInitialiseGame(AbstractGame* game)
    {
        game_ = game;
        if (game_)
            game_->Initialise();
    }

    void Engine::Initialise()
    {
        DebugPrintHandler("Engine initialised.");
        // The first scene's pictures decode while the systems start.
        if (SCENEMNGR)
            SCENEMNGR->ExpectPictures(FirstScene);
        for (auto& entry : systems_)
            entry.second->Initialise();
        SetEngineStatus(ES_INITIALISED, true);
        SetEngineStatus(ES_RUNNING, true);
    }

    void Engine::BeginLoop()
    {
        // With the editor on, the scene opens for editing, not playing.
        const bool editing = GetEngineStatus(ES_EDITORVIEW);
        SetEngineStatus(ES_GAMEPLAYING, !editing);
        timeFactor_ = editing ? 0.0f : 1.0f;
        if (GRAPHICS)
            GRAPHICS->NoDebugDraw();
        if (SCENEMNGR)
            SCENEMNGR->LoadLevel(FirstScene);
        LoadXInput();
    }

    void Engine::Step()
    {
        PollXInput();
        for (auto& entry : systems_)
            entry.second->Update();
    }

    void Engine::EndLoop()
    {
        if (FACTORY)
            FACTORY->DeleteAllObjects();
    }

    void Engine::Loop()
    {
        BeginLoop();
        // The running bit is tested only here: a quit during a frame lets the
        // frame finish, its wait and log write included.
        while (GetEngineStatus(ES_RUNNING))
        {
            fc.Start();
            Step();
            fc.Next();
            fc.PrintOnWindow();
            writeLogBuffer();
        }
        EndLoop();
    }

    void Engine::BroadcastMessage(Message* message)
    {
        if (!message)
            return;
        if (message->id == MsgID::Quit)
        {
            if (quitGuard_ && !quitGuard_())
                return;
            SetEngineStatus(ES_RUNNING, false);
            return;
        }
        for (auto& entry : systems_)
            entry.second->SendMessage(message);
    }

    void Engine::CleanEngine()
    {
        delete game_;
        game_ = nullptr;
        // Each system clears its own global pointer in its destructor, so
        // nothing later can reach a deleted system.
        for (auto& entry : systems_)
        {
            delete entry.second;
            entry.second = nullptr;
        }
        systems_.clear();
        logMessage("Game has exited at\n" + Time::getTime());
    }

    void Engine::SetEngineStatus(ENGINESTATUS bit, bool value)
    {
        if (value)
            status_ |= (1u << bit);
        else
            status_ &= ~(1u << bit);
    }
}
