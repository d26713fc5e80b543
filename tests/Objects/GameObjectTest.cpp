// Game objects: the one-per-type rule, user-interface components, activity,
// cloning and assignment, ownership of the shared mesh, the type set.
#include "Objects/TestWorld.h"

using namespace KiteTest;

using Objects = World;

TEST_F(Objects, SecondComponentOfATypeIsRejectedAndStaysWithTheCaller)
{
    GameObject* o = Make("o", false);
    Probe* first = new Probe();
    Probe* second = new Probe();
    EXPECT_TRUE(o->AddComponent(first));
    EXPECT_FALSE(o->AddComponent(second));
    ASSERT_EQ(o->GetComponentList().size(), 1u);
    EXPECT_EQ(o->GetComponentList()[0], first);
    EXPECT_EQ(second->GetOwner(), nullptr);
    delete second;
    // By type: nothing new while one is held; a type without a creator
    // neither throws nor adds.
    EXPECT_EQ(o->AddComponent(CT_Probe), nullptr);
    EXPECT_EQ(o->AddComponent(CT_Other), nullptr);
    EXPECT_EQ(o->GetComponentList().size(), 1u);
}

TEST_F(Objects, FirstUserInterfaceComponentMovesTheObjectBetweenMaps)
{
    GameObject* o = Make("o");
    const unsigned id = o->GetId();
    ASSERT_EQ(factory->GetObjects().count(id), 1u);

    o->AddComponent(new Panel());
    EXPECT_EQ(factory->GetObjects().count(id), 0u);
    EXPECT_EQ(factory->GetUIObjects().at(id), o);
    EXPECT_EQ(o->GetUIComponentList().size(), 1u);
    EXPECT_EQ(o->GetComponentList().size(), 1u);

    o->RemoveComponent(CT_Panel);
    EXPECT_EQ(factory->GetUIObjects().count(id), 0u);
    EXPECT_EQ(factory->GetObjects().at(id), o);
    EXPECT_FALSE(o->HasComponent(CT_Panel));
}

TEST_F(Objects, GetComponentPrefersOrdinaryComponents)
{
    GameObject* o = Make("o", false);
    Panel* panel = new Panel();
    o->AddComponent(panel);
    EXPECT_EQ(o->GetComponent<GameComponent>(), panel);
    Probe* probe = new Probe();
    o->AddComponent(probe);
    EXPECT_EQ(o->GetComponent<GameComponent>(), probe);
    EXPECT_EQ(o->GetComponent<UIElement>(), panel);
    EXPECT_EQ(o->GetComponent<Transform>(), nullptr);
    std::vector<GameComponent*> all = o->GetAllComponentsList();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], probe);
    EXPECT_EQ(all[1], panel);
}

TEST_F(Objects, DeactivatingAParentReachesEveryDescendantsOrdinaryComponents)
{
    GameObject* root = Make("root", false);
    GameObject* child = Make("child", false);
    GameObject* grandchild = Make("grandchild", false);
    child->AddParent(root);
    grandchild->AddParent(child);
    Probe* probe = new Probe();
    Panel* panel = new Panel();
    grandchild->AddComponent(probe);
    grandchild->AddComponent(panel);

    root->setActive(false);
    EXPECT_FALSE(child->isActive());
    EXPECT_FALSE(grandchild->isActive());
    EXPECT_EQ(probe->deactivations, 1);
    EXPECT_EQ(panel->deactivations, 0);

    root->setActive(true);
    EXPECT_TRUE(grandchild->isActive());
    EXPECT_EQ(probe->activations, 1);
}

TEST_F(Objects, ParentingLinksBothWaysAndUnparentForgets)
{
    GameObject* parent = Make("parent");
    GameObject* child = Make("child");
    child->AddParent(parent);
    child->AddParent(parent);
    EXPECT_EQ(child->GetParent(), parent);
    EXPECT_EQ(child->GetParentId(), parent->GetId());
    EXPECT_EQ(parent->GetChildren().size(), 1u);

    child->Unparent();
    EXPECT_EQ(child->GetParent(), nullptr);
    EXPECT_EQ(child->GetParentId(), 0u);
    EXPECT_TRUE(parent->GetChildren().empty());

    parent->AddChildren(child);
    EXPECT_EQ(child->GetParent(), parent);
    parent->RemoveChildren(child);
    EXPECT_EQ(child->GetParent(), nullptr);
    EXPECT_EQ(child->GetParentId(), parent->GetId());

    // A new parent takes the child from the old one; loops are refused.
    GameObject* other = Make("other");
    child->AddParent(parent);
    child->AddParent(other);
    EXPECT_TRUE(parent->GetChildren().empty());
    EXPECT_EQ(other->GetChildren().size(), 1u);
    parent->AddChildren(child);
    EXPECT_TRUE(other->GetChildren().empty());
    parent->AddParent(child);
    child->AddChildren(parent);
    parent->AddParent(parent);
    EXPECT_EQ(parent->GetParent(), nullptr);
    EXPECT_EQ(child->GetChildren().size(), 0u);
    parent->setActive(false);
    EXPECT_FALSE(child->isActive());
}

