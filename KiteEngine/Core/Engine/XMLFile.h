// Reading an XML data file (scene, object, archetype) with one report line
// when it cannot be used.
#pragma once

#include <string>

namespace tinyxml2
{
    class XMLDocument;
}

namespace KiteFramework
{
    // Reads and parses the file into document (made by the caller, with its
    // entity and white-space settings). When the file is missing, cannot be
    // read or is not well-formed, reports "<where>: cannot read "<path>":
    // <why>" or "<where>: "<path>" is not well-formed XML: <why>" through
    // ReportDataError and returns false. When text is given, it receives the
    // file's bytes (empty when the file could not be read).
    bool LoadXMLFile(tinyxml2::XMLDocument& document, const std::string& path, const std::string& where,
                     std::string* text = nullptr);
}
