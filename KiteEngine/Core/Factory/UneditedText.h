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
    // the file held it. Children are matched by name and their place among
    // namesakes, so a component added or a list grown since loading leaves
    // the rest as the file spelled it; an element new since loading, or one
    // whose file form differs in shape (element names, attributes, number of
    // children) from what loading printed, is left as printed now. An empty
    // element keeps its own spelling, <x></x> or <x/>.
    void KeepUneditedText(tinyxml2::XMLElement* current, const tinyxml2::XMLElement* loaded,
                          const tinyxml2::XMLElement* original);
}
