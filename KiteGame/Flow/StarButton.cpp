// StarButton: star pop-ups and the one open mission panel.
#include "Flow/StarButton.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/FieldOps.h"
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

    StarButton::StarButton(const StarButton& other) : ToggleActiveButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* StarButton::Clone() const
    {
        return new StarButton(*this);
    }

    void StarButton::ListFields(FieldVisitor& v)
    {
        // Star files hold the pop-up's name ahead of the button keys.
        v.Add("objToHover", objToHover,
              FieldInfo{"Object name to hover", FieldWidget::EnterText}.Id("##starObjPopUpName").Capacity(128));
        ToggleActiveButton::ListFields(v);
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

    void StarButton::OnMouseUp()
    {
        ToggleActiveButton::OnMouseUp();
        // The click is answered by the panel opening or closing: the pop-up
        // goes until the pointer moves over the star again.
        if (GameObject* o = hoverObject.Get())
            o->setActive(false);
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
