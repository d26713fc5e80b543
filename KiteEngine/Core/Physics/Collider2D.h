// Collider2D: makes an object pickable by the mouse. Owns one shape (an
// axis-aligned box on the owner's Transform), ranks overlapping colliders
// by its tag, and carries the hover flags that Physics drives.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class Shape;
    class ShapeAABB;
    class Transform;
    class Physics;

    class Collider2D : public GameComponent
    {
    public:
        Collider2D();
        // The listed fields in a box of its own; no transform, flags and
        // debug clear.
        Collider2D(const Collider2D& other);
        // The listed fields; each collider keeps its own shape, registration,
        // transform and hover state.
        Collider2D& operator=(const Collider2D& other);

        void Initialise() override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void ListFields(FieldVisitor& fields) override;
        ~Collider2D() override;

        int GetColliderTag() const { return colliderTag; }
        void SetColliderTag(int tag) { colliderTag = tag; }
        void IncrementColliderTag() { ++colliderTag; }
        void DecrementColliderTag() { --colliderTag; }
        const std::string& GetShapeName() const { return shapeName; }
        void SetShapeName(const std::string& name) { shapeName = name; }
        Vector2D GetExtents() const;
        void SetExtents(Vector2D extents);
        Shape* GetShape() const { return shape; }

        // The owner's Transform, looked up again when the one remembered has
        // left the object; null when it has none.
        Transform* GetTransform() const;
        // (0, 0) without a Transform.
        Vector2D getPosition() const;

        bool* GetDebug() { return &debug; }
        bool IsDebug() const { return debug; }
        void SetDebug(bool on) { debug = on; }

        bool GetEntry() const { return entry; }
        bool GetStay() const { return stay; }
        bool GetExit() const { return exit; }
        // Put the collider into a hover state by hand.
        void ForceClearAllFlags();
        void ForceToggleEntry();
        void ForceToggleExit();
        // With stay set the next pick over it sends over, and a click is
        // passed on at once.
        void ForceToggleStay();

    private:
        friend class Physics;

        // The shape is always a box: made so here and never replaced.
        ShapeAABB* Box() const;

        // Stored (see ListFields), with the box's extents.
        int colliderTag = 0;
        std::string shapeName = "AABB";

        // Run-time state; the shape is made with the collider.
        Shape* shape = nullptr;
        mutable Transform* transform = nullptr;
        bool entry = false;
        bool stay = false;
        bool exit = false;
        bool debug = false;
    };
}
