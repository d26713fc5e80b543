// MailChangePageButton: previous or next page.
#include "Mail/MailChangePageButton.h"

#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailChangePageButton::MailChangePageButton() : BaseButton(CT_MailChangePageButton) {}

    MailChangePageButton::MailChangePageButton(const MailChangePageButton& other)
        : BaseButton(other), prevPage(other.prevPage)
    {
    }

    GameComponent* MailChangePageButton::Clone() const
    {
        return new MailChangePageButton(*this);
    }

    void MailChangePageButton::XMLUnSerialise(XMLElement* cursor)
    {
        BaseButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, prevPage);
    }

    void MailChangePageButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        BaseButton::XMLSerialise(element, document);
        WriteElement(document, element, prevPage, "prevPage");
    }

    void MailChangePageButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        if (MailBoxSystem* mail = MailBoxSystem::Instance())
            mail->ChangePage(prevPage);
    }
}
