// UIPanelFeedback: grow, fade, end.
#include "HUD/UIPanelFeedback.h"

#include "Core/Objects/FieldOps.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    UIPanelFeedback::UIPanelFeedback() : FadeOutFeedback(CT_UIPanelFeedback)
    {
        // The scale change is stored under "translation".
        translation = Vector2D(1.0f, 1.0f);
    }

    void UIPanelFeedback::ListFields(FieldVisitor& v)
    {
        v.Add("translation", translation, FieldInfo{"Ending"}.Id("##Scale"));
        v.Add("timing", timing, FieldInfo{"Timing", FieldWidget::Input, 0.0f}.Id("##Timing"));
    }

    GameComponent* UIPanelFeedback::Clone() const
    {
        UIPanelFeedback* copy = CloneListed(*this);
        copy->totalTime = totalTime;
        return copy;
    }

    void UIPanelFeedback::Move(float share)
    {
        if (!transform)
            return;
        const Vector2D s = transform->GetScaleVec() + translation * share;
        transform->SetScale(s.x, s.y);
    }
}
