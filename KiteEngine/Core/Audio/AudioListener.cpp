// AudioListener: the marker component.
#include "Core/Audio/AudioListener.h"

#include "Core/Objects/FieldOps.h"

namespace KiteFramework
{
    AudioListener::AudioListener() : GameComponent(CT_AudioListener) {}

    GameComponent* AudioListener::Clone() const
    {
        return CloneListed(*this);
    }

    void AudioListener::ListFields(FieldVisitor& v)
    {
        v.AddUnstored("listenerNumber", listenerNumber, HiddenField());
    }
}
