// The customer's inspector: its likes settings, walking step and look.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void CustomerAIBehaviour::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Customer AI Behaviour");
        if (open)
        {
            InspectFloat("likesTimeout", "##Timeout", likesTimeout);
            InspectFloat("likesMin", "##likesMin", likesMin);
            InspectFloat("likesDecrementStep", "##likesDecrementStep", likesDecrementStep);
            InspectFloat2("interpolateStep", "##interpolateStep", interpolateStep);
            InspectInt("customerIndex", "##customerIndex", customerIndex);
        }
        EndComponentInspector(*this, open);
    }
}
