// UISystem: the registries of the user interface (every user-interface
// component, the pause-menu objects, the pop-ups that close by themselves),
// the per-frame update and the forwarding of broadcast messages to
// user-interface components, and the system calls that buttons make (pause,
// quit, change level).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Core/Engine/System.h"
#include "Core/Engine/WalkedList.h"
#include "Core/Objects/ObjectHandle.h"

namespace KiteFramework
{
    class GameObject;
    class UIElement;

    class UISystem : public System
    {
    public:
        UISystem();
        ~UISystem() override;
        UISystem(const UISystem&) = delete;
        UISystem& operator=(const UISystem&) = delete;

        // Registers the creators of the four user-interface components.
        void Initialise() override;
        // While the game plays: Update of every element, in order.
        void Update() override;
        // Clear (14) empties the registries; anything else goes to every
        // registered element.
        void SendMessage(Message* message) override;

        void AddUIElem(UIElement* element);
        // Removes every entry of the element; safe while messages are being
        // forwarded (the element then receives nothing more).
        void RemoveUIElem(UIElement* element);
        void AddPauseElem(GameObject* object);
        void RemovePauseElem(GameObject* object);

        // Pauses (time factor 0, pause menu shown) or resumes (the factor
        // saved by the pause, pause menu hidden); in the menu scenes it only
        // makes sure the game runs at factor 1.
        void PauseGame();
        void QuitGame();
        void ChangeLevel(const std::string& name);
        // Saving and loading games is not offered; kept for buttons that name them.
        void SaveLevel() {}
        void LoadLevel() {}

        bool IsRegistered(const UIElement* element) const
        {
            return uiElements.Contains(const_cast<UIElement*>(element));
        }
        std::size_t GetUIElementCount() const { return uiElements.Size(); }
        std::vector<UIElement*> GetUIElements() const { return uiElements.Live(); }
        // The listed objects that still live, in order.
        std::vector<GameObject*> GetPauseElements() const { return Living(pauseElements); }
        std::vector<GameObject*> GetAutoClosePopups() const { return Living(autoClosePopups); }
        float GetSavedTimeFactor() const { return savedTimeFactor; }

    private:
        friend class PopUpUI;
        friend class BaseButton;

        void AddAutoClosePopup(GameObject* object);
        void AddAutoClosePopup(UIElement* element);
        void RemoveAutoClosePopup(GameObject* object);
        void RemoveAutoClosePopup(UIElement* element);
        // Hides every auto-close pop-up; the list keeps its live entries.
        void HideAllAutoClosePopup();
        // Drops entries whose object has been destroyed.
        void PruneDeadObjects();
        static std::vector<GameObject*> Living(const WalkedList<ObjectHandle>& list);

        WalkedList<ObjectHandle> autoClosePopups;
        WalkedList<ObjectHandle> pauseElements;
        // Messages go to the elements present when they are sent out;
        // handlers may add or remove elements meanwhile.
        WalkedList<UIElement*> uiElements;
        float savedTimeFactor = 0.0f;
    };

    extern UISystem* UISYSTEM;
}
