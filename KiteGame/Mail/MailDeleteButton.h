// MailDeleteButton: deletes the mail entry in its row of the page.
#pragma once

#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class MailDeleteButton : public BaseButton
    {
    public:
        MailDeleteButton();
        MailDeleteButton(const MailDeleteButton& other);

        // The button keys, then the row.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Mail Delete Button"; }

        void OnMouseDown() override;

        // The row on the page, 0 to 4.
        int index = 0;
    };
}
