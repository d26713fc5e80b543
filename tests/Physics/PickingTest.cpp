// Mouse picking: the hover life cycle, tag priority, clicks, inactive
// objects, the playing gate, and the point query.
#include "Physics/PhysicsWorld.h"

using namespace KiteTest;

using Picking = PhysicsWorld;

TEST_F(Picking, HoverLifeCycleIsEnterOverExitThenQuiet)
{
    GameObject* a = Make("a", 0, 0);
    Collider2D* c = ColliderOf(a);

    MoveTo(10, 10);
    MoveTo(20, -20);
    MoveTo(-30, 5);
    EXPECT_EQ(Take(), (Ids{{"a", Enter}, {"a", Over}, {"a", Over}}));
    EXPECT_TRUE(c->GetStay());
    EXPECT_FALSE(c->GetEntry());

    MoveTo(300, 300);
    EXPECT_EQ(Take(), (Ids{{"a", Exit}}));
    EXPECT_TRUE(c->GetExit());
    // An exit lasts one pick.
    MoveTo(310, 300);
    EXPECT_TRUE(Take().empty());
    EXPECT_FALSE(c->GetExit() || c->GetEntry() || c->GetStay());

    MoveTo(0, 0);
    EXPECT_EQ(Take(), (Ids{{"a", Enter}}));
}

TEST_F(Picking, HighestTagWinsAndTheEarlierOneOnATie)
{
    Make("low", 0, 0, 2);
    Make("high", 20, 0, 5);
    Make("twinA", 500, 0, 1);
    Make("twinB", 510, 0, 1);

    MoveTo(10, 0);
    MoveTo(12, 0);
    EXPECT_EQ(Take(), (Ids{{"high", Enter}, {"high", Over}}));

    // Off the higher box only: it is left, and the lower one entered, in
    // that order within one pick.
    MoveTo(-40, 0);
    EXPECT_EQ(Take(), (Ids{{"high", Exit}, {"low", Enter}}));

    MoveTo(505, 0);
    EXPECT_EQ(Take(), (Ids{{"low", Exit}, {"twinA", Enter}}));
}

TEST_F(Picking, CoveredObjectGetsNeitherOverNorExitUntilItIsLeft)
{
    GameObject* under = Make("under", 0, 0, 0, Vector2D(4, 4));
    MoveTo(0, 0);
    EXPECT_EQ(Take(), (Ids{{"under", Enter}}));

    // A higher collider arrives on top of the hovered one.
    Make("top", 0, 0, 9);
    MoveTo(1, 0);
    EXPECT_EQ(Take(), (Ids{{"top", Enter}}));
    EXPECT_TRUE(ColliderOf(under)->GetEntry());

    MoveTo(150, 0);
    EXPECT_EQ(Take(), (Ids{{"top", Exit}, {"under", Over}}));
    MoveTo(900, 0);
    EXPECT_EQ(Take(), (Ids{{"under", Exit}}));
}

TEST_F(Picking, DownAndUpOnlyForTheLeftButtonOnTheHoveredObject)
{
    Make("a", 0, 0);

    // Pressing off every collider reaches no object.
    Place(400, 0);
    Click(true);
    EXPECT_TRUE(Take().empty());

    // The press that enters the object only enters it.
    Place(0, 0);
    Click(true);
    EXPECT_EQ(Take(), (Ids{{"a", Enter}}));
    Click(true);
    Click(false);
    EXPECT_EQ(Take(), (Ids{{"a", Over}, {"a", Down}, {"a", Over}, {"a", Up}}));

    Click(true, MouseButton::RightMouse);
    Click(false, MouseButton::RightMouse);
    EXPECT_EQ(Take(), (Ids{{"a", Over}, {"a", Over}}));

    // A button message handed in as a move never clicks.
    MouseMove move(Vector2D(800, 450));
    physics->TestPoint(&move, true);
    EXPECT_EQ(Take(), (Ids{{"a", Over}}));
}

