// Particle births, lives, speeds and deaths, the emitter's sprite, its saved
// settings and its copies. No window.
#include "Graphics/GraphicsWorld.h"

#include <tinyxml2.h>

#include "Core/Math/Random.h"

using namespace KiteTest;

using Particles = GraphicsWorld;

namespace
{
    const float step = 1.0f / 60.0f;

    int Alive(const Emitter& e)
    {
        int n = 0;
        for (const Data& p : e.GetParticles())
            n += p.alive ? 1 : 0;
        return n;
    }
}

TEST_F(Particles, BirthsFollowTheRateUntilThePoolIsFull)
{
    GENRANDNUM::Seed(7);
    Emitter e;
    e.SetMaxCount(5);
    e.SetLifeTime(10.0f);
    e.SetEmissionRate(1);
    for (int frame = 1; frame <= 7; ++frame)
    {
        e.Simulate(step);
        EXPECT_EQ(Alive(e), std::min(frame, 5));
    }
    EXPECT_EQ(e.GetCount(), 5);
    for (const Data& p : e.GetParticles())
    {
        EXPECT_GE(p.life, 5.0f - 7 * step);
        EXPECT_LE(p.life, 15.0f);
    }

    Emitter fast;
    fast.SetMaxCount(10);
    fast.SetEmissionRate(120);
    fast.Simulate(step);
    EXPECT_EQ(Alive(fast), 2);

    // Switched off, nothing moves or is born.
    fast.SetEmitting(false);
    std::vector<Data> before = fast.GetParticles();
    fast.Simulate(step);
    EXPECT_EQ(Alive(fast), 2);
    EXPECT_EQ(fast.GetParticles()[0].position, before[0].position);
}

TEST_F(Particles, SpeedsComeFromEitherOrderOfBoundsAndParticlesDie)
{
    Emitter e;
    e.SetMaxCount(40);
    e.SetEmissionRate(6000);
    e.SetSpeedRange(3.0f, 1.0f);
    e.SetLifeTime(5.0f);
    e.Simulate(step);
    ASSERT_EQ(Alive(e), 40);
    for (const Data& p : e.GetParticles())
    {
        EXPECT_GE(p.speed, 1.0f);
        EXPECT_LE(p.speed, 3.0f);
        EXPECT_GE(p.velocity.x, 1.0f);
        EXPECT_LE(p.velocity.y, 3.0f);
        EXPECT_GE(p.angle, 0.0f);
        EXPECT_LT(p.angle, 360.0f);
    }

    // Lives are at most 10 s: with births stopped, every particle has died
    // by then and been put back at the emitter.
    e.SetEmissionRate(0);
    for (int i = 0; i < 11 * 60; ++i)
        e.Simulate(step);
    EXPECT_EQ(Alive(e), 0);
    EXPECT_EQ(e.GetCount(), 0);
    for (const Data& p : e.GetParticles())
        EXPECT_EQ(p.position, Vector2D());
}

TEST_F(Particles, TheFixedStepDrivesThemEvenWhilePaused)
{
    engine->SetTimeFactor(0.0f);
    GameObject* o = Make("sparks", 0, 0, 1);
    auto* e = new Emitter();
    e->SetMaxCount(3);
    o->AddComponent(e);
    e->Initialise();
    e->Update();
    EXPECT_EQ(Alive(*e), 1);

    // Without a sprite on its object the emitter keeps its own, invisible
    // one for the texture, and adds nothing to the object.
    ASSERT_NE(e->GetSprite(), nullptr);
    EXPECT_FALSE(o->HasComponent(CT_Sprite));
    EXPECT_TRUE(graphics->GetSprites().empty());
    // Without a texture it simulates but draws nothing (and needs no GL).
    e->RenderMe();
    EXPECT_EQ(Alive(*e), 2);

    // Like sprites and texts, an emitter of no numbered object (a template)
    // is not drawn.
    EXPECT_EQ(graphics->GetRenderers().size(), 1u);
    Emitter unowned;
    unowned.Initialise();
    EXPECT_EQ(graphics->GetRenderers().size(), 1u);
}

TEST_F(Particles, SettingsAreSavedAndCopiedButNotTheParticles)
{
    Emitter e;
    e.SetMaxCount(12);
    e.SetSize(0.5f);
    e.SetLifeTime(7.0f);
    e.SetSpeedRange(0.5f, 2.0f);
    e.SetEmissionRate(30);
    e.SetTexturePath("Splash/Sparkle.png");
    e.Simulate(step);

    Emitter copy(e);
    EXPECT_EQ(copy.GetMaxCount(), 12);
    EXPECT_EQ(copy.GetParticles().size(), 12u);
    EXPECT_EQ(Alive(copy), 0);
    EXPECT_FLOAT_EQ(copy.GetParticles()[3].scale, 0.5f);

    tinyxml2::XMLDocument doc;
    tinyxml2::XMLElement* element = doc.NewElement("Emitter");
    e.XMLSerialise(element, &doc);
    Emitter read;
    read.XMLUnSerialise(element->FirstChildElement());
    EXPECT_EQ(read.GetMaxCount(), 12);
    EXPECT_FLOAT_EQ(read.GetSize(), 0.5f);
    EXPECT_FLOAT_EQ(read.GetLifeTime(), 7.0f);
    EXPECT_EQ(read.GetEmissionRate(), 30);
    EXPECT_EQ(read.GetTexturePath(), "Splash/Sparkle.png");

    // An empty element (an older file) keeps the defaults and an empty pool.
    Emitter empty;
    empty.XMLUnSerialise(nullptr);
    EXPECT_EQ(empty.GetMaxCount(), 0);
    empty.Simulate(step);
    EXPECT_TRUE(empty.GetParticles().empty());
}

TEST_F(Particles, RemovingTheObjectsSpriteLeavesTheEmitterItsOwn)
{
    GameObject* o = Make("sparks", 0, 0, 1);
    Sprite* lent = AddSprite(o);
    auto* e = new Emitter();
    e->SetMaxCount(2);
    e->SetTexturePath("Splash/Sparkle.png");
    o->AddComponent(e);
    e->Initialise();
    ASSERT_EQ(e->GetSprite(), lent);

    // The object's sprite is deleted with its removal; the emitter must not
    // keep drawing through it.
    o->RemoveComponent(CT_Sprite);
    e->RenderMe();
    Sprite* now = e->GetSprite();
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->GetTexturePath(), "Splash/Sparkle.png");
    EXPECT_FALSE(o->HasComponent(CT_Sprite));
    EXPECT_EQ(e->GetCount(), 1);
}
