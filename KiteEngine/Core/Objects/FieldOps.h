// FieldOps: the per-type operations behind FieldVisitor::Add. Include this
// (not FieldList.h) in every source file that defines a ListFields.
#pragma once

#include "Core/Objects/FieldList.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    namespace FieldDetail
    {
        template <typename T>
        void WriteField(tinyxml2::XMLDocument* document, tinyxml2::XMLElement* parent, const void* member,
                        const std::string& key)
        {
            XMLDetail::WriteAny(document, parent, *static_cast<const T*>(member), key, "arrayElement");
        }

        template <typename T>
        void ReadField(tinyxml2::XMLElement*& cursor, void* member)
        {
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
