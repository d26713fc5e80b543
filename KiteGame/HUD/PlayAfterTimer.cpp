// PlayAfterTimer: one delayed sound.
#include "HUD/PlayAfterTimer.h"

#include "Core/Audio/AudioSource.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"
#include "World/GameClock.h"

namespace KiteFramework
{
    PlayAfterTimer::PlayAfterTimer() : Script(CT_PlayAfterTimer) {}

    void PlayAfterTimer::ListFields(FieldVisitor& v)
    {
        v.Add("timeToPlay", timeToPlay, FieldInfo{"Time to play", FieldWidget::Input, 0.0f}.Id("##timeToPlay_"));
    }

    GameComponent* PlayAfterTimer::Clone() const
    {
        return CloneListed(*this);
    }

    void PlayAfterTimer::Initialise()
    {
        Script::Initialise();
        source = GetOwner() ? GetOwner()->GetComponent<AudioSource>() : nullptr;
    }

    void PlayAfterTimer::Update()
    {
        timeToPlay -= GameClock::UnscaledStep();
        if (timeToPlay < 0.0f && source)
        {
            source->startPlay();
            source = nullptr;
        }
    }
}
