// DraggableAfterImage: the ghost left where a picked-up stall or seat stood,
// made to look like it.
#pragma once

#include <string>

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class DraggableAfterImage : public Script
    {
    public:
        DraggableAfterImage();

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Draggable After Image"; }

        void SetImage(const std::string& texture, int columns, int rows, float depth, bool animated);
    };
}
