// GameLogic: the script list and its walks.
#include "Core/Logic/GameLogic.h"

#include <algorithm>

#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Objects/Script.h"

namespace KiteFramework
{
    GameLogic* LOGIC = nullptr;

    namespace
    {
        // Ends a walk even when a script throws out of it.
        struct WalkScope
        {
            explicit WalkScope(int& depth_) : depth(depth_) { ++depth; }
            ~WalkScope() { --depth; }
            int& depth;
        };
    }

    GameLogic::GameLogic() : System(ST_GameLogic)
    {
        if (!LOGIC)
            LOGIC = this;
    }

    GameLogic::~GameLogic()
    {
        scripts.clear();
        if (LOGIC == this)
            LOGIC = nullptr;
    }

    void GameLogic::Initialise()
    {
        if (ENGINE)
            ENGINE->logMessage("System: Logic initialised.");
        DebugPrintHandler("System: Logic initialised.");
    }

    void GameLogic::AddScript(Script* script)
    {
        if (script)
            scripts.push_back(script);
    }

    void GameLogic::RemoveScript(Script* script)
    {
        if (walkDepth > 0)
        {
            // A walk holds an iterator into the list: blank the entries and
            // erase them once every walk has ended.
            for (Script*& entry : scripts)
                if (entry == script)
                {
                    entry = nullptr;
                    needsCompact = true;
                }
            return;
        }
        scripts.remove(script);
    }

    std::size_t GameLogic::GetScriptCount() const
    {
        return static_cast<std::size_t>(std::count_if(scripts.begin(), scripts.end(),
                                                       [](const Script* s) { return s != nullptr; }));
    }

    void GameLogic::Compact()
    {
        if (walkDepth == 0 && needsCompact)
        {
            scripts.remove(nullptr);
            needsCompact = false;
        }
    }

    void GameLogic::Update()
    {
        if (!ENGINE || !ENGINE->GetEngineStatus(ES_GAMEPLAYING))
            return;
        {
            WalkScope walk(walkDepth);
            // std::list keeps iterators valid on push_back, so scripts added
            // by an Update are reached in this same walk.
            for (auto it = scripts.begin(); it != scripts.end(); ++it)
                if (Script* s = *it)
                    s->Update();
        }
        Compact();
    }

    void GameLogic::SendMessage(Message* message)
    {
        if (!message)
            return;
        if (message->id == MsgID::ClearScene)
        {
            if (walkDepth > 0)
            {
                std::fill(scripts.begin(), scripts.end(), nullptr);
                needsCompact = true;
            }
            else
                scripts.clear();
            return;
        }
        {
            WalkScope walk(walkDepth);
            for (auto it = scripts.begin(); it != scripts.end(); ++it)
                if (Script* s = *it)
                    s->Script::SendMessage(message);
        }
        Compact();
    }
}
