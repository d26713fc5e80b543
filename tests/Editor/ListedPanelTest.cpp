// Panels drawn from the field listing: what a field's description asks for
// (heading, caption, id of its own, format, capacity, choices, hidden and
// read-only fields) is what the panel shows, and the button panels drawn
// from their listing keep their labels, ids and conditional fields.
#include "Editor/EditorWorld.h"

#include <array>
#include <functional>
#include <set>

#include <imgui_internal.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Objects/FieldOps.h"
#include "Core/UI/BaseButton.h"
#include "Core/UI/SystemCallButton.h"

using namespace KiteTest;

namespace
{
    const char* const kinds[] = {"One", "Two", "Invalid"};

    struct Probe : public GameComponent
    {
        Probe() : GameComponent(CT_FirstGameType) {}
        void ListFields(FieldVisitor& v) override
        {
            v.Add("active", active,
                  FieldInfo{"Active?", FieldWidget::Checkbox}.Caption(FieldCaption::Plain).Heading("Probe block"));
            v.Add("ratio", ratio, FieldInfo{"Ratio", FieldWidget::Input, 0.0f}.Format("%.1f").Id("##own ratio"));
            v.Add("kind", kind, FieldInfo{"Kind"}.Choices(kinds, 3));
            v.Add("manual", manual, FieldInfo{"Manual", FieldWidget::Checkbox}.Caption(FieldCaption::Beside));
            v.Add("tint", tint, FieldInfo{"Tint colour", FieldWidget::ColourEdit}.Caption(FieldCaption::None));
            v.Add("secret", secret, FieldInfo{"Secret number"}.Id("##secret").Caption(FieldCaption::Plain));
            v.Add("hidden", hidden, FieldInfo(HiddenField()).Heading("Hidden heading"));
            v.Add("shown", shown, {"Shown:", FieldWidget::ReadOnly});
            v.Add("name", name, FieldInfo{"Name", FieldWidget::EnterText}.Capacity(6));
        }
        void FieldEdited(const FieldRef& field) override { edited.push_back(field.key); }

        bool active = false;
        float ratio = 1.5f;
        unsigned kind = 7;
        bool manual = false;
        std::array<float, 4> tint{1.0f, 0.5f, 0.25f, 1.0f};
        int secret = 3;
        int hidden = 4;
        float shown = 2.5f;
        std::string name = "abcdefgh";
        std::vector<std::string> edited;
    };

