// Factory: dense ids, the destroy queue, lookups and creators.
#include "Objects/TestWorld.h"

using namespace KiteTest;

using Factory = World;

TEST_F(Factory, DestroyedIdIsTakenByTheHighestObject)
{
    std::vector<GameObject*> o;
    for (int i = 1; i <= 5; ++i)
        o.push_back(Make("o" + std::to_string(i)));
    o[2]->AddParent(o[4]);

    o[1]->Destroy();
    factory->Update();
    EXPECT_EQ(o[4]->GetId(), 2u);
    EXPECT_EQ(factory->FindObjectWithId(2), o[4]);
    EXPECT_EQ(o[2]->GetParentId(), 2u);
    EXPECT_EQ(factory->GetCounter(), 4u);
    EXPECT_EQ(factory->FindObjectWithId(5), nullptr);

    EXPECT_EQ(Make("new")->GetId(), 5u);
}

TEST_F(Factory, DestroyingTheHighestOnlyRemovesIt)
{
    GameObject* a = Make("a");
    GameObject* b = Make("b");
    b->Destroy();
    factory->Update();
    EXPECT_EQ(a->GetId(), 1u);
    EXPECT_EQ(factory->GetCounter(), 1u);
    EXPECT_EQ(factory->FindObjectWithId(2), nullptr);
    a->Destroy();
    factory->Update();
    EXPECT_TRUE(factory->GetObjects().empty());
    EXPECT_EQ(factory->GetCounter(), 0u);
}

TEST_F(Factory, DestroyAcrossTheTwoMaps)
{
    GameObject* ui = Make("ui");
    ui->AddComponent(new Panel());
    Make("plain");
    GameObject* top = Make("top");
    top->AddComponent(new Panel());
    ui->Destroy();
    factory->Update();
    EXPECT_EQ(top->GetId(), 1u);
    EXPECT_EQ(factory->GetUIObjects().at(1u), top);
    EXPECT_EQ(factory->GetObjects().size(), 1u);
    EXPECT_EQ(factory->GetUIObjects().size(), 1u);

    Make("plain2");
    GameObject* plainTop = factory->FindObjByName("plain2");
    top->Destroy();
    factory->Update();
    EXPECT_EQ(plainTop->GetId(), 1u);
    EXPECT_EQ(factory->GetObjects().at(1u), plainTop);
    EXPECT_TRUE(factory->GetUIObjects().empty());
}

TEST_F(Factory, DestroyQueuesDescendantsOnceAndDeletesThemAll)
{
    GameObject* root = Make("root");
    GameObject* child = Make("child");
    GameObject* grandchild = Make("grandchild");
    GameObject* other = Make("other");
    child->AddParent(root);
    grandchild->AddParent(child);

    root->Destroy();
    root->Destroy();
    Destroy(child);
    EXPECT_EQ(factory->GetDestroyQueueSize(), 3u);
    factory->Update();
    EXPECT_EQ(factory->GetObjects().size(), 1u);
    EXPECT_EQ(other->GetId(), 1u);
    EXPECT_EQ(factory->FindObjByName("grandchild"), nullptr);

    // Destroying a child alone leaves its parent without it.
    GameObject* p = Make("p");
    GameObject* c = Make("c");
    c->AddParent(p);
    c->Destroy();
    factory->Update();
    EXPECT_TRUE(p->GetChildren().empty());
}

TEST_F(Factory, LookupsByNameAndId)
{
    GameObject* ui = Make("same");
    ui->AddComponent(new Panel());
    GameObject* plain = Make("same");
    EXPECT_EQ(factory->FindObjByName("same"), plain);
    EXPECT_EQ(factory->FindObjByName("none"), nullptr);
    EXPECT_EQ(factory->FindObjectWithId(0), nullptr);
    EXPECT_EQ(factory->FindObjectWithId(1), ui);
    EXPECT_EQ(factory->FindObjectWithId(3), nullptr);
}

TEST_F(Factory, FirstCreatorOfATypeStays)
{
    factory->AddComponentCreator(CT_Probe, "Other", new ComponentCreatorType<Shapes>(CT_Probe));
    EXPECT_EQ(factory->GetCreatorName(CT_Probe), "Probe");
    EXPECT_EQ(factory->GetCreator("Other"), nullptr);
    GameComponent* c = factory->GetCreator("Probe")->Create();
    EXPECT_NE(dynamic_cast<Probe*>(c), nullptr);
    EXPECT_EQ(c->GetComponentTypeId(), CT_Probe);
    delete c;
    EXPECT_EQ(factory->GetCreatorName(CT_Other), "");
}

TEST_F(Factory, SceneMessagesInitialiseAndClearEveryObject)
{
    GameObject* a = Make("a");
    Probe* pa = new Probe();
    a->AddComponent(pa);
    GameObject* b = Make("b");
    b->AddComponent(new Panel());
    Probe* pb = new Probe();
    b->AddComponent(pb);
    Message loaded(MsgID::SceneLoaded);
    factory->SendMessage(&loaded);
    EXPECT_EQ(pa->initialised, 1);
    EXPECT_EQ(pb->initialised, 1);
    EXPECT_EQ(logic->GetScriptCount(), 2u);

    a->Destroy();
    Message clear(MsgID::ClearScene);
    engine->BroadcastMessage(&clear);
    EXPECT_TRUE(factory->GetObjects().empty());
    EXPECT_TRUE(factory->GetUIObjects().empty());
    EXPECT_EQ(factory->GetDestroyQueueSize(), 0u);
    EXPECT_EQ(logic->GetScriptCount(), 0u);
    EXPECT_EQ(factory->GetCounter(), 0u);
    factory->Update();
}
