// Transform: an object's place in the world (position, depth, scale,
// rotation in degrees, offset from its parent) and the model matrix the
// renderers draw with, rebuilt lazily when something changed.
#pragma once

#include <array>

#include <glm/mat4x4.hpp>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class Transform : public GameComponent
    {
    public:
        Transform();
        // The stored fields; the copy has no parent yet and is dirty.
        Transform(const Transform& other);

        void Update() override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void ListFields(FieldVisitor& fields) override;
        ~Transform() override = default;

        Vector2D GetTransVec() const { return translation; }
        Vector2D GetLocalTransVec() const { return localTranslation; }
        Vector2D GetScaleVec() const { return scale; }
        float GetDepth() const { return zDepth; }
        float GetRotation() const { return rotation; }
        // Built from the parts a 2D matrix has: the turned and scaled columns
        // and the origin.
        glm::mat4 GetTransformation() const
        {
            glm::mat4 m(1.0f);
            m[0][0] = axes[0];
            m[0][1] = axes[1];
            m[1][0] = axes[2];
            m[1][1] = axes[3];
            m[3][0] = origin[0];
            m[3][1] = origin[1];
            m[3][2] = origin[2];
            return m;
        }
        bool IsDirty() const { return dirty; }
        bool IsParented() const { return parented; }

        // Moves the children with it.
        void SetTrans(Vector2D t);
        void SetTrans(float x, float y);
        // Neither moves the children nor changes the parent offset.
        void Translate(float dx, float dy);
        void Translate(Vector2D d);
        void Translate(float dx, float dy, float dz);
        void SetScale(float s);
        void SetScale(float x, float y);
        void Scale(float fx, float fy);
        void SetRot(float degrees);
        // The draw order follows at once; the matrix only at its next rebuild.
        void SetDepth(float depth) { zDepth = depth; }

        void Parent(GameObject* parentObject);
        void Unparent();
        void CheckChildren();
        void ModifyChildren(const Transform& parentTransform);
        void LoadCheckChildren();
        void LoadModifyChildren(const Transform& parentTransform);
        // The owner's list of children changed: whether it has any is kept
        // here, so that a move looks at the owner only when it must.
        void ChildrenChanged();

    protected:
        void OwnerChanged() override;

    private:
        void BuildAxes(float unit);

        // What the draw walk reads first, together, so that an object
        // costs it few cache lines.
        // Stored (see ListFields).
        Vector2D translation;
        float zDepth = 1.0f;
        // Run-time state: the matrix as last built (x, y of columns 0 and 1;
        // column 3), the flags and the parent offset.
        bool dirty = true;
        bool parented = false;
        bool hasChildren = false;
        bool axesBuilt = false;
        std::array<float, 4> axes{1.0f, 0.0f, 0.0f, 1.0f};
        std::array<float, 3> origin{0.0f, 0.0f, 0.0f};
        // Stored.
        Vector2D scale{1.0f, 1.0f};
        float rotation = 0.0f;
        // What the turned and scaled columns were last built from: most
        // changes only move an object, and then the columns stay.
        float builtRotation = 0.0f;
        Vector2D builtScale;
        float builtUnit = 0.0f;
        Vector2D localTranslation;
    };
}
