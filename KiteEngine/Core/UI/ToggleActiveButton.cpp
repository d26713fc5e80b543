// ToggleActiveButton: the switching rules of a press.
#include "Core/UI/ToggleActiveButton.h"

#include <vector>

#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/UISystem.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    ToggleActiveButton::ToggleActiveButton() : BaseButton(CT_ToggleActiveButton) {}

    ToggleActiveButton::ToggleActiveButton(const ToggleActiveButton& other)
        : BaseButton(other),
          toggleChild(other.toggleChild),
          toggleParent(other.toggleParent),
          forceClose(other.forceClose),
          toggleNumOfLayers(other.toggleNumOfLayers),
          toggleObject(other.toggleObject),
          objToDeactivate(other.objToDeactivate)
    {
    }

    ToggleActiveButton& ToggleActiveButton::operator=(const ToggleActiveButton& other)
    {
        if (this == &other)
            return *this;
        BaseButton::operator=(other);
        toggleChild = other.toggleChild;
        toggleParent = other.toggleParent;
        forceClose = other.forceClose;
        toggleNumOfLayers = other.toggleNumOfLayers;
        toggleTarget = other.toggleTarget;
        toggleTargetSerial = other.toggleTargetSerial;
        toggleObject = other.toggleObject;
        deactivateTarget = other.deactivateTarget;
        deactivateTargetSerial = other.deactivateTargetSerial;
        objToDeactivate = other.objToDeactivate;
        return *this;
    }

    GameComponent* ToggleActiveButton::Clone() const
    {
        return new ToggleActiveButton(*this);
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

    GameObject* ToggleActiveButton::Resolve(GameObject*& cached, std::uint64_t& serial, const std::string& name)
    {
        if (cached && !UISystem::IsObjectAlive(cached, serial))
            cached = nullptr;
        if (!cached && FACTORY)
        {
            cached = FACTORY->FindObjByName(name);
            serial = cached ? cached->GetSerial() : 0;
        }
        return cached;
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
            GameObject* target = Resolve(toggleTarget, toggleTargetSerial, toggleObject);
            Switch(target, alwaysOff);
            if (target && toggleNumOfLayers > 0)
                ToggleFalse(toggleNumOfLayers, target);
        }
        else
            Switch(owner, alwaysOff);

        if (!objToDeactivate.empty())
        {
            GameObject* target = Resolve(deactivateTarget, deactivateTargetSerial, objToDeactivate);
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

    void ToggleActiveButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        BaseButton::XMLSerialise(element, document);
        WriteElement(document, element, toggleObject, "toggleObject");
        WriteElement(document, element, toggleChild, "toggleChild_");
        WriteElement(document, element, toggleParent, "toggleParent_");
        WriteElement(document, element, objToDeactivate, "objToDeactivate");
        WriteElement(document, element, toggleNumOfLayers, "toggleNumOfLayers");
    }

    void ToggleActiveButton::XMLUnSerialiseBase(XMLElement*& cursor)
    {
        BaseButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, toggleObject);
        QueryNextElement(cursor, toggleChild);
        QueryNextElement(cursor, toggleParent);
        QueryNextElement(cursor, objToDeactivate);
        QueryNextElement(cursor, toggleNumOfLayers);
    }

    void ToggleActiveButton::XMLUnSerialise(XMLElement* cursor)
    {
        ToggleActiveButton::XMLUnSerialiseBase(cursor);
    }
}
