// UISystem: registries, message forwarding and the buttons' system calls.
#include "Core/UI/UISystem.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/UI/UIElement.h"

namespace KiteFramework
{
    UISystem* UISYSTEM = nullptr;

    UISystem::UISystem() : System(ST_UISystem)
    {
        if (!UISYSTEM)
            UISYSTEM = this;
    }

    UISystem::~UISystem()
    {
        autoClosePopups.clear();
        pauseElements.clear();
        uiElements.clear();
        index.clear();
        if (UISYSTEM == this)
            UISYSTEM = nullptr;
    }

    void UISystem::Initialise()
    {
        RegisterComponent<PopUpUI>(CT_PopUpUI, "PopUpUI");
        RegisterComponent<ActivatePopupButton>(CT_ActivatePopupButton, "ActivatePopupButton");
        RegisterComponent<SystemCallButton>(CT_SystemCallButton, "SystemCallButton");
        RegisterComponent<ToggleActiveButton>(CT_ToggleActiveButton, "ToggleActiveButton");
        DebugPrintHandler("System: UISystem initialised.");
        if (ENGINE)
            ENGINE->logMessage("System: UISystem initialised.");
    }

    void UISystem::SendMessage(Message* message)
    {
        if (!message)
            return;
        if (message->id == MsgID::ClearScene)
        {
            autoClosePopups.clear();
            pauseElements.clear();
            listedSerials.clear();
            uiElements.clear();
            index.clear();
            return;
        }
        // Walk a copy: a handler may destroy or create elements, or send a
        // message that comes back here. Entries removed meanwhile are skipped.
        const std::size_t depth = walkDepth++;
        if (snapshots.size() <= depth)
            snapshots.emplace_back();
        snapshots[depth].clear();
        for (UIElement* element : uiElements)
            snapshots[depth].emplace_back(element, index[element].serial);
        for (std::size_t i = 0; i < snapshots[depth].size(); ++i)
        {
            const Entry entry = snapshots[depth][i];
            auto it = index.find(entry.first);
            if (it != index.end() && it->second.serial == entry.second)
                entry.first->SendMessage(message);
        }
        snapshots[depth].clear();
        --walkDepth;
    }

    void UISystem::AddUIElem(UIElement* element)
    {
        if (!element)
            return;
        auto [it, added] = index.try_emplace(element);
        if (added)
            it->second.serial = ++nextSerial;
        it->second.positions.push_back(uiElements.insert(uiElements.end(), element));
    }

    void UISystem::RemoveUIElem(UIElement* element)
    {
        auto it = index.find(element);
        if (it == index.end())
            return;
        for (auto position : it->second.positions)
            uiElements.erase(position);
        index.erase(it);
    }

    void UISystem::AddPauseElem(GameObject* object)
    {
        if (!object)
            return;
        pauseElements.push_back(object);
        listedSerials[object] = object->GetSerial();
    }

    void UISystem::RemovePauseElem(GameObject* object)
    {
        pauseElements.remove(object);
    }

    void UISystem::AddAutoClosePopup(GameObject* object)
    {
        if (!object)
            return;
        autoClosePopups.push_back(object);
        listedSerials[object] = object->GetSerial();
    }

    void UISystem::AddAutoClosePopup(UIElement* element)
    {
        if (element)
            AddAutoClosePopup(element->GetOwner());
    }

    void UISystem::RemoveAutoClosePopup(GameObject* object)
    {
        autoClosePopups.erase(std::remove(autoClosePopups.begin(), autoClosePopups.end(), object),
                              autoClosePopups.end());
    }

    void UISystem::RemoveAutoClosePopup(UIElement* element)
    {
        if (element)
            RemoveAutoClosePopup(element->GetOwner());
    }

    bool UISystem::IsObjectAlive(const GameObject* object, std::uint64_t serial)
    {
        // The serial is read only once the object is known to be live.
        return IsObjectAlive(object) && object->GetSerial() == serial;
    }

    bool UISystem::IsObjectAlive(const GameObject* object)
    {
        if (!object || !FACTORY)
            return false;
        for (const GameObjectFactory::ObjectMap* map : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
            for (const auto& entry : *map)
                if (entry.second == object)
                    return true;
        return false;
    }

    void UISystem::PruneDeadObjects()
    {
        if (autoClosePopups.empty() && pauseElements.empty())
            return;
        // One pass over the factory for both lists.
        std::unordered_set<const GameObject*> alive;
        if (FACTORY)
            for (const GameObjectFactory::ObjectMap* map : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
                for (const auto& entry : *map)
                    alive.insert(entry.second);
        auto dead = [this, &alive](const GameObject* o) {
            if (alive.count(o) == 0)
                return true;
            auto listed = listedSerials.find(o);
            return listed != listedSerials.end() && listed->second != o->GetSerial();
        };
        autoClosePopups.erase(std::remove_if(autoClosePopups.begin(), autoClosePopups.end(), dead),
                              autoClosePopups.end());
        pauseElements.remove_if(dead);
        for (auto it = listedSerials.begin(); it != listedSerials.end();)
            it = dead(it->first) ? listedSerials.erase(it) : std::next(it);
    }

    void UISystem::HideAllAutoClosePopup()
    {
        PruneDeadObjects();
        // setActive may run handlers that change the list: walk a copy.
        // Objects are only ever deleted by the factory's update, so none of
        // the copy disappears during the walk.
        const std::vector<GameObject*> popups = autoClosePopups;
        for (GameObject* popup : popups)
            popup->setActive(false);
    }

    void UISystem::PauseGame()
    {
        if (!ENGINE)
            return;
        const std::string scene = SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
        if (scene == "MainMenu" || scene == "Credits")
        {
            ENGINE->SetTimeFactor(1.0f);
            return;
        }
        PruneDeadObjects();
        const std::vector<GameObject*> elements(pauseElements.begin(), pauseElements.end());
        const float factor = ENGINE->GetTimeFactor();
        if (factor == 0.0f)
        {
            ENGINE->SetTimeFactor(savedTimeFactor);
            for (GameObject* o : elements)
                o->setActive(false);
            return;
        }
        savedTimeFactor = factor;
        ENGINE->SetTimeFactor(0.0f);
        for (GameObject* o : elements)
        {
            o->setActive(true);
            // The menu opens on its first page: its sub-panels start hidden.
            const std::vector<GameObject*> children = o->GetChildren();
            for (GameObject* child : children)
                child->setActive(false);
        }
    }

    void UISystem::QuitGame()
    {
        MessageQuit quit;
        if (ENGINE)
            ENGINE->BroadcastMessage(&quit);
    }

    void UISystem::ChangeLevel(const std::string& name)
    {
        if (SCENEMNGR)
            SCENEMNGR->LoadLevel(name);
    }
}
