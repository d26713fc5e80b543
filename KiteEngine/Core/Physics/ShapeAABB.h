// ShapeAABB: an axis-aligned box centred on the collider's Transform
// position, sized in units of Transform scale.
#pragma once

#include "Core/Physics/Shape.h"

namespace KiteFramework
{
    class ShapeAABB : public Shape
    {
    public:
        explicit ShapeAABB(Collider2D* owner);
        // The other box's extents, bound to a new owner.
        ShapeAABB(Collider2D* owner, const ShapeAABB& other);
        ShapeAABB(const ShapeAABB& other) = default;
        ShapeAABB& operator=(const ShapeAABB& other) = default;

        // Strictly inside: a point on an edge misses. Rotation and scale of
        // the Transform play no part.
        bool TestPoint(Vector2D point) const override;

        // Full width and height; one unit is pixelsPerUnit world units.
        Vector2D extents;
    };
}
