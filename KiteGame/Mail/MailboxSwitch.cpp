// MailboxSwitch: the speed before opening comes back on closing.
#include "Mail/MailboxSwitch.h"

#include "Core/Engine/Engine.h"
#include "Mail/MailBoxSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MailboxSwitch::MailboxSwitch() : Script(CT_MailboxSwitch) {}

    GameComponent* MailboxSwitch::Clone() const
    {
        MailboxSwitch* copy = new MailboxSwitch();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void MailboxSwitch::TriggerActive()
    {
        // Only an opening from closed stores the speed: a second activation
        // would store the pause itself.
        if (!open && ENGINE)
            savedTimeFactor = ENGINE->GetTimeFactor();
        open = true;
        if (ENGINE)
            ENGINE->SetTimeFactor(0.0f);
        if (MailBoxSystem* mail = MailBoxSystem::Instance())
            mail->ShowFirstPage();
    }

    void MailboxSwitch::TriggerDeactive()
    {
        if (!open)
            return;
        open = false;
        if (ENGINE)
            ENGINE->SetTimeFactor(savedTimeFactor);
    }
}
