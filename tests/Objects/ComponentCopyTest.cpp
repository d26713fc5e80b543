// Copies of engine components in a running world: a copy holds the stored
// fields and starts its run-time state afresh, registers on its own, and
// outlives its original without sharing anything with it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/UI/UISystem.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/Fake/FakeSoundSystem.h"
#include "Support/EngineWorld.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    // Every system an engine component registers with, without a window.
    class ComponentCopies : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            UseFakePlatform();
            AddFactory();
            graphics = AddSystem(new Graphics(nullptr, 1600, 900));
            physics = AddSystem(new Physics());
            ui = AddSystem(new UISystem());
            audio = AddSystem(new AudioEngine(&sound));
            waypoints = AddSystem(new GraphNetwork());
            archetypes = AddSystem(new ArchetypeSystem());
            InitialiseQuietly({physics, ui, audio, waypoints});
            Play();
        }

        GameObject* Make(const std::string& name)
        {
            GameObject* o = factory->CreateEmptyComposition();
            o->setName(name);
            o->AddComponent(new Transform());
            return o;
        }

        static void Send(GameObject* o, MsgID::MessageIdType id)
        {
            MouseCollideMessage m(id);
            o->SendMessage(&m);
        }

        Graphics* graphics = nullptr;
        Physics* physics = nullptr;
        UISystem* ui = nullptr;
        AudioEngine* audio = nullptr;
        GraphNetwork* waypoints = nullptr;
        ArchetypeSystem* archetypes = nullptr;
    };

    template <typename T>
    bool Holds(const std::vector<T*>& list, const T* item)
    {
        return std::find(list.begin(), list.end(), item) != list.end();
    }
}

TEST_F(ComponentCopies, ACopyStartsItsRunTimeStateAfreshAndSharesNoRegistration)
{
    // A pop-up archetype for the pop-up button.
    GameObject* panelSource = Make("PanelSource");
    ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise("Panel", panelSource));
    GameObject* target = Make("Target");
    GameObject* parent = Make("Parent");

    // One object holding every engine component, in use.
    GameObject* o = Make("Stall");
    auto* sprite = new Sprite();
    sprite->InGameSet("/", 4, 1, 60.0f, 1.0f);
    sprite->ToggleRender(true);
    sprite->SetAnimated(true);
    o->AddComponent(sprite);
    o->AddComponent(new Text());
    auto* emitter = new Emitter();
    emitter->SetMaxCount(4);
    emitter->SetEmissionRate(600);
    o->AddComponent(emitter);
    auto* collider = new Collider2D();
    o->AddComponent(collider);
    auto* source = new AudioSource();
    o->AddComponent(source);
    o->AddComponent(new AudioListener());
    auto* node = new VertexNode();
    o->AddComponent(node);
    o->AddComponent(new PopUpUI());
    auto* popupButton = new ActivatePopupButton();
    popupButton->ButtonActive(true);
    popupButton->SetClickPopup("Panel", Vector2D(10.0f, 0.0f));
    o->AddComponent(popupButton);
    auto* call = new SystemCallButton();
    call->ButtonActive(true);
    call->SetButtonType(SystemCallButton::SaveGame);
    o->AddComponent(call);
    auto* toggle = new ToggleActiveButton();
    toggle->ButtonActive(true);
    toggle->SetToggleObject("Target");
    o->AddComponent(toggle);
    testing::internal::CaptureStdout();
    o->Initialise();
    node->EditedLabel("A");
    o->AddParent(parent);
    sprite->Animate(1.0f);
    emitter->Simulate(1.0f / 60.0f);
    collider->ForceToggleStay();
    collider->SetDebug(true);
    Send(o, MsgID::MouseDown);
    Send(o, MsgID::MouseUp);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(sprite->GetCurrCol(), 1);
    ASSERT_GT(emitter->GetCount(), 0);
    ASSERT_TRUE(call->GetMouseUpTriggered());
    ASSERT_NE(popupButton->GetClickPopup(), nullptr);
    ASSERT_FALSE(target->isActive()) << "the toggle found its target";
    ASSERT_TRUE(o->GetComponent<Transform>()->IsParented());

    testing::internal::CaptureStdout();
    GameObject* copy = InstantiateClone(o, 500.0f, 0.0f, 0.0f);
    testing::internal::GetCapturedStdout();
    ASSERT_NE(copy, nullptr);

    // Fresh run-time state.
    EXPECT_FALSE(copy->GetComponent<Transform>()->IsParented());
    auto* spriteCopy = copy->GetComponent<Sprite>();
    EXPECT_EQ(spriteCopy->GetCurrCol(), 0);
    EXPECT_EQ(spriteCopy->GetColumn(), 4);
    auto* emitterCopy = copy->GetComponent<Emitter>();
    EXPECT_EQ(emitterCopy->GetCount(), 0);
    EXPECT_EQ(emitterCopy->GetParticles().size(), 4u);
    EXPECT_TRUE(std::none_of(emitterCopy->GetParticles().begin(), emitterCopy->GetParticles().end(),
                             [](const Data& p) { return p.alive; }));
    auto* colliderCopy = copy->GetComponent<Collider2D>();
    EXPECT_FALSE(colliderCopy->GetStay() || colliderCopy->GetEntry() || colliderCopy->IsDebug());
    EXPECT_NE(colliderCopy->GetShape(), collider->GetShape());
    auto* sourceCopy = copy->GetComponent<AudioSource>();
    EXPECT_NE(sourceCopy->getChannelNo(), source->getChannelNo());
    EXPECT_EQ(copy->GetComponent<VertexNode>()->Label(), "");
    EXPECT_FALSE(copy->GetComponent<SystemCallButton>()->GetMouseUpTriggered());
    auto* popupCopy = copy->GetComponent<ActivatePopupButton>();
    EXPECT_EQ(popupCopy->GetClickPopup(), nullptr) << "the copy has spawned nothing";
    EXPECT_EQ(popupCopy->GetClickPopupArchetype(), "Panel");

    // Its own registrations.
    EXPECT_TRUE(Holds(graphics->GetSprites(), spriteCopy));
    EXPECT_TRUE(Holds(graphics->GetSprites(), sprite));
    EXPECT_EQ(physics->GetColliderCount(), 2u);
    EXPECT_EQ(audio->getList().size(), 2u);
    for (UIElement* e : {static_cast<UIElement*>(popupCopy), static_cast<UIElement*>(copy->GetComponent<PopUpUI>())})
        EXPECT_TRUE(ui->IsRegistered(e));

    // The copy's toggle finds the target by name on its own.
    Send(copy, MsgID::MouseDown);
    EXPECT_TRUE(target->isActive());

    // The original goes; the copy keeps working and stays registered.
    o->Destroy();
    factory->Update();
    EXPECT_EQ(graphics->GetSprites(), std::vector<Sprite*>{spriteCopy});
    EXPECT_EQ(physics->GetColliders(), std::vector<Collider2D*>{colliderCopy});
    EXPECT_EQ(audio->getList().size(), 1u);
    EXPECT_TRUE(ui->IsRegistered(popupCopy));
    testing::internal::CaptureStdout();
    Send(copy, MsgID::MouseDown);
    Send(copy, MsgID::MouseUp);
    testing::internal::GetCapturedStdout();
    ASSERT_NE(popupCopy->GetClickPopup(), nullptr);
    EXPECT_EQ(popupCopy->GetClickPopup()->GetParent(), copy);
    EXPECT_FALSE(target->isActive());
}
