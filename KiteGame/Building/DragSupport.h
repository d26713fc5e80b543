// DragSupport: what dragging a stall and dragging a seat share: the pointer,
// the object under a dragged object, depths and collider tags, the
// after-image left where the object stood, and paying for a placement.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class GameObject;
    class Transform;

    namespace DragSupport
    {
        // Whether the left mouse button is still down (held when no
        // platform is installed, as in headless runs). A carried object is
        // dropped once it is up, wherever the pointer is: picking a release
        // uses the pointer at the time it is handled, and a move that came
        // in the same frame has already taken the pointer off the object.
        bool LeftButtonHeld();
        // The pointer in world space; `fallback` when nothing draws.
        Vector2D PointerInWorld(Vector2D fallback);
        // The object under the dragged object's centre, the dragged object
        // and its children left out. An object `prefer` accepts wins over
        // others at the same point.
        GameObject* FirstUnder(GameObject* dragged, bool (*prefer)(GameObject*));

        // Moves a carried object under the pointer and keeps it the hovered
        // object: it may have lagged a frame behind a fast pointer, and the
        // release must still reach it.
        void FollowPointer(GameObject* object);

        Vector2D PositionOf(GameObject* object);
        void MoveTo(GameObject* object, Vector2D position);
        void SetDepth(GameObject* object, float depth);
        void SetColliderTag(GameObject* object, int tag);
        void ShowNodeMarker(GameObject* node, bool shown);

        // An "AfterImage" at the object's place showing the texture; null
        // when the level has no such archetype.
        GameObject* MakeAfterImage(GameObject* object, const std::string& texture, int columns, int rows, float depth,
                                   bool animated);

        // Money -= amount with the buttons following, shown as "-amount" on a
        // "LoseCash" at the position.
        void Charge(float amount, Vector2D shownAt);
        float Money();
    }
}
