// UneditedText: how a saved file keeps what its author wrote. A component
// file is printed afresh from the object; every field whose value is still
// the one it had right after loading takes back the exact text the file held
// for it (a number keeps its spelling, a field that loading or the editor's
// display changed keeps its stored value), and only fields edited since are
// written anew.
#pragma once

namespace tinyxml2
{
    class XMLElement;
}

namespace KiteFramework
{
    // current: the element as printed now (changed in place); loaded: the
    // same element as printed right after loading; original: the element as
    // the file held it. A subtree whose shape (element names, attributes,
    // number of children) differs between the three is left as printed now.
    void KeepUneditedText(tinyxml2::XMLElement* current, const tinyxml2::XMLElement* loaded,
                          const tinyxml2::XMLElement* original);
}
