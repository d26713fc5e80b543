// The mailbox's open switch has nothing to edit.
#include "Mail/MailboxSwitch.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void MailboxSwitch::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "MailboxSwitch");
    }
}