TEST_F(Picking, ForcedStayPassesAClickOnAtOnce)
{
    GameObject* a = Make("a", 0, 0);
    ColliderOf(a)->ForceToggleStay();
    Place(0, 0);
    Click(true);
    EXPECT_EQ(Take(), (Ids{{"a", Over}, {"a", Down}}));

    ColliderOf(a)->ForceToggleExit();
    MoveTo(500, 0);
    EXPECT_TRUE(Take().empty());
    EXPECT_FALSE(ColliderOf(a)->GetExit());
}

TEST_F(Picking, InactiveObjectsAreSkippedEntirely)
{
    GameObject* under = Make("under", 0, 0, 1);
    GameObject* top = Make("top", 0, 0, 5);
    MoveTo(0, 0);
    EXPECT_EQ(Take(), (Ids{{"top", Enter}}));

    // The hovered top object goes away: it keeps its flags and gets no exit,
    // and the object below it is picked.
    top->setActive(false);
    MoveTo(1, 0);
    EXPECT_EQ(Take(), (Ids{{"under", Enter}}));
    MoveTo(500, 0);
    EXPECT_EQ(Take(), (Ids{{"under", Exit}}));
    EXPECT_TRUE(ColliderOf(top)->GetEntry());

    // Back again and off it: the stale hover ends with an exit.
    top->setActive(true);
    MoveTo(600, 0);
    EXPECT_EQ(Take(), (Ids{{"top", Exit}}));

    // A deactivated parent hides its children's colliders too.
    GameObject* child = Make("child", -300, 0);
    child->AddParent(under);
    under->setActive(false);
    MoveTo(-300, 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(Picking, BoxEdgesAreStrict)
{
    Make("wide", 0, 0, 0, Vector2D(2, 0.5f));
    // 200 by 50 world units around the origin.
    MoveTo(100, 0);
    MoveTo(0, 25);
    MoveTo(-100, 0);
    EXPECT_TRUE(Take().empty());
    MoveTo(99, 24);
    EXPECT_EQ(Take(), (Ids{{"wide", Enter}}));
    MoveTo(-99, -25);
    EXPECT_EQ(Take(), (Ids{{"wide", Exit}}));
}

TEST_F(Picking, MouseIsIgnoredWhileTheGameIsNotRunning)
{
    GameObject* a = Make("a", 0, 0);
    MoveTo(0, 0);
    Take();

    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    MoveTo(500, 0);
    Click(true);
    EXPECT_TRUE(Take().empty());
    EXPECT_TRUE(ColliderOf(a)->GetEntry());
}

TEST_F(Picking, ClearSceneEmptiesTheListUntilCollidersRegisterAgain)
{
    GameObject* a = Make("a", 0, 0);
    Message clear(MsgID::ClearScene);
    physics->SendMessage(&clear);
    EXPECT_EQ(physics->GetColliderCount(), 0u);
    MoveTo(0, 0);
    EXPECT_TRUE(Take().empty());

    ColliderOf(a)->Initialise();
    MoveTo(1, 0);
    EXPECT_EQ(Take(), (Ids{{"a", Enter}}));
}

TEST_F(Picking, PointQueryTakesTheFirstActiveContainingCollider)
{
    GameObject* low = Make("low", 0, 0, 1);
    GameObject* high = Make("high", 10, 0, 8);
    GameObject* probe = factory->CreateEmptyComposition();
    Transform* at = static_cast<Transform*>(probe->AddComponent(CT_Transform));

    // No tag comparison, and the collider's own object is not excluded.
    at->SetTrans(5, 0);
    EXPECT_EQ(physics->TestPoint(at), low);
    EXPECT_EQ(physics->TestPoint(low->GetComponent<Transform>()), low);
    low->setActive(false);
    EXPECT_EQ(physics->TestPoint(at), high);

    at->SetTrans(1000, 0);
    EXPECT_EQ(physics->TestPoint(at), nullptr);
    EXPECT_EQ(physics->TestPoint(static_cast<Transform*>(nullptr)), nullptr);
    // A query changes no hover state and sends nothing.
    EXPECT_TRUE(Take().empty());
    EXPECT_FALSE(ColliderOf(high)->GetEntry());
}
