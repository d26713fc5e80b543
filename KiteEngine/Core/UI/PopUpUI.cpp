// PopUpUI: joins the auto-close list of the user-interface system.
#include "Core/UI/PopUpUI.h"

#include "Core/UI/UISystem.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    PopUpUI::PopUpUI() : UIElement(CT_PopUpUI) {}

    PopUpUI::PopUpUI(const PopUpUI& other) : UIElement(other), manualClosing(other.manualClosing) {}

    PopUpUI::~PopUpUI()
    {
        // Its object is going away (or losing the pop-up): the list must not
        // keep it.
        if (initialised && UISYSTEM && GetOwner())
            UISYSTEM->RemoveAutoClosePopup(GetOwner());
    }

    GameComponent* PopUpUI::Clone() const
    {
        return new PopUpUI(*this);
    }

    void PopUpUI::Initialise()
    {
        const bool again = initialised != 0;
        UIElement::Initialise();
        if (!manualClosing && !again && UISYSTEM)
            UISYSTEM->AddAutoClosePopup(GetOwner());
    }

    void PopUpUI::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        WriteElement(document, element, manualClosing, "manualClosing");
    }

    void PopUpUI::XMLUnSerialise(XMLElement* cursor)
    {
        QueryNextElement(cursor, manualClosing);
    }
}
