// What each button kind does when used: system calls on release, switching
// objects on press, spawning and showing pop-ups.
#include "UI/UITestWorld.h"

#include <functional>

using namespace UITest;
using Buttons = UIWorld;

TEST_F(Buttons, ChangeLevelRequestsTheSceneOnRelease)
{
    WriteFile(folder + "/Assets/Scenes/TutorialLevel.xml", "<Scene/>");
    auto* b = MakeButton<SystemCallButton>("Start");
    b->SetButtonType(SystemCallButton::ChangeLevel);
    b->SetFnStrParam("TutorialLevel");

    // A press alone changes nothing; the release does.
    Send(b, MsgID::MouseDown);
    EXPECT_FALSE(scenes->IsLoadPending());
    Send(b, MsgID::MouseUp);
    EXPECT_TRUE(b->GetMouseUpTriggered());
    EXPECT_TRUE(scenes->IsLoadPending());

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    scenes->Update();
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(scenes->GetCurrentSceneName(), "TutorialLevel");
}

TEST_F(Buttons, FadedChangeLevelOnlyMarksTheRelease)
{
    auto* faded = MakeButton<SystemCallButton>("Faded");
    faded->SetButtonType(SystemCallButton::ChangeLevel);
    faded->SetFnStrParam("Level1");
    faded->SetFadeOut(true);
    Click(faded);
    EXPECT_TRUE(faded->GetMouseUpTriggered());
    EXPECT_FALSE(scenes->IsLoadPending());

    // A copy (an archetype's instance, a duplicated object) keeps the fade
    // but has not been released yet.
    GameObject* copyObject = Make("FadedCopy");
    auto* copy = static_cast<SystemCallButton*>(faded->Clone());
    copyObject->AddComponent(copy);
    testing::internal::CaptureStdout();
    copyObject->Initialise();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(copy->GetFadeOut());
    EXPECT_FALSE(copy->GetMouseUpTriggered());
    Click(copy);
    EXPECT_TRUE(copy->GetMouseUpTriggered());
    EXPECT_FALSE(scenes->IsLoadPending()) << "the copy leaves the change to the fade";
}

TEST_F(Buttons, AnInactiveSystemCallButtonDoesNothingOnRelease)
{
    auto* quit = MakeButton<SystemCallButton>("Quit");
    quit->SetButtonType(SystemCallButton::QuitGame);
    quit->ButtonActive(false);
    Click(quit);
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));
    EXPECT_FALSE(quit->GetMouseUpTriggered());
    EXPECT_EQ(Plays(), 1) << "the press still sounds";

    quit->ButtonActive(true);
    Click(quit);
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
}

TEST_F(Buttons, VolumeButtonsStepTheMasterVolumeWithinItsRange)
{
    auto* up = MakeButton<SystemCallButton>("Up");
    up->SetButtonType(SystemCallButton::IncreaseVolume);
    auto* down = MakeButton<SystemCallButton>("Down");
    down->SetButtonType(SystemCallButton::DecreaseVolume);

    audio->MasterSet(1.0f);
    Click(up);
    EXPECT_FLOAT_EQ(audio->MasterGet(), 1.0f) << "no step above full volume";
    Click(down);
    Click(down);
    EXPECT_NEAR(audio->MasterGet(), 0.6f, 1e-5f);
    Click(up);
    EXPECT_NEAR(audio->MasterGet(), 0.8f, 1e-5f);

    audio->MasterSet(0.0f);
    Click(down);
    EXPECT_FLOAT_EQ(audio->MasterGet(), 0.0f) << "no step below silence";
}

TEST_F(Buttons, FullScreenAndPauseButtonsReachTheirSystems)
{
    auto* full = MakeButton<SystemCallButton>("Full");
    full->SetButtonType(SystemCallButton::FullScreen);
    Click(full);
    EXPECT_TRUE(engine->GetEngineStatus(ES_FULLSCREEN));
    Click(full);
    EXPECT_FALSE(engine->GetEngineStatus(ES_FULLSCREEN));

    auto* pause = MakeButton<SystemCallButton>("Pause");
    pause->SetButtonType(SystemCallButton::PauseGame);
    engine->SetTimeFactor(2.0f);
    Click(pause);
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
    Click(pause);
    EXPECT_EQ(engine->GetTimeFactor(), 2.0f);

    // Unknown kinds and the save and load calls change nothing.
    for (unsigned type : {2u, 3u, 8u, 99u})
    {
        auto* other = MakeButton<SystemCallButton>("Other" + std::to_string(type));
        other->SetButtonType(type);
        Click(other);
        EXPECT_TRUE(other->GetMouseUpTriggered());
    }
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));
    EXPECT_FALSE(scenes->IsLoadPending());
    EXPECT_EQ(engine->GetTimeFactor(), 2.0f);
}

