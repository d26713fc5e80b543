// TwoTabToggleBtn: show one, hide the other.
#include "HUD/TwoTabToggleBtn.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    TwoTabToggleBtn::TwoTabToggleBtn()
    {
        SetComponentTypeId(CT_TwoTabToggleBtn);
    }

    TwoTabToggleBtn::TwoTabToggleBtn(const TwoTabToggleBtn& other)
        : ToggleActiveButton(other), togglerName(other.togglerName), toggleeName(other.toggleeName)
    {
    }

    GameComponent* TwoTabToggleBtn::Clone() const
    {
        return new TwoTabToggleBtn(*this);
    }

    void TwoTabToggleBtn::Initialise()
    {
        // The base button's set-up does not run; the sprite is not cached.
        toggler = ObjectHandle(FACTORY ? FACTORY->FindObjByName(togglerName) : nullptr);
        togglee = ObjectHandle(FACTORY ? FACTORY->FindObjByName(toggleeName) : nullptr);
    }

    void TwoTabToggleBtn::ListFields(FieldVisitor& fields)
    {
        BaseButton::ListFields(fields);
    }

    void TwoTabToggleBtn::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        BaseButton::XMLSerialise(element, document);
        WriteElement(document, element, togglerName, "togglerName");
        WriteElement(document, element, toggleeName, "toggleeName");
    }

    void TwoTabToggleBtn::XMLUnSerialise(XMLElement* cursor)
    {
        BaseButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, togglerName);
        QueryNextElement(cursor, toggleeName);
    }

    void TwoTabToggleBtn::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        if (GameObject* on = toggler.Get())
            on->setActive(true);
        if (GameObject* off = togglee.Get())
            off->setActive(false);
    }
}
