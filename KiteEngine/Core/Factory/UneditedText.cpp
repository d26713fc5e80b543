// UneditedText: a walk over three copies of one element tree.
#include "Core/Factory/UneditedText.h"

#include <cstring>

#include <tinyxml2.h>

namespace KiteFramework
{
    namespace
    {
        using tinyxml2::XMLAttribute;
        using tinyxml2::XMLElement;

        bool SameText(const char* a, const char* b)
        {
            return std::strcmp(a ? a : "", b ? b : "") == 0;
        }

        bool SameAttributes(const XMLElement* a, const XMLElement* b)
        {
            const XMLAttribute* x = a->FirstAttribute();
            const XMLAttribute* y = b->FirstAttribute();
            for (; x && y; x = x->Next(), y = y->Next())
                if (!SameText(x->Name(), y->Name()) || !SameText(x->Value(), y->Value()))
                    return false;
            return !x && !y;
        }

        // Same name and attributes, and children of the same names in order.
        bool SameShape(const XMLElement* a, const XMLElement* b)
        {
            if (!SameText(a->Name(), b->Name()) || !SameAttributes(a, b))
                return false;
            const XMLElement* x = a->FirstChildElement();
            const XMLElement* y = b->FirstChildElement();
            for (; x && y; x = x->NextSiblingElement(), y = y->NextSiblingElement())
                if (!SameText(x->Name(), y->Name()))
                    return false;
            return !x && !y;
        }
    }

    void KeepUneditedText(XMLElement* current, const XMLElement* loaded, const XMLElement* original)
    {
        if (!current || !loaded || !original || !SameShape(current, loaded) || !SameShape(current, original))
            return;
        if (!current->FirstChildElement())
        {
            // A field: edited since loading, or still as the file had it.
            if (!SameText(current->GetText(), loaded->GetText()))
                return;
            if (original->GetText())
                current->SetText(original->GetText());
            else
                current->DeleteChildren();
            return;
        }
        XMLElement* c = current->FirstChildElement();
        const XMLElement* l = loaded->FirstChildElement();
        const XMLElement* o = original->FirstChildElement();
        for (; c && l && o; c = c->NextSiblingElement(), l = l->NextSiblingElement(), o = o->NextSiblingElement())
            KeepUneditedText(c, l, o);
    }
}
