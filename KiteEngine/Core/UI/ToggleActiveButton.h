// ToggleActiveButton: on press, switches objects on or off: its object's
// children, its parent, a named object (and the objects some levels below
// it), or itself; and switches one more named object off.
#pragma once

#include <cstdint>
#include <string>

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class ToggleActiveButton : public BaseButton
    {
    public:
        ToggleActiveButton();
        // The listed fields; the targets are found again by name.
        ToggleActiveButton(const ToggleActiveButton& other);
        ~ToggleActiveButton() override = default;

        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        void RenderImGui() override;
        // The button keys, then this button's five.
        void ListFields(FieldVisitor& fields) override;

        // Keeps the target already found, as editing the name does.
        void SetToggleObject(std::string name) { toggleObject = std::move(name); }
        std::string GetToggleObject() const { return toggleObject; }
        void SetObjToDeactivate(std::string name) { objToDeactivate = std::move(name); }
        std::string GetObjToDeactivate() const { return objToDeactivate; }
        void SetToggleChild(bool b) { toggleChild = b; }
        void SetToggleParent(bool b) { toggleParent = b; }
        void SetToggleNumOfLayers(std::int32_t n) { toggleNumOfLayers = n; }
        bool GetToggleChild() const { return toggleChild; }
        bool GetToggleParent() const { return toggleParent; }
        std::int32_t GetToggleNumOfLayers() const { return toggleNumOfLayers; }
        bool GetForceClose() const { return forceClose; }
        // Stores the setting and presses the button once with it.
        void SetForceClose(bool b);
        // Stores the setting without pressing: what is closed stays closed
        // until the next press.
        void StoreForceClose(bool b) { forceClose = b; }
        // One press that only ever switches off, whatever the button's state.
        void ForceCloseOnce();

    protected:
        void OnMouseDown() override;

        // Stored (see ListFields).
        std::string toggleObject;
        bool toggleChild = false;
        bool toggleParent = false;
        std::string objToDeactivate;
        std::int32_t toggleNumOfLayers = 0;
        // Copied, not stored.
        bool forceClose = false;

        // Run-time state: the objects found by name.
        ObjectHandle toggleTarget;
        ObjectHandle deactivateTarget;

    private:
        // The five steps of a press; alwaysOff switches everything off.
        void Apply(bool alwaysOff);
        void Switch(GameObject* object, bool alwaysOff) const;
        // The cached object, found again by name when it is missing or has
        // been destroyed since.
        static GameObject* Resolve(ObjectHandle& cached, const std::string& name);
        // Switches off the objects exactly n levels below object.
        void ToggleFalse(std::int32_t n, GameObject* object);
    };
}
