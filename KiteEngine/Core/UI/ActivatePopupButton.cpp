// ActivatePopupButton: spawning and showing the click and hover pop-ups.
#include "Core/UI/ActivatePopupButton.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/UISystem.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    ActivatePopupButton::ActivatePopupButton() : BaseButton(CT_ActivatePopupButton) {}

    ActivatePopupButton::ActivatePopupButton(const ActivatePopupButton& other)
        : BaseButton(other),
          clickPopupArchetypeToSpawn(other.clickPopupArchetypeToSpawn),
          clickPopupLocation(other.clickPopupLocation),
          hoverPopupArchetypeToSpawn(other.hoverPopupArchetypeToSpawn),
          hoverPopupLocation(other.hoverPopupLocation),
          hoverTimeToPopup(other.hoverTimeToPopup)
    {
    }

    ActivatePopupButton& ActivatePopupButton::operator=(const ActivatePopupButton& other)
    {
        if (this == &other)
            return *this;
        BaseButton::operator=(other);
        clickPopupArchetypeToSpawn = other.clickPopupArchetypeToSpawn;
        clickPopupLocation = other.clickPopupLocation;
        clickPopup = other.clickPopup;
        clickPopupSerial = other.clickPopupSerial;
        hoverPopupArchetypeToSpawn = other.hoverPopupArchetypeToSpawn;
        hoverPopupLocation = other.hoverPopupLocation;
        hoverTimeToPopup = other.hoverTimeToPopup;
        hoverTimer = other.hoverTimer;
        hoverPopup = other.hoverPopup;
        hoverPopupSerial = other.hoverPopupSerial;
        return *this;
    }

    GameComponent* ActivatePopupButton::Clone() const
    {
        return new ActivatePopupButton(*this);
    }

    GameObject* ActivatePopupButton::GetClickPopup()
    {
        // A pop-up destroyed by someone else is forgotten and spawned afresh.
        if (clickPopup && !UISystem::IsObjectAlive(clickPopup, clickPopupSerial))
            clickPopup = nullptr;
        return clickPopup;
    }

    GameObject* ActivatePopupButton::GetHoverPopup()
    {
        if (hoverPopup && !UISystem::IsObjectAlive(hoverPopup, hoverPopupSerial))
            hoverPopup = nullptr;
        return hoverPopup;
    }

    GameObject* ActivatePopupButton::Spawn(const std::string& archetype, Vector2D location)
    {
        GameObject* popup = Instantiate(archetype, location, 0.0f);
        if (popup && GetOwner())
            popup->AddParent(GetOwner());
        return popup;
    }

    void ActivatePopupButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        ShowClickPopup();
    }

    void ActivatePopupButton::ShowClickPopup()
    {
        if (GameObject* popup = GetClickPopup())
        {
            if (closesOtherPopups)
                HideOtherPopups();
            popup->setActive(true);
        }
        else if (!clickPopupArchetypeToSpawn.empty())
        {
            clickPopup = Spawn(clickPopupArchetypeToSpawn, clickPopupLocation);
            clickPopupSerial = clickPopup ? clickPopup->GetSerial() : 0;
        }
    }

    void ActivatePopupButton::OnMouseEnter()
    {
        BaseButton::OnMouseEnter();
        hoverTimer = 0.0f;
    }

    void ActivatePopupButton::OnMouseOver()
    {
        BaseButton::OnMouseOver();
        ShowHoverPopup();
    }

    void ActivatePopupButton::ShowHoverPopup()
    {
        if (GameObject* popup = GetHoverPopup())
        {
            // The delay advances once per over message, not per frame.
            if (hoverTimeToPopup > hoverTimer)
                hoverTimer += fc.getFixedDeltaTime();
            else
            {
                if (closesOtherPopups)
                    HideOtherPopups();
                popup->setActive(true);
            }
        }
        else if (!hoverPopupArchetypeToSpawn.empty())
        {
            hoverPopup = Spawn(hoverPopupArchetypeToSpawn, hoverPopupLocation);
            hoverPopupSerial = hoverPopup ? hoverPopup->GetSerial() : 0;
        }
    }

    void ActivatePopupButton::OnMouseExit()
    {
        BaseButton::OnMouseExit();
        if (GameObject* popup = GetHoverPopup())
            popup->setActive(false);
    }

    void ActivatePopupButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        BaseButton::XMLSerialise(element, document);
        WriteElement(document, element, clickPopupArchetypeToSpawn, "clickPopupArchetypeToSpawn");
        WriteElement(document, element, clickPopupLocation, "clickPopupLocation");
        WriteElement(document, element, hoverPopupArchetypeToSpawn, "hoverPopupArchetypeToSpawn");
        WriteElement(document, element, hoverPopupLocation, "hoverPopupLocation");
        WriteElement(document, element, hoverTimeToPopup, "hoverTimeToPopup");
    }

    void ActivatePopupButton::XMLUnSerialise(XMLElement* cursor)
    {
        BaseButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, clickPopupArchetypeToSpawn);
        QueryNextElement(cursor, clickPopupLocation);
        QueryNextElement(cursor, hoverPopupArchetypeToSpawn);
        QueryNextElement(cursor, hoverPopupLocation);
        QueryNextElement(cursor, hoverTimeToPopup);
    }
}
