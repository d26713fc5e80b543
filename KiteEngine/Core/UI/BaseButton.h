// BaseButton: the base of every button. It swaps its object's sprite texture
// by mouse state (default, over, down, inactive), plays its object's audio
// source when pressed, and turns the mouse messages that picking sends to its
// object into calls of its virtual mouse handlers.
#pragma once

#include <string>

#include "Core/UI/UIElement.h"

namespace KiteFramework
{
    class Sprite;
    class AudioSource;

    class BaseButton : public UIElement
    {
    public:
        void Initialise() override;
        // Mouse messages 8 to 13, only while the owner object is active.
        void SendMessage(Message* message) override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing,
        // whose first six keys are the button's own.
        GameComponent* Clone() const override;
        // The six button keys, with the block every button's panel opens
        // with; subclasses list these first.
        void ListFields(FieldVisitor& fields) override;
        ~BaseButton() override = default;

        // Changing the state shows the default (now active) or inactive texture.
        void ButtonActive(bool active);
        bool ButtonActive() const { return buttonActive; }

        std::string GetDefaultPath() const { return defaultSpritePath; }
        std::string GetMouseOverPath() const { return mouseOverSpritePath; }
        std::string GetMouseDownPath() const { return mouseDownSpritePath; }
        std::string GetInactivePath() const { return inactiveSpritePath; }
        std::string GetAudioSourcePath() const { return audioSourcePath; }
        void SetDefaultPath(std::string path) { defaultSpritePath = std::move(path); }
        void SetMouseOverPath(std::string path) { mouseOverSpritePath = std::move(path); }
        void SetMouseDownPath(std::string path) { mouseDownSpritePath = std::move(path); }
        void SetInactivePath(std::string path) { inactiveSpritePath = std::move(path); }
        void SetAudioSourcePath(std::string path) { audioSourcePath = std::move(path); }
        bool GetClosesOtherPopups() const { return closesOtherPopups; }
        void SetClosesOtherPopups(bool closes) { closesOtherPopups = closes; }

    protected:
        explicit BaseButton(ComponentTypeId type) : UIElement(type) {}
        // The listed fields; the sprite and sound are found again.
        BaseButton(const BaseButton& other);
        // The button block of the listing, for a subclass whose panel has a
        // layout of its own.
        void DrawButtonFields();

        virtual void OnMouseDown();
        virtual void OnMouseUp();
        virtual void OnMouseEnter();
        virtual void OnMouseExit();
        virtual void OnMouseOver() {}
        virtual void OnMouseDrag() {}
        virtual void ButtonPressedSound();

        void HideOtherPopups();

        // Copied, not stored.
        bool closesOtherPopups = false;
        // Stored (see ListFields).
        bool buttonActive = false;
        std::string defaultSpritePath;
        std::string mouseOverSpritePath;
        std::string mouseDownSpritePath;
        std::string inactiveSpritePath;
        std::string audioSourcePath;

        // Run-time state: the owner's components, looked up again at use.
        Sprite* sprite = nullptr;
        AudioSource* audioSource = nullptr;

    private:
        // Looks the owner's sprite up again and shows path on it when the
        // button is active.
        void ShowState(const std::string& path);
    };
}
