// The user-interface system: creators, message forwarding while handlers
// change the registry, pause save and restore, and teardown order.
#include "UI/UITestWorld.h"

#include <functional>

using namespace UITest;

namespace
{
    constexpr ComponentTypeId CT_Hook = static_cast<ComponentTypeId>(60);

    // A user-interface element that records the messages it gets and can act
    // from inside the forwarding.
    class Hook : public UIElement
    {
    public:
        Hook() : UIElement(CT_Hook) {}
        void SendMessage(Message* m) override
        {
            ids.push_back(m->id);
            if (onMessage)
                onMessage();
        }
        std::vector<int> ids;
        std::function<void()> onMessage;
    };

    class UISystemTest : public UIWorld
    {
    protected:
        Hook* AddHook(const std::string& name)
        {
            GameObject* o = Make(name);
            auto* h = new Hook();
            o->AddComponent(h);
            o->Initialise();
            return h;
        }

        void Broadcast(MsgID::MessageIdType id)
        {
            Message m(id);
            engine->BroadcastMessage(&m);
        }

        // Makes name the current scene; no file is needed (a missing scene
        // loads empty, with a report, outside play: in play the game would
        // go back to the scene before).
        void SetScene(const std::string& name)
        {
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            const bool playing = engine->GetEngineStatus(ES_GAMEPLAYING);
            engine->SetEngineStatus(ES_GAMEPLAYING, false);
            scenes->LoadLevel(name);
            scenes->Update();
            engine->SetEngineStatus(ES_GAMEPLAYING, playing);
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
            ASSERT_EQ(scenes->GetCurrentSceneName(), name);
        }
    };
}

TEST_F(UISystemTest, ASecondSystemLeavesTheGlobalPointerAlone)
{
    {
        UISystem second;
        EXPECT_EQ(UISYSTEM, ui);
    }
    EXPECT_EQ(UISYSTEM, ui);
}

TEST_F(UISystemTest, MessagesReachEveryElementUntilTheSceneIsCleared)
{
    Hook* a = AddHook("A");
    Hook* b = AddHook("B");
    a->GetOwner()->Initialise();
    EXPECT_EQ(ui->GetUIElementCount(), 2u) << "initialising twice registers once";
    b->GetOwner()->setActive(false);
    Broadcast(MsgID::Start);
    EXPECT_EQ(a->ids, std::vector<int>{MsgID::Start});
    EXPECT_EQ(b->ids, std::vector<int>{MsgID::Start}) << "elements decide for themselves what to ignore";

    MessageQuit quit;
    engine->BroadcastMessage(&quit);
    EXPECT_EQ(a->ids.size(), 1u) << "the quit message reaches no system";

    // A clear sent to this system alone: the elements live on but are no
    // longer reached, and the pop-up list is empty too.
    GameObject* popup = Make("Popup");
    popup->AddComponent(new PopUpUI());
    popup->Initialise();
    ASSERT_EQ(ui->GetAutoClosePopups().size(), 1u);
    Message clear(MsgID::ClearScene);
    ui->SendMessage(&clear);
    EXPECT_EQ(ui->GetUIElementCount(), 0u);
    EXPECT_TRUE(ui->GetAutoClosePopups().empty());
    Broadcast(MsgID::Start);
    EXPECT_EQ(a->ids.size(), 1u);
    auto* closer = MakeButton<SystemCallButton>("Closer");
    closer->SetClosesOtherPopups(true);
    Send(closer, MsgID::MouseDown);
    EXPECT_TRUE(popup->isActive());
}

TEST_F(UISystemTest, ElementsRemovedDuringForwardingAreNotReached)
{
    Hook* first = AddHook("First");
    Hook* second = AddHook("Second");
    Hook* third = AddHook("Third");
    Hook* late = nullptr;
    // The first element's handler deletes the second one and creates another.
    first->onMessage = [&] {
        if (second)
        {
            second->GetOwner()->RemoveComponent(CT_Hook);
            second = nullptr;
            late = AddHook("Late");
        }
    };
    Broadcast(MsgID::Start);
    EXPECT_EQ(third->ids, std::vector<int>{MsgID::Start});
    ASSERT_NE(late, nullptr);
    EXPECT_TRUE(late->ids.empty()) << "elements added during a walk wait for the next message";
    Broadcast(MsgID::SceneLoaded);
    EXPECT_EQ(late->ids, std::vector<int>{MsgID::SceneLoaded});
    EXPECT_EQ(ui->GetUIElementCount(), 3u);

    // A handler that sends another message through the system.
    int nested = 0;
    third->onMessage = [&] {
        if (nested++ == 0)
            Broadcast(MsgID::Pause);
    };
    Broadcast(MsgID::Start);
    EXPECT_EQ(late->ids, (std::vector<int>{MsgID::SceneLoaded, MsgID::Pause, MsgID::Start}));
}

