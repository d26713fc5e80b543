// Reading an XML data file: the file's own problem first (missing,
// unreadable), then the parser's.
#include "Core/Engine/XMLFile.h"

#include <tinyxml2.h>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"

namespace KiteFramework
{
    bool LoadXMLFile(tinyxml2::XMLDocument& document, const std::string& path, const std::string& where,
                     std::string* kept)
    {
        std::string own;
        std::string& text = kept ? *kept : own;
        text.clear();
        std::string problem;
        if (!Assets::ReadText(path, text, problem))
        {
            document.Clear();
            ReportDataError(where, "cannot read \"" + path + "\": " + problem);
            return false;
        }
        if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        {
            const char* why = document.ErrorStr();
            ReportDataError(where, "\"" + path + "\" is not well-formed XML: " + (why ? why : "parse error"));
            return false;
        }
        return true;
    }
}
