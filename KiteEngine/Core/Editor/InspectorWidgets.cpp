// The shared inspector block, the field widgets and deferred removals.
#include "Core/Editor/InspectorWidgets.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include <imgui.h>
#include <imgui_stdlib.h>

#include "Core/Audio/AudioEngine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/FieldList.h"
#include "Core/Objects/GameComponent.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/ObjectHandle.h"

namespace KiteFramework
{
    float ImGui_sub_width = 200.0f;

    namespace
    {
        std::vector<std::pair<ObjectHandle, ComponentTypeId>>& Requests()
        {
            static std::vector<std::pair<ObjectHandle, ComponentTypeId>> requests;
            return requests;
        }

        std::string HiddenId(const FieldRef& field)
        {
            if (field.info.id && *field.info.id)
                return field.info.id;
            return std::string("##") + field.key;
        }

        // The widget's own label: the field's label when it stands beside
        // the widget, the hidden id otherwise.
        std::string WidgetId(const FieldRef& field)
        {
            if (field.info.caption == FieldCaption::Beside)
                return field.Label();
            return HiddenId(field);
        }

        // The heading and the label drawn above the widget.
        void DrawCaption(const FieldRef& field)
        {
            const FieldInfo& info = field.info;
            if (info.heading && *info.heading)
            {
                if (info.greenHeading)
                    InspectorLabel(info.heading);
                else
                    ImGui::TextUnformatted(info.heading);
            }
            switch (info.caption)
            {
            case FieldCaption::Green:
                InspectorLabel(field.Label());
                break;
            case FieldCaption::Plain:
                ImGui::TextUnformatted(field.Label());
                break;
            case FieldCaption::Beside:
            case FieldCaption::None:
                break;
            }
        }

        bool ChooseUnsigned(const std::string& id, const FieldRef& field)
        {
            unsigned& value = field.As<unsigned>();
            int chosen = value < static_cast<unsigned>(field.info.choiceCount) ? static_cast<int>(value)
                                                                               : field.info.choiceCount - 1;
            if (!ChooseIndex(id.c_str(), chosen, field.info.choices, field.info.choiceCount))
                return false;
            value = static_cast<unsigned>(chosen);
            return true;
        }

        void ShowValue(const FieldRef& field)
        {
            switch (field.kind)
            {
            case FieldKind::Int:
                ImGui::Text("%d", field.As<int>());
                break;
            case FieldKind::Unsigned:
                ImGui::Text("%u", field.As<unsigned>());
                break;
            case FieldKind::Float:
                ImGui::Text("%f", static_cast<double>(field.As<float>()));
                break;
            case FieldKind::Bool:
                ImGui::TextUnformatted(field.As<bool>() ? "true" : "false");
                break;
            case FieldKind::String:
                ImGui::TextUnformatted(field.As<std::string>().c_str());
                break;
            case FieldKind::Vector2D:
            {
                const Vector2D& v = field.As<Vector2D>();
                ImGui::Text("(%f, %f)", static_cast<double>(v.x), static_cast<double>(v.y));
                break;
            }
            case FieldKind::Vector3:
            {
                const Vector3& v = field.As<Vector3>();
                ImGui::Text("(%f, %f, %f)", static_cast<double>(v.x), static_cast<double>(v.y),
                            static_cast<double>(v.z));
                break;
            }
            case FieldKind::Colour:
            {
                const Colour& c = field.As<Colour>();
                ImGui::Text("(%f, %f, %f, %f)", static_cast<double>(c.r), static_cast<double>(c.g),
                            static_cast<double>(c.b), static_cast<double>(c.a));
                break;
            }
            case FieldKind::Float4:
            {
                const std::array<float, 4>& f = field.As<std::array<float, 4>>();
                ImGui::Text("(%f, %f, %f, %f)", static_cast<double>(f[0]), static_cast<double>(f[1]),
                            static_cast<double>(f[2]), static_cast<double>(f[3]));
                break;
            }
            case FieldKind::Other:
                ImGui::TextDisabled("(saved with the component; no editor here)");
                break;
            }
        }

        bool EditFloats(const FieldRef& field, float* values, int count)
        {
            const std::string id = WidgetId(field);
            const float step = field.info.step;
            const char* format = field.info.format;
            if (field.info.widget == FieldWidget::Drag)
            {
                switch (count)
                {
                case 1:
                    return ImGui::DragFloat(id.c_str(), values, step, 0.0f, 0.0f, format);
                case 2:
                    return ImGui::DragFloat2(id.c_str(), values, step, 0.0f, 0.0f, format);
                default:
                    return ImGui::DragFloat3(id.c_str(), values, step, 0.0f, 0.0f, format);
                }
            }
            switch (count)
            {
            case 1:
                return ImGui::InputFloat(id.c_str(), values, step, step * 10.0f, format);
            case 2:
                return ImGui::InputFloat2(id.c_str(), values, format);
            default:
                return ImGui::InputFloat3(id.c_str(), values, format);
            }
        }

