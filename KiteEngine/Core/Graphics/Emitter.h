// Emitter: a fixed pool of particles born at its object, pushed along a
// random direction until their life runs out, drawn as textured quads with
// the texture, tint and blend weight of a sprite.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Core/Graphics/Renderer.h"
#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class Sprite;

    // One particle.
    struct Data
    {
        Vector2D position;   // offset from the owner, world units
        Vector2D velocity;   // world units per second
        float speed = 1.0f;  // acceleration along the direction, per step
        float scale = 1.0f;
        std::array<float, 4> colour{1.0f, 1.0f, 1.0f, 1.0f};
        float life = 1.0f;   // seconds left
        float angle = 1.0f;
        bool alive = false;
        float playbackSpeed = 0.0f;
    };

    class Emitter : public Renderer
    {
    public:
        Emitter();
        // The listed settings; the copy starts with a dead pool of its own.
        Emitter(const Emitter& other);
        ~Emitter() override;

        void Initialise() override;
        // One simulation step of the fixed frame length.
        void Update() override;
        // The listing, then the pool is made. XMLSerialise is
        // GameComponent's: the listing.
        void XMLUnSerialise(XMLElement* firstField) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void RenderMe() override;
        void ListFields(FieldVisitor& fields) override;

        // Steps the pool by dt seconds.
        void Simulate(float dt);
        int FindUnused();

        // Resizes the pool; every record starts dead at the owner.
        void SetMaxCount(int n);
        void SetSize(float s);
        void SetLifeTime(float t) { lifeTime = t; }
        void SetSpeedRange(float minS, float maxS) { minSpeed = minS; maxSpeed = maxS; }
        void SetEmissionRate(int rate) { emissionRate = rate; }
        void SetEmitting(bool e) { emitting = e; }
        void SetTexturePath(const std::string& path) { texturePath = path; }

        const std::vector<Data>& GetParticles() const { return particles; }
        int GetCount() const { return count; }
        int GetMaxCount() const { return maxCount; }
        float GetSize() const { return size; }
        float GetLifeTime() const { return lifeTime; }
        int GetEmissionRate() const { return emissionRate; }
        bool IsEmitting() const { return emitting; }
        const std::string& GetTexturePath() const { return texturePath; }
        // The sprite lending its texture: the owner's, or the emitter's own
        // when the owner has none.
        Sprite* GetSprite() const { return sprite; }

    private:
        // Takes the owner's sprite, or the emitter's own when it has none.
        void AttachSprite();
        bool SpriteStillHeld() const;

        // Stored (see ListFields).
        int maxCount = 0;
        float size = 1.0f;
        float lifeTime = 10.0f;
        float minSpeed = 0.0f;
        float maxSpeed = 0.0f;
        int emissionRate = 1;
        bool emitting = true;
        std::string texturePath;
        // Copied, not stored.
        float maxRadius = 0.0f;
        float minRadius = 0.0f;
        float playbackSpeed = 0.0f;
        std::array<float, 4> colour{1.0f, 1.0f, 1.0f, 1.0f};

        // Run-time state: the pool and the sprite lending its texture.
        std::vector<Data> particles;
        int count = 0;
        int lastUsed = 0;
        Sprite* sprite = nullptr;
        // Made when the owner has no sprite of its own; never registered
        // for drawing, it only carries the texture.
        std::unique_ptr<Sprite> ownSprite;
    };
}
