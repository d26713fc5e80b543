// The draw list: registration, the depth-then-height order and its ties,
// objects without a transform, removal and the scene clear. No window.
#include "Graphics/GraphicsWorld.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Core/Engine/Message.h"
#include "Core/Graphics/Mesh.h"
#include "Platform/Fake/FakePlatform.h"

using namespace KiteTest;

namespace
{
    class RenderOrder : public GraphicsWorld
    {
    protected:
        // A stall at the origin drawn by a sprite, the label "Noodles" and
        // sparks, added in that order.
        struct Stall
        {
            GameObject* object;
            Sprite* sprite;
            Text* label;
            Emitter* sparks;
        };

        Stall MakeStall()
        {
            GameObject* stall = Make("stall", 0, 0, 1);
            Sprite* sprite = AddSprite(stall);
            Text* label = AddText(stall, "Noodles");
            auto* sparks = new Emitter();
            stall->AddComponent(sparks);
            sparks->Initialise();
            return {stall, sprite, label, sparks};
        }
    };

    std::vector<std::string> Names(Graphics* g)
    {
        std::vector<std::string> names;
        for (Renderer* r : g->GetRenderers())
            names.push_back(r->GetOwner() ? r->GetOwner()->getName() : "?");
        return names;
    }
}

TEST_F(RenderOrder, DeeperFirstThenHigherFirstAndTiesKeepTheirOrder)
{
    AddSprite(Make("tie1", 0, 50, 1));
    AddSprite(Make("high", 0, 100, 1));
    AddSprite(Make("tie2", 10, 50, 1));
    AddSprite(Make("back", 0, -300, 2));
    AddSprite(Make("tie3", -10, 50, 1));

    graphics->Reorder();
    const std::vector<std::string> expected = {"back", "high", "tie1", "tie2", "tie3"};
    EXPECT_EQ(Names(graphics), expected);

    // Moving an object below the ties sends it after them; the ties keep
    // their order however often the list is sorted.
    factory->FindObjByName("high")->GetComponent<Transform>()->SetTrans(0, -10);
    for (int i = 0; i < 3; ++i)
        graphics->Reorder();
    const std::vector<std::string> moved = {"back", "tie1", "tie2", "tie3", "high"};
    EXPECT_EQ(Names(graphics), moved);

    // The depth is read at once, without a matrix rebuild.
    factory->FindObjByName("tie3")->GetComponent<Transform>()->SetDepth(5);
    graphics->Reorder();
    EXPECT_EQ(Names(graphics).front(), "tie3");
}

// Objects moving every frame at shared depths: the list, sorted frame after
// frame, is always what one stable sort of the registration order by depth
// and then height gives, whether the objects pass a few neighbours or the
// whole list turns around.
TEST_F(RenderOrder, MovingObjectsAlwaysDrawInTheOrderOfOneStableSort)
{
    const int count = 300;
    std::vector<Transform*> transforms;
    std::vector<Renderer*> registered;
    for (int i = 0; i < count; ++i)
    {
        // Heights repeat, so that ties occur at every depth.
        GameObject* o = Make("o" + std::to_string(i), 0, static_cast<float>((i * 37) % 50), 1.0f + (i % 3));
        registered.push_back(AddSprite(o));
        transforms.push_back(o->GetComponent<Transform>());
    }
    for (int frame = 0; frame < 12; ++frame)
    {
        for (int i = 0; i < count; ++i)
        {
            const float y = transforms[i]->GetTransVec().y;
            // A few frames of small steps, then every height turned over.
            const float next = frame % 4 == 3 ? -y : y + static_cast<float>((i * 7 + frame) % 5) - 2.0f;
            transforms[i]->SetTrans(0.0f, next);
        }
        graphics->Reorder();
        // Ties keep their order from one sort to the next, so the list is
        // the stable sort of the previous frame's list.
        std::stable_sort(registered.begin(), registered.end(), RenderOrderCompare);
        ASSERT_EQ(graphics->GetRenderers(), registered) << "frame " << frame;
    }
}

