// BaseButton: texture states, the press sound and the mouse message mapping.
#include "Core/UI/BaseButton.h"

#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Message.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/UISystem.h"

namespace KiteFramework
{
    BaseButton::BaseButton(const BaseButton& other) : UIElement(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* BaseButton::Clone() const
    {
        return new BaseButton(*this);
    }

    void BaseButton::Initialise()
    {
        UIElement::Initialise();
        GameObject* owner = GetOwner();
        sprite = owner ? owner->GetComponent<Sprite>() : nullptr;
        audioSource = owner ? owner->GetComponent<AudioSource>() : nullptr;
    }

    void BaseButton::SendMessage(Message* message)
    {
        GameObject* owner = GetOwner();
        if (!message || !owner || !owner->isActive())
            return;
        switch (message->id)
        {
        case MsgID::MouseDown:
            OnMouseDown();
            break;
        case MsgID::MouseUp:
            OnMouseUp();
            break;
        case MsgID::MouseDrag:
            OnMouseDrag();
            break;
        case MsgID::MouseEnter:
            OnMouseEnter();
            break;
        case MsgID::MouseExit:
            OnMouseExit();
            break;
        case MsgID::MouseOver:
            OnMouseOver();
            break;
        default:
            break;
        }
    }

    void BaseButton::ShowState(const std::string& path)
    {
        GameObject* owner = GetOwner();
        sprite = owner ? owner->GetComponent<Sprite>() : nullptr;
        if (buttonActive && sprite)
            sprite->InGameSet(path);
    }

    void BaseButton::OnMouseDown()
    {
        ShowState(mouseDownSpritePath);
        if (closesOtherPopups)
            HideOtherPopups();
        // An inactive button still answers a press with its sound.
        ButtonPressedSound();
    }

    void BaseButton::OnMouseUp()
    {
        ShowState(mouseOverSpritePath);
    }

    void BaseButton::OnMouseEnter()
    {
        ShowState(mouseOverSpritePath);
    }

    void BaseButton::OnMouseExit()
    {
        ShowState(defaultSpritePath);
    }

    void BaseButton::ButtonPressedSound()
    {
        // Look again: the editor may have removed the source since Initialise.
        GameObject* owner = GetOwner();
        audioSource = owner ? owner->GetComponent<AudioSource>() : nullptr;
        if (audioSource)
            audioSource->startPlay();
    }

    void BaseButton::HideOtherPopups()
    {
        if (UISYSTEM)
            UISYSTEM->HideAllAutoClosePopup();
    }

    void BaseButton::ButtonActive(bool active)
    {
        if (active == buttonActive)
            return;
        buttonActive = active;
        // The cached sprite is checked against the owner: the editor may have
        // removed it.
        if (sprite && GetOwner())
            sprite = GetOwner()->GetComponent<Sprite>();
        if (sprite)
            sprite->InGameSet(active ? defaultSpritePath : inactiveSpritePath);
    }

    void BaseButton::ListFields(FieldVisitor& v)
    {
        // The block every button's panel opens with.
        const auto path = [](const char* label, FieldWidget widget, const char* id) {
            return FieldInfo{label, widget}.Id(id).Caption(FieldCaption::Plain);
        };
        v.Add("buttonActive", buttonActive,
              FieldInfo{"Button Active?", FieldWidget::Checkbox}.Caption(FieldCaption::Plain).Heading("Base button info"));
        v.Add("defaultSpritePath", defaultSpritePath,
              path("Default sprite", FieldWidget::ImagePath, "##BBdefaultSpritePath_"));
        v.Add("mouseOverSpritePath", mouseOverSpritePath,
              path("Mouseover sprite", FieldWidget::ImagePath, "##BBmouseOverSpritePath_"));
        v.Add("mouseDownSpritePath", mouseDownSpritePath,
              path("Mousedown sprite", FieldWidget::ImagePath, "##BBmouseDownSpritePath_"));
        v.Add("inactiveSpritePath", inactiveSpritePath,
              path("Inactive sprite", FieldWidget::ImagePath, "##BBinactiveSpritePath_"));
        v.Add("audioSourcePath", audioSourcePath, path("Audio Clip Path", FieldWidget::SoundPath, "##BBaudioSourcePath_"));
        // Set by the code that makes the button; no panel shows it.
        v.AddUnstored("closesOtherPopups", closesOtherPopups, HiddenField());
    }
}
