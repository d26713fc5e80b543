// Emitter: particle simulation and the emitter's XML form.
#include "Core/Graphics/Emitter.h"

#include <algorithm>
#include <cmath>

#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"

namespace KiteFramework
{
    Emitter::Emitter() : Renderer(CT_Emitter, Kind::Emitter)
    {
    }

    Emitter::Emitter(const Emitter& other) : Renderer(other)
    {
        CopyListedFields(other, *this);
        SetMaxCount(maxCount);
    }

    Emitter::~Emitter()
    {
        if (IsInitialised() && GRAPHICS)
            GRAPHICS->RemoveEmitter(this);
    }

    void Emitter::Initialise()
    {
        AttachSprite();
        // Archetype templates (id 0) are never drawn, emitters included.
        if (!IsInitialised() && GetId() != 0)
        {
            initialised = 1;
            if (GRAPHICS)
                GRAPHICS->AddEmitter(this);
        }
    }

    void Emitter::AttachSprite()
    {
        GameObject* owner = GetOwner();
        sprite = owner ? owner->GetComponent<Sprite>() : nullptr;
        if (!sprite)
        {
            // Not added to the owner: the owner may be walking its component
            // list right now.
            if (!ownSprite)
                ownSprite = std::make_unique<Sprite>();
            ownSprite->SetTexturePath(texturePath);
            ownSprite->Initialise();
            sprite = ownSprite.get();
        }
        else if (!texturePath.empty() && sprite->GetTexturePath().empty())
        {
            sprite->SetTexturePath(texturePath);
            sprite->SetTexturePtr(GRAPHICS ? GRAPHICS->GetTexture(texturePath) : nullptr);
        }
        sprite->ToggleRender(false);
    }

    bool Emitter::SpriteStillHeld() const
    {
        if (!sprite)
            return false;
        if (sprite == ownSprite.get())
            return true;
        // The object's sprite is deleted when it is removed from the object.
        const GameObject* owner = GetOwner();
        if (!owner)
            return false;
        const std::vector<GameComponent*>& held = owner->GetComponentList();
        return std::find(held.begin(), held.end(), sprite) != held.end();
    }

    void Emitter::RenderMe()
    {
        Update();
        if (!SpriteStillHeld())
            AttachSprite();
        if (GRAPHICS && sprite)
            GRAPHICS->MeshPartDraw(sprite, particles, 4, transform);
    }

    void Emitter::Update()
    {
        // Particles keep the fixed step: they run on while the game is paused.
        Simulate(fc.getFixedDeltaTime());
    }

    void Emitter::Simulate(float dt)
    {
        if (!emitting)
            return;
        const float budget = static_cast<float>(emissionRate) * dt;
        int spawned = 0;
        const float lo = std::min(minSpeed, maxSpeed);
        const float hi = std::max(minSpeed, maxSpeed);
        for (Data& p : particles)
        {
            if (p.alive)
            {
                p.position += p.velocity * dt;
                p.velocity.x += std::cos(p.angle) * p.speed;
                p.velocity.y += std::sin(p.angle) * p.speed;
                p.life -= dt;
                if (p.life < 0.0f)
                {
                    p.life = 0.0f;
                    p.alive = false;
                    p.velocity = Vector2D();
                    p.position = Vector2D();
                    --count;
                }
            }
            if (count < maxCount && !p.alive && budget > static_cast<float>(spawned))
            {
                p.alive = true;
                p.life = GENRANDNUM::GenRandFloat(lifeTime - 5.0f, lifeTime + 5.0f);
                p.speed = GENRANDNUM::GenRandFloat(lo, hi);
                p.velocity.x = GENRANDNUM::GenRandFloat(lo, hi);
                p.velocity.y = GENRANDNUM::GenRandFloat(lo, hi);
                p.angle = static_cast<float>(GENRANDNUM::Rand() % 360);
                p.position = Vector2D();
                p.playbackSpeed = playbackSpeed;
                ++count;
                ++spawned;
            }
        }
    }

    int Emitter::FindUnused()
    {
        const int n = std::min(maxCount, static_cast<int>(particles.size()));
        for (int i = std::max(lastUsed, 0); i < n; ++i)
            if (!particles[static_cast<std::size_t>(i)].alive)
                return lastUsed = i;
        for (int i = 0; i < std::min(lastUsed, n); ++i)
            if (!particles[static_cast<std::size_t>(i)].alive)
                return lastUsed = i;
        return lastUsed = 0;
    }

    void Emitter::SetMaxCount(int n)
    {
        maxCount = std::max(n, 0);
        particles.assign(static_cast<std::size_t>(maxCount), Data());
        for (Data& p : particles)
            p.scale = size;
        count = 0;
        lastUsed = 0;
    }

    void Emitter::SetSize(float s)
    {
        size = s;
        for (Data& p : particles)
            p.scale = size;
    }

    GameComponent* Emitter::Clone() const
    {
        return new Emitter(*this);
    }

    void Emitter::ListFields(FieldVisitor& v)
    {
        v.Add("maxCount", maxCount, {"Max Count", FieldWidget::Input, 1.0f});
        v.Add("size", size, {"Size", FieldWidget::Drag, 0.01f});
        v.Add("lifeTime", lifeTime, {"Life Time", FieldWidget::Drag, 0.1f});
        v.Add("minSpeed", minSpeed, {"Minimum Speed", FieldWidget::Drag, 0.1f});
        v.Add("maxSpeed", maxSpeed, {"Maximum Speed", FieldWidget::Drag, 0.1f});
        v.Add("emissionRate", emissionRate, {"Emission Rate", FieldWidget::Input, 1.0f});
        v.Add("emitting", emitting, {"Render", FieldWidget::Checkbox});
        v.Add("texturePath", texturePath, {"Sprite path"});
        v.AddUnstored("maxRadius", maxRadius, {"Max Radius", FieldWidget::Drag, 0.1f});
        v.AddUnstored("minRadius", minRadius, {"Min Radius", FieldWidget::Drag, 0.1f});
        v.AddUnstored("playbackSpeed", playbackSpeed, {"Play Back Speed", FieldWidget::Drag, 0.1f});
        v.AddUnstored("colour", colour, {"Colour", FieldWidget::ColourEdit});
    }

    void Emitter::XMLUnSerialise(XMLElement* firstField)
    {
        // An empty element keeps every default (and an empty pool).
        GameComponent::XMLUnSerialise(firstField);
        std::replace(texturePath.begin(), texturePath.end(), '\\', '/');
        // Keep a bad file from asking for an absurd pool.
        SetMaxCount(std::min(maxCount, 100000));
    }
}
