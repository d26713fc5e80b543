// CloudMotor: drives one background cloud (fade in, drift, fade out) or one
// cash cloud, which pays money once when clicked.
#pragma once

#include "Core/Math/Vector2D.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class CloudMotor : public Script
    {
    public:
        enum State : int
        {
            FadingIn = 0,
            Drifting = 1,
            FadingOut = 2
        };
        enum Kind : int
        {
            Ordinary = 0,
            Cash = 1
        };

        CloudMotor();
        ~CloudMotor() override;

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "CloudMotor"; }
        void OnMouseUp() override;
        void OnMouseEnter() override;
        void OnMouseExit() override;

        // Turns a freshly made cloud into a cash cloud.
        void MakeCashCloud();

        int state = FadingIn;
        int kind = Ordinary;
        Vector2D velocity;
        float fadeTimer = 0.0f;
        float lifetime = 0.0f;

        // Stored settings (ranges hold the minimum in x, the maximum in y).
        Vector2D minMaxStartPosX;
        Vector2D minMaxStartPosY;
        Vector2D minMaxDepth;
        Vector2D minMaxScale;
        Vector2D minMaxSpeed;
        Vector2D minMaxLifeTime;
        float timeToFade = 0.0f;
        float lifeTimeOfCashCloud = 0.0f;
        Vector2D cashCloudBaseStartingPos;
        Vector2D cashCloudRange;
        Vector2D cashCloudScale;
        Vector2D cashCloudSpeed;
        float cashCloudMoneyToAdd = 0.0f;

    private:
        void FadeIn(float dt);
        void FadeOut(float dt);
        void SetAlpha(float a);
        void Leave();

        Sprite* sprite = nullptr;
        // Whether this cloud is counted by the system (as a cloud or a cash cloud).
        bool counted = false;
    };
}
