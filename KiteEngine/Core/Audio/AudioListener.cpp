// AudioListener: the marker component.
#include "Core/Audio/AudioListener.h"

namespace KiteFramework
{
    AudioListener::AudioListener() : GameComponent(CT_AudioListener) {}

    AudioListener::AudioListener(const AudioListener& other)
        : GameComponent(other), listenerNumber(other.listenerNumber)
    {
    }

    GameComponent* AudioListener::Clone() const
    {
        return new AudioListener(*this);
    }
}
