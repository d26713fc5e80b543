// UIPanelFeedback: grows its object by a set scale change while fading it
// out, then destroys it (real time).
#pragma once

#include "HUD/FadeOutFeedback.h"

namespace KiteFramework
{
    class UIPanelFeedback : public FadeOutFeedback
    {
    public:
        UIPanelFeedback();

        // The drift's fields, the change being a scale here.
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;

    protected:
        void Move(float share) override;
    };
}
