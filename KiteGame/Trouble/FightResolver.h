// FightResolver: on the cloud of a customer fight; the player clicks it
// until the fight breaks up, or it ends by itself after a time-out that runs
// on real time (also while the game is paused).
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Trouble/ClickResolver.h"

namespace KiteFramework
{
    class CustomerAIBehaviour;

    class FightResolver : public ClickResolver
    {
    public:
        FightResolver();

        void Update() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fight Resolver"; }

        // Set by the customer system when it makes the cloud.
        void SetFight(float timeout, CustomerAIBehaviour* first, CustomerAIBehaviour* second);
        // Both fighters go, the fight flags clear and the cloud is destroyed.
        void EndFight() { End(); }

        float GetTimeout() const { return timeout; }
        bool IsOver() const { return HasEnded(); }

    private:
        void Resolve() override;

        float timeout = 0.0f;
        ObjectHandle firstFighter;
        ObjectHandle secondFighter;
    };
}
