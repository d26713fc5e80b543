// SeatOccupantIds: the stored occupant ids' XML form.
#include "Seats/SeatOccupantIds.h"

#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    void WriteElement(XMLDocument* document, XMLElement* parent, const SeatOccupantIds& value, const std::string& name)
    {
        WriteElement(document, parent, value.ids, name, "POArrayElement");
    }

    void QueryElement(XMLElement* element, SeatOccupantIds& value, const std::string& name)
    {
        QueryElement(element, value.ids, name);
    }
}
