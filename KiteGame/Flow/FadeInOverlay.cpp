// FadeInOverlay: opaque to clear over `duration` unscaled seconds.
#include "Flow/FadeInOverlay.h"

#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    FadeInOverlay::FadeInOverlay() : Script(CT_FadeInOverlay) {}

    GameComponent* FadeInOverlay::Clone() const
    {
        FadeInOverlay* copy = new FadeInOverlay();
        copy->SetComponentTypeId(GetComponentTypeId());
        copy->timer = timer;
        copy->duration = duration;
        return copy;
    }

    void FadeInOverlay::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        if (sprite)
        {
            sprite->AlphaSet(1.0f);
            // The editor shows the scene as it looks once the fade is over.
            sprite->SetPlayOnly(true);
        }
    }

    void FadeInOverlay::Update()
    {
        if (timer > duration)
            return;
        timer += fc.getFixedDeltaTime();
        if (sprite)
            sprite->AlphaSet(duration > 0.0f ? (duration - timer) / duration : 0.0f);
    }
}
