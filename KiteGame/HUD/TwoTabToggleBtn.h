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
        // Lists only the base button's six keys (the toggle button's are not
        // stored); its own keys follow them in XMLSerialise.
        void ListFields(FieldVisitor& fields) override;
        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void OnMouseDown() override;

        std::string togglerName;
        std::string toggleeName;

    private:
        ObjectHandle toggler;
        ObjectHandle togglee;
    };
}
