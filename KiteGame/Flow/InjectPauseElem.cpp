// InjectPauseElem: the pause menu starts hidden and listed.
#include "Flow/InjectPauseElem.h"

#include "Core/Objects/GameObject.h"
#include "Core/UI/UISystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    InjectPauseElem::InjectPauseElem() : Script(CT_InjectPauseElem) {}

    GameComponent* InjectPauseElem::Clone() const
    {
        InjectPauseElem* copy = new InjectPauseElem();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void InjectPauseElem::Initialise()
    {
        GameObject* owner = GetOwner();
        if (!owner)
            return;
        if (UISYSTEM)
            UISYSTEM->AddPauseElem(owner);
        owner->setActive(false);
    }
}
