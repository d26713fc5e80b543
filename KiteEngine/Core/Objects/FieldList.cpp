// FieldList: the walks over a component's listing.
#include "Core/Objects/FieldList.h"

#include "Core/Objects/GameComponent.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    namespace
    {
        class FieldWriter : public FieldVisitor
        {
        public:
            FieldWriter(XMLElement* e, XMLDocument* d) : element(e), document(d) {}

        protected:
            void Visit(const FieldRef& field) override
            {
                if (field.stored)
                    field.ops->write(document, element, field.member, field.key, field.entryName);
            }

        private:
            XMLElement* element;
            XMLDocument* document;
        };

        // Walks the destination's listing, taking each value from the
        // source's field at the same position; a conditional field of the
        // destination is decided by the values already copied.
        class FieldCopier : public FieldVisitor
        {
        public:
            explicit FieldCopier(std::vector<FieldRef> from) : source(std::move(from)) {}

        protected:
            void Visit(const FieldRef& field) override
            {
                if (next < source.size() && source[next].ops == field.ops)
                    field.ops->copy(field.member, source[next].member);
                ++next;
            }

        private:
            std::vector<FieldRef> source;
            std::size_t next = 0;
        };
    }

    void FieldReader::Visit(const FieldRef& field)
    {
        if (field.stored)
            field.ops->read(cursor, field.member);
    }

    std::vector<FieldRef> ListedFields(GameComponent& component)
    {
        FieldCollector collector;
        component.ListFields(collector);
        return std::move(collector.fields);
    }

    void WriteListedFields(GameComponent& component, XMLElement* element, XMLDocument* document)
    {
        if (!element || !document)
            return;
        FieldWriter writer(element, document);
        component.ListFields(writer);
    }

    void ReadListedFields(GameComponent& component, XMLElement*& cursor)
    {
        FieldReader reader(cursor);
        component.ListFields(reader);
    }

    void CopyListedFields(const GameComponent& source, GameComponent& destination)
    {
        // Listing never changes a field; it only hands out their addresses.
        FieldCopier copier(ListedFields(const_cast<GameComponent&>(source)));
        destination.ListFields(copier);
    }

    bool ListedFieldsEqual(const GameComponent& a, const GameComponent& b)
    {
        std::vector<FieldRef> left = ListedFields(const_cast<GameComponent&>(a));
        std::vector<FieldRef> right = ListedFields(const_cast<GameComponent&>(b));
        if (left.size() != right.size())
            return false;
        for (std::size_t i = 0; i < left.size(); ++i)
        {
            if (left[i].ops != right[i].ops || std::string(left[i].key) != right[i].key)
                return false;
            if (!left[i].ops->equal(left[i].member, right[i].member))
                return false;
        }
        return true;
    }
}
