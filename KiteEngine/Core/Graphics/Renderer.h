// Renderer: the base of the drawable components (sprite, text, emitter).
// Graphics keeps every renderer in one list sorted by its owner's depth and
// height.
#pragma once

#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class Transform;
    class Graphics;

    class Renderer : public GameComponent
    {
    public:
        // What a renderer is, fixed at construction, so that sorting and
        // registration never have to ask with a cast.
        enum class Kind
        {
            None,
            Sprite,
            Text,
            Emitter
        };

        Renderer() : GameComponent(CT_Renderer) {}
        // The copy belongs to no object yet: it caches its own Transform later.
        Renderer(const Renderer& other) : GameComponent(other), kind(other.kind) {}
        ~Renderer() override = default;

        virtual void RenderMe() {}

        Kind GetKind() const { return kind; }
        // The owner's Transform, kept up to date as the owner's components
        // come and go; null without an owner or a Transform.
        Transform* GetTransform() const { return transform; }
        // Whether the owner is active, kept up to date the same way; false
        // without an owner.
        bool IsOwnerActive() const { return ownerActive; }

    protected:
        Renderer(ComponentTypeId type, Kind k) : GameComponent(type), kind(k) {}
        void OwnerChanged() override;

        Transform* transform = nullptr;
        bool ownerActive = false;

    private:
        friend class Graphics;
        static constexpr unsigned notListed = ~0u;

        Kind kind = Kind::None;
        // Where Graphics holds this renderer, so that removal never searches.
        unsigned drawIndex = notListed;
        unsigned spriteIndex = notListed;
        // The object a sprite entry was registered for.
        const GameObject* drawOwner = nullptr;
    };
}