        // The text widgets of a string field; false for the plain one.
        bool EditText(const FieldRef& field, bool& changed)
        {
            const std::string id = WidgetId(field);
            // The node of choices is named after the hidden id.
            const std::string node = HiddenId(field).substr(2);
            std::string& value = field.As<std::string>();
            switch (field.info.widget)
            {
            case FieldWidget::EnterText:
                changed = InputTextOnEnter(id.c_str(), value, field.info.capacity);
                return true;
            case FieldWidget::ImagePath:
                changed = ChoosePath(id.c_str(), node.c_str(), value, field.info.capacity, LoadedImageNames());
                return true;
            case FieldWidget::SoundPath:
                changed = ChoosePath(id.c_str(), node.c_str(), value, field.info.capacity, LoadedSoundNames());
                return true;
            case FieldWidget::ImageList:
            {
                ImGui::TextUnformatted(value.c_str());
                std::string chosen;
                changed = ChooseFromList(node.c_str(), LoadedImageNames(), chosen);
                if (changed)
                    value = chosen;
                return true;
            }
            default:
                return false;
            }
        }
    }

    const ImVec4& InspectorLabelColour()
    {
        static const ImVec4 green(0.0f, 1.0f, 0.0f, 1.0f);
        return green;
    }

    void InspectorLabel(const char* text)
    {
        ImGui::TextColored(InspectorLabelColour(), "%s", text);
    }

    std::string ComponentTitle(const GameComponent& component)
    {
        std::string name;
        if (FACTORY)
            name = FACTORY->GetCreatorName(component.GetComponentTypeId());
        return name.empty() ? std::string("Component") : name;
    }

    bool BeginComponentInspector(GameComponent& component, const char* title)
    {
        // Every widget of the panel lives under the component's own id, so
        // equal labels in two panels never share state.
        ImGui::PushID(&component);
        const std::string name = title ? std::string(title) : ComponentTitle(component);
        const bool open = ImGui::TreeNode("##component", "%s", name.c_str());
        if (open)
            ImGui::PushItemWidth(ImGui_sub_width);
        return open;
    }

    void EndComponentInspector(GameComponent& component, bool open, bool removable)
    {
        if (open)
        {
            if (removable && ImGui::Button("Remove"))
                InspectorRemovals::Request(component);
            ImGui::PopItemWidth();
            ImGui::TreePop();
        }
        ImGui::PopID();
        ImGui::Separator();
    }

    bool DrawFieldWidget(const FieldRef& field)
    {
        if (field.info.widget == FieldWidget::Hidden)
            return false;
        DrawCaption(field);
        if (field.info.widget == FieldWidget::ReadOnly)
        {
            ShowValue(field);
            return false;
        }
        const std::string id = WidgetId(field);
        const int step = field.info.step >= 1.0f ? static_cast<int>(field.info.step) : 1;
        bool changed = false;
        switch (field.kind)
        {
        case FieldKind::Int:
            if (field.info.widget == FieldWidget::Drag)
                return ImGui::DragInt(id.c_str(), &field.As<int>(), field.info.step);
            if (field.info.widget == FieldWidget::Choice)
                return ChooseIndex(id.c_str(), field.As<int>(), field.info.choices, field.info.choiceCount);
            return ImGui::InputInt(id.c_str(), &field.As<int>(), step, step * 100);
        case FieldKind::Unsigned:
        {
            if (field.info.widget == FieldWidget::Choice)
                return ChooseUnsigned(id, field);
            const std::uint32_t small = static_cast<std::uint32_t>(step);
            const std::uint32_t big = small * 100u;
            return ImGui::InputScalar(id.c_str(), ImGuiDataType_U32, &field.As<unsigned>(), &small, &big);
        }
        case FieldKind::Float:
            return EditFloats(field, &field.As<float>(), 1);
        case FieldKind::Bool:
            return ImGui::Checkbox(id.c_str(), &field.As<bool>());
        case FieldKind::String:
            if (EditText(field, changed))
                return changed;
            return ImGui::InputText(id.c_str(), &field.As<std::string>());
        case FieldKind::Vector2D:
            return EditFloats(field, &field.As<Vector2D>().x, 2);
        case FieldKind::Vector3:
            return EditFloats(field, &field.As<Vector3>().x, 3);
        case FieldKind::Colour:
            return ImGui::ColorEdit4(id.c_str(), &field.As<Colour>().r);
        case FieldKind::Float4:
            if (field.info.widget == FieldWidget::ColourEdit)
                return ImGui::ColorEdit4(id.c_str(), field.As<std::array<float, 4>>().data());
            return ImGui::InputFloat4(id.c_str(), field.As<std::array<float, 4>>().data(), field.info.format);
        case FieldKind::Other:
            ShowValue(field);
            return false;
        }
        return false;
    }

