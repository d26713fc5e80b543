// The non-template XML value readers and writers and the text-form readers.
#include "Core/XMLSerialisation/XMLSerialisation.h"

#include <cerrno>
#include <climits>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace KiteFramework
{
    XMLElement* ResolveElement(XMLElement* element, const std::string& name)
    {
        if (!element)
            return nullptr;
        return name.empty() ? element : element->FirstChildElement(name.c_str());
    }

    XMLElement* AppendElement(XMLDocument* document, XMLElement* parent, const std::string& name)
    {
        if (!document || !parent)
            return nullptr;
        XMLElement* element = document->NewElement(name.c_str());
        parent->InsertEndChild(element);
        return element;
    }

    unsigned ContainerSize(XMLElement* element)
    {
        unsigned size = 0;
        if (element)
            element->QueryUnsignedAttribute("size", &size);
        return size;
    }

    namespace
    {
        bool shortestFloatTexts = false;
    }

    bool SetShortestFloatTexts(bool on)
    {
        const bool was = shortestFloatTexts;
        shortestFloatTexts = on;
        return was;
    }

    std::string FloatText(float value)
    {
        char buffer[32];
        // Eight significant digits is the file format's form; the few floats
        // that need a ninth to read back exactly get it.
        std::snprintf(buffer, sizeof buffer, "%.8g", static_cast<double>(value));
        if (shortestFloatTexts)
        {
            // Fewer digits, with an exponent only where eight digits have one
            // ("-250", not "-2.5e+02").
            const bool exponent = std::strchr(buffer, 'e') != nullptr;
            char shorter[32];
            for (int digits = 1; digits < 8; ++digits)
            {
                std::snprintf(shorter, sizeof shorter, "%.*g", digits, static_cast<double>(value));
                if (std::strtof(shorter, nullptr) == value && (exponent || !std::strchr(shorter, 'e')))
                    return shorter;
            }
        }
        if (std::strtof(buffer, nullptr) != value && !std::isnan(value))
            std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
        return buffer;
    }

    bool HasNegativeText(const XMLElement* element)
    {
        const char* text = element ? element->GetText() : nullptr;
        if (!text)
            return false;
        while (std::isspace(static_cast<unsigned char>(*text)))
            ++text;
        return *text == '-';
    }

    namespace
    {
        void ToStandardError(const std::string& where, const std::string& what)
        {
            std::cerr << where << ": " << what << '\n';
        }

        ValueReport valueReport = &ToStandardError;
    }

    void SetValueReport(ValueReport report)
    {
        valueReport = report ? report : &ToStandardError;
    }

    std::string DocumentFileOf(const XMLElement* element)
    {
        const XMLDocument* document = element ? element->GetDocument() : nullptr;
        const void* name = document ? document->GetUserData() : nullptr;
        return name ? *static_cast<const std::string*>(name) : std::string("XML data");
    }

    namespace
    {
        // A number field whose text is there but is no number (or no finite
        // one): one report naming the file, the line and the key; the field
        // keeps what it held. An element without text is left alone.
        template <typename T>
        void ReportBadNumber(const XMLElement* e, T kept)
        {
            const char* text = e->GetText();
            if (!text)
                return;
            std::string key = e->Name();
            const XMLElement* parent = e->Parent() ? e->Parent()->ToElement() : nullptr;
            if (parent && (key == "arrayElement" || key == "vectorElement" || key.size() == 1))
                key = std::string(parent->Name()) + (key.size() == 1 ? "." + key : "");
            std::string shown(text);
            if (shown.size() > 40)
                shown = shown.substr(0, 40) + "...";
            std::string keptText;
            if constexpr (std::is_floating_point_v<T>)
                keptText = FloatText(static_cast<float>(kept));
            else
                keptText = std::to_string(kept);
            valueReport(DocumentFileOf(e) + " line " + std::to_string(e->GetLineNum()),
                            "\"" + key + "\" = \"" + shown + "\" is not a usable number; kept " + keptText);
        }

        template <typename T>
        void QueryFinite(XMLElement* e, T& value)
        {
            T read = value;
            tinyxml2::XMLError result;
            if constexpr (std::is_same_v<T, float>)
                result = e->QueryFloatText(&read);
            else
                result = e->QueryDoubleText(&read);
            if (result == tinyxml2::XML_SUCCESS && std::isfinite(read))
                value = read;
            else if (result != tinyxml2::XML_NO_TEXT_NODE)
                ReportBadNumber(e, value);
        }
    }

    void QueryElement(XMLElement* element, int& value, const std::string& name)
    {
        if (XMLElement* e = ResolveElement(element, name))
            if (e->QueryIntText(&value) == tinyxml2::XML_CAN_NOT_CONVERT_TEXT)
                ReportBadNumber(e, value);
    }

    void QueryElement(XMLElement* element, unsigned& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (e && (HasNegativeText(e) || e->QueryUnsignedText(&value) == tinyxml2::XML_CAN_NOT_CONVERT_TEXT))
            ReportBadNumber(e, value);
    }

    void QueryElement(XMLElement* element, float& value, const std::string& name)
    {
        if (XMLElement* e = ResolveElement(element, name))
            QueryFinite(e, value);
    }

    void QueryElement(XMLElement* element, double& value, const std::string& name)
    {
        if (XMLElement* e = ResolveElement(element, name))
            QueryFinite(e, value);
    }

    void QueryElement(XMLElement* element, bool& value, const std::string& name)
    {
        if (XMLElement* e = ResolveElement(element, name))
            e->QueryBoolText(&value);
    }

    void QueryElement(XMLElement* element, std::string& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        const char* text = e->GetText();
        value = text ? text : "";
    }

    void QueryElement(XMLElement* element, Vector2D& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        QueryElement(e, value.x, "x");
        QueryElement(e, value.y, "y");
    }

    void QueryElement(XMLElement* element, Vector3& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        QueryElement(e, value.x, "x");
        QueryElement(e, value.y, "y");
        QueryElement(e, value.z, "z");
    }

    void QueryElement(XMLElement* element, Colour& value, const std::string& name)
    {
        XMLElement* e = ResolveElement(element, name);
        if (!e)
            return;
        QueryElement(e, value.r, "r");
        QueryElement(e, value.g, "g");
        QueryElement(e, value.b, "b");
        QueryElement(e, value.a, "a");
    }

    void WriteElement(XMLDocument* document, XMLElement* parent, const std::string& value, const std::string& name)
    {
        if (XMLElement* e = AppendElement(document, parent, name))
            e->SetText(value.c_str());
    }

    void WriteElement(XMLDocument* document, XMLElement* parent, const char* value, const std::string& name)
    {
        WriteElement(document, parent, std::string(value ? value : ""), name);
    }

    void WriteElement(XMLDocument* document, XMLElement* parent, const Vector2D& value, const std::string& name)
    {
        if (!document || !parent)
            return;
        XMLElement* e = document->NewElement(name.c_str());
        WriteElement(document, e, value.x, "x");
        WriteElement(document, e, value.y, "y");
        parent->InsertEndChild(e);
    }

    void WriteElement(XMLDocument* document, XMLElement* parent, const Vector3& value, const std::string& name)
    {
        if (!document || !parent)
            return;
        XMLElement* e = document->NewElement(name.c_str());
        WriteElement(document, e, value.x, "x");
        WriteElement(document, e, value.y, "y");
        WriteElement(document, e, value.z, "z");
        parent->InsertEndChild(e);
    }

    void WriteElement(XMLDocument* document, XMLElement* parent, const Colour& value, const std::string& name)
    {
        if (!document || !parent)
            return;
        XMLElement* e = document->NewElement(name.c_str());
        WriteElement(document, e, value.r, "r");
        WriteElement(document, e, value.g, "g");
        WriteElement(document, e, value.b, "b");
        WriteElement(document, e, value.a, "a");
        parent->InsertEndChild(e);
    }

    namespace
    {
        // Converts a leading float of `text` as std::stof would (leading
        // white space skipped, trailing characters ignored) without throwing:
        // false when there is no number or it is out of float range.
        bool ParseFloat(const std::string& text, float& out)
        {
            const char* begin = text.c_str();
            char* end = nullptr;
            errno = 0;
            float v = std::strtof(begin, &end);
            if (end == begin || errno == ERANGE)
                return false;
            out = v;
            return true;
        }

        // Splits the text at single blanks into exactly `count` pieces: each
        // piece ends at the next blank, the last one takes the rest.
        bool ParseFloats(const char* text, float* out, int count)
        {
            if (!text)
                return false;
            std::string rest(text);
            float values[4];
            for (int i = 0; i < count; ++i)
            {
                std::string piece;
                if (i + 1 < count)
                {
                    std::size_t blank = rest.find(' ');
                    if (blank == std::string::npos)
                        return false;
                    piece = rest.substr(0, blank);
                    rest = rest.substr(blank + 1);
                }
                else
                    piece = rest;
                if (!ParseFloat(piece, values[i]))
                    return false;
            }
            for (int i = 0; i < count; ++i)
                out[i] = values[i];
            return true;
        }
    }

    void ReadInt(XMLElement* element, int& value)
    {
        if (!element || !element->GetText())
            return;
        // Like atoi (leading number, the rest ignored) but without its
        // undefined overflow: out-of-range numbers clamp to the int range.
        const char* begin = element->GetText();
        char* end = nullptr;
        errno = 0;
        long v = std::strtol(begin, &end, 10);
        if (end == begin)
            return;
        if (v > INT_MAX)
            v = INT_MAX;
        else if (v < INT_MIN)
            v = INT_MIN;
        value = static_cast<int>(v);
    }

    void ReadUnsigned(XMLElement* element, unsigned& value)
    {
        if (element && !HasNegativeText(element))
            element->QueryUnsignedText(&value);
    }

    void ReadFloat(XMLElement* element, float& value)
    {
        if (!element || !element->GetText())
            return;
        ParseFloat(element->GetText(), value);
    }

    void ReadBool(XMLElement* element, bool& value)
    {
        if (element)
            element->QueryBoolText(&value);
    }

    void ReadString(XMLElement* element, std::string& value)
    {
        if (element && element->GetText())
            value = element->GetText();
    }

    void ReadVector(XMLElement* element, Vector2D& value)
    {
        float v[2];
        if (element && ParseFloats(element->GetText(), v, 2))
        {
            value.x = v[0];
            value.y = v[1];
        }
    }

    void ReadVector(XMLElement* element, Vector3& value)
    {
        float v[3];
        if (element && ParseFloats(element->GetText(), v, 3))
            value = Vector3(v[0], v[1], v[2]);
    }

    void ReadFloatArray(XMLElement* element, float* values)
    {
        if (element && values)
            ParseFloats(element->GetText(), values, 4);
    }

    std::string SerialisePath(const std::string& path, const std::string& base)
    {
        std::size_t at = path.find(base);
        if (at == std::string::npos)
            return path;
        return path.substr(at + base.size());
    }

    std::string UnserialisePath(const std::string& a, std::string b, std::string c)
    {
        return a + b + c;
    }
}
