// FireController: fire chance, burning count, panic and spreading.
#include "Trouble/FireController.h"

#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Seats/SeatsSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"

namespace KiteFramework
{
    FireController::FireController() : Script(CT_FireController) {}

    // A copy takes the settings; the timer waits a spread interval and the
    // panic is armed.
    FireController::FireController(const FireController& other) : Script(other) {}

    void FireController::ListFields(FieldVisitor& v)
    {
        v.Add("baseChance", baseChance, FieldInfo{"Base chance of fire", FieldWidget::Input, 0.0f}.Id("##baseChance_"));
        v.Add("chanceIncrement", chanceIncrement,
              FieldInfo{"Chance increment value", FieldWidget::Input, 0.0f}.Id("##chanceIncrement_"));
        v.Add("likesToDecrement", likesToDecrement,
              FieldInfo{"How much likes to decrement per customer", FieldWidget::Input, 0.0f}.Id("##likesToDecrement_"));
        v.Add("speedMultiplier", speedMultiplier,
              FieldInfo{"How fast the customer will go out of the scene", FieldWidget::Input, 0.0f}.Id(
                  "##speedMultiplier_"));
        v.Add("fireAffectOtherStallsTimer", fireAffectOtherStallsTimer,
              FieldInfo{"Random other stall fire", FieldWidget::Input, 0.0f}.Id("##fireAffectOtherStallsTimer_"));
        v.Add("fireCauseWidespreadPanicTimeoutInitial", fireCauseWidespreadPanicTimeoutInitial,
              FieldInfo{"Time to cause fire widespread panic initial reset", FieldWidget::Input, 0.0f}.Id(
                  "##fireCauseWidespreadPanicTimeoutInitial_"));
    }

    void FireController::FieldEdited(const FieldRef& field)
    {
        // The running chance starts again from a new base; the panic
        // countdown takes a new start only while nothing burns.
        if (field.member == &baseChance)
            fireChance = baseChance;
        if (field.member == &fireCauseWidespreadPanicTimeoutInitial && burningCount == 0)
            fireTimer = fireCauseWidespreadPanicTimeoutInitial;
    }

    GameComponent* FireController::Clone() const
    {
        FireController* copy = new FireController(*this);
        CopyListedFields(*this, *copy);
        copy->fireTimer = fireAffectOtherStallsTimer;
        return copy;
    }

    void FireController::Initialise()
    {
        Script::Initialise();
        fireChance = baseChance;
        fireTimer = fireCauseWidespreadPanicTimeoutInitial;
    }

    void FireController::Update()
    {
        if (burningCount == 0)
            return;
        // Game time: the fire waits while the game is paused.
        fireTimer -= fc.getFixedDeltaTime() * (ENGINE ? ENGINE->GetTimeFactor() : 1.0f);
        if (fireTimer >= 0.0f)
            return;
        if (panicArmed)
        {
            panicArmed = false;
            Panic();
        }
        Spread();
        fireTimer = fireAffectOtherStallsTimer;
    }

    bool FireController::RollFire(unsigned stallLevel)
    {
        fireChance += static_cast<float>(stallLevel) * chanceIncrement;
        if (GENRANDNUM::Rand() % 100 < static_cast<int>(fireChance))
        {
            fireChance = baseChance;
            return true;
        }
        return false;
    }

    void FireController::StallCaughtFire()
    {
        if (burningCount == 0)
            panicArmed = true;
        ++burningCount;
    }

    void FireController::FireEnded()
    {
        if (burningCount == 0)
            return;
        if (--burningCount == 0)
        {
            fireTimer = fireCauseWidespreadPanicTimeoutInitial;
            panicArmed = true;
        }
    }

    void FireController::Panic()
    {
        if (StallsSystem* stalls = StallsSystem::Instance())
            for (StallsBehaviour* s : stalls->GetStalls())
                if (s->IsOpenForCustomers())
                    s->EjectQueue();
        if (SeatsSystem* seats = SeatsSystem::Instance())
            seats->ClearSeatsOnFire();
        if (CustomerSystem* customers = CustomerSystem::Instance())
            for (CustomerAIBehaviour* c : customers->GetCustomers())
                c->ReactToFire(-likesToDecrement, speedMultiplier);
    }

    void FireController::Spread()
    {
        StallsSystem* stalls = StallsSystem::Instance();
        const std::size_t n = stalls ? stalls->GetStallCount() : 0;
        if (n == 0)
            return;
        if (StallsBehaviour* s = stalls->GetStallAt(static_cast<std::size_t>(GENRANDNUM::Rand()) % n))
            s->SetOnFire();
    }
}
