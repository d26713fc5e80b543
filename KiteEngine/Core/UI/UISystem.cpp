// UISystem: registries, message forwarding and the buttons' system calls.
#include "Core/UI/UISystem.h"

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
        ClaimGlobal(UISYSTEM, this);
    }

    UISystem::~UISystem()
    {
        ReleaseGlobal(UISYSTEM, this);
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

    void UISystem::Update()
    {
        // Elements that follow the game's state (an image showing the speed)
        // do so once a frame while the game plays, as scripts do.
        if (!ENGINE || !ENGINE->GetEngineStatus(ES_GAMEPLAYING))
            return;
        uiElements.ForEachPresent([](UIElement* element) { element->Update(); });
    }

    void UISystem::SendMessage(Message* message)
    {
        if (!message)
            return;
        if (message->id == MsgID::ClearScene)
        {
            autoClosePopups.Clear();
            pauseElements.Clear();
            uiElements.Clear();
            return;
        }
        // A handler may destroy or create elements, or send a message that
        // comes back here: removed elements receive nothing more, new ones
        // wait for the next message.
        uiElements.ForEachPresent([message](UIElement* element) { element->SendMessage(message); });
    }

    void UISystem::AddUIElem(UIElement* element)
    {
        if (element)
            uiElements.Add(element);
    }

    void UISystem::RemoveUIElem(UIElement* element)
    {
        uiElements.Remove(element);
    }

    void UISystem::AddPauseElem(GameObject* object)
    {
        if (object)
            pauseElements.Add(ObjectHandle(object));
    }

    void UISystem::RemovePauseElem(GameObject* object)
    {
        if (object)
            pauseElements.Remove(ObjectHandle(object));
    }

    void UISystem::AddAutoClosePopup(GameObject* object)
    {
        if (object)
            autoClosePopups.Add(ObjectHandle(object));
    }

    void UISystem::AddAutoClosePopup(UIElement* element)
    {
        if (element)
            AddAutoClosePopup(element->GetOwner());
    }

    void UISystem::RemoveAutoClosePopup(GameObject* object)
    {
        // Reached from the pop-up's destructor, while its object is being
        // deleted: the handle needs only its serial.
        if (object)
            autoClosePopups.Remove(ObjectHandle(object));
    }

    void UISystem::RemoveAutoClosePopup(UIElement* element)
    {
        if (element)
            RemoveAutoClosePopup(element->GetOwner());
    }

    std::vector<GameObject*> UISystem::Living(const WalkedList<ObjectHandle>& list)
    {
        std::vector<GameObject*> out;
        for (const ObjectHandle& h : list.Live())
            if (GameObject* o = h.Get())
                out.push_back(o);
        return out;
    }

    void UISystem::PruneDeadObjects()
    {
        auto dead = [](const ObjectHandle& h) { return h.Get() == nullptr; };
        autoClosePopups.RemoveIf(dead);
        pauseElements.RemoveIf(dead);
    }

    void UISystem::HideAllAutoClosePopup()
    {
        PruneDeadObjects();
        // setActive runs handlers that may open or close pop-ups meanwhile.
        autoClosePopups.ForEachPresent([](const ObjectHandle& h) {
            if (GameObject* popup = h.Get())
                popup->setActive(false);
        });
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
        const float factor = ENGINE->GetTimeFactor();
        if (factor == 0.0f)
        {
            ENGINE->SetTimeFactor(savedTimeFactor);
            pauseElements.ForEachPresent([](const ObjectHandle& h) {
                if (GameObject* o = h.Get())
                    o->setActive(false);
            });
            return;
        }
        savedTimeFactor = factor;
        ENGINE->SetTimeFactor(0.0f);
        pauseElements.ForEachPresent([](const ObjectHandle& h) {
            GameObject* o = h.Get();
            if (!o)
                return;
            o->setActive(true);
            // The menu opens on its first page: its sub-panels start hidden.
            const std::vector<GameObject*> children = o->GetChildren();
            for (GameObject* child : children)
                child->setActive(false);
        });
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