    std::size_t Count(const std::string& text, const std::string& part)
    {
        std::size_t n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    class ListedPanel : public EditorWorld
    {
    protected:
        // Draws a panel with its node open; returns the text it showed.
        std::string Draw(const std::function<void()>& panel)
        {
            ImGui_ImplGlfwGL3_NewFrame();
            ImGui::Begin("Listed");
            ImGui::LogToBuffer();
            ImGui::SetNextItemOpen(true, ImGuiCond_Always);
            panel();
            const std::string text = GImGui->LogBuffer.c_str();
            ImGui::LogFinish();
            ImGui::End();
            ImGui_ImplGlfwGL3_Render();
            return text;
        }

        static void ProbePanel(Probe& probe)
        {
            const bool open = BeginComponentInspector(probe);
            if (open)
                DrawListedFields(probe);
            EndComponentInspector(probe, open);
        }

        // Presses (or with text, types into) the widget of that id in the
        // component's open panel, as the keyboard would.
        void Use(GameComponent& component, const char* id, const std::function<void()>& panel,
                 const std::string& text = "")
        {
            GImGui->NavInputSource = ImGuiInputSource_Keyboard;
            ImGui_ImplGlfwGL3_NewFrame();
            ImGui::Begin("Listed");
            ImGui::PushID(&component);
            ImGui::PushID("##component");
            ImGui::ActivateItem(ImGui::GetID(id));
            ImGui::PopID();
            ImGui::PopID();
            ImGui::End();
            ImGui_ImplGlfwGL3_Render();
            Draw(panel);
            if (text.empty())
                return;
            ImGui::GetIO().AddInputCharactersUTF8(text.c_str());
            Draw(panel);
            ImGui::ClearActiveID();
            Draw(panel);
        }
    };
}

TEST_F(ListedPanel, AFieldShowsItsHeadingCaptionFormatAndChoiceAndNothingWhenHidden)
{
    Probe probe;
    const auto panel = [&probe] { ProbePanel(probe); };
    const std::string text = Draw(panel);
    for (const char* shown : {"Probe block", "Active?", "Ratio", "{ 1.5 }", "Kind", "Invalid", "Secret number", "Shown:",
                              "2.500000", "Name", "{ abcde }"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << " in\n" << text;
    // The format of the field, not the default; a label beside its box is
    // not repeated above it; no caption, no caption line.
    EXPECT_EQ(text.find("1.500"), std::string::npos);
    EXPECT_EQ(Count(text, "Manual"), 1u) << text;
    EXPECT_EQ(text.find("Tint colour"), std::string::npos);
    EXPECT_EQ(text.find("Hidden heading"), std::string::npos) << "a hidden field draws nothing, heading included";
    // A choice within the entries shows its own.
    probe.kind = 1;
    EXPECT_NE(Draw(panel).find("Two"), std::string::npos);

    // The ids: the field's own, the label beside the box, "##" and the key.
    Use(probe, "##active", panel);
    EXPECT_TRUE(probe.active);
    Use(probe, "Manual", panel);
    EXPECT_TRUE(probe.manual);
    Use(probe, "##own ratio", panel, "3");
    EXPECT_FLOAT_EQ(probe.ratio, 3.0f);
    Use(probe, "##secret", panel, "9");
    EXPECT_EQ(probe.secret, 9);
    EXPECT_EQ(probe.edited, (std::vector<std::string>{"active", "manual", "ratio", "secret"}));

    // Read-only and hidden fields take no input.
    Use(probe, "##shown", panel, "7");
    Use(probe, "##hidden", panel, "8");
    EXPECT_FLOAT_EQ(probe.shown, 2.5f);
    EXPECT_EQ(probe.hidden, 4);
    EXPECT_EQ(probe.edited.size(), 4u);
}

TEST_F(ListedPanel, ButtonPanelsFromTheListingKeepTheirBlockIdsAndConditionalFields)
{
    auto* call = static_cast<SystemCallButton*>(factory->GetCreator(CT_SystemCallButton)->Create());
    auto* popup = factory->GetCreator(CT_PopUpUI)->Create();
    const auto panels = [call, popup] {
        call->RenderImGui();
        ImGui::SetNextItemOpen(true, ImGuiCond_Always);
        popup->RenderImGui();
    };
    std::string text = Draw(panels);
    for (const char* shown : {"System Call Button", "Base button info", "Button Active?", "Default sprite",
                              "Mouseover sprite", "Mousedown sprite", "Inactive sprite", "Audio Clip Path",
                              "BBaudioSourcePath_", "Function list", "Invalid", "Remove", "PopUp UI",
                              "Popup UI Element"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << " in\n" << text;
    EXPECT_EQ(Count(text, "Manual Closing"), 1u);
    // The scene and fade show only for a change of level; the switch set
    // by code is never shown.
    EXPECT_EQ(text.find("Level name"), std::string::npos);
    EXPECT_EQ(text.find("Closes other"), std::string::npos);
    call->SetButtonType(SystemCallButton::ChangeLevel);
    text = Draw(panels);
    EXPECT_NE(text.find("Change Level"), std::string::npos);
    EXPECT_NE(text.find("Level name"), std::string::npos);
    EXPECT_NE(text.find("Fade into black?"), std::string::npos);

    Use(*call, "##buttonActive", panels);
    EXPECT_TRUE(call->ButtonActive());
    Use(*call, "##fadeOut_", panels);
    EXPECT_TRUE(call->GetFadeOut());
    delete call;
    delete popup;
}

TEST_F(ListedPanel, EngineTypesShowTheirListingButThePanelsWithALayoutOfTheirOwn)
{
    static std::set<std::string> fellBack;
    fellBack.clear();
    SetDefaultInspector([](GameComponent& component) {
        fellBack.insert(ComponentTitle(component));
        DrawDefaultInspector(component);
    });
    // Combined fields, lists, acting buttons, fields depending on one
    // another or drawn out of file order, and run-time switches.
    const std::set<std::string> ownPanel = {"Transform",          "Emitter",    "Text",       "Sprite",
                                            "ToggleActiveButton", "Collider2D", "VertexNode", "AudioSource"};
    std::set<std::string> listed;
    std::vector<GameComponent*> components;
    for (const auto& entry : factory->GetCreators())
    {
        if (entry.first >= CT_FirstGameType)
            continue;
        components.push_back(entry.second.second->Create());
        if (!ownPanel.count(entry.second.first))
            listed.insert(entry.second.first);
    }
    Draw([&components] {
        for (GameComponent* c : components)
            c->RenderImGui();
    });
    SetDefaultInspector(&DrawDefaultInspector);
    for (GameComponent* c : components)
        delete c;
    EXPECT_EQ(fellBack, listed);
    EXPECT_TRUE(listed.count("SystemCallButton") && listed.count("PopUpUI") && listed.count("ActivatePopupButton"));
}
