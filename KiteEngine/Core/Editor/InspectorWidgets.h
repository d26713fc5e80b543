// What every component inspector shares: the item width, the green label
// colour, the block each panel opens and closes (its id scope, a tree node
// titled with the component's name, Remove, a separator), removals applied
// after the inspector's walk, and the default inspector that shows a
// component's listed fields.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "Core/Objects/ComponentTypeId.h"

struct ImVec4;

namespace KiteFramework
{
    class GameComponent;
    class GameObject;
    struct FieldRef;

    // The inspector sets it every frame to 0.9 of its width; panels use it
    // as their item width.
    extern float ImGui_sub_width;

    // The colour of every inspector label.
    const ImVec4& InspectorLabelColour();
    void InspectorLabel(const char* text);

    // The component's registered name ("Component" without one).
    std::string ComponentTitle(const GameComponent& component);

    // Opens the component's block: its id scope, then a tree node with the
    // title (the registered name when null). When it returns true the node
    // is open and the item width pushed; EndComponentInspector must follow
    // in every case.
    bool BeginComponentInspector(GameComponent& component, const char* title = nullptr);
    // Draws Remove (when removable) inside an open node, pops everything
    // BeginComponentInspector pushed, and draws the separator.
    void EndComponentInspector(GameComponent& component, bool open, bool removable = true);

    // One widget for a listed field, at the item width, with its heading
    // and label as its caption says (nothing for a hidden one); true when
    // the value changed.
    bool DrawFieldWidget(const FieldRef& field);
    // Every listed field of the component, each change followed by the
    // component's FieldEdited; true when any changed.
    bool DrawListedFields(GameComponent& component);
    // The given fields of the component (a part of its listing), the same way.
    bool DrawFields(GameComponent& component, const std::vector<FieldRef>& fields);
    // The listed fields named by keys, in listing order: the own fields of a
    // panel that draws the rest in a layout of its own.
    bool DrawListedFields(GameComponent& component, std::initializer_list<const char*> keys);
    // The whole default panel: the block, titled with the component's
    // InspectorTitle, holding the listed fields.
    void DrawDefaultInspector(GameComponent& component);

    // A combo over count entries; a value outside them shows the last entry
    // until one is chosen.
    bool ChooseIndex(const char* id, int& value, const char* const* items, int count);
    // A path: the field showing it (applied on Enter), and a node listing
    // the choices (loaded images or sounds); choosing one sets the path.
    bool ChoosePath(const char* id, const char* node, std::string& path, std::size_t capacity,
                    const std::vector<std::string>& choices);

    // A tree node (titled node) opening a scrolling list of choices; true
    // with the chosen entry in chosen.
    bool ChooseFromList(const char* node, const std::vector<std::string>& choices, std::string& chosen);
    // The names of the loaded images, as sprites name their textures.
    std::vector<std::string> LoadedImageNames();
    // The names of the loaded sounds, as audio sources name their clips.
    std::vector<std::string> LoadedSoundNames();
    // A text field over a string of at most capacity - 1 characters that
    // writes back only when Enter is pressed; true then.
    bool InputTextOnEnter(const char* id, std::string& value, std::size_t capacity);
    // A text field (its label right of it) over a string of at most
    // capacity - 1 characters, edited as typed.
    bool InputTextLimited(const char* label, std::string& value, std::size_t capacity);
    // A field showing a string that is not edited there.
    void ReadOnlyText(const char* id, const std::string& value);

    // Removals asked for during an inspector walk; applied once it is over,
    // so that no panel's component is deleted while the walk goes on.
    namespace InspectorRemovals
    {
        void Request(GameComponent& component);
        // Applies and forgets every request; returns how many were applied.
        int Apply();
        std::size_t Pending();
    }
}
