// AudioOptionBars: hands its sprite to the options.
#include "Options/AudioOptionBars.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Options/OptionsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    AudioOptionBars::AudioOptionBars() : Script(CT_AudioOptionBars) {}

    GameComponent* AudioOptionBars::Clone() const
    {
        AudioOptionBars* copy = new AudioOptionBars();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void AudioOptionBars::Initialise()
    {
        initialised = 1;
        if (OptionsSystem* options = OptionsSystem::Instance())
            options->RegisterBar(GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr);
    }
}
