// UIElement: registration with the user-interface system.
#include "Core/UI/UIElement.h"

#if __has_include("Core/UI/UISystem.h")
#include "Core/UI/UISystem.h"
#define KITE_HAS_UISYSTEM 1
#endif

namespace KiteFramework
{
    void UIElement::Initialise()
    {
#ifdef KITE_HAS_UISYSTEM
        if (UISYSTEM)
            UISYSTEM->AddUIElem(this);
#endif
        initialised = 1;
    }

    GameComponent* UIElement::Clone() const
    {
        return new UIElement(*this);
    }

    UIElement::~UIElement()
    {
#ifdef KITE_HAS_UISYSTEM
        if (initialised && UISYSTEM)
            UISYSTEM->RemoveUIElem(this);
#endif
    }
}
