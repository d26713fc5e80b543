// MailboxSwitch: pauses the game while the mailbox menu is open.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class MailboxSwitch : public Script
    {
    public:
        MailboxSwitch();

        void TriggerActive() override;
        void TriggerDeactive() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "MailboxSwitch"; }

        bool IsOpen() const { return open; }
        float GetSavedTimeFactor() const { return savedTimeFactor; }

    private:
        float savedTimeFactor = 1.0f;
        bool open = false;
    };
}
