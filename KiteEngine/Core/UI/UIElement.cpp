// UIElement: registration with the user-interface system.
#include "Core/UI/UIElement.h"

#include "Core/UI/UISystem.h"

namespace KiteFramework
{
    void UIElement::Initialise()
    {
        if (UISYSTEM && !UISYSTEM->IsRegistered(this))
            UISYSTEM->AddUIElem(this);
        initialised = 1;
    }

    GameComponent* UIElement::Clone() const
    {
        return new UIElement(*this);
    }

    UIElement::~UIElement()
    {
        // UISYSTEM is null once the system is gone: archetype templates are
        // deleted after it at shutdown.
        if (UISYSTEM)
            UISYSTEM->RemoveUIElem(this);
    }
}
