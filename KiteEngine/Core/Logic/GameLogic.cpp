// GameLogic: the script list and its walks.
#include "Core/Logic/GameLogic.h"

#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    GameLogic* LOGIC = nullptr;

    GameLogic::GameLogic() : System(ST_GameLogic)
    {
        ClaimGlobal(LOGIC, this);
    }

    GameLogic::~GameLogic()
    {
        scripts.Clear();
        ReleaseGlobal(LOGIC, this);
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
            scripts.Add(script);
    }

    void GameLogic::RemoveScript(Script* script)
    {
        scripts.Remove(script);
    }

    std::size_t GameLogic::GetScriptCount() const
    {
        return scripts.Size();
    }

    void GameLogic::Update()
    {
        if (!ENGINE || !ENGINE->GetEngineStatus(ES_GAMEPLAYING))
            return;
        // Scripts added by an Update are reached in this same walk.
        scripts.ForEach([](Script* s) { s->Update(); });
    }

    void GameLogic::SendMessage(Message* message)
    {
        if (!message)
            return;
        if (message->id == MsgID::ClearScene)
        {
            scripts.Clear();
            return;
        }
        scripts.ForEach([message](Script* s) { s->Script::SendMessage(message); });
    }
}
