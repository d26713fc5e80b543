// StallDragging: hold, carry and drop of a stall.
#include "Building/StallDragging.h"

#include <iostream>

#include "Building/DragSupport.h"
#include "Building/Indicator.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Physics/Collider2D.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Stalls/SecondFloorController.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "World/GameClock.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        bool HoldsNode(GameObject* o)
        {
            return o->GetComponent<StallPlacementNode>() != nullptr;
        }

        Indicator* IndicatorOf(StallsBehaviour& stall)
        {
            return stall.GetOwner() ? stall.GetOwner()->GetComponent<Indicator>() : nullptr;
        }

        struct StallSettings
        {
            float actualDepth = 0.0f;
            float draggingDepth = 0.0f;
            bool movable = true;
            int originalLayer = 0;
            int draggedLayer = 0;
        };

        StallSettings Settings()
        {
            StallSettings s;
            if (StallsSystem* system = StallsSystem::Instance())
                s = {system->actualDepth, system->draggingDepth, system->stallsMovable, system->originalLayer,
                     system->draggedLayer};
            return s;
        }

        bool OnUpperFloor(GameObject* node)
        {
            return node && node->GetComponent<SecondFloorIndicator>();
        }
    }

    bool StallDragging::IsFreeNode(GameObject* target)
    {
        return target && target->GetComponent<StallPlacementNode>() && target->GetChildren().empty();
    }

    void StallDragging::Press(StallsBehaviour& stall)
    {
        stall.pressed = true;
    }

    void StallDragging::Update(StallsBehaviour& stall)
    {
        if (stall.dragging && !DragSupport::LeftButtonHeld())
        {
            // The release was picked elsewhere: it lands where the stall was
            // last carried.
            Drop(stall);
            return;
        }
        if (stall.pressed && !stall.dragging && stall.operational)
        {
            // A release away from the stall never reaches it: the hold ends
            // with the button, not later by itself.
            if (!DragSupport::LeftButtonHeld())
            {
                stall.pressed = false;
                stall.holdTimer = 0.0f;
            }
            else
            {
                stall.holdTimer += GameClock::ScaledStep();
                if (stall.holdTimer > HoldTime)
                {
                    if (Settings().movable)
                        StartHoldDrag(stall);
                    else
                        stall.pressed = false;
                    stall.holdTimer = 0.0f;
                }
            }
        }
        if (stall.dragging && stall.operational)
            Follow(stall);
    }

    void StallDragging::StartHoldDrag(StallsBehaviour& stall)
    {
        GameObject* owner = stall.GetOwner();
        if (UpgradeSystem* upgrades = UpgradeSystem::Instance())
            upgrades->CloseAllMenus();
        stall.dragging = true;
        stall.savedPosition = DragSupport::PositionOf(owner);
        if (Indicator* indicator = IndicatorOf(stall))
            indicator->SetGrayscale();
        const StallSettings s = Settings();
        if (stall.GetNodeObject())
        {
            const StallsBehaviour::SpritePair pair = stall.GetSpritePair(stall.stallIndex_, stall.spriteState);
            StallsSystem* system = StallsSystem::Instance();
            const int columns = system ? system->animationColRow_.first : 1;
            const int rows = system ? system->animationColRow_.second : 1;
            stall.afterImage = ObjectHandle(DragSupport::MakeAfterImage(owner, pair.first, columns, rows, s.actualDepth, true));
        }
        DragSupport::SetDepth(owner, s.draggingDepth);
        DragSupport::SetColliderTag(owner, s.draggedLayer);
    }

    void StallDragging::Follow(StallsBehaviour& stall)
    {
        GameObject* owner = stall.GetOwner();
        DragSupport::FollowPointer(owner);
        Indicator* indicator = IndicatorOf(stall);
        if (!indicator)
            return;
        GameObject* target = DragSupport::FirstUnder(owner, HoldsNode);
        indicator->ApplyTint(IsFreeNode(target) ? indicator->legalPlacement : indicator->illegalPlacement);
    }

    void StallDragging::BeginFromButton(StallsBehaviour& stall)
    {
        GameObject* owner = stall.GetOwner();
        stall.pressed = stall.dragging = true;
        DragSupport::SetDepth(owner, Settings().draggingDepth);
        if (Indicator* indicator = IndicatorOf(stall))
            indicator->SetGrayscale();
        stall.spriteState = StallsBehaviour::Idle;
        if (Collider2D* collider = owner ? owner->GetComponent<Collider2D>() : nullptr)
        {
            collider->SetColliderTag(Settings().draggedLayer);
            collider->ForceToggleStay();
        }
    }

    void StallDragging::EndDragLook(StallsBehaviour& stall)
    {
        GameObject* owner = stall.GetOwner();
        stall.dragging = false;
        if (Indicator* indicator = IndicatorOf(stall))
            indicator->SetOriginal();
        stall.SetStallSprite(stall.busy_ ? StallsBehaviour::Serving : StallsBehaviour::Idle);
        const StallSettings s = Settings();
        DragSupport::SetDepth(owner, s.actualDepth);
        DragSupport::SetColliderTag(owner, s.originalLayer);
        if (GameObject* image = stall.afterImage.Get())
            image->Destroy();
        stall.afterImage.Reset();
    }

    void StallDragging::Drop(StallsBehaviour& stall)
    {
        stall.holdTimer = 0.0f;
        stall.pressed = false;
        if (!stall.dragging)
        {
            // A click without a drag: the stall's menu (made on first use
            // for stalls stored in the level).
            OpenMenu(stall);
            return;
        }
        EndDragLook(stall);
        GameObject* owner = stall.GetOwner();
        GameObject* target = DragSupport::FirstUnder(owner, HoldsNode);
        GameObject* ownNode = stall.GetNodeObject();
        if (target && target == ownNode)
        {
            DragSupport::MoveTo(owner, stall.savedPosition);
            return;
        }
        if (!IsFreeNode(target))
        {
            ReturnOrDiscard(stall);
            return;
        }
        // Only a move is judged against half the price here; a new stall is
        // judged by the stall system against its full price.
        if (ownNode && DragSupport::Money() < stall.constructionCost * 0.5f)
        {
            DragSupport::MoveTo(owner, stall.savedPosition);
            Instantiate("NoMoney", stall.savedPosition, 0.0f);
            return;
        }
        if (!PlaceOnNode(stall, target))
            return;
        StallPlacementNode* node = target->GetComponent<StallPlacementNode>();
        stall.queueToLeft = node->queueToLeft;
        stall.CreateStallLinkNode(node);
    }

    void StallDragging::LeaveOldNode(StallsBehaviour& stall, GameObject* oldNode)
    {
        GameObject* owner = stall.GetOwner();
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

    bool StallDragging::BuyNew(StallsBehaviour& stall)
    {
        StallsSystem* system = StallsSystem::Instance();
        if (!system)
        {
            ReportDataError("stall \"" + stall.GetGameObjectName() + "\"", "the level has no StallsSystem; stall not bought");
            stall.GetOwner()->Destroy();
            return false;
        }
        return system->AddStall(&stall);
    }

    bool StallDragging::PlaceOnNode(StallsBehaviour& stall, GameObject* node)
    {
        GameObject* owner = stall.GetOwner();
        if (!owner || !node)
            return false;
        const Vector2D here = DragSupport::PositionOf(owner);
        if (GameObject* oldNode = stall.GetNodeObject())
        {
            LeaveOldNode(stall, oldNode);
            DragSupport::Charge(stall.constructionCost * 0.5f, here);
        }
        else
        {
            if (!BuyNew(stall))
                return false;
            DragSupport::Charge(stall.constructionCost, here);
        }
        owner->AddParent(node);
        DragSupport::ShowNodeMarker(node, false);
        DragSupport::MoveTo(owner, DragSupport::PositionOf(node));
        // A bought stall's menu opens where it stands (a moved one has it).
        OpenMenu(stall);
        if (OnUpperFloor(node))
            if (SecondFloorController* upper = SecondFloorController::Instance())
                upper->LinkNodes();
        return true;
    }

    void StallDragging::OpenMenu(StallsBehaviour& stall)
    {
        UpgradeSystem* upgrades = UpgradeSystem::Instance();
        UpgradeBehaviour* upgrade = stall.GetOwner() ? stall.GetOwner()->GetComponent<UpgradeBehaviour>() : nullptr;
        if (!upgrades || !upgrade || !stall.GetNodeObject() || upgrades->HasMenu(upgrade))
            return;
        upgrades->OpenUpgradeMenu(upgrade);
        upgrade->UpdateTexts();
    }

    void StallDragging::ReturnOrDiscard(StallsBehaviour& stall)
    {
        GameObject* owner = stall.GetOwner();
        if (stall.GetNodeObject())
        {
            DragSupport::MoveTo(owner, stall.savedPosition);
            return;
        }
        TintedSprites::Forget(owner);
        owner->Destroy();
    }
}
