// StallDragging: what a stall's drag does beyond a seat's.
#include "Building/StallDragging.h"

#include <iostream>

#include "Building/DragSupport.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Core/Objects/GameObject.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Stalls/SecondFloorController.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"

namespace KiteFramework
{
    namespace
    {
        bool HoldsNode(GameObject* o)
        {
            return o->GetComponent<StallPlacementNode>() != nullptr;
        }

        bool OnUpperFloor(GameObject* node)
        {
            return node && node->GetComponent<SecondFloorIndicator>();
        }
    }

    StallDragging::StallDragging(StallsBehaviour& stall)
        : DragController(stall.GetOwner(),
                         {stall.pressed, stall.dragging, stall.holdTimer, stall.savedPosition, stall.afterImage}, SettingsOf(StallsSystem::Instance(), &StallsSystem::stallsMovable), HoldTime,
                         HoldsNode),
          stall(stall)
    {
    }

    float StallDragging::Price() const
    {
        return stall.constructionCost;
    }

    bool StallDragging::Carryable() const
    {
        return stall.operational;
    }

    void StallDragging::BeforeLift()
    {
        if (UpgradeSystem* upgrades = UpgradeSystem::Instance())
            upgrades->CloseAllMenus();
    }

    GameObject* StallDragging::MakeAfterImage(float depth)
    {
        const StallsBehaviour::SpritePair pair = stall.GetSpritePair(stall.stallIndex_, stall.spriteState);
        StallsSystem* system = StallsSystem::Instance();
        const int columns = system ? system->animationColRow_.first : 1;
        const int rows = system ? system->animationColRow_.second : 1;
        return DragSupport::MakeAfterImage(owner, pair.first, columns, rows, depth, true);
    }

    void StallDragging::LiftedFromButton()
    {
        stall.spriteState = StallsBehaviour::Idle;
    }

    void StallDragging::LookRestored()
    {
        stall.SetStallSprite(stall.busy_ ? StallsBehaviour::Serving : StallsBehaviour::Idle);
    }

    void StallDragging::Clicked()
    {
        std::cout << "queue popup menue for stalls" << std::endl;
        OpenMenu();
    }

    void StallDragging::LeaveNode(GameObject* oldNode)
    {
        const std::vector<CustomerAIBehaviour*> waiting = stall.QueuedCustomers();
        stall.queue.clear();
        for (CustomerAIBehaviour* c : waiting)
            c->LoseHeart();
        if (GameObject* link = stall.linkNode.Get())
            link->Destroy();
        stall.linkNode.Reset();
        DragSupport::ShowNodeMarker(oldNode, true);
        owner->Unparent();
        // The upper floor loses this user.
        if (OnUpperFloor(oldNode))
            if (SecondFloorController* upper = SecondFloorController::Instance())
                upper->UnlinkNodes();
    }

    bool StallDragging::BuyNew()
    {
        StallsSystem* system = StallsSystem::Instance();
        return system ? system->AddStall(&stall) : NotBought("stall", "StallsSystem");
    }

    void StallDragging::TookNode(GameObject* node)
    {
        // A bought stall's menu opens where it stands (a moved one has it).
        OpenMenu();
        if (OnUpperFloor(node))
            if (SecondFloorController* upper = SecondFloorController::Instance())
                upper->LinkNodes();
    }

    void StallDragging::Link(GameObject* node)
    {
        StallPlacementNode* placement = node->GetComponent<StallPlacementNode>();
        stall.queueToLeft = placement->queueToLeft;
        stall.CreateStallLinkNode(placement);
    }

    void StallDragging::OpenMenu()
    {
        UpgradeSystem* upgrades = UpgradeSystem::Instance();
        UpgradeBehaviour* upgrade = owner ? owner->GetComponent<UpgradeBehaviour>() : nullptr;
        if (!upgrades || !upgrade || !stall.GetNodeObject() || upgrades->HasMenu(upgrade))
            return;
        upgrades->OpenUpgradeMenu(upgrade);
        upgrade->UpdateTexts();
    }
}
