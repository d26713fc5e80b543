// Transform: setters, parenting and the lazily rebuilt model matrix.
#include "Core/Objects/Transform.h"

#include <cmath>

#include "Core/Graphics/Graphics.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    namespace
    {
        // World units per unit of scale when no graphics system is present.
        constexpr int DefaultPixelsPerUnit = 100;

        float PixelsPerUnit()
        {
            if (GRAPHICS)
                return static_cast<float>(GRAPHICS->pixelsPerUnit);
            return static_cast<float>(DefaultPixelsPerUnit);
        }

        Transform* TransformOf(GameObject* o)
        {
            return o ? o->GetComponent<Transform>() : nullptr;
        }

        // The step, with the parent's transform, on the transform of each of
        // the owner's children.
        void EachChild(GameObject* owner, const Transform& parent, void (Transform::*step)(const Transform&))
        {
            if (!owner)
                return;
            for (GameObject* child : owner->GetChildren())
                if (Transform* t = TransformOf(child))
                    (t->*step)(parent);
        }
    }

    Transform::Transform() : GameComponent(CT_Transform) {}

    Transform::Transform(const Transform& other) : GameComponent(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* Transform::Clone() const
    {
        return CloneListed(*this);
    }

    void Transform::ListFields(FieldVisitor& v)
    {
        v.Add("translation", translation, {"Translation", FieldWidget::Drag, 1.0f});
        v.Add("zDepth", zDepth, {"Depth", FieldWidget::Drag, 0.1f});
        v.Add("scale", scale, {"Scale", FieldWidget::Drag, 0.01f});
        v.Add("rotation", rotation, {"Rotation", FieldWidget::Drag, 1.0f});
    }

    void Transform::Update()
    {
        if (!dirty)
            return;
        const float u = PixelsPerUnit();
        if (!axesBuilt || rotation != builtRotation || scale.x != builtScale.x || scale.y != builtScale.y ||
            u != builtUnit)
            BuildAxes(u);
        origin = {translation.x, translation.y, zDepth};
        dirty = false;
    }

    void Transform::BuildAxes(float u)
    {
        const float r = rotation * 0.017453292f;
        const float s = std::sin(r);
        const float c = std::cos(r);
        axes = {c * scale.x * u, -s * scale.x * u, s * scale.y * u, c * scale.y * u};
        axesBuilt = true;
        builtRotation = rotation;
        builtScale = scale;
        builtUnit = u;
    }

    void Transform::SetTrans(Vector2D t)
    {
        translation = t;
        if (parented && GetOwner())
            if (Transform* p = TransformOf(GetOwner()->GetParent()))
                localTranslation = translation - p->translation;
        dirty = true;
        CheckChildren();
    }

    void Transform::SetTrans(float x, float y)
    {
        SetTrans(Vector2D(x, y));
    }

    void Transform::Translate(float dx, float dy)
    {
        translation.x += dx;
        translation.y += dy;
        dirty = true;
    }

    void Transform::Translate(Vector2D d)
    {
        Translate(d.x, d.y);
    }

    void Transform::Translate(float dx, float dy, float dz)
    {
        Translate(dx, dy);
        zDepth += dz;
    }

    void Transform::SetScale(float s)
    {
        SetScale(s, s);
    }

    void Transform::SetScale(float x, float y)
    {
        scale = Vector2D(x, y);
        dirty = true;
    }

    void Transform::Scale(float fx, float fy)
    {
        scale.x *= fx;
        scale.y *= fy;
        dirty = true;
    }

    void Transform::SetRot(float degrees)
    {
        rotation = degrees;
        dirty = true;
    }

    void Transform::Parent(GameObject* parentObject)
    {
        parented = true;
        if (Transform* p = TransformOf(parentObject))
            localTranslation = translation - p->translation;
        dirty = true;
    }

    void Transform::Unparent()
    {
        localTranslation = Vector2D();
        parented = false;
    }

    void Transform::CheckChildren()
    {
        if (hasChildren)
            EachChild(GetOwner(), *this, &Transform::ModifyChildren);
    }

    void Transform::ChildrenChanged()
    {
        const GameObject* owner = GetOwner();
        hasChildren = owner && !owner->GetChildren().empty();
    }

    void Transform::OwnerChanged()
    {
        ChildrenChanged();
    }

    void Transform::ModifyChildren(const Transform& parentTransform)
    {
        dirty = true;
        translation = parentTransform.translation + localTranslation;
        CheckChildren();
    }

    void Transform::LoadCheckChildren()
    {
        EachChild(GetOwner(), *this, &Transform::LoadModifyChildren);
    }

    void Transform::LoadModifyChildren(const Transform& parentTransform)
    {
        localTranslation = translation - parentTransform.translation;
        dirty = true;
    }
}
