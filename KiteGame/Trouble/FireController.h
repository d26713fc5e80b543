// FireController: the level's fire. Holds the chance that a sale sets its
// stall on fire, counts the burning stalls, sets off a panic in which every
// customer flees once a fire has burned for a while, and then sets further
// stalls on fire until every fire is out.
#pragma once

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class FireController : public Script, public CurrentInstance<FireController>
    {
    public:
        FireController();
        FireController(const FireController& other);

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fire Controller"; }
        void FieldEdited(const FieldRef& field) override;

        // A sale at a stall of this level: raises the chance, then draws;
        // true (and the chance back at its base) when the stall catches fire.
        bool RollFire(unsigned stallLevel);
        // A stall caught fire; the first fire arms the panic.
        void StallCaughtFire();
        // A fire went out or its stall was sold; never below 0. The last
        // one re-arms the panic with the full initial delay.
        void FireEnded();
        // Every customer flees: queues, seats and the whole customer list.
        void Panic();
        // Sets a random placed stall on fire (one already burning or closed
        // is left as it is).
        void Spread();

        unsigned GetBurningCount() const { return burningCount; }
        float GetFireChance() const { return fireChance; }
        void SetFireChance(float chance) { fireChance = chance; }
        float GetFireTimer() const { return fireTimer; }
        bool IsPanicArmed() const { return panicArmed; }

        // Stored settings.
        float baseChance = 0.0f;
        float chanceIncrement = 0.0f;
        float likesToDecrement = 0.0f;
        float speedMultiplier = 0.0f;
        float fireAffectOtherStallsTimer = 0.0f;
        float fireCauseWidespreadPanicTimeoutInitial = 0.0f;

    private:
        float fireChance = 0.0f;
        float fireTimer = 0.0f;
        unsigned burningCount = 0;
        bool panicArmed = true;
    };
}
