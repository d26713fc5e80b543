// SellButton: half the price back.
#include "Building/SellButton.h"

#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    SellButton::SellButton() : BaseButton(CT_SellButton) {}

    // A copy sells nothing until it finds its own stall.
    SellButton::SellButton(const SellButton& other) : BaseButton(other) {}

    GameComponent* SellButton::Clone() const
    {
        return new SellButton(*this);
    }

    void SellButton::SetStall(StallsBehaviour* s)
    {
        stall = ObjectHandle(s ? s->GetOwner() : nullptr);
    }

    StallsBehaviour* SellButton::GetStall() const
    {
        GameObject* o = stall.Get();
        return o ? o->GetComponent<StallsBehaviour>() : nullptr;
    }

    void SellButton::OnMouseUp()
    {
        if (!GetStall())
        {
            GameObject* parent = GetOwner() ? GetOwner()->GetParent() : nullptr;
            if (GameObject* grand = parent ? parent->GetParent() : nullptr)
                stall = ObjectHandle(grand);
        }
        if (StallsBehaviour* s = GetStall())
            s->Sell();
    }
}
