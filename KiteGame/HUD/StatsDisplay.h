// StatsDisplay: a text on the statistics panel showing one level figure
// while the panel is open.
#pragma once

#include <string>

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StatsDisplay : public Script
    {
    public:
        enum StatsType : int
        {
            CustomersServed = 0,
            GrossRevenue = 1,
            AverageWaitingTime = 2,
            None = 3
        };

        StatsDisplay();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Stats Display"; }

        // The figure of a type as the panel shows it.
        static std::string Format(int statsType, const std::string& unchanged);

        int statsType = None;
        std::string shown;

    private:
        ObjectHandle panel;
        // The text's own scale, which a long figure shrinks from.
        float baseScale = 0.0f;
    };
}
