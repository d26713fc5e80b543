// FadeOutFeedback: drift, fade, end.
#include "HUD/FadeOutFeedback.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"
#include "World/GameClock.h"

namespace KiteFramework
{
    FadeOutFeedback::FadeOutFeedback() : Script(CT_FadeOutFeedback) {}

    void FadeOutFeedback::ListFields(FieldVisitor& v)
    {
        v.Add("translation", translation, FieldInfo{"Ending"}.Id("##Displacement"));
        v.Add("timing", timing, FieldInfo{"Timing", FieldWidget::Input, 0.0f}.Id("##Timing"));
    }

    GameComponent* FadeOutFeedback::Clone() const
    {
        FadeOutFeedback* copy = CloneListed(*this);
        copy->totalTime = totalTime;
        return copy;
    }

    void FadeOutFeedback::Initialise()
    {
        Script::Initialise();
        totalTime = timing;
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
    }

    void FadeOutFeedback::Update()
    {
        const float dt = GameClock::UnscaledStep();
        timing -= dt;
        // A zero total time ends at once instead of dividing by 0.
        if (totalTime > 0.0f)
            Move(dt / totalTime);
        Fade();
        if (timing <= 0.0f && GetOwner())
            GetOwner()->Destroy();
    }

    void FadeOutFeedback::Move(float share)
    {
        if (transform)
            transform->Translate(translation * share);
    }

    void FadeOutFeedback::Fade()
    {
        const float alpha = totalTime > 0.0f && timing > 0.0f ? timing / totalTime : 0.0f;
        if (sprite)
            sprite->AlphaSet(alpha);
    }
}
