// TwoTabToggleBtn: a tab of a two-tab panel: pressing it shows one object
// and hides the other.
#pragma once

#include <string>

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/ToggleActiveButton.h"

namespace KiteFramework
{
    class TwoTabToggleBtn : public ToggleActiveButton
    {
    public:
        TwoTabToggleBtn();
        TwoTabToggleBtn(const TwoTabToggleBtn& other);

        void Initialise() override;
        // The base button's six keys (the toggle button's are not stored),
        // then its own.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        // The panel is the listing's, not the toggle button's own.
        void RenderImGui() override { GameComponent::RenderImGui(); }
        const char* InspectorTitle() const override { return "Two Tab Toggle Button"; }
        void OnMouseDown() override;

        std::string togglerName;
        std::string toggleeName;

    private:
        ObjectHandle toggler;
        ObjectHandle togglee;
    };
}
