// GameComponent: the base of every component. A component carries one
// aspect of its owner object and writes itself to and reads itself from
// an XML element.
#pragma once

#include <cstdint>
#include <string>

#include "Core/Objects/ComponentTypeId.h"
#include "Core/XMLSerialisation/XMLNames.h"

namespace KiteFramework
{
    class GameObject;
    class FieldVisitor;
    class GameComponent;
    struct FieldRef;
    struct Message;

    // The panel RenderImGui draws unless a component has its own; the editor
    // installs it when it is made, so that this module needs no GUI.
    using InspectorFunction = void (*)(GameComponent&);
    void SetDefaultInspector(InspectorFunction inspector);

    class GameComponent
    {
    public:
        explicit GameComponent(ComponentTypeId type);
        // Copies the type only: a copy has no owner and is not initialised.
        GameComponent(const GameComponent& other);
        GameComponent& operator=(const GameComponent&) = delete;

        virtual void Initialise() {}
        virtual void Update() {}
        virtual void OnStart() {}
        virtual void SendMessage(Message* message) {}
        // Receives the first child of the component's element (null when
        // the element is empty) and reads the listed fields by position.
        virtual void XMLUnSerialise(XMLElement* firstField);
        // Writes the listed fields in listing order.
        virtual void XMLSerialise(XMLElement* element, XMLDocument* document) const;
        virtual GameComponent* Clone() const;
        // The default inspector shows the listed fields under the title.
        virtual void RenderImGui();
        // The inspector panel's title; null: the registered name.
        virtual const char* InspectorTitle() const { return nullptr; }
        // Called by the default inspector after it changed a listed field,
        // for what must follow the new value at once.
        virtual void FieldEdited(const FieldRef& field) {}
        virtual void TriggerActive() {}
        virtual void TriggerDeactive() {}
        virtual ~GameComponent() = default;

        // True for user-interface components: their object keeps them apart
        // and the factory lists it among its user-interface objects.
        virtual bool IsUserInterface() const { return false; }

        GameObject* GetOwner() const { return owner; }
        // Empty without an owner.
        std::string GetGameObjectName() const;
        // 0 without an owner.
        unsigned GetId() const;

        // Names every stored field once, in file order (see FieldList.h).
        // Run-time state is not listed.
        virtual void ListFields(FieldVisitor& fields) {}

        ComponentTypeId GetComponentTypeId() const { return type; }
        void SetComponentTypeId(ComponentTypeId t) { type = t; }
        bool IsInitialised() const { return initialised != 0; }

    protected:
        ComponentTypeId type;
        // Told on every component of an object right after a component was
        // added to or removed from it or the object was activated or
        // deactivated, and before the object deletes its components: what a
        // component keeps of its owner and siblings is refreshed here, never
        // looked for while drawing.
        virtual void OwnerChanged() {}
        // Set by components that register with a system in Initialise and
        // tested by their destructors before unregistering.
        std::uint32_t initialised = 0;

    private:
        friend class GameObject;
        GameObject* owner = nullptr;
    };
}
