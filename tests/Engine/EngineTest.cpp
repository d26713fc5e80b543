// Engine: system order, duplicates, message delivery, quit, time factor.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Core/Engine/AbstractGame.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Math/Vector2D.h"

#include <imgui.h>

using namespace KiteFramework;

namespace
{
    struct Journal
    {
        std::vector<std::string> entries;
    };

    class RecordingSystem : public System
    {
    public:
        RecordingSystem(SystemType type, Journal& journal, int* deleted = nullptr)
            : System(type), journal_(journal), deleted_(deleted)
        {
        }
        ~RecordingSystem() override
        {
            if (deleted_)
                ++*deleted_;
        }
        void Initialise() override { Record("init"); }
        void Update() override
        {
            Record("update");
            if (onUpdate)
                onUpdate();
        }
        void SendMessage(Message* message) override
        {
            Record("msg" + std::to_string(message->id));
            if (onMessage)
                onMessage(message);
        }

        std::function<void()> onUpdate;
        std::function<void(Message*)> onMessage;

    private:
        void Record(const std::string& what)
        {
            journal_.entries.push_back(what + ":" + std::to_string(getSystemType()));
        }
        Journal& journal_;
        int* deleted_;
    };

    std::vector<std::string> Expected(const std::string& what, std::vector<int> types)
    {
        std::vector<std::string> result;
        for (int t : types)
            result.push_back(what + ":" + std::to_string(t));
        return result;
    }

    class CountingGame : public AbstractGame
    {
    public:
        explicit CountingGame(int& initialised, int& deleted) : initialised_(initialised), deleted_(deleted) {}
        ~CountingGame() override { ++deleted_; }
        void Initialise() override { ++initialised_; }

    private:
        int& initialised_;
        int& deleted_;
    };
}

TEST(Engine, SystemsRunInTypeOrderWhateverTheOrderAdded)
{
    Journal journal;
    Engine engine;
    for (int t : {0, 1, 2, 9, 4, 5, 6, 10, 3, 7, 11})
        engine.AddSystem(new RecordingSystem(static_cast<SystemType>(t), journal));

    const std::vector<int> order = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11};
    engine.Initialise();
    EXPECT_EQ(journal.entries, Expected("init", order));
    EXPECT_TRUE(engine.GetEngineStatus(ES_INITIALISED));
    EXPECT_TRUE(engine.GetEngineStatus(ES_RUNNING));

    journal.entries.clear();
    engine.Step();
    EXPECT_EQ(journal.entries, Expected("update", order));

    journal.entries.clear();
    Message clear(MsgID::ClearScene);
    engine.BroadcastMessage(&clear);
    EXPECT_EQ(journal.entries, Expected("msg14", order));
    engine.CleanEngine();
}

TEST(Engine, SecondSystemOfATypeIsIgnored)
{
    Journal journal;
    int firstDeleted = 0;
    int secondDeleted = 0;
    Engine engine;
    auto* first = new RecordingSystem(ST_Physics, journal, &firstDeleted);
    auto* second = new RecordingSystem(ST_Physics, journal, &secondDeleted);
    engine.AddSystem(first);
    engine.AddSystem(second);
    EXPECT_EQ(engine.GetSystem(ST_Physics), first);

    engine.Initialise();
    engine.Step();
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"init:3", "update:3"}));
    engine.CleanEngine();
    EXPECT_EQ(firstDeleted, 1);
    EXPECT_EQ(secondDeleted, 0);
    delete second;
}

TEST(Engine, QuitReachesNoSystemAndEndsLoopAfterTheFrame)
{
    Journal journal;
    Engine engine;
    engine.SetLogPath(testing::TempDir() + "quit_log.txt");
    auto* early = new RecordingSystem(ST_Input, journal);
    auto* late = new RecordingSystem(ST_SceneManager, journal);
    int frames = 0;
    early->onUpdate = [&] {
        if (++frames == 3)
        {
            MessageQuit quit;
            ENGINE->BroadcastMessage(&quit);
        }
    };
    engine.AddSystem(early);
    engine.AddSystem(late);
    engine.Initialise();
    journal.entries.clear();

    engine.Loop();
    EXPECT_EQ(frames, 3);
    EXPECT_FALSE(engine.GetEngineStatus(ES_RUNNING));
    // The frame that sent the quit finished: the later system still ran.
    EXPECT_EQ(journal.entries.back(), "update:11");
    for (const std::string& entry : journal.entries)
        EXPECT_EQ(entry.find("msg1:"), std::string::npos) << entry;
    engine.CleanEngine();
}

