// ActivatePopupButton: spawning and showing the click and hover pop-ups.
#include "Core/UI/ActivatePopupButton.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    ActivatePopupButton::ActivatePopupButton() : BaseButton(CT_ActivatePopupButton) {}

    ActivatePopupButton::ActivatePopupButton(const ActivatePopupButton& other) : BaseButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* ActivatePopupButton::Clone() const
    {
        return CloneListed(*this);
    }

    void ActivatePopupButton::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        const auto name = [](const char* label, const char* id) {
            return FieldInfo{label, FieldWidget::EnterText}.Id(id).Capacity(64).Caption(FieldCaption::Plain);
        };
        const auto place = FieldInfo{"Where to pop up the popup?", FieldWidget::Input}.Caption(FieldCaption::Plain);
        v.Add("clickPopupArchetypeToSpawn", clickPopupArchetypeToSpawn,
              name("Click Popup Archetype to Spawn", "##clickPopupArchetypeToSpawn_"));
        v.Add("clickPopupLocation", clickPopupLocation, place);
        v.Add("hoverPopupArchetypeToSpawn", hoverPopupArchetypeToSpawn,
              name("Hover Popup Archetype to Spawn", "##hoverPopupArchetypeToSpawn_"));
        v.Add("hoverPopupLocation", hoverPopupLocation, place);
        v.Add("hoverTimeToPopup", hoverTimeToPopup,
              FieldInfo{"Hover Timeout", FieldWidget::Input, 0.0f}.Id("##hovertimer").Caption(FieldCaption::Plain));
    }

    ObjectHandle ActivatePopupButton::Spawn(const std::string& archetype, Vector2D location)
    {
        GameObject* popup = Instantiate(archetype, location, 0.0f);
        if (popup && GetOwner())
            popup->AddParent(GetOwner());
        return ObjectHandle(popup);
    }

    void ActivatePopupButton::OnMouseDown()
    {
        BaseButton::OnMouseDown();
        ShowClickPopup();
    }

    void ActivatePopupButton::ShowClickPopup()
    {
        // A pop-up destroyed by someone else is spawned afresh.
        if (GameObject* popup = clickPopup.Get())
        {
            if (closesOtherPopups)
                HideOtherPopups();
            popup->setActive(true);
        }
        else if (!clickPopupArchetypeToSpawn.empty())
            clickPopup = Spawn(clickPopupArchetypeToSpawn, clickPopupLocation);
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
        if (GameObject* popup = hoverPopup.Get())
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
            hoverPopup = Spawn(hoverPopupArchetypeToSpawn, hoverPopupLocation);
    }

    void ActivatePopupButton::OnMouseExit()
    {
        BaseButton::OnMouseExit();
        if (GameObject* popup = hoverPopup.Get())
            popup->setActive(false);
    }
}
