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

TEST_F(Scenes, AnUnreadableSceneInPlayGoesBackToTheSceneBeforeOrHome)
{
    WriteFile(SceneFolder() + ".xml", "<Scene><GameObject name=\"a\" objectId=\"1\"/></Scene>");
    const std::string broken = scene + "_broken";
    const std::string home = scene + "_home";
    WriteFile(engine->GetAssetPath() + "Scenes/" + broken + ".xml", "<Scene><GameObject name=\"b\" obj");
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    scenes->SetHomeScene(home);
    Load(scene);
    ASSERT_NE(factory->FindObjByName("a"), nullptr);

    // The truncated file is reported once; the scene shown stays until the
    // one the player came from has loaded again, the next frame.
    recorder->ids.clear();
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    Load(broken);
    const std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("Scene \"" + broken + "\": "), std::string::npos) << err;
    EXPECT_NE(out.find("back to \"" + scene + "\""), std::string::npos) << out;
    EXPECT_TRUE(recorder->ids.empty());
    EXPECT_TRUE(scenes->IsLoadPending());
    scenes->Update();
    EXPECT_EQ(scenes->GetCurrentSceneName(), scene);
    EXPECT_NE(factory->FindObjByName("a"), nullptr);
    EXPECT_EQ(Count(recorder->ids, MsgID::Start), 1);

    // Straight after start-up there is no scene before: home, and when home
    // cannot be read either, an empty scene rather than a loop.
    scenes->Initialise();
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    Load(broken);
    scenes->Update();
    EXPECT_FALSE(scenes->IsLoadPending());
    EXPECT_EQ(scenes->GetCurrentSceneName(), home);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("back to \"" + home + "\""), std::string::npos);
    err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Scene \"" + home + "\": cannot read"), std::string::npos) << err;
    std::filesystem::remove(engine->GetAssetPath() + "Scenes/" + broken + ".xml");
}
