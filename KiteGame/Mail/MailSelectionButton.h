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

        // The toggle button's keys, then the letter's kind and id.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        void OnMouseDown() override;

        int type = 0;
        unsigned msg_id = 0;
    };
}
