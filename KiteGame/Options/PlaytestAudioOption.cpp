// PlaytestAudioOption: the options' test sound on release.
#include "Options/PlaytestAudioOption.h"

#include "Options/OptionsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    PlaytestAudioOption::PlaytestAudioOption() : Script(CT_PlaytestAudioOption) {}

    GameComponent* PlaytestAudioOption::Clone() const
    {
        PlaytestAudioOption* copy = new PlaytestAudioOption();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void PlaytestAudioOption::OnMouseUp()
    {
        if (OptionsSystem* options = OptionsSystem::Instance())
            options->PlayTestSound();
    }
}