TEST_F(Objects, CloneStartsFreshAndOwnsItsComponents)
{
    GameObject* parent = Make("parent");
    GameObject* source = Make("source");
    source->AddParent(parent);
    source->SetLayerTag(7);
    source->setActive(false);
    Probe* probe = new Probe();
    probe->speed = 4.0f;
    source->AddComponent(probe);
    source->AddComponent(new Panel());

    GameObject* clone = InstantiateClone(source, 3.0f, 4.0f, 90.0f);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->getName(), "source");
    EXPECT_EQ(clone->GetLayerTag(), 0);
    EXPECT_EQ(clone->GetParent(), nullptr);
    EXPECT_EQ(clone->GetParentId(), 0u);
    EXPECT_TRUE(clone->isActive());
    EXPECT_EQ(clone->GetId(), 3u);
    EXPECT_EQ(factory->GetUIObjects().at(3u), clone);

    Probe* copy = clone->GetComponent<Probe>();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, probe);
    EXPECT_EQ(copy->speed, 4.0f);
    EXPECT_EQ(copy->GetComponentTypeId(), CT_Probe);
    EXPECT_EQ(copy->initialised, 1);
    EXPECT_EQ(clone->GetComponent<Transform>()->GetTransVec(), Vector2D(3.0f, 4.0f));
    EXPECT_EQ(clone->GetComponent<Transform>()->GetRotation(), 90.0f);
}

TEST_F(Objects, AssignmentCopiesComponentsWithoutSharingThem)
{
    GameObject* a = Make("a");
    a->AddComponent(new Probe());
    GameObject* b = Make("b", false);
    b->AddComponent(new Panel());
    const unsigned bId = b->GetId();

    *b = *a;
    EXPECT_EQ(b->getName(), "a");
    EXPECT_EQ(b->GetId(), bId);
    ASSERT_NE(b->GetComponent<Probe>(), nullptr);
    EXPECT_NE(b->GetComponent<Probe>(), a->GetComponent<Probe>());
    EXPECT_EQ(b->GetComponent<Probe>()->GetOwner(), b);
    EXPECT_EQ(a->GetComponent<Probe>()->GetOwner(), a);
    EXPECT_FALSE(b->HasComponent(CT_Panel));
    // No longer a user-interface object.
    EXPECT_EQ(factory->GetObjects().at(bId), b);
    // Deleting both (at teardown) must not free anything twice.
}

TEST_F(Objects, SharedMeshIsNeverDeletedByAnObject)
{
    SharedQuad quad;
    SharedQuad::deletions = 0;
    GameObject* a = Make("a");
    a->AddComponent(&quad);
    GameObject* clone = InstantiateClone(a, 0, 0, 0);
    EXPECT_EQ(clone->GetComponentList().size(), 2u);
    EXPECT_EQ(quad.GetOwner(), clone);

    a->RemoveComponent(CT_Mesh);
    EXPECT_FALSE(a->HasComponent(CT_Mesh));
    factory->DeleteAllObjects();
    EXPECT_EQ(SharedQuad::deletions, 0);
}

TEST_F(Objects, ScriptUnregistersOnlyWhenInitialised)
{
    GameObject* o = Make("o");
    Probe* probe = new Probe();
    o->AddComponent(probe);
    o->RemoveComponent(probe);
    EXPECT_EQ(logic->GetScriptCount(), 0u);

    probe = new Probe();
    o->AddComponent(probe);
    o->Initialise();
    EXPECT_EQ(logic->GetScriptCount(), 1u);
    EXPECT_EQ(probe->GetTransform(), o->GetComponent<Transform>());
    o->RemoveComponent(CT_Probe);
    EXPECT_EQ(logic->GetScriptCount(), 0u);
}

TEST_F(Objects, ScriptDispatchesMouseStartAndPauseMessages)
{
    GameObject* o = Make("o");
    Probe* probe = new Probe();
    o->AddComponent(probe);
    for (MsgID::MessageIdType id : {MsgID::MouseDown, MsgID::Start, MsgID::Pause, MsgID::MouseMove})
    {
        Message m(id);
        o->SendMessage(&m);
    }
    EXPECT_EQ(probe->mouseDowns, 1);
    EXPECT_EQ(probe->started, 1);
    EXPECT_EQ(probe->pauses, 1);
}

TEST_F(Objects, DeliveryStopsWhenAHandlerDeletesItsObject)
{
    GameObject* o = Make("o");
    Probe* probe = new Probe();
    o->AddComponent(probe);
    o->AddComponent(new Panel());
    // A handler that clears the scene deletes this object in mid-delivery.
    probe->onMouseDown = [](Probe*) {
        Message clear(MsgID::ClearScene);
        ENGINE->BroadcastMessage(&clear);
    };
    MouseCollideMessage down(MsgID::MouseDown);
    o->SendMessage(&down);
    EXPECT_EQ(factory->FindObjectWithId(1), nullptr);
}

TEST(BitExtender, BitsAcrossWordsAndOutOfRange)
{
    BitExtender<char, short> set;
    EXPECT_TRUE(set.None());
    for (int n : {0, 15, 16, 98, 127})
    {
        set |= n;
        EXPECT_TRUE(set[static_cast<unsigned>(n)]) << n;
    }
    EXPECT_FALSE(set[14]);
    EXPECT_FALSE(set[17]);
    EXPECT_FALSE(set[128]);
    EXPECT_FALSE(set[100000]);
    set &= 15;
    EXPECT_FALSE(set[15]);
    EXPECT_TRUE(set[16]);
    // Past the end neither sets nor clears anything.
    set |= 200;
    set &= -1;
    EXPECT_TRUE(set[0]);
}
