// StallPlacementNode: a place of the level where a stall can stand; names
// the two waypoints a stall's link node joins and the side its queue runs.
#pragma once

#include <array>
#include <string>

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StallPlacementNode : public Script
    {
    public:
        StallPlacementNode();
        ~StallPlacementNode() override;

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        std::array<std::string, 2> nodesToBeConnected;
        bool queueToLeft = false;
    };
}
