// FightResolver: clicks or the time-out end a customer fight.
#include "Trouble/FightResolver.h"

#include "Core/Engine/FrameRateController.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsSystem.h"

namespace KiteFramework
{
    FightResolver::FightResolver() : ClickResolver(CT_FightResolver, "FightClickFeedback") {}

    GameComponent* FightResolver::Clone() const
    {
        FightResolver* copy = CloneListed(*this);
        KeepStepIn(*copy);
        return copy;
    }

    void FightResolver::SetFight(float timeoutSeconds, CustomerAIBehaviour* first, CustomerAIBehaviour* second)
    {
        timeout = timeoutSeconds;
        firstFighter = ObjectHandle(first ? first->GetOwner() : nullptr);
        secondFighter = ObjectHandle(second ? second->GetOwner() : nullptr);
    }

    void FightResolver::Update()
    {
        if (IsOver())
            return;
        // Real time, not game time.
        timeout -= fc.getFixedDeltaTime();
        if (timeout < 0.0f)
            EndFight();
    }

    void FightResolver::Resolve()
    {
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
    }
}
