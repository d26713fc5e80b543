// ActivatePopupButton: shows a pop-up object (spawned from an archetype the
// first time) when pressed, and another one while the mouse stays over it.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class ActivatePopupButton : public BaseButton
    {
    public:
        ActivatePopupButton();
        // The listed fields; the copy has spawned no pop-up yet.
        ActivatePopupButton(const ActivatePopupButton& other);
        ~ActivatePopupButton() override = default;

        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Activate PopUp Button"; }
        // The button keys, then the two pop-ups and the hover delay.
        void ListFields(FieldVisitor& fields) override;

        bool GetButtonActive() const { return ButtonActive(); }
        void SetButtonActive(bool active) { ButtonActive(active); }

        void SetClickPopup(std::string archetype, Vector2D location)
        {
            clickPopupArchetypeToSpawn = std::move(archetype);
            clickPopupLocation = location;
        }
        void SetHoverPopup(std::string archetype, Vector2D location, float seconds)
        {
            hoverPopupArchetypeToSpawn = std::move(archetype);
            hoverPopupLocation = location;
            hoverTimeToPopup = seconds;
        }
        std::string GetClickPopupArchetype() const { return clickPopupArchetypeToSpawn; }
        std::string GetHoverPopupArchetype() const { return hoverPopupArchetypeToSpawn; }
        Vector2D GetClickPopupLocation() const { return clickPopupLocation; }
        Vector2D GetHoverPopupLocation() const { return hoverPopupLocation; }
        float GetHoverTimeToPopup() const { return hoverTimeToPopup; }
        float GetHoverTimer() const { return hoverTimer; }
        // The spawned pop-ups, or null (also once they have been destroyed).
        GameObject* GetClickPopup() const { return clickPopup.Get(); }
        GameObject* GetHoverPopup() const { return hoverPopup.Get(); }

    protected:
        void OnMouseDown() override;
        void OnMouseEnter() override;
        void OnMouseExit() override;
        void OnMouseOver() override;

        // Stored (see ListFields).
        std::string clickPopupArchetypeToSpawn;
        Vector2D clickPopupLocation;
        std::string hoverPopupArchetypeToSpawn;
        Vector2D hoverPopupLocation;
        float hoverTimeToPopup = 0.0f;

        // Run-time state: the pop-ups spawned so far and the hover delay.
        ObjectHandle clickPopup;
        ObjectHandle hoverPopup;
        float hoverTimer = 0.0f;

    private:
        void ShowClickPopup();
        void ShowHoverPopup();
        // The archetype's instance, made a child of the button's object; the
        // empty handle when there is no such archetype.
        ObjectHandle Spawn(const std::string& archetype, Vector2D location);
    };
}
