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
