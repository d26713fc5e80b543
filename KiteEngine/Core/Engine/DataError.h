// DataError: the one report of bad or missing data (files, tables, scene
// content). One line, "<where>: <what>", on standard error and in log.txt
// through Engine::logError; the caller then skips the item and goes on.
#pragma once

#include <string>

namespace KiteFramework
{
    // where: the file (and item) concerned, e.g. "Scenes/Level1.xml object 12";
    // what: what was wrong, e.g. "unknown component \"Spirte\"". Control
    // characters in either become spaces, so the report stays one line.
    void ReportDataError(const std::string& where, const std::string& what);
}
