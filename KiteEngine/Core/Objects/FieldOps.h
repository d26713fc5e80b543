// FieldOps: the per-type operations behind FieldVisitor::Add. Include this
// (not FieldList.h) in every source file that defines a ListFields.
#pragma once

#include <type_traits>
#include <utility>
#include <vector>

#include "Core/Objects/FieldList.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    namespace FieldDetail
    {
        // A record is a small structure that names its members once:
        //
        //     struct Earnings
        //     {
        //         float money = 0, likes = 0, reputation = 0;
        //         template <typename F> void Members(F&& member)
        //         {
        //             member("money", money);
        //             member("likes", likes);
        //             member("reputation", reputation);
        //         }
        //     };
        //
        // Listed as one field, it is written as an element named by the key
        // with one child per member, and read back by position from the first
        // child; the cursor then moves past the whole element.
        struct MemberProbe
        {
            template <typename M>
            void operator()(const char*, M&) const {}
        };
        template <typename T, typename = void>
        struct IsRecord : std::false_type {};
        template <typename T>
        struct IsRecord<T, std::void_t<decltype(std::declval<T&>().Members(std::declval<MemberProbe&>()))>>
            : std::true_type {};

        template <typename T>
        bool EqualField(const void* a, const void* b);

        // A record's members with the comparison of their types.
        template <typename T>
        std::vector<std::pair<const void*, bool (*)(const void*, const void*)>> RecordMembers(const T& record)
        {
            std::vector<std::pair<const void*, bool (*)(const void*, const void*)>> members;
            // Naming the members changes none of them.
            const_cast<T&>(record).Members([&members](const char*, auto& m) {
                members.emplace_back(&m, &EqualField<std::decay_t<decltype(m)>>);
            });
            return members;
        }

        template <typename T>
        void WriteField(tinyxml2::XMLDocument* document, tinyxml2::XMLElement* parent, const void* member,
                        const std::string& key, const char* entryName)
        {
            if constexpr (IsRecord<T>::value)
            {
                XMLElement* record = AppendElement(document, parent, key);
                if (!record)
                    return;
                T& value = const_cast<T&>(*static_cast<const T*>(member));
                value.Members([document, record](const char* name, auto& m) {
                    XMLDetail::WriteAny(document, record, m, name, "arrayElement");
                });
            }
            else
                XMLDetail::WriteAny(document, parent, *static_cast<const T*>(member), key, entryName);
        }

        template <typename T>
        void ReadField(tinyxml2::XMLElement*& cursor, void* member)
        {
            if constexpr (IsRecord<T>::value)
            {
                if (!cursor)
                    return;
                XMLElement* next = cursor->FirstChildElement();
                static_cast<T*>(member)->Members([&next](const char*, auto& m) { QueryNextElement(next, m); });
                cursor = cursor->NextSiblingElement();
            }
            else
                QueryNextElement(cursor, *static_cast<T*>(member));
        }

        template <typename T>
        void CopyField(void* destination, const void* source)
        {
            *static_cast<T*>(destination) = *static_cast<const T*>(source);
        }

        template <typename T>
        bool EqualField(const void* a, const void* b)
        {
            if constexpr (IsRecord<T>::value)
            {
                const auto left = RecordMembers(*static_cast<const T*>(a));
                const auto right = RecordMembers(*static_cast<const T*>(b));
                for (std::size_t i = 0; i < left.size(); ++i)
                    if (!left[i].second(left[i].first, right[i].first))
                        return false;
                return true;
            }
            else
                return *static_cast<const T*>(a) == *static_cast<const T*>(b);
        }

        template <typename T>
        const FieldOps* OpsFor()
        {
            static const FieldOps ops{&WriteField<T>, &ReadField<T>, &CopyField<T>, &EqualField<T>};
            return &ops;
        }
    }
}
