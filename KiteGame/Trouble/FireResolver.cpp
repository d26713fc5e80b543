// FireResolver: clicks that put a stall's fire out.
#include "Trouble/FireResolver.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/ToggleActiveButton.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsBehaviour.h"
#include "Trouble/ClickShrink.h"
#include "Trouble/FireController.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    FireResolver::FireResolver() : Script(CT_FireResolver) {}

    FireResolver::~FireResolver()
    {
        TintedSprites::Forget(sprite);
    }

    void FireResolver::ListFields(FieldVisitor& v)
    {
        v.Add("targetClickCount", targetClickCount, FieldInfo{"Max Clicks", FieldWidget::Input, 1.0f}.Id("##MaxCount"));
        v.Add("finalScale", finalScale, HiddenField());
    }

    GameComponent* FireResolver::Clone() const
    {
        FireResolver* copy = CloneListed(*this);
        copy->scaleStep = scaleStep;
        return copy;
    }

    void FireResolver::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        scaleStep = ClickShrink::Step(transform, finalScale, targetClickCount);
    }

    void FireResolver::SetStall(StallsBehaviour* s)
    {
        stall = ObjectHandle(s ? s->GetOwner() : nullptr);
    }

    StallsBehaviour* FireResolver::GetStall() const
    {
        return stall.Get<StallsBehaviour>();
    }

    void FireResolver::OnMouseUp()
    {
        if (out)
            return;
        const Vector2D pointer = GRAPHICS ? GRAPHICS->CurrentMouseToWorld() : Vector2D();
        if (ClickShrink::Click(clicks, targetClickCount, transform, scaleStep))
            PutOut();
        Instantiate("WaterFeedback", pointer, 0.0f);
    }

    void FireResolver::PutOut()
    {
        if (out)
            return;
        out = true;
        if (StallsBehaviour* s = GetStall())
        {
            if (ToggleActiveButton* menu = s->GetOwner()->GetComponent<ToggleActiveButton>())
                menu->SetForceClose(false);
            s->operational = true;
            s->SetStallSprite(StallsBehaviour::Idle);
            s->ForgetFire();
        }
        if (FireController* fire = FireController::Instance())
            fire->FireEnded();
        TintedSprites::Forget(GetOwner());
        if (GetOwner())
            Destroy(GetOwner());
    }
}