TEST_F(RenderOrder, ComparatorPutsRenderersWithoutTransformLastAndNeverFails)
{
    Sprite* placed = AddSprite(Make("placed", 0, 0, 1));
    GameObject* bare = factory->CreateEmptyComposition();
    bare->setName("bare");
    Sprite* loose = AddSprite(bare);
    Text* looseText = AddText(bare, "no transform");

    EXPECT_TRUE(RenderOrderCompare(placed, loose));
    EXPECT_FALSE(RenderOrderCompare(loose, placed));
    EXPECT_FALSE(RenderOrderCompare(loose, looseText));
    EXPECT_FALSE(RenderOrderCompare(nullptr, placed));

    // A transform taken away after registration is noticed, not followed.
    GameObject* lost = Make("lost", 0, 500, 1);
    AddSprite(lost);
    lost->RemoveComponent(CT_Transform);
    graphics->CallDraw();
    std::vector<std::string> names = Names(graphics);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names.front(), "placed");
    EXPECT_EQ(loose->GetTransform(), nullptr);

    // And one added later is picked up.
    auto* t = new Transform();
    t->SetTrans(0, 100);
    bare->AddComponent(t);
    graphics->CallDraw();
    EXPECT_EQ(Names(graphics).front(), "bare");
}

TEST_F(RenderOrder, RenderersHoldTheirOwnersTransformTextAndActivityAsTheyChange)
{
    const auto [stall, sprite, label, sparks] = MakeStall();
    const std::vector<Renderer*> all = {sprite, label, sparks};
    for (Renderer* r : all)
        EXPECT_EQ(r->GetTransform(), stall->GetComponent<Transform>());
    EXPECT_EQ(sprite->GetOwnerText(), label);

    // Taken away, the transform and the text are let go before they are
    // deleted, without a frame in between: nothing is left pointing at them.
    stall->RemoveComponent(CT_Transform);
    for (Renderer* r : all)
        EXPECT_EQ(r->GetTransform(), nullptr);
    stall->RemoveComponent(CT_Text);
    EXPECT_EQ(sprite->GetOwnerText(), nullptr);
    graphics->CallDraw();

    // A new one is taken up at once, by the renderers there and by those
    // added later.
    auto* moved = new Transform();
    moved->SetTrans(0, 200);
    stall->AddComponent(moved);
    EXPECT_EQ(sprite->GetTransform(), moved);
    EXPECT_EQ(sparks->GetTransform(), moved);
    Text* price = AddText(stall, "$5");
    EXPECT_EQ(price->GetTransform(), moved);
    EXPECT_EQ(sprite->GetOwnerText(), price);

    EXPECT_TRUE(sprite->IsOwnerActive());
    stall->setActive(false);
    EXPECT_FALSE(sprite->IsOwnerActive());
    stall->setActive(true);
    EXPECT_TRUE(price->IsOwnerActive());

    // A clone's renderers hold the clone's transform, never the source's.
    GameObject* copy = InstantiateClone(stall, 100, 0, 0);
    ASSERT_NE(copy, nullptr);
    Sprite* copied = copy->GetComponent<Sprite>();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->GetTransform(), copy->GetComponent<Transform>());
    EXPECT_EQ(copied->GetOwnerText(), copy->GetComponent<Text>());
    graphics->CallDraw();
}

TEST_F(RenderOrder, TextAndEmitterJoinTheirObjectsSprite)
{
    const auto [stall, sprite, label, sparks] = MakeStall();

    const std::vector<Renderer*>& list = graphics->GetRenderers();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], sprite);
    EXPECT_EQ(list[1], label);
    EXPECT_EQ(list[2], sparks);
    // The emitter borrows the object's sprite and stops it drawing itself.
    EXPECT_EQ(sparks->GetSprite(), sprite);
    EXPECT_FALSE(sprite->IsRenderable());

    // Initialising again registers nothing twice.
    sprite->Initialise();
    label->Initialise();
    sparks->Initialise();
    EXPECT_EQ(graphics->GetRenderers().size(), 3u);
    EXPECT_EQ(graphics->GetSprites().size(), 1u);
}

