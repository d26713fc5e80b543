// GameComponent: the base bodies.
#include "Core/Objects/GameComponent.h"

#include "Core/Objects/FieldList.h"
#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    namespace
    {
        InspectorFunction defaultInspector = nullptr;
    }

    void SetDefaultInspector(InspectorFunction inspector)
    {
        defaultInspector = inspector;
    }

    void GameComponent::RenderImGui()
    {
        if (defaultInspector)
            defaultInspector(*this);
    }

    GameComponent::GameComponent(ComponentTypeId t) : type(t) {}

    GameComponent::GameComponent(const GameComponent& other) : type(other.type) {}

    GameComponent* GameComponent::Clone() const
    {
        return new GameComponent(*this);
    }

    void GameComponent::XMLUnSerialise(XMLElement* firstField)
    {
        ReadListedFields(*this, firstField);
    }

    void GameComponent::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        // Listing never changes a field; it only hands out their addresses.
        WriteListedFields(const_cast<GameComponent&>(*this), element, document);
    }

    std::string GameComponent::GetGameObjectName() const
    {
        return owner ? owner->getName() : std::string();
    }

    unsigned GameComponent::GetId() const
    {
        return owner ? owner->GetId() : 0u;
    }
}
