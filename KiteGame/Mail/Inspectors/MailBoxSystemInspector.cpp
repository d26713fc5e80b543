// The mailbox's inspector: the mail threshold and the page shown.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Mail/MailBoxSystem.h"

namespace KiteFramework
{
    void MailBoxSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "MailBoxSystem");
        if (open)
        {
            InspectInt("Threshold", "##threshold", threshold);
            // Only pages that hold mail can be shown.
            if (InspectInt("Curr Page", "##curr page", currentPage))
            {
                const int pages = static_cast<int>((mails.size() + PageSize - 1) / PageSize);
                if (currentPage >= pages)
                    currentPage = pages - 1;
                if (currentPage < 0)
                    currentPage = 0;
            }
        }
        EndComponentInspector(*this, open);
    }
}
