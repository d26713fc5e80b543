// Script: registration with the logic system and message dispatch.
#include "Core/Logic/Script.h"

#include "Core/Engine/Message.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    void Script::Initialise()
    {
        if (LOGIC)
            LOGIC->AddScript(this);
        initialised = 1;
        transform = GetOwner() ? GetOwner()->GetComponent<Transform>() : nullptr;
    }

    Script::~Script()
    {
        // The logic system may already be gone at shutdown.
        if (initialised && LOGIC)
            LOGIC->RemoveScript(this);
    }

    void Script::SendMessage(Message* message)
    {
        if (!message)
            return;
        switch (message->id)
        {
        case MsgID::MouseDown: OnMouseDown(); break;
        case MsgID::MouseUp: OnMouseUp(); break;
        case MsgID::MouseDrag: OnMouseDrag(); break;
        case MsgID::MouseEnter: OnMouseEnter(); break;
        case MsgID::MouseExit: OnMouseExit(); break;
        case MsgID::MouseOver: OnMouseOver(); break;
        case MsgID::Start: OnStart(); break;
        case MsgID::Pause: OnPause(); break;
        default: break;
        }
    }
}
