// Every registered component type's inspector drawn with its nodes open,
// alone and in the editor's inspector panel, and Remove taking exactly the
// component it belongs to, once the walk is over.
#include "Editor/EditorWorld.h"

#include <imgui_internal.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/FieldOps.h"

using namespace KiteTest;

namespace
{
    class Sweep : public EditorWorld
    {
    protected:
        // One object per registered type, holding that type's component.
        std::vector<GameObject*> MakeOnePerType()
        {
            std::vector<GameObject*> objects;
            for (const auto& entry : factory->GetCreators())
            {
                GameObject* o = factory->CreateEmptyComposition();
                o->setName(entry.second.first);
                if (entry.first != CT_Transform)
                    o->AddComponent(CT_Transform);
                GameComponent* c = entry.second.second->Create();
                EXPECT_TRUE(o->AddComponent(c)) << entry.second.first;
                o->Initialise();
                objects.push_back(o);
            }
            return objects;
        }

        void DrawAll(const std::vector<GameObject*>& objects, bool openNested)
        {
            std::vector<GameComponent*> components;
            for (GameObject* o : objects)
                for (GameComponent* c : o->GetAllComponentsList())
                    components.push_back(c);
            DrawPanels("Sweep", components, openNested);
        }
    };
}

TEST_F(Sweep, EveryRegisteredTypeDrawsItsInspectorOpen)
{
    const std::vector<GameObject*> objects = MakeOnePerType();
    ASSERT_GE(objects.size(), 12u);
    testing::internal::CaptureStdout();
    DrawAll(objects, true);
    DrawAll(objects, false);
    DrawAll(objects, false);
    testing::internal::GetCapturedStdout();
    // Nothing asked for removal, nothing removed.
    EXPECT_EQ(InspectorRemovals::Pending(), 0u);
    for (GameObject* o : objects)
        EXPECT_EQ(o->GetAllComponentsList().size(), o->getName() == "Transform" ? 1u : 2u) << o->getName();
}

TEST_F(Sweep, TheEditorsPanelsDrawEveryTypeForTwoFrames)
{
    const std::vector<GameObject*> objects = MakeOnePerType();
    testing::internal::CaptureStdout();
    for (GameObject* o : objects)
    {
        editor->SetInspecting(o);
        Frame();
        Frame();
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(factory->GetObjects().size() + factory->GetUIObjects().size(), objects.size());
}

TEST_F(Sweep, RemoveTakesExactlyItsComponentAfterTheWalk)
{
    GameObject* a = Make("A");
    GameObject* b = Make("B");
    for (GameObject* o : {a, b})
    {
        o->AddComponent(CT_Sprite);
        o->AddComponent(CT_Text);
    }
    GameComponent* sprite = a->GetComponent<Sprite>();
    ImGui_ImplGlfwGL3_NewFrame();
    ImGui::Begin("Walk");
    for (GameComponent* c : a->GetAllComponentsList())
    {
        c->RenderImGui();
        // Remove pressed on the sprite's panel: the walk goes on over the
        // component list, which must not change under it.
        if (c == sprite)
            InspectorRemovals::Request(*c);
        EXPECT_TRUE(a->HasComponent(CT_Sprite));
    }
    ImGui::End();
    ImGui_ImplGlfwGL3_Render();
    EXPECT_EQ(InspectorRemovals::Apply(), 1);
    EXPECT_FALSE(a->HasComponent(CT_Sprite));
    EXPECT_TRUE(a->HasComponent(CT_Text));
    EXPECT_TRUE(a->HasComponent(CT_Transform));
    EXPECT_TRUE(b->HasComponent(CT_Sprite));

    // A request for an object that died meanwhile is dropped.
    InspectorRemovals::Request(*b->GetComponent<Text>());
    b->Destroy();
    factory->Update();
    EXPECT_EQ(InspectorRemovals::Apply(), 0);
}

TEST_F(Sweep, ListedFieldsGetAWidgetEachUnderTheComponentsOwnId)
{
    // Two panels with the same field labels must not share widget state.
    struct Probe : public GameComponent
    {
        Probe() : GameComponent(CT_FirstGameType) {}
        void ListFields(FieldVisitor& v) override
        {
            v.Add("speed", speed, {"Speed", FieldWidget::Input, 1.0f});
            v.Add("name", name);
        }
        float speed = 1.0f;
        std::string name = "n";
    };
    Probe first;
    Probe second;
    ImGuiID ids[2] = {};
    ImGui_ImplGlfwGL3_NewFrame();
    ImGui::Begin("Probes");
    Probe* probes[2] = {&first, &second};
    for (int i = 0; i < 2; ++i)
    {
        ImGui::SetNextItemOpen(true, ImGuiCond_Always);
        ASSERT_TRUE(BeginComponentInspector(*probes[i]));
        ids[i] = ImGui::GetID("##speed");
        EXPECT_FALSE(DrawListedFields(*probes[i]));
        EndComponentInspector(*probes[i], true);
    }
    ImGui::End();
    ImGui_ImplGlfwGL3_Render();
    EXPECT_NE(ids[0], ids[1]);
}
