// MailChangePageButton: previous or next page.
#include "Mail/MailChangePageButton.h"

#include "Core/Objects/FieldOps.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailChangePageButton::MailChangePageButton() : BaseButton(CT_MailChangePageButton) {}

    MailChangePageButton::MailChangePageButton(const MailChangePageButton& other) : BaseButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* MailChangePageButton::Clone() const
    {
        return new MailChangePageButton(*this);
    }

    void MailChangePageButton::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        v.Add("prevPage", prevPage, FieldInfo{"Prev Page"}.Id("##PrevPage"));
    }

    void MailChangePageButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        if (MailBoxSystem* mail = MailBoxSystem::Instance())
            mail->ChangePage(prevPage);
    }
}
