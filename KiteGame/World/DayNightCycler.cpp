// DayNightCycler: one sprite on the day-night fade list.
#include "World/DayNightCycler.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteFramework
{
    DayNightCycler::DayNightCycler() : Script(CT_DayNightCycler) {}

    DayNightCycler::~DayNightCycler()
    {
        // The list never keeps a sprite of a dead object.
        RemoveFromCycle();
    }

    GameComponent* DayNightCycler::Clone() const
    {
        DayNightCycler* copy = new DayNightCycler();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void DayNightCycler::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
    }

    void DayNightCycler::OnStart()
    {
        TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance();
        if (!system || !sprite)
            return;
        // Registered once, however often the object starts.
        system->RemoveTintedSprite(sprite);
        system->AddTintedSprite(sprite);
        sprite->SetBlend(system->GetCurrentBlend());
    }

    void DayNightCycler::RemoveFromCycle()
    {
        if (sprite)
            TintedSprites::Forget(sprite);
    }
}
