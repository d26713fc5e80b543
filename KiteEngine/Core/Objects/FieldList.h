// FieldList: one listing of a component's stored fields. A component names
// each stored field once, in file order, in its ListFields; writing,
// reading, copying, comparing and the default inspector all walk that one
// listing. Run-time state (caches, registrations, timers) is never listed.
//
//     void Trash::ListFields(FieldVisitor& v)
//     {
//         v.Add("lifeTime", lifeTime, {"Life Time", FieldWidget::Drag, 0.1f});
//         v.Add("shapeName", shapeName);
//         if (IsBox())                      // conditions see values already read
//             v.Add("AABBExtents", extents);
//     }
//
// A visitor acts on each field as it is added, so a listing may branch on a
// field listed before it: while reading, that field already holds the value
// just read.
//
// A subclass lists its base's fields first (`Base::ListFields(v);`), which
// is also the order of its file keys. A setting that is copied with the
// component and shown by the inspector but never kept in files is listed
// with AddUnstored; a fixed array with entries of another name than
// "arrayElement" with AddArray; a small structure of named members as one
// record field (see FieldOps.h). A copy constructor is then one line:
//
//     Trash::Trash(const Trash& other) : Script(other) { CopyListedFields(other, *this); }
//
// members it does not name start from their declared defaults, so run-time
// state is fresh in every copy without being written out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "Core/Math/Colour.h"
#include "Core/Math/Vector2D.h"
#include "Core/Math/Vector3.h"
#include "Core/XMLSerialisation/XMLNames.h"

namespace KiteFramework
{
    class GameComponent;

    // How an inspector shows a field.
    enum class FieldWidget : std::uint8_t
    {
        Default,  // the natural widget of the type
        Drag,     // a drag field moving by `step`
        Input,    // a typed field (with +/- buttons moving by `step` for numbers)
        Checkbox,
        ColourEdit,
        ReadOnly,   // shown as text, not editable
        Hidden,     // not shown at all
        EnterText,  // a text field applied when Enter is pressed
        ImagePath,  // a text field applied on Enter over a list of the loaded images
        SoundPath,  // the same over a list of the loaded sounds
        ImageList,  // the path as text over a list of the loaded images
        Choice      // a combo over the field's choices
    };

    // Where a field's label stands.
    enum class FieldCaption : std::uint8_t
    {
        Green,   // a green line above the widget
        Plain,   // a plain text line above the widget
        Beside,  // beside the widget, as its own label (the label is then its id)
        None     // no label: the widget alone
    };

    // What an inspector needs besides the value. An empty label shows the key.
    // The rest is set where a panel needs it, e.g.
    //     v.Add("levelid", levelid, FieldInfo{"Level ID"}.Id("##levelid").Choices(levels, 4));
    //     v.Add("manualClosing", manualClosing,
    //           FieldInfo{"Manual Closing"}.Caption(FieldCaption::Beside).Heading("Popup UI Element", true));
    struct FieldInfo
    {
        const char* label = "";
        FieldWidget widget = FieldWidget::Default;
        // Drag speed, or the +/- step of a typed number (0: no buttons).
        float step = 1.0f;
        // The widget's hidden id; empty: "##" and the key.
        const char* id = "";
        // How a float is typed and shown.
        const char* format = "%.3f";
        // A Choice's entries; a value outside them shows the last one.
        const char* const* choices = nullptr;
        int choiceCount = 0;
        // EnterText and the path fields hold at most capacity - 1 characters.
        std::size_t capacity = 256;
        FieldCaption caption = FieldCaption::Green;
        // A line of text drawn above the field, e.g. the title of a block
        // of fields; empty: none.
        const char* heading = "";
        bool greenHeading = false;

        FieldInfo& Id(const char* hiddenId)
        {
            id = hiddenId;
            return *this;
        }
        FieldInfo& Format(const char* shown)
        {
            format = shown;
            return *this;
        }
        FieldInfo& Choices(const char* const* entries, int count)
        {
            widget = FieldWidget::Choice;
            choices = entries;
            choiceCount = count;
            return *this;
        }
        FieldInfo& Capacity(std::size_t characters)
        {
            capacity = characters;
            return *this;
        }
        FieldInfo& Caption(FieldCaption where)
        {
            caption = where;
            return *this;
        }
        FieldInfo& Heading(const char* text, bool green = false)
        {
            heading = text;
            greenHeading = green;
            return *this;
        }
    };

    // A field kept in files and copies that the inspector does not show.
    inline FieldInfo HiddenField()
    {
        FieldInfo info;
        info.widget = FieldWidget::Hidden;
        return info;
    }

    // The value kinds an inspector can show directly; Other covers containers
    // and records, which have their own serialisation but no generic widget.
    enum class FieldKind : std::uint8_t
    {
        Int,
        Unsigned,
        Float,
        Bool,
        String,
        Vector2D,
        Vector3,
        Colour,
        Float4,  // four floats in an array, e.g. a tint
        Other
    };

    struct FieldRef;

