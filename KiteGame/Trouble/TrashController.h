// TrashController: the level's trash settings (collider tags of lying and
// dragged trash) and the count of trash placed and not yet cleared.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class TrashController : public Script
    {
    public:
        TrashController();
        TrashController(const TrashController& other);
        ~TrashController() override;

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Trash Controller"; }

        // The level's trash controller, or null.
        static TrashController* Instance() { return instance; }

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
        static TrashController* instance;
        int trashCount = 0;
    };
}