TEST_F(Buttons, ToggleButtonsSwitchChildrenParentNamedObjectOrThemselves)
{
    auto* kids = MakeButton<ToggleActiveButton>("Kids");
    GameObject* a = Make("A", kids->GetOwner());
    GameObject* b = Make("B", kids->GetOwner());
    b->setActive(false);
    kids->SetToggleChild(true);
    Send(kids, MsgID::MouseDown);
    EXPECT_FALSE(a->isActive());
    EXPECT_TRUE(b->isActive()) << "each child is judged by its own state";
    EXPECT_TRUE(kids->GetOwner()->isActive());

    GameObject* panel = Make("Panel");
    auto* close = MakeButton<ToggleActiveButton>("Close");
    close->GetOwner()->AddParent(panel);
    close->SetToggleParent(true);
    Send(close, MsgID::MouseDown);
    EXPECT_FALSE(panel->isActive());

    auto* self = MakeButton<ToggleActiveButton>("Self");
    Send(self, MsgID::MouseDown);
    EXPECT_FALSE(self->GetOwner()->isActive());

    // A parent toggle on a root object does nothing.
    auto* orphan = MakeButton<ToggleActiveButton>("Orphan");
    orphan->SetToggleParent(true);
    Send(orphan, MsgID::MouseDown);
    EXPECT_TRUE(orphan->GetOwner()->isActive());

    // An inactive button sounds but switches nothing.
    auto* locked = MakeButton<ToggleActiveButton>("Locked");
    locked->ButtonActive(false);
    const int before = Plays();
    Send(locked, MsgID::MouseDown);
    EXPECT_TRUE(locked->GetOwner()->isActive());
    EXPECT_EQ(Plays(), before + 1);
}

TEST_F(Buttons, NamedToggleSwitchesTheTargetAndOnlyTheLayerAskedFor)
{
    GameObject* menu = Make("Menu");
    GameObject* page = Make("Page", menu);
    GameObject* item = Make("Item", page);
    GameObject* deep = Make("Deep", item);
    GameObject* mail = Make("Mail");
    auto* b = MakeButton<ToggleActiveButton>("Open");
    b->SetToggleObject("Menu");
    b->SetToggleNumOfLayers(2);
    b->SetObjToDeactivate("Mail");

    Send(b, MsgID::MouseDown);
    EXPECT_FALSE(menu->isActive());
    EXPECT_FALSE(mail->isActive());
    Send(b, MsgID::MouseDown);
    EXPECT_TRUE(menu->isActive());
    EXPECT_TRUE(page->isActive()) << "the level between keeps its state";
    EXPECT_FALSE(item->isActive()) << "two levels below is switched off";
    EXPECT_FALSE(deep->isActive());
    EXPECT_FALSE(mail->isActive()) << "the object to switch off never comes back on";

    // No object of that name: nothing happens.
    auto* missing = MakeButton<ToggleActiveButton>("Missing");
    missing->SetToggleObject("Nowhere");
    Send(missing, MsgID::MouseDown);
    EXPECT_TRUE(missing->GetOwner()->isActive());
}

TEST_F(Buttons, ForceCloseOnlyEverSwitchesOff)
{
    auto* b = MakeButton<ToggleActiveButton>("Closer");
    GameObject* a = Make("A", b->GetOwner());
    GameObject* c = Make("C", b->GetOwner());
    c->setActive(false);
    b->SetToggleChild(true);
    b->SetForceClose(true);
    EXPECT_FALSE(a->isActive()) << "setting force close presses the button";
    EXPECT_FALSE(c->isActive());
    Send(b, MsgID::MouseDown);
    EXPECT_FALSE(a->isActive());
    EXPECT_FALSE(c->isActive());

    // ForceCloseOnce ignores the button's own state and setting.
    auto* once = MakeButton<ToggleActiveButton>("Once");
    GameObject* target = Make("Target");
    target->setActive(false);
    once->SetToggleObject("Target");
    once->ButtonActive(false);
    once->ForceCloseOnce();
    EXPECT_FALSE(target->isActive());
    once->ButtonActive(true);
    once->ForceCloseOnce();
    EXPECT_FALSE(target->isActive());
}

