// The compact text of an XML document, and of a component written under an
// element of its own: what the file tests compare.
#pragma once

#include <string>

#include "Core/Objects/GameComponent.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteTest
{
    inline std::string CompactText(const tinyxml2::XMLDocument& doc)
    {
        tinyxml2::XMLPrinter printer(nullptr, true);
        doc.Print(&printer);
        return printer.CStr();
    }

    inline std::string WrittenText(const KiteFramework::GameComponent& c, const char* element)
    {
        tinyxml2::XMLDocument doc;
        tinyxml2::XMLElement* e = doc.NewElement(element);
        doc.InsertEndChild(e);
        c.XMLSerialise(e, &doc);
        return CompactText(doc);
    }
}
