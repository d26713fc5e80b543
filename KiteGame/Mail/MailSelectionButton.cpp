// MailSelectionButton: opens the letter panel and shows the entry's letter.
#include "Mail/MailSelectionButton.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/FieldOps.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailSelectionButton::MailSelectionButton()
    {
        SetComponentTypeId(CT_MailSelectionButton);
    }

    MailSelectionButton::MailSelectionButton(const MailSelectionButton& other) : ToggleActiveButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* MailSelectionButton::Clone() const
    {
        return new MailSelectionButton(*this);
    }

    void MailSelectionButton::ListFields(FieldVisitor& v)
    {
        ToggleActiveButton::ListFields(v);
        v.Add("type", type, {"Type", FieldWidget::Input, 1.0f});
        // The letter is picked when it is sent: shown, not edited.
        v.Add("msg_id", msg_id, {"msg id", FieldWidget::ReadOnly});
    }

    void MailSelectionButton::OnMouseDown()
    {
        // The letter panel is shown, never toggled off by a second entry.
        if (FACTORY && !toggleObject.empty())
            if (GameObject* target = FACTORY->FindObjByName(toggleObject))
                target->setActive(true);
        if (MailBoxSystem* mail = MailBoxSystem::Instance())
            mail->ShowMail(type, static_cast<int>(msg_id), this);
    }
}
