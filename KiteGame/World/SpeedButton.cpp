// SpeedButton: one speed, one marker place.
#include "World/SpeedButton.h"

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"
#include "World/FastForwardButton.h"

namespace KiteFramework
{
    namespace
    {
        const char* const SpeedNames[] = {"Speed One", "Speed Two", "Speed Three", "None"};

        struct Speed
        {
            float markerX;
            float factor;
        };
        constexpr float MarkerY = 427.5f;
        constexpr Speed Speeds[] = {{665.0f, 1.0f}, {700.0f, 2.0f}, {735.0f, 4.0f}};
    }

    SpeedButton::SpeedButton() : BaseButton(CT_SpeedButton) {}

    SpeedButton::SpeedButton(const SpeedButton& other) : BaseButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* SpeedButton::Clone() const
    {
        return new SpeedButton(*this);
    }

    void SpeedButton::Initialise()
    {
        BaseButton::Initialise();
        indicator = ObjectHandle(FACTORY ? FACTORY->FindObjByName("SpeedIndicator") : nullptr);
    }

    void SpeedButton::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        v.Add("speedButtonType", speedButtonType,
              FieldInfo{"Choose which speed"}.Id("##Speed List").Choices(SpeedNames, 4));
    }

    void SpeedButton::OnMouseUp()
    {
        BaseButton::OnMouseUp();
        if (speedButtonType < SpeedOne || speedButtonType > SpeedThree)
            return;
        const Speed& speed = Speeds[speedButtonType];
        if (GameObject* marker = indicator.Get())
            if (Transform* t = marker->GetComponent<Transform>())
                t->SetTrans(speed.markerX, MarkerY);
        // Whatever the factor was: a speed button also ends a pause.
        if (ENGINE)
            ENGINE->SetTimeFactor(speed.factor);
    }
}
