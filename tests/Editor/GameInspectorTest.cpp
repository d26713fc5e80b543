// The game's component inspectors: every registered game type drawn with all
// its nodes open (from its field listing, unless its panel has a layout of
// its own), and Remove pressed in a game panel taking
// exactly that component once the walk is over.
#include "Editor/EditorWorld.h"

#include <set>

#include <imgui_internal.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/ComponentCreator.h"
#include "Economy/SimulationSystem.h"
#include "Mail/MailBoxSystem.h"
#include "Stalls/StallsSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "Trouble/FireController.h"

using namespace KiteTest;

namespace
{
    std::set<std::string>& FellBack()
    {
        static std::set<std::string> names;
        return names;
    }

    void CountingDefaultInspector(GameComponent& component)
    {
        FellBack().insert(ComponentTitle(component));
        DrawDefaultInspector(component);
    }

    GameComponent* Find(const GameObject* o, ComponentTypeId type)
    {
        for (GameComponent* c : o->GetAllComponentsList())
            if (c->GetComponentTypeId() == type)
                return c;
        return nullptr;
    }

    class GameInspectors : public EditorWorld
    {
    protected:
        void TearDown() override
        {
            SetDefaultInspector(&DrawDefaultInspector);
            EditorWorld::TearDown();
        }

        GameObject* MakeWith(ComponentTypeId type, const std::string& name)
        {
            GameObject* o = Make(name);
            GameComponent* c = factory->GetCreator(type)->Create();
            EXPECT_TRUE(o->AddComponent(c)) << name;
            return o;
        }

        // Draws the components in one window, their own nodes forced open.
        void Draw(const std::vector<GameComponent*>& components, bool openNested)
        {
            DrawPanels("Game inspectors", components, openNested, ImVec2(500.0f, 880.0f));
        }

        // Presses a widget of the component's open panel, as a click would;
        // path holds the id scopes inside the panel, then the widget's id.
        void Press(GameComponent& component, const std::vector<const char*>& path,
                   const std::vector<GameComponent*>& shown)
        {
            ImGui_ImplGlfwGL3_NewFrame();
            ImGui::Begin("Game inspectors");
            ImGui::PushID(&component);
            ImGui::PushID("##component");
            for (std::size_t i = 0; i + 1 < path.size(); ++i)
                ImGui::PushID(path[i]);
            ImGui::ActivateItem(ImGui::GetID(path.back()));
            for (std::size_t i = 0; i + 1 < path.size(); ++i)
                ImGui::PopID();
            ImGui::PopID();
            ImGui::PopID();
            ImGui::End();
            ImGui_ImplGlfwGL3_Render();
            Draw(shown, false);
        }

        // Types text into a field of the panel: the field takes the keyboard
        // with its text selected, so the typed text replaces it.
        void TypeInto(GameComponent& component, const char* field, const std::string& text,
                      const std::vector<GameComponent*>& shown)
        {
            // A field activated from the keyboard takes the keyboard itself.
            GImGui->NavInputSource = ImGuiInputSource_Keyboard;
            Press(component, {field}, shown);
            ImGui::GetIO().AddInputCharactersUTF8(text.c_str());
            Draw(shown, false);
            ImGui::GetIO().AddInputCharactersUTF8("");
            ImGui::ClearActiveID();
            Draw(shown, false);
        }

        void PressRemove(GameComponent& component, const std::vector<GameComponent*>& shown)
        {
            Press(component, {"Remove"}, shown);
        }

        std::vector<ComponentTypeId> GameTypes() const
        {
            std::vector<ComponentTypeId> types;
            for (const auto& entry : factory->GetCreators())
                if (entry.first >= CT_FirstGameType)
                    types.push_back(entry.first);
            return types;
        }
    };
}

TEST_F(GameInspectors, EveryGameTypeDrawsItsOwnPanelWithEveryNodeOpen)
{
    const std::vector<ComponentTypeId> types = GameTypes();
    ASSERT_GE(types.size(), 16u);
    std::vector<GameComponent*> components;
    for (ComponentTypeId type : types)
    {
        GameObject* o = MakeWith(type, factory->GetCreatorName(type));
        o->Initialise();
        components.push_back(Find(o, type));
    }
    FellBack().clear();
    SetDefaultInspector(&CountingDefaultInspector);
    testing::internal::CaptureStdout();
    Draw(components, true);
    Draw(components, false);
    Draw(components, false);
    testing::internal::GetCapturedStdout();

    // Every type draws its listing, but those whose panel has a layout of
    // its own: run-time state, tables, lists, records split into figures,
    // fixed texts, a panel nested in another, and the toggle button's
    // switches that depend on one another.
    const std::set<std::string> ownPanel = {
        "AudioControlSystem", "CheatScript",         "ContinueButton",     "StarButton",
        "MailBoxSystem",      "MailSelectionButton", "Slider",             "SeatPlacementNode",
        "StallPlacementNode", "StallsBehaviour",     "StallsSynergySystem"};
    std::set<std::string> listed;
    for (ComponentTypeId type : types)
        if (!ownPanel.count(factory->GetCreatorName(type)))
            listed.insert(factory->GetCreatorName(type));
    EXPECT_EQ(FellBack(), listed);
    EXPECT_EQ(InspectorRemovals::Pending(), 0u);
    for (ComponentTypeId type : types)
    {
        GameObject* o = factory->FindObjByName(factory->GetCreatorName(type));
        ASSERT_NE(o, nullptr);
        EXPECT_TRUE(o->HasComponent(type)) << o->getName();
    }
}

