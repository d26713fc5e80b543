// SecondFloorController: opens the waypoint links between the floors while
// at least one stall stands on the upper floor.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class SecondFloorController : public Script, public CurrentInstance<SecondFloorController>
    {
    public:
        SecondFloorController();
        SecondFloorController(const SecondFloorController& other);

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Second Floor Controller"; }

        // A stall now stands on an upper-floor node: the first one opens the
        // links.
        void LinkNodes();
        // A stall left an upper-floor node: the last one closes the links.
        // The count never falls below 0.
        void UnlinkNodes();
        int GetLinkUsers() const { return linkUsers; }

        // (waypoint label, label to link it to).
        std::vector<std::pair<std::string, std::string>> nodesToLink;

    private:
        int linkUsers = 0;
    };
}
