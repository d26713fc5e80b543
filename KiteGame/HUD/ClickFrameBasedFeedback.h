// ClickFrameBasedFeedback: ends an animated one-shot effect when its sprite
// reaches a chosen column.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class ClickFrameBasedFeedback : public Script
    {
    public:
        ClickFrameBasedFeedback();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Click Frame Based Feedback"; }

        int targetColumn = 0;

    private:
        Sprite* sprite = nullptr;
    };
}
