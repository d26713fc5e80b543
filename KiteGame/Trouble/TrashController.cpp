// TrashController: trash collider tags and the trash count.
#include "Trouble/TrashController.h"

#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    TrashController::TrashController() : Script(CT_TrashController) {}

    // A copy takes the layers; its count starts at 0.
    TrashController::TrashController(const TrashController& other) : Script(other) {}

    void TrashController::ListFields(FieldVisitor& v)
    {
        v.Add("originalLayer", originalLayer, {"Original Collision Layer", FieldWidget::Input, 1.0f});
        v.Add("draggedLayer", draggedLayer, {"Dragged Collision Layer", FieldWidget::Input, 1.0f});
    }

    GameComponent* TrashController::Clone() const
    {
        TrashController* copy = new TrashController(*this);
        CopyListedFields(*this, *copy);
        return copy;
    }
}
