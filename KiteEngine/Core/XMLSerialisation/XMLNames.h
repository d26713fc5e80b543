// The XML document types by name, for headers that only pass them along
// (the full declarations are in XMLSerialisation.h).
#pragma once

namespace tinyxml2
{
    class XMLElement;
    class XMLDocument;
}

namespace KiteFramework
{
    using tinyxml2::XMLDocument;
    using tinyxml2::XMLElement;
}
