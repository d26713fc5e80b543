// How values, compound values and containers are written into XML elements
// and read back. Every component's XMLSerialise / XMLUnSerialise is built from
// these functions:
//  - scalars are the element's text; Vector2D, Vector3 and Colour are child
//    elements per member ("x", "y", "z" / "r", "g", "b", "a"), found by name;
//  - pairs have the children "first" and "second", found by name;
//  - arrays and vectors carry the attribute "size" and one child per entry,
//    taken by position;
//  - a component's fields are read by position with QueryNextElement.
// Readers never throw and never fail on malformed input: a value whose text
// does not convert keeps what it held, and a container that holds fewer
// children than it announces stops at its last child.
#pragma once

#include <tinyxml2.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Core/Math/Colour.h"
#include "Core/Math/Vector2D.h"
#include "Core/Math/Vector3.h"

namespace KiteFramework
{
    using tinyxml2::XMLAttribute;
    using tinyxml2::XMLComment;
    using tinyxml2::XMLDeclaration;
    using tinyxml2::XMLDocument;
    using tinyxml2::XMLElement;
    using tinyxml2::XMLError;
    using tinyxml2::XMLHandle;
    using tinyxml2::XMLNode;
    using tinyxml2::XMLPrinter;
    using tinyxml2::XMLText;
    using tinyxml2::XML_SUCCESS;

    // ---- Scalar and compound readers -------------------------------------
    // With a non-empty name the first child element of that name is read;
    // with an empty name the element itself. A null element reads nothing.
    void QueryElement(XMLElement* element, int& value, const std::string& name);
    void QueryElement(XMLElement* element, unsigned& value, const std::string& name);
    void QueryElement(XMLElement* element, float& value, const std::string& name);
    void QueryElement(XMLElement* element, double& value, const std::string& name);
    void QueryElement(XMLElement* element, bool& value, const std::string& name);
    // An element without text reads as the empty string.
    void QueryElement(XMLElement* element, std::string& value, const std::string& name);
    void QueryElement(XMLElement* element, Vector2D& value, const std::string& name);
    void QueryElement(XMLElement* element, Vector3& value, const std::string& name);
    void QueryElement(XMLElement* element, Colour& value, const std::string& name);

