// PopUpUI: joins the auto-close list of the user-interface system.
#include "Core/UI/PopUpUI.h"

#include "Core/Objects/FieldOps.h"
#include "Core/UI/UISystem.h"

namespace KiteFramework
{
    PopUpUI::PopUpUI() : UIElement(CT_PopUpUI) {}

    PopUpUI::~PopUpUI()
    {
        // Its object is going away (or losing the pop-up): the list must not
        // keep it.
        if (initialised && UISYSTEM && GetOwner())
            UISYSTEM->RemoveAutoClosePopup(GetOwner());
    }

    GameComponent* PopUpUI::Clone() const
    {
        return CloneListed(*this);
    }

    void PopUpUI::Initialise()
    {
        const bool again = initialised != 0;
        UIElement::Initialise();
        if (!manualClosing && !again && UISYSTEM)
            UISYSTEM->AddAutoClosePopup(GetOwner());
    }

    void PopUpUI::ListFields(FieldVisitor& v)
    {
        v.Add("manualClosing", manualClosing,
              FieldInfo{"Manual Closing", FieldWidget::Checkbox}
                  .Caption(FieldCaption::Beside)
                  .Heading("Popup UI Element", true));
    }
}
