// OptionsSystem: the volume steps, mute and the test sound.
#include "Options/OptionsSystem.h"

#include "Core/Audio/AudioEngine.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Assets.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/BaseButton.h"
#include "Options/MuteButton.h"
#include "Options/VolumeOptionScript.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    OptionsSystem::OptionsSystem() : Script(CT_OptionsSystem) {}

    OptionsSystem::OptionsSystem(const OptionsSystem& other)
        : Script(other), audioPaths(other.audioPaths), checkBoxSprites(other.checkBoxSprites) {}

    void OptionsSystem::ListFields(FieldVisitor& v)
    {
        v.Add("audioPaths", audioPaths, HiddenField());
        v.Add("checkBoxSprites", checkBoxSprites, HiddenField());
    }

    GameComponent* OptionsSystem::Clone() const
    {
        return new OptionsSystem(*this);
    }

    void OptionsSystem::Initialise()
    {
        Script::Initialise();
        source = ObjectHandle(GetOwner());
    }

    void OptionsSystem::RegisterVolumeButton(VolumeOptionScript* script, bool increment)
    {
        (increment ? increaseButton : decreaseButton) = ObjectHandle(script ? script->GetOwner() : nullptr);
    }

    void OptionsSystem::RegisterBar(Sprite* sprite)
    {
        bar = ObjectHandle(sprite ? sprite->GetOwner() : nullptr);
    }

    void OptionsSystem::RegisterMuteButton(MuteButton* button)
    {
        muteButton = ObjectHandle(button ? button->GetOwner() : nullptr);
    }

    void OptionsSystem::ShowLevel() const
    {
        if (Sprite* s = bar.Get<Sprite>())
            s->SetColumn(static_cast<unsigned>(volumeLevel));
    }

    void OptionsSystem::SetButtonActive(const ObjectHandle& button, bool active) const
    {
        if (BaseButton* b = button.Get<BaseButton>())
            b->ButtonActive(active);
    }

    void OptionsSystem::SetMute(bool mute) const
    {
        if (AUDIO)
            AUDIO->SetMasterMute(mute);
        if (MuteButton* m = muteButton.Get<MuteButton>())
            m->ShowOverlay(mute);
    }

    void OptionsSystem::OnStart()
    {
        const float master = AUDIO ? AUDIO->MasterGet() : 1.0f;
        volumeLevel = static_cast<int>(master * 100.0f / 20.0f);
        if (volumeLevel < 0)
            volumeLevel = 0;
        if (volumeLevel > MaxLevel)
            volumeLevel = MaxLevel;
        if (volumeLevel == 0)
            SetButtonActive(decreaseButton, false);
        if (volumeLevel == MaxLevel)
            SetButtonActive(increaseButton, false);
        ShowLevel();
    }

    void OptionsSystem::VolumeDown()
    {
        if (volumeLevel <= 0)
            return;
        SetMute(false);
        if (volumeLevel == MaxLevel)
            SetButtonActive(increaseButton, true);
        volumeLevel -= 1;
        ShowLevel();
        // The buttons set the volume themselves, whatever else gets the click.
        if (AUDIO)
            AUDIO->MasterSet(volumeLevel * VolumePerLevel);
        if (volumeLevel == 0)
        {
            SetMute(true);
            SetButtonActive(decreaseButton, false);
        }
    }

    void OptionsSystem::VolumeUp()
    {
        if (volumeLevel >= MaxLevel)
            return;
        SetMute(false);
        if (volumeLevel == 0)
            SetButtonActive(decreaseButton, true);
        volumeLevel += 1;
        ShowLevel();
        if (AUDIO)
            AUDIO->MasterSet(volumeLevel * VolumePerLevel);
        if (volumeLevel == MaxLevel)
            SetButtonActive(increaseButton, false);
    }

    void OptionsSystem::PlayTestSound()
    {
        if (audioPaths.empty())
            return;
        lastTestSound = audioPaths[static_cast<unsigned>(GENRANDNUM::Rand()) % audioPaths.size()];
        AudioSource* s = source.Get<AudioSource>();
        if (!s || !AUDIO)
            return;
        s->setAudioClip(lastTestSound);
        s->setAudioSource(AUDIO->GetSound(Assets::SoundPath(lastTestSound)));
        AUDIO->playSound(*s);
    }
}
