// MailSelectionButton: a mail entry of the list; pressing it shows its
// letter.
#pragma once

#include "Core/UI/ToggleActiveButton.h"

namespace KiteFramework
{
    class MailSelectionButton : public ToggleActiveButton
    {
    public:
        MailSelectionButton();
        MailSelectionButton(const MailSelectionButton& other);

        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        void OnMouseDown() override;

        int type = 0;
        unsigned msg_id = 0;
    };
}
