// Moon: crosses the sky on an ellipse round its parent once every night,
// starting and ending at its lowest point.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Moon : public Script
    {
    public:
        Moon();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Moon"; }

        int majorRadius = 0;
        int minorRadius = 0;
        float angularSpeed = 0.0f;
        float angle = 0.0f;
    };
}
