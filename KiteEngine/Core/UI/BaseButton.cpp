// BaseButton: texture states, the press sound and the mouse message mapping.
#include "Core/UI/BaseButton.h"

#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Message.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/UISystem.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    BaseButton::BaseButton(const BaseButton& other)
        : UIElement(other),
          closesOtherPopups(other.closesOtherPopups),
          buttonActive(other.buttonActive),
          defaultSpritePath(other.defaultSpritePath),
          mouseOverSpritePath(other.mouseOverSpritePath),
          mouseDownSpritePath(other.mouseDownSpritePath),
          inactiveSpritePath(other.inactiveSpritePath),
          audioSourcePath(other.audioSourcePath)
    {
    }

    BaseButton& BaseButton::operator=(const BaseButton& other)
    {
        if (this == &other)
            return *this;
        closesOtherPopups = other.closesOtherPopups;
        buttonActive = other.buttonActive;
        sprite = other.sprite;
        defaultSpritePath = other.defaultSpritePath;
        mouseOverSpritePath = other.mouseOverSpritePath;
        mouseDownSpritePath = other.mouseDownSpritePath;
        inactiveSpritePath = other.inactiveSpritePath;
        audioSource = other.audioSource;
        audioSourcePath = other.audioSourcePath;
        return *this;
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

    void BaseButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        WriteElement(document, element, buttonActive, "buttonActive");
        WriteElement(document, element, defaultSpritePath, "defaultSpritePath");
        WriteElement(document, element, mouseOverSpritePath, "mouseOverSpritePath");
        WriteElement(document, element, mouseDownSpritePath, "mouseDownSpritePath");
        WriteElement(document, element, inactiveSpritePath, "inactiveSpritePath");
        WriteElement(document, element, audioSourcePath, "audioSourcePath");
    }

    void BaseButton::XMLUnSerialiseBase(XMLElement*& cursor)
    {
        QueryNextElement(cursor, buttonActive);
        QueryNextElement(cursor, defaultSpritePath);
        QueryNextElement(cursor, mouseOverSpritePath);
        QueryNextElement(cursor, mouseDownSpritePath);
        QueryNextElement(cursor, inactiveSpritePath);
        QueryNextElement(cursor, audioSourcePath);
    }
}
