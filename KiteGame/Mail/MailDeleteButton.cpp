// MailDeleteButton: deletes its row's mail.
#include "Mail/MailDeleteButton.h"

#include "Core/Objects/FieldOps.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailDeleteButton::MailDeleteButton() : BaseButton(CT_MailDeleteButton) {}

    MailDeleteButton::MailDeleteButton(const MailDeleteButton& other) : BaseButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* MailDeleteButton::Clone() const
    {
        return new MailDeleteButton(*this);
    }

    void MailDeleteButton::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        v.Add("index", index, {"Index", FieldWidget::Input, 1.0f});
    }

    void MailDeleteButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        if (MailBoxSystem* mail = MailBoxSystem::Instance())
            mail->DeleteMail(index);
    }
}
