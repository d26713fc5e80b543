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

        // The button keys, then the page direction.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Mail Change Page Button"; }

        void OnMouseDown() override;

        bool prevPage = false;
    };
}
