// Reading an XML data file: the file's own problem first (missing,
// unreadable), then the parser's.
#include "Core/Engine/XMLFile.h"

#include <set>

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
        // The document carries its file's name, so that a value read from it
        // later can be reported with the place it came from. Names are kept
        // for the life of the program (there are as many as data files).
        static std::set<std::string> names;
        document.SetUserData(const_cast<std::string*>(&*names.insert(path).first));
        if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        {
            const char* why = document.ErrorStr();
            ReportDataError(where, "\"" + path + "\" is not well-formed XML: " + (why ? why : "parse error"));
            return false;
        }
        return true;
    }
}
