// TrashController: the level's trash settings (collider tags of lying and
// dragged trash) and the count of trash placed and not yet cleared.
#pragma once

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class TrashController : public Script, public CurrentInstance<TrashController>
    {
    public:
        TrashController();
        TrashController(const TrashController& other);

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Trash Controller"; }

        int GetTrashCount() const { return trashCount; }
        void TrashPlaced() { ++trashCount; }
        // Never below 0.
        void TrashCleared()
        {
            if (trashCount > 0)
                --trashCount;
        }

        int originalLayer = 0;
        int draggedLayer = 0;

    private:
        int trashCount = 0;
    };
}
