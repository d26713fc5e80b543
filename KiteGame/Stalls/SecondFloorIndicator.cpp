// SecondFloorIndicator: a marker without fields.
#include "Stalls/SecondFloorIndicator.h"

#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    SecondFloorIndicator::SecondFloorIndicator() : Script(static_cast<ComponentTypeId>(CT_SecondFloorIndicator)) {}

    SecondFloorIndicator::~SecondFloorIndicator() = default;

    GameComponent* SecondFloorIndicator::Clone() const
    {
        SecondFloorIndicator* copy = new SecondFloorIndicator();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }
}
