// Transform: an object's place in the world (position, depth, scale,
// rotation in degrees, offset from its parent) and the model matrix the
// renderers draw with, rebuilt lazily when something changed.
#pragma once

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
        glm::mat4 GetTransformation() const { return transformation; }
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

    private:
        void BuildAxes(float unit);

        // Stored (see ListFields).
        Vector2D translation;
        float zDepth = 1.0f;
        Vector2D scale{1.0f, 1.0f};
        float rotation = 0.0f;

        // Run-time state: the matrix and the parent link.
        glm::mat4 transformation{1.0f};
        bool parented = false;
        bool dirty = true;
        Vector2D localTranslation;
        // What the matrix's turned and scaled columns were last built from:
        // most changes only move an object, and then the columns stay.
        bool axesBuilt = false;
        float builtRotation = 0.0f;
        Vector2D builtScale;
        float builtUnit = 0.0f;
    };
}