TEST_F(UISystemTest, PauseSavesTheSpeedAndRestoresIt)
{
    SetScene("Level1");
    GameObject* menu = Make("PauseMenu");
    GameObject* options = Make("Options", menu);
    GameObject* optionsItem = Make("OptionsItem", options);
    menu->setActive(false);
    ui->AddPauseElem(menu);

    engine->SetTimeFactor(2.0f);
    ui->PauseGame();
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
    EXPECT_EQ(ui->GetSavedTimeFactor(), 2.0f);
    EXPECT_TRUE(menu->isActive());
    EXPECT_FALSE(options->isActive()) << "the menu opens with its sub-panels hidden";
    EXPECT_FALSE(optionsItem->isActive());

    options->setActive(true);
    ui->PauseGame();
    EXPECT_EQ(engine->GetTimeFactor(), 2.0f);
    EXPECT_FALSE(menu->isActive());
    EXPECT_FALSE(options->isActive());

    // Pausing twice in a row is a pause and a resume.
    engine->SetTimeFactor(4.0f);
    ui->PauseGame();
    ui->PauseGame();
    EXPECT_EQ(engine->GetTimeFactor(), 4.0f);

    ui->RemovePauseElem(menu);
    ui->PauseGame();
    EXPECT_FALSE(menu->isActive());
}

TEST_F(UISystemTest, AFactorOfZeroFromElsewhereIsTakenForAPause)
{
    SetScene("Level2");
    engine->SetTimeFactor(0.0f);
    ui->PauseGame();
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f) << "nothing was saved yet: the initial 0 comes back";
}

TEST_F(UISystemTest, MenuScenesOnlyKeepTheGameRunning)
{
    GameObject* menu = Make("PauseMenu");
    menu->setActive(false);
    for (const std::string scene : {"MainMenu", "Credits"})
    {
        SetScene(scene);
        GameObject* m = Make("PauseMenu");
        m->setActive(false);
        ui->AddPauseElem(m);
        engine->SetTimeFactor(0.0f);
        ui->PauseGame();
        EXPECT_EQ(engine->GetTimeFactor(), 1.0f) << scene;
        EXPECT_FALSE(m->isActive()) << scene;
        ui->PauseGame();
        EXPECT_EQ(engine->GetTimeFactor(), 1.0f) << scene;
    }
}

TEST_F(UISystemTest, DestroyedPauseAndPopupObjectsAreNeverTouched)
{
    SetScene("Level3");
    GameObject* menu = Make("PauseMenu");
    GameObject* keep = Make("Keep");
    ui->AddPauseElem(menu);
    ui->AddPauseElem(keep);
    // A pop-up whose object is destroyed, and one on an object that never had
    // a pop-up component (added by a script).
    GameObject* popup = Make("Popup");
    popup->AddComponent(new PopUpUI());
    popup->Initialise();
    menu->Destroy();
    popup->Destroy();
    NextFrame();
    ASSERT_EQ(factory->FindObjByName("PauseMenu"), nullptr);

    // Under AddressSanitizer touching either would be a use after free.
    engine->SetTimeFactor(1.0f);
    ui->PauseGame();
    EXPECT_EQ(ui->GetPauseElements(), std::vector<GameObject*>{keep});
    EXPECT_TRUE(ui->GetAutoClosePopups().empty());
    ui->PauseGame();
    EXPECT_FALSE(keep->isActive());
    auto* closer = MakeButton<SystemCallButton>("Closer");
    closer->SetClosesOtherPopups(true);
    Send(closer, MsgID::MouseDown);
}

using UISystemShutdown = KiteTest::EngineWorld;

TEST_F(UISystemShutdown, ComponentsThatOutliveTheSystemDoNotCallIt)
{
    // Archetype templates are deleted after the user-interface system at
    // shutdown, and a host may delete it before the objects: their elements
    // and pop-ups must not reach the deleted system.
    AddFactory();
    auto* archetypes = AddSystem(new ArchetypeSystem());
    auto* ui = new UISystem();
    ui->Initialise();
    const std::string name = "Panel" + std::to_string(getpid());
    WriteFile(engine->GetAssetPath() + "Archetypes/" + name + ".xml",
              "<Components><PopUpUI><manualClosing>false</manualClosing></PopUpUI>"
              "<SystemCallButton><buttonActive>true</buttonActive></SystemCallButton></Components>");
    testing::internal::CaptureStderr();
    archetypes->LoadAllArchetypes();
    testing::internal::GetCapturedStderr();
    ASSERT_NE(archetypes->FindArchetype(name), nullptr);

    GameObject* live = Instantiate(name, Vector2D(), 0.0f);
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(ui->GetAutoClosePopups(), std::vector<GameObject*>{live});
    EXPECT_EQ(ui->GetUIElementCount(), 2u);

    delete ui;
    EXPECT_EQ(UISYSTEM, nullptr);
    factory->DeleteAllObjects();
    testing::internal::CaptureStdout();
    engine->CleanEngine();
    testing::internal::GetCapturedStdout();
}

TEST_F(UISystemTest, ADestroyedPauseElementIsNotReachedAgain)
{
    GameObject* first = Make("First");
    ui->AddPauseElem(first);
    first->Destroy();
    NextFrame();
    // The next pause does not reach the destroyed object.
    ui->PauseGame();
    EXPECT_TRUE(ui->GetPauseElements().empty());
}