TEST(Engine, NestedBroadcastCompletesBeforeTheOuterWalkGoesOn)
{
    Journal journal;
    Engine engine;
    auto* physics = new RecordingSystem(ST_Physics, journal);
    engine.AddSystem(new RecordingSystem(ST_Win32System, journal));
    engine.AddSystem(physics);
    engine.AddSystem(new RecordingSystem(ST_Graphics, journal));
    physics->onMessage = [](Message* m) {
        if (m->id == MsgID::MouseButton)
        {
            Message start(MsgID::Start);
            ENGINE->BroadcastMessage(&start);
        }
    };
    MouseButton click(MouseButton::LeftMouse, true, Vector2D(1, 2));
    engine.BroadcastMessage(&click);
    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"msg5:0", "msg5:3", "msg16:0", "msg16:3", "msg16:7", "msg5:7"}));
    engine.CleanEngine();
}

TEST(Engine, TimeFactorStatusBitsAndGame)
{
    int initialised = 0;
    int deleted = 0;
    Engine engine;
    EXPECT_EQ(ENGINE, &engine);
    EXPECT_EQ(engine.GetTimeFactor(), 0.0f);
    engine.AddAndInitialiseGame(new CountingGame(initialised, deleted));
    EXPECT_EQ(initialised, 1);

    engine.BeginLoop();
    EXPECT_EQ(engine.GetTimeFactor(), 1.0f);
    EXPECT_TRUE(engine.GetEngineStatus(ES_GAMEPLAYING));
    EXPECT_FALSE(engine.GetEngineStatus(ES_EDITORVIEW));
    engine.ToggleEngineStatus(ES_EDITORVIEW);
    EXPECT_TRUE(engine.GetEngineStatus(ES_EDITORVIEW));
    engine.SetEngineStatus(ES_EDITORVIEW, false);
    EXPECT_FALSE(engine.GetEngineStatus(ES_EDITORVIEW));
    engine.SetTimeFactor(7.5f);
    EXPECT_EQ(engine.GetTimeFactor(), 7.5f);

    engine.CleanEngine();
    EXPECT_EQ(deleted, 1);
}

TEST(Engine, AssetPathIsBesideTheProgram)
{
    Engine engine;
    const std::string& path = engine.GetAssetPath();
    ASSERT_GE(path.size(), 8u);
    EXPECT_EQ(path.substr(path.size() - 8), "/Assets/");
    EXPECT_EQ(path.find('\\'), std::string::npos);
    engine.CleanEngine();
}

TEST(Vector2D, FromImVec2AndIndexing)
{
    Vector2D v(ImVec2(1.5f, -2.0f));
    EXPECT_EQ(v.x, 1.5f);
    EXPECT_EQ(v.y, -2.0f);
    EXPECT_EQ(v[1], -2.0f);
    EXPECT_EQ(v[5], 1.5f);
}

TEST(Engine, DeletingTheEngineClearsItsGlobalPointer)
{
    auto* older = new Engine();
    auto* engine = new Engine();
    EXPECT_EQ(ENGINE, engine);
    // Deleting an engine that ENGINE no longer names leaves ENGINE alone.
    delete older;
    EXPECT_EQ(ENGINE, engine);
    engine->CleanEngine();
    delete engine;
    EXPECT_EQ(ENGINE, nullptr);
    // A failed write after the engine is gone has no log to report to.
    EXPECT_FALSE(WriteStringToFile("x", testing::TempDir() + "no/such/folder/file.txt", 1));
}
