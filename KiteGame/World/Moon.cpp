// Moon: the night's ellipse.
#include "World/Moon.h"

#include <cmath>

#include "Core/Math/MyMath.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"
#include "World/GameClock.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteFramework
{
    Moon::Moon() : Script(CT_Moon) {}

    void Moon::ListFields(FieldVisitor& v)
    {
        v.Add("majorRadius", majorRadius, {"Major Radius", FieldWidget::Input, 1.0f});
        v.Add("minorRadius", minorRadius, {"Minor Radius", FieldWidget::Input, 1.0f});
    }

    GameComponent* Moon::Clone() const
    {
        return CloneListed(*this);
    }

    void Moon::Initialise()
    {
        Script::Initialise();
        TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance();
        // One turn per night; without a day length the moon stands still.
        angularSpeed = (system && system->timeInDay > 0.0f) ? MyMath::pi * 2.0f / system->timeInDay : 0.0f;
    }

    void Moon::Update()
    {
        TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance();
        if (!system || system->phase != TimeAndWeatherSystem::Night || !transform)
            return;
        if (system->phaseChanged)
            angle = MyMath::pi * 1.5f;
        angle += GameClock::ScaledStep() * angularSpeed;
        // The ellipse is centred on the parent (the middle of the sky); a
        // moon without one circles the origin.
        Vector2D centre;
        GameObject* owner = GetOwner();
        if (Transform* parent = owner && owner->GetParent() ? owner->GetParent()->GetComponent<Transform>() : nullptr)
            centre = parent->GetTransVec();
        transform->SetTrans(centre.x + std::cos(angle) * static_cast<float>(majorRadius),
                            centre.y + std::sin(angle) * static_cast<float>(minorRadius));
    }
}
