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
        float Price() const override;
        GameObject* MakeAfterImage(float depth) override;
        bool MayTakeFreeNode() override;
        void LeaveNode(GameObject* oldNode) override;
        bool BuyNew() override;
        void Link(GameObject* node) override;

        SeatsBehaviour& seat;
    };
}
