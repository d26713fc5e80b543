// Collider2D: lifetime, registration with Physics, files and hover flags.
#include "Core/Physics/Collider2D.h"

#include <algorithm>

#include "Core/Engine/DataError.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Physics.h"
#include "Core/Physics/ShapeAABB.h"

namespace KiteFramework
{
    namespace
    {
        const char* const boxShapeName = "AABB";
    }

    Collider2D::Collider2D() : GameComponent(CT_Collider2D), shape(new ShapeAABB(this)) {}

    Collider2D::Collider2D(const Collider2D& other) : Collider2D()
    {
        SetComponentTypeId(other.GetComponentTypeId());
        CopyListedFields(other, *this);
    }

    Collider2D& Collider2D::operator=(const Collider2D& other)
    {
        if (this != &other)
            CopyListedFields(other, *this);
        return *this;
    }

    Collider2D::~Collider2D()
    {
        delete shape;
        shape = nullptr;
        // Physics may already be gone at shutdown.
        if (initialised && PHYSICS)
            PHYSICS->RemoveCollider(this);
    }

    ShapeAABB* Collider2D::Box() const
    {
        return static_cast<ShapeAABB*>(shape);
    }

    GameComponent* Collider2D::Clone() const
    {
        return CloneListed(*this);
    }

    void Collider2D::ListFields(FieldVisitor& v)
    {
        v.Add("colliderTag", colliderTag, {"Collider Tag Index", FieldWidget::Input, 1.0f});
        v.Add("shapeName", shapeName, {"Shape", FieldWidget::ReadOnly});
        if (shapeName == boxShapeName)
            v.Add("AABBExtents", Box()->extents, {"Extents", FieldWidget::Drag, 0.01f});
    }

    void Collider2D::Initialise()
    {
        initialised = 1;
        GameObject* owner = GetOwner();
        transform = owner ? owner->GetComponent<Transform>() : nullptr;
        if (shapeName == boxShapeName)
        {
            ShapeAABB* box = Box();
            if (box->extents.x == 0.0f && box->extents.y == 0.0f)
                box->extents = Vector2D(1.0f, 1.0f);
        }
        else
            ReportDataError("Object \"" + GetGameObjectName() + "\"",
                            "Collider2D: unknown shape \"" + shapeName + "\"; it can never be hit");
        if (!transform)
            ReportDataError("Object \"" + GetGameObjectName() + "\"", "Collider2D without a Transform; it can never be hit");
        if (PHYSICS)
            PHYSICS->AddCollider(this);
    }

    Transform* Collider2D::GetTransform() const
    {
        GameObject* owner = GetOwner();
        if (!owner)
            return nullptr;
        // The remembered Transform may have been removed (and deleted) since;
        // trust it only while the owner still holds it.
        const std::vector<GameComponent*>& held = owner->GetComponentList();
        if (!transform || std::find(held.begin(), held.end(), transform) == held.end())
            transform = owner->GetComponent<Transform>();
        return transform;
    }

    Vector2D Collider2D::getPosition() const
    {
        const Transform* t = GetTransform();
        return t ? t->GetTransVec() : Vector2D();
    }

    Vector2D Collider2D::GetExtents() const
    {
        return Box()->extents;
    }

    void Collider2D::SetExtents(Vector2D extents)
    {
        Box()->extents = extents;
    }

    void Collider2D::ForceClearAllFlags()
    {
        entry = stay = exit = false;
    }

    void Collider2D::ForceToggleEntry()
    {
        entry = true;
        stay = exit = false;
    }

    void Collider2D::ForceToggleExit()
    {
        exit = true;
        entry = stay = false;
    }

    void Collider2D::ForceToggleStay()
    {
        stay = entry = true;
        exit = false;
    }
}
