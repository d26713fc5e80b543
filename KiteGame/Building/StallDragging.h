// StallDragging: what a stall's drag adds: a longer hold, only while the
// stall is open, its menus closed on lifting and opened on a click or when
// placed, its queue and link node given up on leaving a node, and the upper
// floor's links following a stall placed on or taken off it.
#pragma once

#include "Building/DragController.h"

namespace KiteFramework
{
    class StallsBehaviour;

    class StallDragging final : public DragController
    {
    public:
        // Seconds of holding before a placed stall comes up.
        static constexpr float HoldTime = 0.3f;

        explicit StallDragging(StallsBehaviour& stall);

    private:
        float Price() const override;
        bool Carryable() const override;
        void BeforeLift() override;
        GameObject* MakeAfterImage(float depth) override;
        void LiftedFromButton() override;
        void LookRestored() override;
        void Clicked() override;
        void LeaveNode(GameObject* oldNode) override;
        bool BuyNew() override;
        void TookNode(GameObject* node) override;
        void Link(GameObject* node) override;

        // The stall's menu, made on first use for stalls stored in the level.
        void OpenMenu();

        StallsBehaviour& stall;
    };
}
