// StallDragging: picking up, carrying and dropping a stall: a hold on a
// placed stall or a build button starts it; a drop on a free stall node
// buys (full price) or moves (half price) the stall, anywhere else a placed
// stall goes back and a new one is thrown away.
#pragma once

namespace KiteFramework
{
    class GameObject;
    class StallsBehaviour;

    class StallDragging
    {
    public:
        // Seconds of holding before a placed stall comes up.
        static constexpr float HoldTime = 0.3f;

        static void Press(StallsBehaviour& stall);
        static void Update(StallsBehaviour& stall);
        static void Drop(StallsBehaviour& stall);
        static void BeginFromButton(StallsBehaviour& stall);
        // Pays and puts the stall on the node; false when it was refused
        // (a new stall the money does not cover is shown "NoMoney" and gone).
        static bool PlaceOnNode(StallsBehaviour& stall, GameObject* node);
        static void ReturnOrDiscard(StallsBehaviour& stall);

        // Whether the object is a stall node with nothing on it.
        static bool IsFreeNode(GameObject* target);

    private:
        static void StartHoldDrag(StallsBehaviour& stall);
        static void Follow(StallsBehaviour& stall);
        static void EndDragLook(StallsBehaviour& stall);
        static void LeaveOldNode(StallsBehaviour& stall, GameObject* oldNode);
        static bool BuyNew(StallsBehaviour& stall);
        static void OpenMenu(StallsBehaviour& stall);
    };
}
