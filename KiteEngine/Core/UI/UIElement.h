// UIElement: the base of user-interface components. An object keeps these
// in its own list, and the factory keeps objects holding one in its map of
// user-interface objects; the user-interface system hands them every
// broadcast message.
#pragma once

#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class UIElement : public GameComponent
    {
    public:
        explicit UIElement(ComponentTypeId type) : GameComponent(type) {}
        UIElement(const UIElement& other) : GameComponent(other) {}

        // Registers with the user-interface system (once, however often it runs).
        void Initialise() override;
        GameComponent* Clone() const override;
        bool IsUserInterface() const final { return true; }
        ~UIElement() override;
    };
}
