// ActivatePopupButton: shows a pop-up object (spawned from an archetype the
// first time) when pressed, and another one while the mouse stays over it.
#pragma once

#include <cstdint>
#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class GameObject;

    class ActivatePopupButton : public BaseButton
    {
    public:
        ActivatePopupButton();
        ActivatePopupButton(const ActivatePopupButton& other);
        ActivatePopupButton& operator=(const ActivatePopupButton& other);
        ~ActivatePopupButton() override = default;

        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

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
        GameObject* GetClickPopup();
        GameObject* GetHoverPopup();

    protected:
        void OnMouseDown() override;
        void OnMouseEnter() override;
        void OnMouseExit() override;
        void OnMouseOver() override;

        std::string clickPopupArchetypeToSpawn;
        Vector2D clickPopupLocation;
        GameObject* clickPopup = nullptr;
        std::uint64_t clickPopupSerial = 0;
        std::string hoverPopupArchetypeToSpawn;
        Vector2D hoverPopupLocation;
        float hoverTimeToPopup = 0.0f;
        float hoverTimer = 0.0f;
        GameObject* hoverPopup = nullptr;
        std::uint64_t hoverPopupSerial = 0;

    private:
        void ShowClickPopup();
        void ShowHoverPopup();
        GameObject* Spawn(const std::string& archetype, Vector2D location);
    };
}
