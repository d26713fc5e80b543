// Scene manager: deferred loads, the clear / loaded / start order and its
// gate, and the time factor.
#include "Objects/TestWorld.h"

using namespace KiteTest;

using Scenes = World;

namespace
{
    int Count(const std::vector<int>& ids, int id)
    {
        return static_cast<int>(std::count(ids.begin(), ids.end(), id));
    }
}

TEST_F(Scenes, InitialiseNamesTheSceneUntitled)
{
    scenes->Initialise();
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Untitled");
}

TEST_F(Scenes, TwoRequestsInOneFrameLoadOnlyTheSecondOnce)
{
    WriteFile(SceneFolder() + ".xml", "<Scene><GameObject name=\"second\" objectId=\"1\"/></Scene>");
    scenes->LoadLevel("NoSuchScene");
    scenes->LoadLevel(scene);
    EXPECT_TRUE(recorder->ids.empty());
    testing::internal::CaptureStderr();
    scenes->Update();
    scenes->Update();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Count(recorder->ids, MsgID::ClearScene), 1);
    EXPECT_EQ(scenes->GetCurrentSceneName(), scene);
    ASSERT_NE(factory->FindObjectWithId(1), nullptr);
    EXPECT_EQ(factory->FindObjectWithId(1)->getName(), "second");
    EXPECT_FALSE(scenes->IsLoadPending());
}

TEST_F(Scenes, StartIsSentOnlyWhileTheGameRuns)
{
    WriteFile(SceneFolder() + ".xml", "<Scene><GameObject name=\"a\" objectId=\"1\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml", "<Components><Probe><speed>2</speed></Probe></Components>");

    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    engine->SetTimeFactor(0.0f);
    Load(scene);
    EXPECT_EQ(recorder->ids, (std::vector<int>{MsgID::ClearScene, MsgID::SceneLoaded}));
    Probe* p = factory->FindObjectWithId(1)->GetComponent<Probe>();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->speed, 2.0f);
    EXPECT_EQ(p->initialised, 1);
    EXPECT_EQ(p->started, 0);
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);

    recorder->ids.clear();
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    engine->SetTimeFactor(4.0f);
    Load(scene);
    EXPECT_EQ(recorder->ids, (std::vector<int>{MsgID::ClearScene, MsgID::SceneLoaded, MsgID::Start}));
    p = factory->FindObjectWithId(1)->GetComponent<Probe>();
    EXPECT_EQ(p->started, 1);
    EXPECT_EQ(logic->GetScriptCount(), 1u);
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);
}

TEST_F(Scenes, RequestMadeWhileASceneStartsIsKeptForTheNextFrame)
{
    WriteFile(SceneFolder() + ".xml", "<Scene><GameObject name=\"a\" objectId=\"1\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml", "<Components><Probe/></Components>");
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    Load(scene);
    Probe* p = factory->FindObjectWithId(1)->GetComponent<Probe>();
    p->onUpdate = [&](Probe*) { scenes->LoadLevel(scene); };
    engine->Step();
    EXPECT_EQ(Count(recorder->ids, MsgID::ClearScene), 2);
    EXPECT_FALSE(scenes->IsLoadPending());
}
