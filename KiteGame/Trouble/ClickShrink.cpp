// ClickShrink: click counting and shrinking of the resolvers.
#include "Trouble/ClickShrink.h"

#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    float ClickShrink::Step(const Transform* transform, float finalScale, int targetClickCount)
    {
        const float scale = transform ? transform->GetScaleVec().x : 0.0f;
        return (scale - finalScale) / static_cast<float>(Target(targetClickCount));
    }

    bool ClickShrink::Click(int& clicks, int targetClickCount, Transform* transform, float step)
    {
        clicks += 1;
        // At or past the target: a target lowered since the first click must
        // still end it.
        if (clicks >= Target(targetClickCount))
            return true;
        if (transform)
        {
            const Vector2D scale = transform->GetScaleVec();
            transform->SetScale(scale.x - step, scale.y - step);
        }
        return false;
    }
}
