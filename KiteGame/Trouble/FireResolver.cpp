// FireResolver: clicks that put a stall's fire out.
#include "Trouble/FireResolver.h"

#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/ToggleActiveButton.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsBehaviour.h"
#include "Trouble/FireController.h"

namespace KiteFramework
{
    FireResolver::FireResolver() : ClickResolver(CT_FireResolver, "WaterFeedback") {}

    GameComponent* FireResolver::Clone() const
    {
        FireResolver* copy = CloneListed(*this);
        KeepStepIn(*copy);
        return copy;
    }

    void FireResolver::SetStall(StallsBehaviour* s)
    {
        stall = ObjectHandle(s ? s->GetOwner() : nullptr);
    }

    StallsBehaviour* FireResolver::GetStall() const
    {
        return stall.Get<StallsBehaviour>();
    }

    void FireResolver::Resolve()
    {
        if (StallsBehaviour* s = GetStall())
        {
            if (ToggleActiveButton* menu = s->GetOwner()->GetComponent<ToggleActiveButton>())
                // Only allowed to open again: a press here would open the
                // menu with the click that put the fire out.
                menu->StoreForceClose(false);
            s->operational = true;
            s->SetStallSprite(StallsBehaviour::Idle);
            s->ForgetFire();
        }
        if (FireController* fire = FireController::Instance())
            fire->FireEnded();
    }
}
