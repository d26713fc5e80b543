// Game logic: the playing gate, message forwarding, and scripts added or
// removed while the list is walked.
#include "Objects/TestWorld.h"

using namespace KiteTest;

using Logic = World;

namespace
{
    Probe* AddProbe(GameObject* o)
    {
        Probe* p = new Probe();
        o->AddComponent(p);
        p->Initialise();
        return p;
    }
}

TEST_F(Logic, UpdatesOnlyWhilePlayingButAlwaysForwardsMessages)
{
    GameObject* o = Make("o");
    Probe* p = AddProbe(o);
    o->setActive(false);

    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    logic->Update();
    EXPECT_EQ(p->updates, 0);
    Message down(MsgID::MouseDown);
    logic->SendMessage(&down);
    EXPECT_EQ(p->mouseDowns, 1);

    // Inactive objects' scripts still run: they check for themselves.
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    logic->Update();
    EXPECT_EQ(p->updates, 1);

    Message clear(MsgID::ClearScene);
    logic->SendMessage(&clear);
    EXPECT_EQ(logic->GetScriptCount(), 0u);
}

TEST_F(Logic, InitialisingTwiceStillUpdatesOncePerFrame)
{
    Probe* p = AddProbe(Make("o"));
    p->Initialise();
    EXPECT_EQ(logic->GetScriptCount(), 1u);
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    logic->Update();
    EXPECT_EQ(p->updates, 1);
}

TEST_F(Logic, ScriptAddedDuringTheWalkIsUpdatedInThatWalk)
{
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    GameObject* spawnerObject = Make("spawner");
    Probe* spawner = AddProbe(spawnerObject);
    Probe* spawned = nullptr;
    spawner->onUpdate = [&](Probe*) {
        if (!spawned)
            spawned = AddProbe(Make("spawned"));
    };
    logic->Update();
    ASSERT_NE(spawned, nullptr);
    EXPECT_EQ(spawned->updates, 1);
    EXPECT_EQ(logic->GetScriptCount(), 2u);
}

TEST_F(Logic, ScriptRemovedDuringTheWalkIsNotCalledAfterwards)
{
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    GameObject* a = Make("a");
    GameObject* b = Make("b");
    Probe* first = AddProbe(a);
    AddProbe(b);
    // The first script deletes the second, which the walk has not reached;
    // then itself, which the walk is standing on.
    first->onUpdate = [&](Probe*) {
        b->RemoveComponent(CT_Probe);
        a->RemoveComponent(CT_Probe);
    };
    logic->Update();
    EXPECT_EQ(logic->GetScriptCount(), 0u);
    logic->Update();

    // A message handler that empties the list mid-walk is survived too.
    Probe* c = AddProbe(Make("c"));
    Probe* d = AddProbe(Make("d"));
    c->onUpdate = [&](Probe*) {
        Message clear(MsgID::ClearScene);
        logic->SendMessage(&clear);
    };
    logic->Update();
    EXPECT_EQ(d->updates, 0);
    EXPECT_EQ(logic->GetScriptCount(), 0u);
}
