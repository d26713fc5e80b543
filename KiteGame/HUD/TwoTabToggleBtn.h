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