TEST_F(Buttons, ToggleTargetsDestroyedMeanwhileAreFoundAgainByName)
{
    GameObject* first = Make("Panel");
    GameObject* mail = Make("Mail");
    auto* b = MakeButton<ToggleActiveButton>("Open");
    b->SetToggleObject("Panel");
    b->SetObjToDeactivate("Mail");
    Send(b, MsgID::MouseDown);
    EXPECT_FALSE(first->isActive());

    first->Destroy();
    mail->Destroy();
    NextFrame();
    GameObject* second = Make("Panel");
    GameObject* mail2 = Make("Mail");
    // Under AddressSanitizer a stale pointer here is a use after free.
    Send(b, MsgID::MouseDown);
    EXPECT_FALSE(second->isActive());
    EXPECT_FALSE(mail2->isActive());
}

TEST_F(Buttons, PopupButtonSpawnsOnceAndShowsTheSamePopupAgain)
{
    const std::string panel = PutArchetype("InfoPanel", "<Transform/><PopUpUI><manualClosing>false</manualClosing></PopUpUI>");
    auto* b = MakeButton<ActivatePopupButton>("Info");
    b->SetClickPopup(panel, Vector2D(30.0f, 40.0f));
    const std::size_t before = factory->GetUIObjects().size() + factory->GetObjects().size();
    Click(b);
    GameObject* popup = b->GetClickPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetParent(), b->GetOwner());
    EXPECT_EQ(popup->GetComponent<Transform>()->GetTransVec().x, 30.0f);
    EXPECT_EQ(ui->GetAutoClosePopups(), std::vector<GameObject*>{popup});

    popup->setActive(false);
    Click(b);
    EXPECT_EQ(b->GetClickPopup(), popup);
    EXPECT_TRUE(popup->isActive());
    EXPECT_EQ(factory->GetUIObjects().size() + factory->GetObjects().size(), before + 1);

    // Destroyed by someone else: the next click spawns a fresh one.
    popup->Destroy();
    NextFrame();
    EXPECT_TRUE(ui->GetAutoClosePopups().empty()) << "a destroyed pop-up leaves the auto-close list";
    Click(b);
    ASSERT_NE(b->GetClickPopup(), nullptr);
    EXPECT_TRUE(b->GetClickPopup()->isActive());
}

TEST_F(Buttons, APopupThatDiedIsNeverShownAgainNorTakenForALaterObject)
{
    const std::string panel = PutArchetype("DeadPanel", "<Transform/>");
    auto* b = MakeButton<ActivatePopupButton>("Info");
    b->SetClickPopup(panel, Vector2D(30.0f, 40.0f));
    b->SetHoverPopup(panel, Vector2D(0.0f, 100.0f), 0.0f);
    Click(b);
    Send(b, MsgID::MouseOver);
    GameObject* clickPopup = b->GetClickPopup();
    GameObject* hoverPopup = b->GetHoverPopup();
    ASSERT_NE(clickPopup, nullptr);
    ASSERT_NE(hoverPopup, nullptr);
    clickPopup->Destroy();
    hoverPopup->Destroy();
    NextFrame();

    // Later objects, inactive, likely to reuse the freed addresses.
    std::vector<GameObject*> strangers;
    for (int i = 0; i < 16; ++i)
    {
        strangers.push_back(Make("Stranger" + std::to_string(i)));
        strangers.back()->setActive(false);
    }
    EXPECT_EQ(b->GetClickPopup(), nullptr);
    EXPECT_EQ(b->GetHoverPopup(), nullptr);

    // With nothing left to spawn, a click and a hover show nothing at all.
    b->SetClickPopup("", Vector2D());
    b->SetHoverPopup("", Vector2D(), 0.0f);
    Click(b);
    Send(b, MsgID::MouseEnter);
    Send(b, MsgID::MouseOver);
    EXPECT_EQ(b->GetClickPopup(), nullptr);
    EXPECT_EQ(b->GetHoverPopup(), nullptr);
    for (GameObject* o : strangers)
        EXPECT_FALSE(o->isActive()) << o->getName();

    // Given an archetype again, the next click spawns a pop-up of its own.
    b->SetClickPopup(panel, Vector2D(30.0f, 40.0f));
    Click(b);
    ASSERT_NE(b->GetClickPopup(), nullptr);
    EXPECT_EQ(b->GetClickPopup()->GetParent(), b->GetOwner());
    for (GameObject* o : strangers)
        EXPECT_NE(b->GetClickPopup(), o);
}

