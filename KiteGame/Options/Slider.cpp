// Slider: holds a volume value and nothing else.
#include "Options/Slider.h"

#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    Slider::Slider() : Script(CT_Slider) {}

    GameComponent* Slider::Clone() const
    {
        Slider* copy = new Slider();
        copy->SetComponentTypeId(GetComponentTypeId());
        copy->volume = volume;
        return copy;
    }
}