    // The operations on one value type, made once per type.
    struct FieldOps
    {
        // `entryName` names the entries of a fixed array.
        void (*write)(tinyxml2::XMLDocument* document, tinyxml2::XMLElement* parent, const void* member,
                      const std::string& key, const char* entryName);
        // Reads the field under the cursor and moves the cursor on.
        void (*read)(tinyxml2::XMLElement*& cursor, void* member);
        void (*copy)(void* destination, const void* source);
        bool (*equal)(const void* a, const void* b);
    };

    // One listed field of one component.
    struct FieldRef
    {
        const char* key = "";
        FieldInfo info;
        FieldKind kind = FieldKind::Other;
        void* member = nullptr;
        const FieldOps* ops = nullptr;
        // False for settings that files never hold (AddUnstored).
        bool stored = true;
        // The element name of a fixed array's entries (AddArray).
        const char* entryName = "arrayElement";

        const char* Label() const { return (info.label && *info.label) ? info.label : key; }
        template <typename T>
        T& As() const { return *static_cast<T*>(member); }
    };

    namespace FieldDetail
    {
        template <typename T>
        constexpr FieldKind KindOf()
        {
            if constexpr (std::is_same_v<T, bool>)
                return FieldKind::Bool;
            else if constexpr (std::is_same_v<T, int> || std::is_same_v<T, std::int32_t>)
                return FieldKind::Int;
            else if constexpr (std::is_same_v<T, unsigned> || std::is_same_v<T, std::uint32_t>)
                return FieldKind::Unsigned;
            else if constexpr (std::is_same_v<T, float>)
                return FieldKind::Float;
            else if constexpr (std::is_same_v<T, std::string>)
                return FieldKind::String;
            else if constexpr (std::is_same_v<T, Vector2D>)
                return FieldKind::Vector2D;
            else if constexpr (std::is_same_v<T, Vector3>)
                return FieldKind::Vector3;
            else if constexpr (std::is_same_v<T, Colour>)
                return FieldKind::Colour;
            else if constexpr (std::is_same_v<T, std::array<float, 4>>)
                return FieldKind::Float4;
            else
                return FieldKind::Other;
        }

        // Defined in FieldOps.h, which every source file that lists fields
        // includes (headers stay free of the XML library).
        template <typename T>
        const FieldOps* OpsFor();
    }

    // Walks a listing. Subclasses act on each field in Visit.
    class FieldVisitor
    {
    public:
        virtual ~FieldVisitor() = default;

        template <typename T>
        FieldVisitor& Add(const char* key, T& member, FieldInfo info = {})
        {
            Visit(Make(key, member, info, true));
            return *this;
        }

        // A setting copied and compared with the component and shown by the
        // inspector, but neither written to nor read from files.
        template <typename T>
        FieldVisitor& AddUnstored(const char* key, T& member, FieldInfo info = {})
        {
            Visit(Make(key, member, info, false));
            return *this;
        }

        // A fixed array whose entries are written under another name than
        // "arrayElement" (readers take entries by position).
        template <typename T>
        FieldVisitor& AddArray(const char* key, T& member, const char* entryName, FieldInfo info = {})
        {
            FieldRef field = Make(key, member, info, true);
            field.entryName = entryName;
            Visit(field);
            return *this;
        }

    protected:
        virtual void Visit(const FieldRef& field) = 0;

    private:
        template <typename T>
        static FieldRef Make(const char* key, T& member, FieldInfo info, bool stored)
        {
            FieldRef field;
            field.key = key;
            field.info = info;
            field.kind = FieldDetail::KindOf<T>();
            field.member = &member;
            field.ops = FieldDetail::OpsFor<T>();
            field.stored = stored;
            return field;
        }
    };

    // Reads the stored fields of a listing by position from a cursor, and
    // leaves the cursor after the last one. Lets a class read a part of its
    // listing, e.g. `FieldReader r(cursor); Base::ListFields(r);`.
    class FieldReader : public FieldVisitor
    {
    public:
        explicit FieldReader(XMLElement*& c) : cursor(c) {}

    protected:
        void Visit(const FieldRef& field) override;

    private:
        XMLElement*& cursor;
    };

    // Collects the listing into a list (for inspectors and tests).
    class FieldCollector : public FieldVisitor
    {
    public:
        std::vector<FieldRef> fields;

    protected:
        void Visit(const FieldRef& field) override { fields.push_back(field); }
    };

    // The walks every component shares.
    void WriteListedFields(GameComponent& component, tinyxml2::XMLElement* element, tinyxml2::XMLDocument* document);
    // Reads by position from `cursor`, leaving it after the last listed field.
    void ReadListedFields(GameComponent& component, tinyxml2::XMLElement*& cursor);
    // Copies every listed field of source into destination (same class);
    // fields listed conditionally follow the values copied before them.
    void CopyListedFields(const GameComponent& source, GameComponent& destination);
    // Whether every listed field of a equals that of b (same class).
    bool ListedFieldsEqual(const GameComponent& a, const GameComponent& b);
    // The listing of a component, collected.
    std::vector<FieldRef> ListedFields(GameComponent& component);

    // A new component of the source's class holding the source's stored
    // fields and a fresh run-time state: the body of most Clone overrides.
    template <typename T>
    T* CloneListed(const T& source)
    {
        T* copy = new T();
        copy->SetComponentTypeId(source.GetComponentTypeId());
        CopyListedFields(source, *copy);
        return copy;
    }
}
