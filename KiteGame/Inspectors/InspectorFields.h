// The widgets the game's inspectors share: each field is a green label over
// its widget at the inspector's item width, and a panel with nothing to edit
// is a titled node holding Remove.
#pragma once

#include <cstddef>
#include <string>

namespace KiteFramework
{
    class GameComponent;
    struct Vector2D;

    // Each draws the green label, then the widget with the hidden id; true
    // when the value changed.
    bool InspectFloat(const char* label, const char* id, float& value);
    // Steps 1 and 100.
    bool InspectInt(const char* label, const char* id, int& value);
    bool InspectUnsigned(const char* label, const char* id, unsigned& value);
    bool InspectFloat2(const char* label, const char* id, Vector2D& value);
    bool InspectBool(const char* label, const char* id, bool& value);
    // A text field of capacity - 1 characters applied when Enter is pressed.
    bool InspectTextOnEnter(const char* label, const char* id, std::string& value, std::size_t capacity);
    // A combo over count entries; out-of-range values show the last entry
    // until one is chosen.
    bool InspectCombo(const char* label, const char* id, int& value, const char* const* items, int count);
    // A texture path: the field showing it, and a node listing the loaded
    // images; choosing one sets the path.
    bool InspectImagePath(const char* label, const char* id, const char* node, std::string& path);
    // A labelled text field (label right of it) over a string of at most
    // capacity - 1 characters, edited as typed.
    bool InspectNamedText(const char* label, std::string& value, std::size_t capacity);

    // The whole panel of a component with nothing to edit: title and Remove.
    void DrawRemoveOnlyInspector(GameComponent& component, const char* title);
}
