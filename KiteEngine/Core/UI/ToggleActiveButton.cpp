// ToggleActiveButton: the switching rules of a press.
#include "Core/UI/ToggleActiveButton.h"

#include <vector>

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    ToggleActiveButton::ToggleActiveButton() : BaseButton(CT_ToggleActiveButton) {}

    ToggleActiveButton::ToggleActiveButton(const ToggleActiveButton& other) : BaseButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* ToggleActiveButton::Clone() const
    {
        return CloneListed(*this);
    }

    void ToggleActiveButton::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        v.Add("toggleObject", toggleObject, {"Object name to toggle"});
        v.Add("toggleChild_", toggleChild, {"Toggle Child", FieldWidget::Checkbox});
        v.Add("toggleParent_", toggleParent, {"Toggle Parent", FieldWidget::Checkbox});
        v.Add("objToDeactivate", objToDeactivate, {"Target object to turn off on mouse click"});
        v.Add("toggleNumOfLayers", toggleNumOfLayers, {"Number of layers to toggle", FieldWidget::Input, 1.0f});
        v.AddUnstored("forceClose", forceClose, {"Force close", FieldWidget::Checkbox});
    }

    void ToggleActiveButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        if (buttonActive)
            Apply(false);
    }

    void ToggleActiveButton::SetForceClose(bool b)
    {
        forceClose = b;
        OnMouseDown();
    }

    void ToggleActiveButton::ForceCloseOnce()
    {
        Apply(true);
    }

    void ToggleActiveButton::Switch(GameObject* object, bool alwaysOff) const
    {
        if (!object)
            return;
        object->setActive((alwaysOff || forceClose) ? false : !object->isActive());
    }

    GameObject* ToggleActiveButton::Resolve(ObjectHandle& cached, const std::string& name)
    {
        GameObject* object = cached.Get();
        if (!object && FACTORY)
        {
            object = FACTORY->FindObjByName(name);
            cached = ObjectHandle(object);
        }
        return object;
    }

    void ToggleActiveButton::Apply(bool alwaysOff)
    {
        GameObject* owner = GetOwner();
        if (!owner)
            return;
        if (toggleChild)
        {
            // Switching may reorder nothing, but handlers run: walk a copy.
            const std::vector<GameObject*> children = owner->GetChildren();
            for (GameObject* child : children)
                Switch(child, alwaysOff);
        }
        else if (toggleParent)
            Switch(owner->GetParent(), alwaysOff);
        else if (!toggleObject.empty())
        {
            GameObject* target = Resolve(toggleTarget, toggleObject);
            Switch(target, alwaysOff);
            if (target && toggleNumOfLayers > 0)
                ToggleFalse(toggleNumOfLayers, target);
        }
        else
            Switch(owner, alwaysOff);

        if (!objToDeactivate.empty())
        {
            GameObject* target = Resolve(deactivateTarget, objToDeactivate);
            if (target && target->isActive())
                target->setActive(false);
        }
    }

    void ToggleActiveButton::ToggleFalse(std::int32_t n, GameObject* object)
    {
        const std::vector<GameObject*> children = object->GetChildren();
        for (GameObject* child : children)
        {
            if (n == 1)
                child->setActive(false);
            else
                ToggleFalse(n - 1, child);
        }
    }
}
