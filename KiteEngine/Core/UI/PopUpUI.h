// PopUpUI: marks its object as a pop-up. Unless it closes only by hand, the
// object is hidden whenever a button that closes other pop-ups is pressed.
#pragma once

#include "Core/UI/UIElement.h"

namespace KiteFramework
{
    class PopUpUI : public UIElement
    {
    public:
        PopUpUI();
        PopUpUI(const PopUpUI& other);
        ~PopUpUI() override;

        void Initialise() override;
        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        bool GetManualClosing() const { return manualClosing; }
        void SetManualClosing(bool manual) { manualClosing = manual; }

    private:
        bool manualClosing = false;
    };
}
