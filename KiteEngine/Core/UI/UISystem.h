// UISystem: the registries of the user interface (every user-interface
// component, the pause-menu objects, the pop-ups that close by themselves),
// the forwarding of broadcast messages to user-interface components, and the
// system calls that buttons make (pause, quit, change level).
#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Core/Engine/System.h"

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
        void Update() override {}
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

        bool IsRegistered(const UIElement* element) const { return index.count(element) != 0; }
        std::size_t GetUIElementCount() const { return uiElements.size(); }
        const std::list<UIElement*>& GetUIElements() const { return uiElements; }
        const std::list<GameObject*>& GetPauseElements() const { return pauseElements; }
        const std::vector<GameObject*>& GetAutoClosePopups() const { return autoClosePopups; }
        float GetSavedTimeFactor() const { return savedTimeFactor; }

        // Whether the object is one the factory still holds. Registries and
        // buttons keep plain pointers to objects that may be destroyed at any
        // frame; they test them here before use.
        static bool IsObjectAlive(const GameObject* object);
        // The same, and still the object whose serial was taken: not a later
        // object made at a destroyed one's address.
        static bool IsObjectAlive(const GameObject* object, std::uint64_t serial);

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

        std::vector<GameObject*> autoClosePopups;
        std::list<GameObject*> pauseElements;
        // The serial each listed object had when it was listed.
        std::unordered_map<const GameObject*, std::uint64_t> listedSerials;
        std::list<UIElement*> uiElements;
        float savedTimeFactor = 0.0f;

        struct Registration
        {
            // Where the element sits in uiElements, so that removal does not
            // scan the list (a scene clear removes every element one by one).
            std::vector<std::list<UIElement*>::iterator> positions;
            // Tells a new element apart from a deleted one at the same address.
            std::uint64_t serial = 0;
        };
        using Entry = std::pair<UIElement*, std::uint64_t>;

        std::unordered_map<const UIElement*, Registration> index;
        std::uint64_t nextSerial = 0;
        // One reusable copy of uiElements per nested forwarding: handlers may
        // add or remove elements while a message is being handed out.
        std::vector<std::vector<Entry>> snapshots;
        std::size_t walkDepth = 0;
    };

    extern UISystem* UISYSTEM;
}