TEST_F(RenderOrder, DestroyedObjectsAndSceneClearsLeaveNoStaleEntries)
{
    std::vector<GameObject*> objects;
    for (int i = 0; i < 6; ++i)
    {
        GameObject* o = Make("o" + std::to_string(i), 0, static_cast<float>(i), 1);
        AddSprite(o);
        AddText(o, "t");
        objects.push_back(o);
    }
    graphics->Reorder();
    objects[1]->Destroy();
    objects[4]->Destroy();
    factory->Update();
    EXPECT_EQ(graphics->GetRenderers().size(), 8u);
    EXPECT_EQ(graphics->GetSprites().size(), 4u);
    for (Renderer* r : graphics->GetRenderers())
        EXPECT_NE(r->GetOwner()->getName(), "o1");
    graphics->CallDraw();

    // The clear empties the lists; components that go later are harmless.
    Message clear(MsgID::ClearScene);
    engine->BroadcastMessage(&clear);
    EXPECT_TRUE(graphics->GetRenderers().empty());
    EXPECT_TRUE(graphics->GetSprites().empty());
    GameObject* late = Make("late", 0, 0, 1);
    Sprite* lateSprite = AddSprite(late);
    EXPECT_EQ(graphics->GetRenderers().size(), 1u);
    late->RemoveComponent(lateSprite);
    EXPECT_TRUE(graphics->GetRenderers().empty());
    graphics->CallDraw();
}

TEST_F(RenderOrder, MouseMapsTheWindowOntoTheFixedCamera)
{
    // Built for 640 by 360; the camera is 1600 by 900 world units anyway.
    EXPECT_EQ(graphics->ClientToWorld(320, 180), Vector2D(0, 0));
    EXPECT_EQ(graphics->ClientToWorld(0, 0), Vector2D(-800, 450));
    EXPECT_EQ(graphics->ClientToWorld(640, 360), Vector2D(800, -450));
    graphics->Resize(800, 450);
    EXPECT_EQ(graphics->ClientToWorld(400, 225), Vector2D(0, 0));
    EXPECT_EQ(graphics->ClientToWorld(0, 0), Vector2D(-800, 450));
    EXPECT_FLOAT_EQ(graphics->GetWidthRatio(), 800.0f / 640.0f);

    // Neither game nor editor running: no mouse position.
    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    EXPECT_EQ(graphics->CurrentMouseToWorld(), Vector2D());
}

TEST_F(RenderOrder, WithoutAContextNothingIsDrawnAndNothingFails)
{
    Platform::FakePlatform fake;
    std::unique_ptr<Platform::Window> owned = fake.CreateWindow("no context", 640, 360, false);
    Platform::Window* w = owned.get();
    ::testing::internal::CaptureStderr();
    {
        Graphics second(&w, 640, 360);
        const std::string report = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(report.find("no OpenGL context"), std::string::npos) << report;
        // The other line: this test's folder has no font.
        EXPECT_NE(report.find("Font \""), std::string::npos) << report;
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;
        EXPECT_FALSE(second.IsGLReady());
        // The second system of a type never takes the global pointer.
        EXPECT_EQ(GRAPHICS, graphics);
        ASSERT_NE(second.GetMesh(0), nullptr);
        EXPECT_EQ(second.GetMesh(0)->GetNumTri(), 2);

        // A textured, drawable sprite known only to this system.
        unsigned int fakeTexture = 7;
        auto* s = new Sprite();
        s->ToggleRender(true);
        s->SetTexturePtr(&fakeTexture);
        Make("s", 0, 0)->AddComponent(s);
        AddText(factory->FindObjByName("s"), "label");
        second.AddSprite(s);
        ASSERT_EQ(second.GetRenderers().size(), 1u);
        second.StartFrame();
        second.CallDraw();
        EXPECT_NE(s->GetTransform(), nullptr);
        second.SwapBuffers();
        std::vector<unsigned char> pixels;
        EXPECT_FALSE(second.ReadPixels(0, 0, 1, 1, pixels));
        second.RemoveSprite(s);
    }
    EXPECT_EQ(fake.lastWindow->swaps, 0);
}
