// MailSelectionButton: opens the letter panel and shows the entry's letter.
#include "Mail/MailSelectionButton.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailSelectionButton::MailSelectionButton()
    {
        SetComponentTypeId(CT_MailSelectionButton);
    }

    MailSelectionButton::MailSelectionButton(const MailSelectionButton& other)
        : ToggleActiveButton(other), type(other.type), msg_id(other.msg_id)
    {
    }

    GameComponent* MailSelectionButton::Clone() const
    {
        return new MailSelectionButton(*this);
    }

    void MailSelectionButton::XMLUnSerialise(XMLElement* cursor)
    {
        ToggleActiveButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, type);
        QueryNextElement(cursor, msg_id);
    }

    void MailSelectionButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        ToggleActiveButton::XMLSerialise(element, document);
        WriteElement(document, element, type, "type");
        WriteElement(document, element, msg_id, "msg_id");
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
