// FightResolver: clicks or the time-out end a customer fight.
#include "Trouble/FightResolver.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/ClickShrink.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    FightResolver::FightResolver() : Script(CT_FightResolver) {}

    FightResolver::~FightResolver()
    {
        TintedSprites::Forget(sprite);
    }

    void FightResolver::ListFields(FieldVisitor& v)
    {
        v.Add("targetClickCount", targetClickCount, FieldInfo{"Max Clicks", FieldWidget::Input, 1.0f}.Id("##MaxCount"));
        v.Add("finalScale", finalScale, HiddenField());
    }

    GameComponent* FightResolver::Clone() const
    {
        FightResolver* copy = CloneListed(*this);
        copy->scaleStep = scaleStep;
        return copy;
    }

    void FightResolver::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        scaleStep = ClickShrink::Step(transform, finalScale, targetClickCount);
    }

    void FightResolver::SetFight(float timeoutSeconds, CustomerAIBehaviour* first, CustomerAIBehaviour* second)
    {
        timeout = timeoutSeconds;
        firstFighter = ObjectHandle(first ? first->GetOwner() : nullptr);
        secondFighter = ObjectHandle(second ? second->GetOwner() : nullptr);
    }

    void FightResolver::Update()
    {
        if (over)
            return;
        // Real time, not game time.
        timeout -= fc.getFixedDeltaTime();
        if (timeout < 0.0f)
            EndFight();
    }

    void FightResolver::OnMouseUp()
    {
        if (over)
            return;
        const Vector2D pointer = GRAPHICS ? GRAPHICS->CurrentMouseToWorld() : Vector2D();
        if (ClickShrink::Click(clicks, targetClickCount, transform, scaleStep))
            EndFight();
        Instantiate("FightClickFeedback", pointer, 0.0f);
    }

    void FightResolver::EndFight()
    {
        if (over)
            return;
        over = true;
        // A fighter that is gone already is simply skipped.
        if (CustomerAIBehaviour* first = firstFighter.Get<CustomerAIBehaviour>())
            first->EndFight();
        if (CustomerAIBehaviour* second = secondFighter.Get<CustomerAIBehaviour>())
            second->EndFight();
        firstFighter.Reset();
        secondFighter.Reset();
        if (StallsSystem* stalls = StallsSystem::Instance())
            stalls->fightOngoing = false;
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->ClearFight();
        TintedSprites::Forget(GetOwner());
        if (GetOwner())
            Destroy(GetOwner());
    }
}
