// Trash: a piece of trash left on a table. It keeps its seat place taken
// until the player drags it into a bin: a press held for a moment starts the
// drag, released over a bin it is thrown away and gives likes, released
// elsewhere it jumps back.
#pragma once

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Indicator;
    class Sprite;
    class SeatNodesLink;
    class TrashBin;

    class Trash : public Script
    {
    public:
        // Game seconds a press must last before the trash follows the pointer.
        static constexpr float HoldToDrag = 0.15f;

        Trash();
        ~Trash() override;

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Trash"; }
        void OnMouseDown() override;
        void OnMouseUp() override;
        // A press that leaves the trash before the drag starts is dropped,
        // so the trash never starts following a released pointer.
        void OnMouseExit() override;

        // Lays the trash beside the seat place it now holds.
        void Spawn(SeatNodesLink* seatLink);

        bool IsPressed() const { return pressed; }
        bool IsDragging() const { return dragging; }
        float GetHoldTime() const { return holdTime; }
        SeatNodesLink* GetSeatLink() const;

        Vector2D originalPosition;
        float likesToAdd = 0.0f;

    private:
        void StartDrag();
        void FollowPointer();
        void EndDrag();
        void ThrowInto(TrashBin* bin);
        void SetLayer(int tag);
        void SwapDepth();
        Vector2D Position() const;
        // Where the likes a thrown-away piece gives are shown: at `at`, kept
        // clear of the court's right edge.
        static Vector2D AmountPosition(Vector2D at);
        Indicator* GetIndicator() const;

        bool pressed = false;
        bool dragging = false;
        float holdTime = 0.0f;
        // The seat link object whose place the trash holds.
        ObjectHandle seat;
        float dragDepth = 25.0f;
        // The bin opened by hovering, closed again when the trash leaves it.
        ObjectHandle hoveredBin;
        // Counted by the trash controller until binned or destroyed.
        bool counted = false;
        bool thrown = false;
        // Remembered for the destructor, which must not look it up.
        const Sprite* sprite = nullptr;
    };
}
