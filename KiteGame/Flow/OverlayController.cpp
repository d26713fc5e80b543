// OverlayController: fade phases on the unscaled frame step, then a load.
#include "Flow/OverlayController.h"

#include <iostream>

#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Scenes/SceneManager.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        // A fade's share done; a phase of no length is at its end at once.
        float Share(float part, float duration)
        {
            return duration > 0.0f ? part / duration : 1.0f;
        }
    }

    OverlayController::OverlayController() : Script(CT_OverlayController) {}

    void OverlayController::ListFields(FieldVisitor& v)
    {
        v.Add("fadeInDuration", fadeInDuration,
              FieldInfo{"Fade in duration", FieldWidget::Input, 0.0f}.Id("##fadeInDuration_"));
        v.Add("showDuration", showDuration, FieldInfo{"Show duration", FieldWidget::Input, 0.0f}.Id("##showDuration_"));
        v.Add("fadeOutDuration", fadeOutDuration,
              FieldInfo{"Fade out duration", FieldWidget::Input, 0.0f}.Id("##fadeOutDuration_"));
        v.Add("levelToLoad", levelToLoad,
              FieldInfo{"Level to load on end", FieldWidget::EnterText}.Id("##levelToLoad_").Capacity(50));
        v.Add("reversed", reversed, FieldInfo{"Reversed? (Fade out then in)"}.Id("##reversed_"));
    }

    GameComponent* OverlayController::Clone() const
    {
        return CloneListed(*this);
    }

    void OverlayController::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        Begin();
    }

    void OverlayController::Begin()
    {
        SetAlpha(reversed ? 1.0f : 0.0f);
        timer = reversed ? fadeInDuration : 0.0f;
        phase = 1;
    }

    void OverlayController::SetAlpha(float a) const
    {
        if (sprite)
            sprite->AlphaSet(a);
    }

    void OverlayController::LoadNext() const
    {
        if (SCENEMNGR)
            SCENEMNGR->LoadLevel(levelToLoad);
    }

    void OverlayController::Update()
    {
        if (phase == 0)
            Begin();
        const float dt = fc.getFixedDeltaTime();
        if (reversed)
            UpdateReversed(dt);
        else
            UpdateForward(dt);
    }

    void OverlayController::UpdateForward(float dt)
    {
        if (phase == 1)
        {
            SetAlpha(Share(timer, fadeInDuration));
            if (timer > fadeInDuration)
            {
                SetAlpha(1.0f);
                timer = 0.0f;
                phase = 2;
                return;
            }
        }
        else if (phase == 2)
        {
            if (timer > showDuration)
            {
                timer = 0.0f;
                phase = 3;
                return;
            }
        }
        else if (phase == 3)
        {
            SetAlpha(1.0f - Share(timer, fadeOutDuration));
            if (timer > fadeOutDuration)
            {
                LoadNext();
                return;
            }
        }
        timer += dt;
    }

    void OverlayController::UpdateReversed(float dt)
    {
        if (phase == 1)
        {
            SetAlpha(fadeInDuration > 0.0f ? timer / fadeInDuration : 0.0f);
            if (timer < 0.0f)
            {
                SetAlpha(0.0f);
                timer = showDuration;
                phase = 2;
                return;
            }
        }
        else if (phase == 2)
        {
            if (timer < 0.0f)
            {
                timer = fadeOutDuration;
                phase = 3;
                return;
            }
        }
        else if (phase == 3)
        {
            SetAlpha(fadeOutDuration > 0.0f ? (fadeOutDuration - timer) / fadeOutDuration : 1.0f);
            if (timer < 0.0f)
            {
                LoadNext();
                return;
            }
        }
        timer -= dt;
    }
}
