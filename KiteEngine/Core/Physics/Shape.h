// Shape: the geometry a collider tests points against. Only the
// axis-aligned box exists.
#pragma once

#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class Collider2D;

    class Shape
    {
    public:
        enum ShapeID
        {
            SI_None = 0,
            SI_AABB = 1
        };

        Shape(ShapeID id, Collider2D* owner) : shapeId(id), collider(owner) {}
        Shape(const Shape&) = default;
        Shape& operator=(const Shape&) = default;
        virtual ~Shape() = default;

        virtual bool TestPoint(Vector2D point) const = 0;

        // The position of the collider's Transform; (0, 0) without one.
        Vector2D getPosition() const;
        ShapeID GetShapeID() const { return shapeId; }
        Collider2D* GetCollider() const { return collider; }

    protected:
        ShapeID shapeId;
        // Back pointer; the collider owns the shape.
        Collider2D* collider;
    };
}
