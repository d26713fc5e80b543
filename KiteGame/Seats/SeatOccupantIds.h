// SeatOccupantIds: the object ids of a seat's four occupants as stored
// ("size" 4, children "POArrayElement"), 0 for a free place.
#pragma once

#include <array>
#include <string>

namespace tinyxml2
{
    class XMLElement;
    class XMLDocument;
}

namespace KiteFramework
{
    struct SeatOccupantIds
    {
        std::array<unsigned, 4> ids{0, 0, 0, 0};

        bool operator==(const SeatOccupantIds& o) const { return ids == o.ids; }
    };

    void WriteElement(tinyxml2::XMLDocument* document, tinyxml2::XMLElement* parent, const SeatOccupantIds& value,
                      const std::string& name);
    void QueryElement(tinyxml2::XMLElement* element, SeatOccupantIds& value, const std::string& name);
}
