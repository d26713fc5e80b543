// Trash: lying on a table, dragged by the player, thrown into a bin.
#include "Trouble/Trash.h"

#include <algorithm>

#include "World/Indicator.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Input/Input.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Customers/CustomerSystem.h"
#include "Seats/SeatNodesLink.h"
#include "StartUp/GameComponentTypes.h"
#include "Economy/AmountText.h"
#include "Trouble/TrashBin.h"
#include "Trouble/TrashController.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        // The left mouse button's key number.
        constexpr short LeftButton = 1;
    }

    Trash::Trash() : Script(CT_Trash) {}

    Trash::~Trash()
    {
        // Destroyed without being binned (its seat moved, the level ended).
        if (counted)
            if (TrashController* controller = TrashController::Instance())
                controller->TrashCleared();
        TintedSprites::Forget(sprite);
    }

    void Trash::ListFields(FieldVisitor& v)
    {
        v.Add("originalPosition", originalPosition, HiddenField());
        v.Add("likesToAdd", likesToAdd, HiddenField());
    }

    GameComponent* Trash::Clone() const
    {
        Trash* copy = new Trash();
        copy->likesToAdd = likesToAdd;
        copy->dragDepth = dragDepth;
        return copy;
    }

    void Trash::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
    }

    Indicator* Trash::GetIndicator() const
    {
        return GetOwner() ? GetOwner()->GetComponent<Indicator>() : nullptr;
    }

    SeatNodesLink* Trash::GetSeatLink() const
    {
        return seat.Get<SeatNodesLink>();
    }

    Vector2D Trash::Position() const
    {
        return transform ? transform->GetTransVec() : Vector2D();
    }

    Vector2D Trash::AmountPosition(Vector2D at)
    {
        // The likes are written to the right of their heart: by the bin at
        // the court's right edge they start far enough in to be read whole.
        constexpr float courtRightEdge = 800.0f;
        constexpr float amountWidth = 90.0f;
        at.x = std::min(at.x, courtRightEdge - amountWidth);
        return at;
    }

    void Trash::SetLayer(int tag)
    {
        if (Collider2D* collider = GetOwner() ? GetOwner()->GetComponent<Collider2D>() : nullptr)
            collider->SetColliderTag(tag);
    }

    void Trash::Spawn(SeatNodesLink* seatLink)
    {
        if (TrashController* controller = TrashController::Instance())
        {
            controller->TrashPlaced();
            counted = true;
        }
        seat = ObjectHandle(seatLink ? seatLink->GetOwner() : nullptr);
        if (seatLink)
            originalPosition = seatLink->TrashPosition();
        else if (transform)
            originalPosition = transform->GetTransVec();
        if (transform)
            transform->SetTrans(originalPosition);
        if (TrashController* controller = TrashController::Instance())
            SetLayer(controller->originalLayer);
    }

    void Trash::OnMouseDown()
    {
        if (!thrown)
            pressed = true;
    }

    void Trash::OnMouseExit()
    {
        if (pressed && !dragging)
        {
            pressed = false;
            holdTime = 0.0f;
        }
    }

    void Trash::Update()
    {
        if (thrown)
            return;
        // The release may reach another object (a fast drag can leave the
        // pointer off the trash for a frame): the button itself decides.
        if ((pressed || dragging) && INPUTSYS && !INPUTSYS->isKeyDown(LeftButton))
        {
            OnMouseUp();
            return;
        }
        if (pressed && !dragging)
        {
            holdTime += fc.getFixedDeltaTime() * (ENGINE ? ENGINE->GetTimeFactor() : 1.0f);
            if (holdTime > HoldToDrag)
                StartDrag();
        }
        if (dragging)
            FollowPointer();
    }

    void Trash::SwapDepth()
    {
        if (!transform)
            return;
        const float depth = transform->GetDepth();
        transform->SetDepth(dragDepth);
        dragDepth = depth;
    }

    void Trash::StartDrag()
    {
        dragging = true;
        if (Indicator* indicator = GetIndicator())
            indicator->SetGrayscale();
        SwapDepth();
        if (TrashController* controller = TrashController::Instance())
            SetLayer(controller->draggedLayer);
    }

    void Trash::FollowPointer()
    {
        if (transform && GRAPHICS)
            transform->SetTrans(GRAPHICS->CurrentMouseToWorld());
        TrashBin* bin = TrashBin::Under(Position(), GetOwner());
        // A bin stays open only while the trash is over it.
        TrashBin* previous = hoveredBin.Get<TrashBin>();
        if (previous && previous != bin)
            previous->Close();
        hoveredBin = ObjectHandle(bin ? bin->GetOwner() : nullptr);
        Indicator* indicator = GetIndicator();
        if (bin)
        {
            bin->Open();
            if (indicator)
                indicator->ApplyTint(indicator->legalPlacement);
        }
        else if (indicator)
            indicator->ApplyTint(indicator->illegalPlacement);
    }

    void Trash::EndDrag()
    {
        dragging = false;
        SwapDepth();
        if (Indicator* indicator = GetIndicator())
            indicator->SetOriginal();
        if (TrashController* controller = TrashController::Instance())
            SetLayer(controller->originalLayer);
    }

    void Trash::OnMouseUp()
    {
        pressed = false;
        holdTime = 0.0f;
        if (!dragging || thrown)
            return;
        EndDrag();
        if (TrashBin* bin = TrashBin::Under(Position(), GetOwner()))
        {
            ThrowInto(bin);
            return;
        }
        if (TrashBin* previous = hoveredBin.Get<TrashBin>())
            previous->Close();
        hoveredBin.Reset();
        if (transform)
            transform->SetTrans(originalPosition);
    }

    void Trash::ThrowInto(TrashBin* bin)
    {
        thrown = true;
        bin->Close();
        hoveredBin.Reset();
        // Frees the seat place, unless something else took it meanwhile.
        if (SeatNodesLink* link = GetSeatLink())
            if (link->GetOccupant() == GetOwner())
                link->SetOccupant(nullptr);
        seat.Reset();
        GameObject* owner = GetOwner();
        TintedSprites::Forget(owner);
        if (counted)
        {
            counted = false;
            if (TrashController* controller = TrashController::Instance())
                controller->TrashCleared();
        }
        if (AudioSource* sound = owner->GetComponent<AudioSource>())
            sound->startPlay();
        // Likes without a quest event: clearing trash is not a sale.
        float likes = likesToAdd;
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->UpdateStandingQuiet(likes);
        if (GameObject* heart = Instantiate("HeartMoving", AmountPosition(Position()), 0.0f))
            if (Text* text = heart->GetComponent<Text>())
                text->SetText(AmountText(likesToAdd));
        Destroy(owner);
    }
}