    bool DrawListedFields(GameComponent& component)
    {
        return DrawFields(component, ListedFields(component));
    }

    bool DrawFields(GameComponent& component, const std::vector<FieldRef>& fields)
    {
        bool changed = false;
        for (const FieldRef& field : fields)
        {
            if (!DrawFieldWidget(field))
                continue;
            component.FieldEdited(field);
            changed = true;
        }
        return changed;
    }

    bool DrawListedFields(GameComponent& component, std::initializer_list<const char*> keys)
    {
        bool changed = false;
        for (const FieldRef& field : ListedFields(component))
        {
            bool wanted = false;
            for (const char* key : keys)
                wanted = wanted || std::strcmp(key, field.key) == 0;
            if (!wanted || !DrawFieldWidget(field))
                continue;
            component.FieldEdited(field);
            changed = true;
        }
        return changed;
    }

    void DrawDefaultInspector(GameComponent& component)
    {
        // What the factory cannot make (the shared mesh) has no panel.
        if (FACTORY && !FACTORY->GetCreator(component.GetComponentTypeId()))
            return;
        const bool open = BeginComponentInspector(component, component.InspectorTitle());
        if (open)
            DrawListedFields(component);
        EndComponentInspector(component, open);
    }

    bool ChooseIndex(const char* id, int& value, const char* const* items, int count)
    {
        int shown = value >= 0 && value < count ? value : count - 1;
        if (!ImGui::Combo(id, &shown, items, count))
            return false;
        value = shown;
        return true;
    }

    bool ChoosePath(const char* id, const char* node, std::string& path, std::size_t capacity,
                    const std::vector<std::string>& choices)
    {
        bool changed = InputTextOnEnter(id, path, capacity);
        std::string chosen;
        if (ChooseFromList(node, choices, chosen))
        {
            path = chosen;
            changed = true;
        }
        return changed;
    }

    bool ChooseFromList(const char* node, const std::vector<std::string>& choices, std::string& chosen)
    {
        if (!ImGui::TreeNode(node))
            return false;
        bool picked = false;
        // The list is 300 pixels high and a little narrower than the panel.
        ImGui::BeginChild(node, ImVec2(ImGui::GetContentRegionAvail().x * 0.87f, 300.0f), true,
                          ImGuiWindowFlags_HorizontalScrollbar);
        for (std::size_t i = 0; i < choices.size(); ++i)
        {
            ImGui::PushID(static_cast<int>(i));
            if (ImGui::Selectable(choices[i].c_str()))
            {
                chosen = choices[i];
                picked = true;
            }
            ImGui::PopID();
        }
        ImGui::EndChild();
        ImGui::TreePop();
        return picked;
    }

    std::vector<std::string> LoadedImageNames()
    {
        return GRAPHICS ? GRAPHICS->GetImageFiles() : std::vector<std::string>();
    }

    std::vector<std::string> LoadedSoundNames()
    {
        std::vector<std::string> names;
        if (AUDIO)
            for (const auto& path : AUDIO->GetrelSoundFiles())
                names.push_back(path.generic_string());
        return names;
    }

    bool InputTextOnEnter(const char* id, std::string& value, std::size_t capacity)
    {
        std::vector<char> buffer(capacity, '\0');
        value.copy(buffer.data(), capacity - 1);
        if (!ImGui::InputText(id, buffer.data(), capacity, ImGuiInputTextFlags_EnterReturnsTrue))
            return false;
        value = buffer.data();
        return true;
    }

    bool InputTextLimited(const char* label, std::string& value, std::size_t capacity)
    {
        std::vector<char> buffer(capacity, '\0');
        value.copy(buffer.data(), capacity - 1);
        if (!ImGui::InputText(label, buffer.data(), capacity))
            return false;
        value = buffer.data();
        return true;
    }

    void ReadOnlyText(const char* id, const std::string& value)
    {
        std::string shown = value;
        ImGui::InputText(id, &shown, ImGuiInputTextFlags_ReadOnly);
    }

    namespace InspectorRemovals
    {
        void Request(GameComponent& component)
        {
            GameObject* owner = component.GetOwner();
            if (owner)
                Requests().emplace_back(ObjectHandle(owner), component.GetComponentTypeId());
        }

        int Apply()
        {
            std::vector<std::pair<ObjectHandle, ComponentTypeId>> requests;
            requests.swap(Requests());
            int applied = 0;
            for (const auto& request : requests)
            {
                GameObject* owner = request.first.Get();
                if (owner && owner->HasComponent(request.second))
                {
                    owner->RemoveComponent(request.second);
                    ++applied;
                }
            }
            return applied;
        }

        std::size_t Pending()
        {
            return Requests().size();
        }
    }
}
