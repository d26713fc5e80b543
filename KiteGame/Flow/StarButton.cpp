// StarButton: star pop-ups and the one open mission panel.
#include "Flow/StarButton.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        const char* const PanelNames[3] = {"StarOnePanel", "StarTwoPanel", "StarThreePanel"};

        GameObject* FindNamed(const std::string& name)
        {
            return FACTORY && !name.empty() ? FACTORY->FindObjByName(name) : nullptr;
        }
    }

    StarButton::StarButton()
    {
        SetComponentTypeId(CT_StarButton);
    }

    StarButton::StarButton(const StarButton& other) : ToggleActiveButton(other), objToHover(other.objToHover)
    {
    }

    GameComponent* StarButton::Clone() const
    {
        return new StarButton(*this);
    }

    void StarButton::XMLUnSerialise(XMLElement* cursor)
    {
        QueryNextElement(cursor, objToHover);
        ToggleActiveButton::XMLUnSerialiseBase(cursor);
    }

    void StarButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        WriteElement(document, element, objToHover, "objToHover");
        ToggleActiveButton::XMLSerialise(element, document);
    }

    void StarButton::Initialise()
    {
        ToggleActiveButton::Initialise();
        hoverObject = ObjectHandle(FindNamed(objToHover));
        for (int i = 0; i < 3; ++i)
            panels[i] = ObjectHandle(FindNamed(PanelNames[i]));
    }

    void StarButton::OnMouseOver()
    {
        ToggleActiveButton::OnMouseOver();
        if (GameObject* o = hoverObject.Get())
            o->setActive(true);
    }

    void StarButton::OnMouseExit()
    {
        ToggleActiveButton::OnMouseExit();
        if (GameObject* o = hoverObject.Get())
            o->setActive(false);
    }

    void StarButton::OnMouseDown()
    {
        ToggleActiveButton::OnMouseDown();
        for (int i = 0; i < 3; ++i)
        {
            if (toggleObject != PanelNames[i])
                continue;
            for (int j = 0; j < 3; ++j)
                if (j != i)
                    if (GameObject* panel = panels[j].Get())
                        panel->setActive(false);
        }
    }
}
