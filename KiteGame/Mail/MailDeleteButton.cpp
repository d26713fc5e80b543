// MailDeleteButton: deletes its row's mail.
#include "Mail/MailDeleteButton.h"

#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailDeleteButton::MailDeleteButton() : BaseButton(CT_MailDeleteButton) {}

    MailDeleteButton::MailDeleteButton(const MailDeleteButton& other) : BaseButton(other), index(other.index) {}

    GameComponent* MailDeleteButton::Clone() const
    {
        return new MailDeleteButton(*this);
    }

    void MailDeleteButton::XMLUnSerialise(XMLElement* cursor)
    {
        BaseButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, index);
    }

    void MailDeleteButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        BaseButton::XMLSerialise(element, document);
        WriteElement(document, element, index, "index");
    }

    void MailDeleteButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        if (MailBoxSystem* mail = MailBoxSystem::Instance())
            mail->DeleteMail(index);
    }
}