TEST_F(Buttons, HoverPopupAppearsAtOnceFirstThenAfterTheDelay)
{
    const std::string tip = PutArchetype("Tooltip", "<Transform/>");
    auto* b = MakeButton<ActivatePopupButton>("Hover");
    b->SetHoverPopup(tip, Vector2D(0.0f, 100.0f), 3.0f / 60.0f);
    Send(b, MsgID::MouseEnter);
    EXPECT_EQ(b->GetHoverPopup(), nullptr);
    Send(b, MsgID::MouseOver);
    GameObject* popup = b->GetHoverPopup();
    ASSERT_NE(popup, nullptr) << "the first hover spawns without waiting";
    Send(b, MsgID::MouseExit);
    EXPECT_FALSE(popup->isActive());

    Send(b, MsgID::MouseEnter);
    for (int i = 0; i < 3; ++i)
    {
        Send(b, MsgID::MouseOver);
        EXPECT_FALSE(popup->isActive()) << "over message " << i;
    }
    Send(b, MsgID::MouseOver);
    EXPECT_TRUE(popup->isActive());
    Send(b, MsgID::MouseExit);
    EXPECT_FALSE(popup->isActive());

    // A missing archetype spawns nothing and reports it.
    auto* broken = MakeButton<ActivatePopupButton>("Broken");
    broken->SetClickPopup("NoSuchArchetype", Vector2D());
    testing::internal::CaptureStderr();
    Click(broken);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("NoSuchArchetype"), std::string::npos);
    EXPECT_EQ(broken->GetClickPopup(), nullptr);
}

TEST_F(Buttons, ButtonsThatCloseOtherPopupsHideOnlyTheAutoClosingOnes)
{
    GameObject* auto1 = Make("Auto1");
    auto1->AddComponent(new PopUpUI());
    GameObject* manual = Make("Manual");
    auto* manualPopup = new PopUpUI();
    manualPopup->SetManualClosing(true);
    manual->AddComponent(manualPopup);
    testing::internal::CaptureStdout();
    auto1->Initialise();
    manual->Initialise();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(ui->GetAutoClosePopups(), std::vector<GameObject*>{auto1});

    auto* plain = MakeButton<SystemCallButton>("Plain");
    Send(plain, MsgID::MouseDown);
    EXPECT_TRUE(auto1->isActive());

    auto* closer = MakeButton<SystemCallButton>("Closer");
    closer->SetClosesOtherPopups(true);
    Send(closer, MsgID::MouseDown);
    EXPECT_FALSE(auto1->isActive());
    EXPECT_TRUE(manual->isActive());
    EXPECT_EQ(ui->GetAutoClosePopups().size(), 1u) << "hiding keeps the entries";
}

namespace
{
    // Runs a hook when its object is switched off.
    class OnHide : public GameComponent
    {
    public:
        OnHide() : GameComponent(static_cast<ComponentTypeId>(44)) {}
        void TriggerDeactive() override
        {
            if (hook)
                hook();
        }
        std::function<void()> hook;
    };
}

TEST_F(Buttons, PopupsOpenedOrClosedWhileHidingAreLeftAlone)
{
    auto makePopup = [this](const std::string& name) {
        GameObject* o = Make(name);
        o->AddComponent(new PopUpUI());
        testing::internal::CaptureStdout();
        o->Initialise();
        testing::internal::GetCapturedStdout();
        return o;
    };
    GameObject* first = makePopup("First");
    GameObject* second = makePopup("Second");
    // Hiding the first opens a third pop-up and takes the second out of the
    // auto-close list: this hiding pass must touch neither.
    auto* hide = new OnHide();
    first->AddComponent(hide);
    GameObject* third = nullptr;
    hide->hook = [&] {
        if (third)
            return;
        third = makePopup("Third");
        second->RemoveComponent(CT_PopUpUI);
    };

    auto* closer = MakeButton<SystemCallButton>("Closer");
    closer->SetClosesOtherPopups(true);
    Send(closer, MsgID::MouseDown);
    ASSERT_NE(third, nullptr);
    EXPECT_FALSE(first->isActive());
    EXPECT_TRUE(second->isActive());
    EXPECT_TRUE(third->isActive());
    EXPECT_EQ(ui->GetAutoClosePopups(), (std::vector<GameObject*>{first, third}));

    // The next pass reaches the pop-up opened meanwhile.
    Send(closer, MsgID::MouseDown);
    EXPECT_FALSE(third->isActive());
}
