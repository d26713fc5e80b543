// FightResolver: on the cloud of a customer fight; the player clicks it
// until the fight breaks up, or it ends by itself after a time-out that runs
// on real time (also while the game is paused).
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class CustomerAIBehaviour;
    class Sprite;

    class FightResolver : public Script
    {
    public:
        FightResolver();
        ~FightResolver() override;

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fight Resolver"; }
        void OnMouseUp() override;

        // Set by the customer system when it makes the cloud.
        void SetFight(float timeout, CustomerAIBehaviour* first, CustomerAIBehaviour* second);
        // Both fighters go, the fight flags clear and the cloud is destroyed.
        void EndFight();

        int GetClicks() const { return clicks; }
        float GetTimeout() const { return timeout; }
        float GetScaleStep() const { return scaleStep; }
        bool IsOver() const { return over; }

        int targetClickCount = 0;
        float finalScale = 0.0f;

    private:
        int clicks = 0;
        float timeout = 0.0f;
        ObjectHandle firstFighter;
        ObjectHandle secondFighter;
        float scaleStep = 0.0f;
        bool over = false;
        const Sprite* sprite = nullptr;
    };
}
