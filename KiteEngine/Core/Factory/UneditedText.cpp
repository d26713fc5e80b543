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

        // The child of `parent` at `position` (counting from 0), or null.
        template <class Element>
        Element* ChildAt(Element* parent, int position)
        {
            Element* child = parent->FirstChildElement();
            for (; child && position > 0; --position)
                child = child->NextSiblingElement();
            return child;
        }

        // Where the element of `parent` named `name` that is the `nth` of
        // that name (counting from 0) stands among all its children; -1
        // when there is none.
        int PositionOfNamed(const XMLElement* parent, const char* name, int nth)
        {
            int position = 0;
            for (const XMLElement* child = parent->FirstChildElement(); child;
                 child = child->NextSiblingElement(), ++position)
                if (SameText(child->Name(), name) && nth-- == 0)
                    return position;
            return -1;
        }

        // A field as it is printed now: the file's own text (an empty
        // element keeps its own spelling, <x></x> or <x/>).
        void TakeOriginalText(XMLElement* current, const XMLElement* original)
        {
            if (original->GetText())
                current->SetText(original->GetText());
            else if (original->ClosingType() == XMLElement::CLOSED)
                current->DeleteChildren();
            else
                current->SetText("");
        }
    }

    void KeepUneditedText(XMLElement* current, const XMLElement* loaded, const XMLElement* original)
    {
        // Loading must have read the file as it stands at this level, or
        // its texts cannot be matched to the values read.
        if (!current || !loaded || !original || !SameText(current->Name(), loaded->Name()) ||
            !SameShape(loaded, original))
            return;
        if (!current->FirstChildElement() && !loaded->FirstChildElement())
        {
            // A field: edited since loading, or still as the file had it.
            if (SameText(current->GetText(), loaded->GetText()))
                TakeOriginalText(current, original);
            return;
        }
        // Children are matched by name and by their place among children of
        // that name, so that an added component or a grown list leaves the
        // rest with the file's own texts; what is new stays as printed now.
        for (XMLElement* c = current->FirstChildElement(); c; c = c->NextSiblingElement())
        {
            int nth = 0;
            for (const XMLElement* before = c->PreviousSiblingElement(c->Name()); before;
                 before = before->PreviousSiblingElement(c->Name()))
                ++nth;
            const int position = PositionOfNamed(loaded, c->Name(), nth);
            if (position >= 0)
                KeepUneditedText(c, ChildAt(loaded, position), ChildAt(original, position));
        }
    }
}
