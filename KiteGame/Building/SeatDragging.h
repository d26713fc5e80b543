// SeatDragging: picking up, carrying and dropping a seat (a table): as for
// stalls, with a shorter hold, no menus, and a seat needs a stall placed
// before it can be put down.
#pragma once

namespace KiteFramework
{
    class GameObject;
    class SeatsBehaviour;

    class SeatDragging
    {
    public:
        static constexpr float HoldTime = 0.1f;

        static void Press(SeatsBehaviour& seat);
        static void Update(SeatsBehaviour& seat);
        static void Drop(SeatsBehaviour& seat);
        static void BeginFromButton(SeatsBehaviour& seat);
        static bool PlaceOnNode(SeatsBehaviour& seat, GameObject* node);
        static void ReturnOrDiscard(SeatsBehaviour& seat);

        static bool IsFreeNode(GameObject* target);
        // The seat price (the seat system's, 0 without one).
        static float SeatCost();

    private:
        static void StartHoldDrag(SeatsBehaviour& seat);
        static void Follow(SeatsBehaviour& seat);
        static void EndDragLook(SeatsBehaviour& seat);
        static void LeaveOldNode(SeatsBehaviour& seat, GameObject* oldNode);
    };
}
