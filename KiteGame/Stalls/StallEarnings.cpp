// StallEarnings: the record's XML form.
#include "Stalls/StallEarnings.h"

#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    void WriteElement(XMLDocument* document, XMLElement* parent, const StallEarnings& value, const std::string& name)
    {
        XMLElement* element = AppendElement(document, parent, name);
        if (!element)
            return;
        WriteElement(document, element, value.money, "money");
        WriteElement(document, element, value.likes, "likes");
        WriteElement(document, element, value.reputation, "reputation");
    }

    void QueryElement(XMLElement* element, StallEarnings& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        XMLElement* member = e->FirstChildElement();
        QueryNextElement(member, value.money);
        QueryNextElement(member, value.likes);
        QueryNextElement(member, value.reputation);
    }
}
