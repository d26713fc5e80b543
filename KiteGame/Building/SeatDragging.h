// SeatDragging: picking up, carrying and dropping a seat (a table): as for
// stalls, with a shorter hold, no menus, and a seat needs a stall placed
// before it can be put down.
#pragma once

#include "Building/DragController.h"

namespace KiteFramework
{
    class SeatsBehaviour;

    class SeatDragging final : public DragController
    {
    public:
        static constexpr float HoldTime = 0.1f;

        explicit SeatDragging(SeatsBehaviour& seat);

    private:
        // A seat lifted by a hold keeps the seats' resting tag, and a dropped
        // seat takes the stalls' resting tag (the seats' own without stalls).
        static Settings SeatSettings();

        float Price() const override;
        GameObject* MakeAfterImage(float depth) override;
        bool MayTakeFreeNode() override;
        void LeaveNode(GameObject* oldNode) override;
        bool BuyNew() override;
        void Link(GameObject* node) override;

        SeatsBehaviour& seat;
    };
}
