// The mailbox's inspector: the mail threshold and the page shown.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Mail/MailBoxSystem.h"

namespace KiteFramework
{
    void MailBoxSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "MailBoxSystem");
        if (open)
        {
            DrawListedFields(*this, {"threshold"});
            // Only pages that hold mail can be shown.
            InspectorLabel("Curr Page");
            if (ImGui::InputInt("##curr page", &currentPage, 1, 100))
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
