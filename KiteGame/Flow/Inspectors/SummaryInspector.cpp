// The summary panel's inspector: where it slides from and to, and how long.
// A new start moves the panel there, so the editor shows where it begins.
#include "Core/Editor/InspectorWidgets.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Flow/Summary.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void Summary::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Summary");
        if (open)
        {
            if (InspectFloat2("Start Position", "##startPos", startPos) && GetOwner())
                if (Transform* t = GetOwner()->GetComponent<Transform>())
                    t->SetTrans(startPos.x, startPos.y);
            InspectFloat2("Final Position", "##finalPos", finalPos);
            InspectFloat("Time to interpolate", "##timeToInterpolate", timeToInterpolate);
        }
        EndComponentInspector(*this, open);
    }
}
