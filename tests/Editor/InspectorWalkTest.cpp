// The inspector's walk over an object's components: Remove takes exactly
// the component it belongs to, once the walk is over, and listed fields get
// their widgets under their own component's id.
#include "Editor/EditorWorld.h"

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"

using namespace KiteTest;

namespace
{
    class Sweep : public EditorWorld
    {
    };
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
