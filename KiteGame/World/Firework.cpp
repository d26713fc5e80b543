// Firework: random place, two real seconds.
#include "World/Firework.h"

#include "Core/Engine/FrameRateController.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    Firework::Firework() : Script(CT_Firework) {}

    GameComponent* Firework::Clone() const
    {
        Firework* copy = new Firework();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void Firework::Initialise()
    {
        Script::Initialise();
        if (transform)
            transform->SetTrans(GENRANDNUM::GenRandFloat(-800.0f, 800.0f), GENRANDNUM::GenRandFloat(-400.0f, 400.0f));
        remaining = 2.0f;
    }

    void Firework::Update()
    {
        remaining -= fc.getActualDeltaTime();
        if (remaining < 0.0f && GetOwner())
            GetOwner()->Destroy();
    }
}
