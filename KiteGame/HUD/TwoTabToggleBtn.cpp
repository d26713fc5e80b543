// TwoTabToggleBtn: show one, hide the other.
#include "HUD/TwoTabToggleBtn.h"

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    TwoTabToggleBtn::TwoTabToggleBtn()
    {
        SetComponentTypeId(CT_TwoTabToggleBtn);
    }

    TwoTabToggleBtn::TwoTabToggleBtn(const TwoTabToggleBtn& other) : ToggleActiveButton(other)
    {
        CopyListedFields(other, *this);
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

    void TwoTabToggleBtn::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        v.Add("togglerName", togglerName,
              FieldInfo{"Object name to set active ", FieldWidget::EnterText}.Capacity(128));
        v.Add("toggleeName", toggleeName,
              FieldInfo{"Object name to deactivate ", FieldWidget::EnterText}.Id("##otherObjName").Capacity(128));
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
