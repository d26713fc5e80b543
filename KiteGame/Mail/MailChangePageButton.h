// MailChangePageButton: turns the mailbox list a page back or forward.
#pragma once

#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class MailChangePageButton : public BaseButton
    {
    public:
        MailChangePageButton();
        MailChangePageButton(const MailChangePageButton& other);

        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        void OnMouseDown() override;

        bool prevPage = false;
    };
}
