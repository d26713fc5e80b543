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
    FireController* FireController::instance = nullptr;

    FireController::FireController() : Script(CT_FireController)
    {
        instance = this;
    }

    // A copy takes the settings; the timer waits a spread interval and the
    // panic is armed.
    FireController::FireController(const FireController& other) : Script(other)
    {
        instance = this;
    }

    FireController::~FireController()
    {
        if (instance == this)
            instance = nullptr;
    }

    void FireController::ListFields(FieldVisitor& v)
    {
        v.Add("baseChance", baseChance, {"Base chance of fire", FieldWidget::Drag, 0.1f});
        v.Add("chanceIncrement", chanceIncrement, {"Chance increment value", FieldWidget::Drag, 0.1f});
        v.Add("likesToDecrement", likesToDecrement,
              {"How much likes to decrement per customer", FieldWidget::Drag, 0.1f});
        v.Add("speedMultiplier", speedMultiplier,
              {"How fast the customer will go out of the scene", FieldWidget::Drag, 0.1f});
        v.Add("fireAffectOtherStallsTimer", fireAffectOtherStallsTimer,
              {"Random other stall fire", FieldWidget::Drag, 0.1f});
        v.Add("fireCauseWidespreadPanicTimeoutInitial", fireCauseWidespreadPanicTimeoutInitial,
              {"Time to cause fire widespread panic initial reset", FieldWidget::Drag, 0.1f});
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
