// SeatPlacementNode: a place of the level where a seat can stand; names the
// waypoint each of the seat's four link nodes joins.
#pragma once

#include <array>
#include <string>

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class SeatPlacementNode : public Script
    {
    public:
        SeatPlacementNode();
        ~SeatPlacementNode() override;

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        std::array<std::string, 4> nodesToBeConnected;
    };
}
