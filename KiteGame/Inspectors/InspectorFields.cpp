// The game inspectors' field widgets, on the editor's shared block.
#include "Inspectors/InspectorFields.h"

#include <vector>

#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    bool InspectFloat(const char* label, const char* id, float& value)
    {
        InspectorLabel(label);
        return ImGui::InputFloat(id, &value, 0.0f, 0.0f, "%.3f");
    }

    bool InspectInt(const char* label, const char* id, int& value)
    {
        InspectorLabel(label);
        return ImGui::InputInt(id, &value, 1, 100);
    }

    bool InspectUnsigned(const char* label, const char* id, unsigned& value)
    {
        InspectorLabel(label);
        const unsigned small = 1u;
        const unsigned big = 100u;
        return ImGui::InputScalar(id, ImGuiDataType_U32, &value, &small, &big);
    }

    bool InspectFloat2(const char* label, const char* id, Vector2D& value)
    {
        InspectorLabel(label);
        return ImGui::InputFloat2(id, &value.x, "%.3f");
    }

    bool InspectBool(const char* label, const char* id, bool& value)
    {
        InspectorLabel(label);
        return ImGui::Checkbox(id, &value);
    }

    bool InspectTextOnEnter(const char* label, const char* id, std::string& value, std::size_t capacity)
    {
        InspectorLabel(label);
        return InputTextOnEnter(id, value, capacity);
    }

    bool InspectCombo(const char* label, const char* id, int& value, const char* const* items, int count)
    {
        InspectorLabel(label);
        int shown = value >= 0 && value < count ? value : count - 1;
        if (!ImGui::Combo(id, &shown, items, count))
            return false;
        value = shown;
        return true;
    }

    bool InspectImagePath(const char* label, const char* id, const char* node, std::string& path)
    {
        InspectorLabel(label);
        bool changed = InputTextOnEnter(id, path, 256);
        std::string chosen;
        if (ChooseFromList(node, LoadedImageNames(), chosen))
        {
            path = chosen;
            changed = true;
        }
        return changed;
    }

    bool InspectNamedText(const char* label, std::string& value, std::size_t capacity)
    {
        std::vector<char> buffer(capacity, '\0');
        value.copy(buffer.data(), capacity - 1);
        if (!ImGui::InputText(label, buffer.data(), capacity))
            return false;
        value = buffer.data();
        return true;
    }

    void DrawRemoveOnlyInspector(GameComponent& component, const char* title)
    {
        const bool open = BeginComponentInspector(component, title);
        EndComponentInspector(component, open);
    }
}