TEST_F(GameInspectors, RemoveInAGamePanelTakesExactlyThatComponent)
{
    // A system with many fields, a stall, a node with only Remove, the
    // statistics with their read-only texts, image choices, and buttons that
    // hold their base button's own panel (and its Remove) inside theirs.
    for (ComponentTypeId type : {CT_CustomerSystem, CT_StallsBehaviour, CT_SeatNodesLink, CT_LevelStatsSystem, CT_TrashBin,
                                 CT_StarButton, CT_MailSelectionButton, CT_ContinueButton, CT_SpeedButton})
    {
        SCOPED_TRACE(factory->GetCreatorName(type));
        GameObject* first = MakeWith(type, "First");
        GameObject* second = MakeWith(type, "Second");
        for (GameObject* o : {first, second})
            o->AddComponent(CT_Sprite);
        const std::vector<GameComponent*> shown = {Find(first, CT_Transform), Find(first, type),
                                                   Find(first, CT_Sprite), Find(second, type)};
        Draw(shown, false);
        PressRemove(*Find(first, type), shown);
        // Nothing goes while the walk may still be over the list.
        EXPECT_TRUE(first->HasComponent(type));
        EXPECT_EQ(InspectorRemovals::Apply(), 1);
        EXPECT_FALSE(first->HasComponent(type));
        EXPECT_TRUE(first->HasComponent(CT_Sprite));
        EXPECT_TRUE(first->HasComponent(CT_Transform));
        EXPECT_TRUE(second->HasComponent(type));
        EXPECT_TRUE(second->HasComponent(CT_Sprite));
        first->Destroy();
        second->Destroy();
        factory->Update();
    }
}

TEST_F(GameInspectors, APlacementNodeOfTheLayoutHasNoRemove)
{
    GameObject* o = MakeWith(CT_SeatPlacementNode, "Node");
    GameComponent* node = Find(o, CT_SeatPlacementNode);
    const std::vector<GameComponent*> shown = {node};
    Draw(shown, false);
    PressRemove(*node, shown);
    EXPECT_EQ(InspectorRemovals::Apply(), 0);
    EXPECT_TRUE(o->HasComponent(CT_SeatPlacementNode));
}

TEST_F(GameInspectors, StallTypeCountStepsKeepTheCountersInStepAndNeverGoNegative)
{
    GameObject* o = MakeWith(CT_StallsSystem, "Stalls");
    auto* stalls = static_cast<StallsSystem*>(Find(o, CT_StallsSystem));
    stalls->typesOfStalls = 2;
    stalls->stallStatistics = {{3u, 4u}, {5u, 6u}};
    const std::vector<GameComponent*> shown = {stalls};
    Draw(shown, false);
    for (int i = 0; i < 3; ++i)
        Press(*stalls, {"##typesOfStalls", "-"}, shown);
    EXPECT_EQ(stalls->typesOfStalls, 0);
    EXPECT_TRUE(stalls->stallStatistics.empty());
    Press(*stalls, {"##typesOfStalls", "+"}, shown);
    EXPECT_EQ(stalls->typesOfStalls, 1);
    ASSERT_EQ(stalls->stallStatistics.size(), 1u);
    EXPECT_EQ(stalls->stallStatistics[0], StallsSystem::Counters(0u, 0u));
}

TEST_F(GameInspectors, TheMailPageStaysOnAPageThatHoldsMail)
{
    GameObject* o = MakeWith(CT_MailBoxSystem, "Mailbox");
    auto* mailbox = static_cast<MailBoxSystem*>(Find(o, CT_MailBoxSystem));
    const std::vector<GameComponent*> shown = {mailbox};
    Draw(shown, false);
    Press(*mailbox, {"##curr page", "+"}, shown);
    EXPECT_EQ(mailbox->GetCurrentPage(), 0);
    Press(*mailbox, {"##curr page", "-"}, shown);
    EXPECT_EQ(mailbox->GetCurrentPage(), 0);
}

TEST_F(GameInspectors, EditedFireSettingsReachTheRunningFireStateOnlyWhereTheyShould)
{
    GameObject* o = MakeWith(CT_FireController, "Fire");
    auto* fire = static_cast<FireController*>(Find(o, CT_FireController));
    const std::vector<GameComponent*> shown = {fire};
    Draw(shown, false);
    TypeInto(*fire, "##baseChance_", "0.5", shown);
    EXPECT_FLOAT_EQ(fire->baseChance, 0.5f);
    EXPECT_FLOAT_EQ(fire->GetFireChance(), 0.5f) << "the running chance starts again from the new base";
    TypeInto(*fire, "##fireCauseWidespreadPanicTimeoutInitial_", "7", shown);
    EXPECT_FLOAT_EQ(fire->GetFireTimer(), 7.0f);
    // While a stall burns the panic countdown runs on untouched.
    fire->StallCaughtFire();
    TypeInto(*fire, "##fireCauseWidespreadPanicTimeoutInitial_", "9", shown);
    EXPECT_FLOAT_EQ(fire->fireCauseWidespreadPanicTimeoutInitial, 9.0f);
    EXPECT_FLOAT_EQ(fire->GetFireTimer(), 7.0f);
}

TEST_F(GameInspectors, ADaylightThresholdAboveFullDaylightIsBroughtBackToOne)
{
    GameObject* o = MakeWith(CT_SimulationSystem, "Simulation");
    auto* simulation = static_cast<SimulationSystem*>(Find(o, CT_SimulationSystem));
    const std::vector<GameComponent*> shown = {simulation};
    Draw(shown, false);
    TypeInto(*simulation, "##Threshold", "0.25", shown);
    EXPECT_FLOAT_EQ(simulation->treshold, 0.25f);
    TypeInto(*simulation, "##Threshold", "3", shown);
    EXPECT_FLOAT_EQ(simulation->treshold, 1.0f);
}
