// ShapeAABB: the point test of the box.
#include "Core/Physics/ShapeAABB.h"

#include <cmath>

#include "Core/Graphics/Graphics.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"

namespace KiteFramework
{
    Vector2D Shape::getPosition() const
    {
        return collider ? collider->getPosition() : Vector2D();
    }

    ShapeAABB::ShapeAABB(Collider2D* owner) : Shape(SI_AABB, owner) {}

    ShapeAABB::ShapeAABB(Collider2D* owner, const ShapeAABB& other) : Shape(SI_AABB, owner), extents(other.extents) {}

    bool ShapeAABB::TestPoint(Vector2D point) const
    {
        // A box with nowhere to stand cannot be hit.
        const Transform* transform = collider ? collider->GetTransform() : nullptr;
        if (!transform)
            return false;
        const Vector2D d = transform->GetTransVec() - point;
        const float unit = static_cast<float>(GRAPHICS ? GRAPHICS->pixelsPerUnit : 100);
        return std::fabs(d.x) < unit * extents.x / 2.0f && std::fabs(d.y) < unit * extents.y / 2.0f;
    }
}
