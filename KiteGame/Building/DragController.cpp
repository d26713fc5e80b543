// DragController: the hold, carry and drop shared by stalls and seats.
#include "Building/DragController.h"

#include "Building/DragSupport.h"
#include "World/Indicator.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Physics/Collider2D.h"
#include "World/GameClock.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        Indicator* IndicatorOf(GameObject* owner)
        {
            return owner ? owner->GetComponent<Indicator>() : nullptr;
        }
    }

    DragController::DragController(GameObject* owner, State state, Settings settings, float holdTime,
                                   bool (*isNode)(GameObject*))
        : owner(owner), state(state), settings(settings), holdTime(holdTime), isNode(isNode)
    {
    }

    bool DragController::NotBought(const std::string& kind, const std::string& system)
    {
        ReportDataError(kind + " \"" + owner->getName() + "\"", "the level has no " + system + "; " + kind + " not bought");
        owner->Destroy();
        return false;
    }

    bool DragController::IsFreeNode(GameObject* target) const
    {
        return target && isNode(target) && target->GetChildren().empty();
    }

    GameObject* DragController::NodeObject() const
    {
        return owner ? owner->GetParent() : nullptr;
    }

    void DragController::Press()
    {
        state.pressed = true;
    }

    void DragController::Update()
    {
        if (state.dragging && !DragSupport::LeftButtonHeld())
        {
            // The release was picked elsewhere: it lands where the object
            // was last carried.
            Drop();
            return;
        }
        if (state.pressed && !state.dragging && Carryable())
        {
            // A release away from the object never reaches it: the hold
            // ends with the button, not later by itself.
            if (!DragSupport::LeftButtonHeld())
            {
                state.pressed = false;
                state.holdTimer = 0.0f;
            }
            else
            {
                state.holdTimer += GameClock::ScaledStep();
                if (state.holdTimer > holdTime)
                {
                    if (settings.movable)
                        StartHoldDrag();
                    else
                        state.pressed = false;
                    state.holdTimer = 0.0f;
                }
            }
        }
        if (state.dragging && Carryable())
            Follow();
    }

    void DragController::StartHoldDrag()
    {
        BeforeLift();
        state.dragging = true;
        state.savedPosition = DragSupport::PositionOf(owner);
        if (Indicator* indicator = IndicatorOf(owner))
            indicator->SetGrayscale();
        if (NodeObject())
            state.afterImage = ObjectHandle(MakeAfterImage(settings.actualDepth));
        DragSupport::SetDepth(owner, settings.draggingDepth);
        DragSupport::SetColliderTag(owner, settings.liftedLayer);
    }

    void DragController::Follow()
    {
        DragSupport::FollowPointer(owner);
        Indicator* indicator = IndicatorOf(owner);
        if (!indicator)
            return;
        GameObject* target = DragSupport::FirstUnder(owner, isNode);
        indicator->ApplyTint(IsFreeNode(target) ? indicator->legalPlacement : indicator->illegalPlacement);
    }

    void DragController::BeginFromButton()
    {
        state.pressed = state.dragging = true;
        DragSupport::SetDepth(owner, settings.draggingDepth);
        if (Indicator* indicator = IndicatorOf(owner))
            indicator->SetGrayscale();
        LiftedFromButton();
        if (Collider2D* collider = owner ? owner->GetComponent<Collider2D>() : nullptr)
        {
            collider->SetColliderTag(settings.buttonLayer);
            collider->ForceToggleStay();
        }
    }

    void DragController::EndDragLook()
    {
        state.dragging = false;
        if (Indicator* indicator = IndicatorOf(owner))
            indicator->SetOriginal();
        LookRestored();
        DragSupport::SetDepth(owner, settings.actualDepth);
        DragSupport::SetColliderTag(owner, settings.droppedLayer);
        if (GameObject* image = state.afterImage.Get())
            image->Destroy();
        state.afterImage.Reset();
    }

    void DragController::Drop()
    {
        state.holdTimer = 0.0f;
        state.pressed = false;
        if (!state.dragging)
        {
            Clicked();
            return;
        }
        EndDragLook();
        GameObject* target = DragSupport::FirstUnder(owner, isNode);
        GameObject* ownNode = NodeObject();
        if (target && target == ownNode)
        {
            DragSupport::MoveTo(owner, state.savedPosition);
            return;
        }
        if (IsFreeNode(target) && !MayTakeFreeNode())
            target = nullptr;
        if (!IsFreeNode(target))
        {
            ReturnOrDiscard();
            return;
        }
        // Only a move is judged against half the price here; a new object is
        // judged by its system against the full price.
        if (ownNode && DragSupport::Money() < Price() * 0.5f)
        {
            DragSupport::MoveTo(owner, state.savedPosition);
            Instantiate("NoMoney", state.savedPosition, 0.0f);
            return;
        }
        if (PlaceOnNode(target))
            Link(target);
    }

    bool DragController::PlaceOnNode(GameObject* node)
    {
        if (!owner || !node)
            return false;
        const Vector2D here = DragSupport::PositionOf(owner);
        if (GameObject* oldNode = NodeObject())
        {
            LeaveNode(oldNode);
            DragSupport::Charge(Price() * 0.5f, here);
        }
        else
        {
            if (!BuyNew())
                return false;
            DragSupport::Charge(Price(), here);
        }
        owner->AddParent(node);
        DragSupport::MoveTo(owner, DragSupport::PositionOf(node));
        DragSupport::ShowNodeMarker(node, false);
        TookNode(node);
        return true;
    }

    void DragController::ReturnOrDiscard()
    {
        if (NodeObject())
        {
            DragSupport::MoveTo(owner, state.savedPosition);
            return;
        }
        TintedSprites::Forget(owner);
        owner->Destroy();
    }
}
