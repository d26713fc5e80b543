// Picking while the handlers it calls change the world: colliders removed,
// added or deactivated mid-pick, scenes cleared from a handler, objects
// without or losing their Transform.
#include "Physics/PhysicsWorld.h"

#include <functional>

using namespace KiteTest;

namespace
{
    class PickingHandlers : public PhysicsWorld
    {
    protected:
        // "under" and "top" overlap at the origin and "left" stands where
        // the pointer is; "left" comes after the winner in the list, so its
        // exit runs once the winner has been chosen. The pointer moves to the
        // origin, and leaving "left" runs `leave` on "top", the collider about
        // to win the pick. Returns what that pick sent.
        Ids LeaveLeftDoing(const std::function<void(GameObject* top)>& leave)
        {
            Make("under", 0, 0, 1);
            top = Make("top", 0, 0, 7);
            GameObject* left = Make("left", -200, 0);
            MoveTo(-200, 0);
            Take();
            ListenerOf(left)->onMessage = [this, leave](int id) {
                if (id == Exit)
                    leave(top);
            };
            MoveTo(0, 0);
            return Take();
        }

        GameObject* top = nullptr;
    };
}

TEST_F(PickingHandlers, ExitHandlerRemovingTheWinnerHandsThePickToTheNextBest)
{
    EXPECT_EQ(LeaveLeftDoing([](GameObject* o) { o->RemoveComponent(CT_Collider2D); }),
              (Ids{{"left", Exit}, {"under", Enter}}));
    EXPECT_EQ(physics->GetColliderCount(), 2u);
}

TEST_F(PickingHandlers, ExitHandlerDeactivatingTheWinnerHandsThePickOn)
{
    EXPECT_EQ(LeaveLeftDoing([](GameObject* o) { o->setActive(false); }), (Ids{{"left", Exit}, {"under", Enter}}));
    EXPECT_FALSE(ColliderOf(top)->GetEntry());
}

TEST_F(PickingHandlers, HandlersRemovingCollidersLaterInTheWalkAndThemselves)
{
    std::vector<GameObject*> hovered;
    for (int i = 0; i < 6; ++i)
        hovered.push_back(Make("h" + std::to_string(i), 0, 0, i, Vector2D(4, 4)));
    // Every one of them gets the mouse once, from the highest down.
    for (int i = 5; i >= 0; --i)
    {
        MoveTo(0, 0);
        hovered[i]->setActive(false);
    }
    for (GameObject* o : hovered)
        o->setActive(true);
    Take();

    // The first exit handler removes its own collider and every later one
    // that the walk has not reached yet.
    ListenerOf(hovered[0])->onMessage = [&](int id) {
        if (id != Exit)
            return;
        for (GameObject* o : hovered)
            o->RemoveComponent(CT_Collider2D);
    };
    MoveTo(700, 0);
    EXPECT_EQ(Take(), (Ids{{"h0", Exit}}));
    EXPECT_EQ(physics->GetColliderCount(), 0u);
    MoveTo(0, 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(PickingHandlers, ColliderRemovedByItsEnterOrOverHandlerGetsNoClick)
{
    GameObject* a = Make("a", 0, 0);
    Place(0, 0);
    Click(true);
    Take();

    ListenerOf(a)->onMessage = [&](int id) {
        if (id == Over)
            a->RemoveComponent(CT_Collider2D);
    };
    Click(false);
    EXPECT_EQ(Take(), (Ids{{"a", Over}}));
    Click(true);
    MoveTo(5, 0);
    EXPECT_TRUE(Take().empty());

    // Deactivated by its enter handler: no click either.
    GameObject* b = Make("b", 300, 0);
    ColliderOf(b)->ForceToggleStay();
    ListenerOf(b)->onMessage = [&](int id) {
        if (id == Over)
            b->setActive(false);
    };
    Place(300, 0);
    Click(true);
    EXPECT_EQ(Take(), (Ids{{"b", Over}}));
}

TEST_F(PickingHandlers, DestroyedHoveredObjectNeverHearsAgain)
{
    GameObject* a = Make("a", 0, 0);
    MoveTo(0, 0);
    ListenerOf(a)->onMessage = [&](int id) {
        if (id == Down)
            a->Destroy();
    };
    Click(true);
    factory->Update();
    EXPECT_EQ(physics->GetColliderCount(), 0u);
    Take();

    MoveTo(1, 0);
    MoveTo(500, 0);
    Click(false);
    EXPECT_TRUE(Take().empty());
}

TEST_F(PickingHandlers, CollidersAddedDuringAPickWaitForTheNext)
{
    GameObject* spawner = Make("spawner", 0, 0);
    std::vector<GameObject*> spawned;
    // Enough new colliders to move the list's storage.
    ListenerOf(spawner)->onMessage = [&](int id) {
        if (id != Enter)
            return;
        for (int i = 0; i < 100; ++i)
            spawned.push_back(Make("spawned" + std::to_string(i), 0, 0, 3));
    };
    MoveTo(0, 0);
    EXPECT_EQ(Take(), (Ids{{"spawner", Enter}}));

    MoveTo(1, 0);
    EXPECT_EQ(Take(), (Ids{{"spawned0", Enter}}));
    EXPECT_EQ(physics->GetColliderCount(), 101u);
}

TEST_F(PickingHandlers, SceneClearedFromAHandlerEndsThePickSafely)
{
    GameObject* left = Make("left", -200, 0);
    Make("right", 0, 0);
    MoveTo(-200, 0);
    Take();

    // The registry is emptied while the pick is walking it. (Only Physics
    // is told: a broadcast would also delete the object whose handler is
    // still running.)
    ListenerOf(left)->onMessage = [&](int id) {
        if (id != Exit)
            return;
        Message clear(MsgID::ClearScene);
        physics->SendMessage(&clear);
    };
    MoveTo(0, 0);
    EXPECT_EQ(Take(), (Ids{{"left", Exit}}));
    EXPECT_EQ(physics->GetColliderCount(), 0u);

    Make("fresh", 0, 0);
    MoveTo(1, 0);
    EXPECT_EQ(Take(), (Ids{{"fresh", Enter}}));
}

TEST_F(PickingHandlers, ObjectsWithoutATransformAreNeverHit)
{
    GameObject* bare = factory->CreateEmptyComposition();
    bare->setName("bare");
    bare->AddComponent(new Listener(&journal));
    Collider2D* c = static_cast<Collider2D*>(bare->AddComponent(CT_Collider2D));
    bare->Initialise();
    EXPECT_EQ(c->getPosition().x, 0.0f);
    MoveTo(0, 0);
    EXPECT_TRUE(Take().empty());

    // The Transform the collider found may leave (and be deleted) later.
    GameObject* a = Make("a", 300, 0);
    a->RemoveComponent(CT_Transform);
    MoveTo(300, 0);
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(physics->TestPoint(static_cast<Transform*>(nullptr)), nullptr);

    // A new one is found again.
    static_cast<Transform*>(a->AddComponent(CT_Transform))->SetTrans(-300, 0);
    MoveTo(-300, 0);
    EXPECT_EQ(Take(), (Ids{{"a", Enter}}));
}