    // ---- Scalar and compound writers -------------------------------------
    // Each appends one child element called `name` to `parent`.
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::string& value, const std::string& name);
    void WriteElement(XMLDocument* document, XMLElement* parent, const char* value, const std::string& name);
    void WriteElement(XMLDocument* document, XMLElement* parent, const Vector2D& value, const std::string& name);
    void WriteElement(XMLDocument* document, XMLElement* parent, const Vector3& value, const std::string& name);
    void WriteElement(XMLDocument* document, XMLElement* parent, const Colour& value, const std::string& name);

    // ---- Text forms: numbers in one text separated by single blanks -------
    // None of them throws; text that does not convert leaves the value as it
    // was (all members of a vector or array, not just the bad one).
    // A number field whose text is no (finite) number keeps its value and is
    // reported once, naming the file, line and key, through this function;
    // standard error until the engine installs its data report.
    using ValueReport = void (*)(const std::string& where, const std::string& what);
    void SetValueReport(ValueReport report);
    // The file an element was read from: a document's user data, when set,
    // is a std::string naming it. "XML data" otherwise.
    std::string DocumentFileOf(const XMLElement* element);

    void ReadInt(XMLElement* element, int& value);
    void ReadUnsigned(XMLElement* element, unsigned& value);
    void ReadFloat(XMLElement* element, float& value);
    void ReadBool(XMLElement* element, bool& value);
    // Unchanged when the element has no text.
    void ReadString(XMLElement* element, std::string& value);
    void ReadVector(XMLElement* element, Vector2D& value);
    void ReadVector(XMLElement* element, Vector3& value);
    void ReadFloatArray(XMLElement* element, float* values);

    // The part of `path` after the first occurrence of `base`; `path` itself
    // when `base` does not occur.
    std::string SerialisePath(const std::string& path, const std::string& base);
    // a + b + c.
    std::string UnserialisePath(const std::string& a, std::string b, std::string c);

    // The element a reader works on: the named child, or the element itself.
    XMLElement* ResolveElement(XMLElement* element, const std::string& name);
    // Appends a new element `name` to `parent` and returns it (null when the
    // document or the parent is missing).
    XMLElement* AppendElement(XMLDocument* document, XMLElement* parent, const std::string& name);
    // The "size" attribute of a container element; 0 when it is missing.
    unsigned ContainerSize(XMLElement* element);
    // A float's text: eight significant digits (the file format's form),
    // nine for the few floats that need them to read back exactly; while
    // shortest texts are on, the shortest "%g" text that reads back as
    // exactly the same float: 0.9 gives "0.9", 1.0 gives "1", 100000000.0
    // gives "1e+08".
    std::string FloatText(float value);
    // Turns shortest float texts on or off; returns the setting it replaces.
    bool SetShortestFloatTexts(bool on);
    // Whether the element's text starts, after blanks, with a minus sign
    // (an unsigned read would otherwise wrap it to a huge value).
    bool HasNegativeText(const XMLElement* element);

    namespace XMLDetail
    {
        template <typename T> struct IsVector : std::false_type {};
        template <typename T, typename A> struct IsVector<std::vector<T, A>> : std::true_type {};
        template <typename T> struct IsArray : std::false_type {};
        template <typename T, std::size_t N> struct IsArray<std::array<T, N>> : std::true_type {};
        template <typename T> struct IsPair : std::false_type {};
        template <typename A, typename B> struct IsPair<std::pair<A, B>> : std::true_type {};
    }

    // ---- Writers for scalars (int, unsigned, float, bool, enums, ...) ------
    template <typename T>
    void WriteElement(XMLDocument* document, XMLElement* parent, const T& value, const std::string& name)
    {
        if constexpr (std::is_convertible_v<const T&, const char*>)
        {
            // Character arrays and pointers; a null pointer writes no text.
            WriteElement(document, parent, static_cast<const char*>(value), name);
        }
        else if constexpr (std::is_convertible_v<const T&, std::string>)
        {
            WriteElement(document, parent, std::string(value), name);
        }
        else
        {
            XMLElement* element = AppendElement(document, parent, name);
            if (!element)
                return;
            if constexpr (std::is_same_v<T, bool>)
                element->SetText(value);
            else if constexpr (std::is_enum_v<T>)
                element->SetText(static_cast<int>(value));
            else if constexpr (std::is_floating_point_v<T>)
                element->SetText(FloatText(static_cast<float>(value)).c_str());
            else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>)
            {
                if constexpr (sizeof(T) <= sizeof(int))
                    element->SetText(static_cast<int>(value));
                else
                    element->SetText(static_cast<int64_t>(value));
            }
            else if constexpr (std::is_integral_v<T> && std::is_unsigned_v<T>)
            {
                if constexpr (sizeof(T) <= sizeof(unsigned))
                    element->SetText(static_cast<unsigned>(value));
                else
                    element->SetText(static_cast<uint64_t>(value));
            }
            else
                static_assert(std::is_arithmetic_v<T>, "no XML writer for this type");
        }
    }

    // ---- Readers for the remaining scalar types ---------------------------
    template <typename T>
    std::enable_if_t<std::is_enum_v<T> || (std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                           !std::is_same_v<T, int> && !std::is_same_v<T, unsigned>)>
    QueryElement(XMLElement* element, T& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        if constexpr (std::is_enum_v<T>)
        {
            int v = 0;
            if (e->QueryIntText(&v) == XML_SUCCESS)
                value = static_cast<T>(v);
        }
        else if constexpr (std::is_signed_v<T>)
        {
            int64_t v = 0;
            if (e->QueryInt64Text(&v) == XML_SUCCESS && v >= static_cast<int64_t>(std::numeric_limits<T>::min()) &&
                v <= static_cast<int64_t>(std::numeric_limits<T>::max()))
                value = static_cast<T>(v);
        }
        else
        {
            uint64_t v = 0;
            if (!HasNegativeText(e) && e->QueryUnsigned64Text(&v) == XML_SUCCESS && v <= static_cast<uint64_t>(std::numeric_limits<T>::max()))
                value = static_cast<T>(v);
        }
    }

    // ---- Containers -------------------------------------------------------
    // Entry names default to "arrayElement" / "vectorElement", pair member
    // names to "first" / "second".
    template <typename T, std::size_t N>
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::array<T, N>& value,
                      const std::string& name, const std::string& entryName = "arrayElement");
    template <typename T, typename A>
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::vector<T, A>& value,
                      const std::string& name, const std::string& entryName = "vectorElement");
    template <typename F, typename S>
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::pair<F, S>& value,
                      const std::string& name, const std::string& firstName = "first",
                      const std::string& secondName = "second");

    template <typename T, std::size_t N>
    void QueryElement(XMLElement* element, std::array<T, N>& value, const std::string& name);
    template <typename T, typename A>
    void QueryElement(XMLElement* element, std::vector<T, A>& value, const std::string& name);
    template <typename F, typename S>
    void QueryElement(XMLElement* element, std::pair<F, S>& value, const std::string& name,
                      const std::string& firstName = "first", const std::string& secondName = "second");

    namespace XMLDetail
    {
        // Writes any supported value under `name`; nested containers name
        // their entries "vectorElement" (vectors) or `entryName` (arrays),
        // pairs their members "first" and "second".
        template <typename T>
        void WriteAny(XMLDocument* document, XMLElement* parent, const T& value, const std::string& name,
                      const std::string& entryName)
        {
            if constexpr (IsVector<T>::value)
                WriteElement(document, parent, value, name, "vectorElement");
            else if constexpr (IsArray<T>::value)
                WriteElement(document, parent, value, name, entryName);
            else if constexpr (IsPair<T>::value)
                WriteElement(document, parent, value, name, "first", "second");
            else
                WriteElement(document, parent, value, name);
        }

        // Reads any supported value from the element (empty name) or its
        // named child.
        template <typename T>
        void QueryAny(XMLElement* element, T& value, const std::string& name)
        {
            if constexpr (IsPair<T>::value)
                QueryElement(element, value, name, "first", "second");
            else
                QueryElement(element, value, name);
        }
    }

    template <typename T, std::size_t N>
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::array<T, N>& value,
                      const std::string& name, const std::string& entryName)
    {
        if (!document || !parent)
            return;
        XMLElement* element = document->NewElement(name.c_str());
        element->SetAttribute("size", static_cast<unsigned>(N));
        for (const T& entry : value)
            XMLDetail::WriteAny(document, element, entry, entryName, entryName);
        parent->InsertEndChild(element);
    }

    template <typename T, typename A>
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::vector<T, A>& value,
                      const std::string& name, const std::string& entryName)
    {
        if (!document || !parent)
            return;
        XMLElement* element = document->NewElement(name.c_str());
        element->SetAttribute("size", static_cast<unsigned>(value.size()));
        for (const T& entry : value)
            XMLDetail::WriteAny(document, element, entry, entryName, entryName);
        parent->InsertEndChild(element);
    }

    template <typename F, typename S>
    void WriteElement(XMLDocument* document, XMLElement* parent, const std::pair<F, S>& value,
                      const std::string& name, const std::string& firstName, const std::string& secondName)
    {
        if (!document || !parent)
            return;
        XMLElement* element = document->NewElement(name.c_str());
        XMLDetail::WriteAny(document, element, value.first, firstName, "arrayElement");
        XMLDetail::WriteAny(document, element, value.second, secondName, "arrayElement");
        parent->InsertEndChild(element);
    }

    // Exactly N entries in order; "size" neither limits nor extends the
    // loop. Entries beyond the last child keep their values.
    template <typename T, std::size_t N>
    void QueryElement(XMLElement* element, std::array<T, N>& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        XMLElement* child = e->FirstChildElement();
        for (std::size_t i = 0; i < N && child; ++i, child = child->NextSiblingElement())
            XMLDetail::QueryAny(child, value[i], "");
    }

    // Empties the vector, then reads "size" entries (none when the attribute
    // is missing), stopping early at the last child.
    template <typename T, typename A>
    void QueryElement(XMLElement* element, std::vector<T, A>& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        value.clear();
        unsigned size = ContainerSize(e);
        XMLElement* child = e->FirstChildElement();
        for (unsigned i = 0; i < size && child; ++i, child = child->NextSiblingElement())
        {
            T entry{};
            XMLDetail::QueryAny(child, entry, "");
            value.push_back(std::move(entry));
        }
    }

    template <typename F, typename S>
    void QueryElement(XMLElement* element, std::pair<F, S>& value, const std::string& name,
                      const std::string& firstName, const std::string& secondName)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        XMLDetail::QueryAny(e, value.first, firstName);
        XMLDetail::QueryAny(e, value.second, secondName);
    }

    // Reads the field under the cursor, then moves the cursor to the next
    // sibling element. A null cursor reads nothing and stays null.
    template <typename T>
    void QueryNextElement(XMLElement*& cursor, T& value)
    {
        if (!cursor)
            return;
        XMLDetail::QueryAny(cursor, value, "");
        cursor = cursor->NextSiblingElement();
    }

    // Reads a record field (a small structure of named members): the members
    // by position from the field element's first child, then moves the
    // cursor past the whole field element.
    template <typename... T>
    void QueryNextRecord(XMLElement*& cursor, T&... members)
    {
        if (!cursor)
            return;
        XMLElement* member = cursor->FirstChildElement();
        (QueryNextElement(member, members), ...);
        cursor = cursor->NextSiblingElement();
    }
}
