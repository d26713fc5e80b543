// ComponentCreator: makes a component of one type. Systems and the game
// register one per component type with the factory, under the type's name.
#pragma once

#include <string>

#include "Core/Objects/ComponentTypeId.h"
#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class ComponentCreator
    {
    public:
        explicit ComponentCreator(ComponentTypeId type) : typeId(type) {}
        virtual ~ComponentCreator() = default;

        virtual GameComponent* Create() = 0;

        ComponentTypeId typeId;
    };

    template <typename T>
    class ComponentCreatorType : public ComponentCreator
    {
    public:
        explicit ComponentCreatorType(ComponentTypeId type) : ComponentCreator(type) {}

        GameComponent* Create() override
        {
            T* component = new T();
            component->SetComponentTypeId(typeId);
            return component;
        }
    };

    // Makes the creator of T and registers it with the factory under the
    // type's number and name: a type is named once, where it is registered.
    // Defined in GameObjectFactory.h.
    template <typename T>
    void RegisterComponent(ComponentTypeId type, const std::string& name);
}
