// VolumeOptionScript: the volume increase or decrease button.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class VolumeOptionScript : public Script
    {
    public:
        VolumeOptionScript();

        // Registers with the options; not updated every frame.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Volume Option Script"; }
        void OnMouseUp() override;

        bool increment = true;
    };
}
