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
        ~PopUpUI() override;

        void Initialise() override;
        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "PopUp UI"; }
        void ListFields(FieldVisitor& fields) override;

        bool GetManualClosing() const { return manualClosing; }
        void SetManualClosing(bool manual) { manualClosing = manual; }

    private:
        // Stored (see ListFields).
        bool manualClosing = false;
    };
}
