// OptionsSystem: the options menu's shared state: a volume display of six
// steps with its buttons, a mute button, a test sound and the full-screen
// check box's images. The option scripts attach themselves to it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class AudioSource;
    class Sprite;
    class VolumeOptionScript;
    class MuteButton;

    class OptionsSystem : public Script, public CurrentInstance<OptionsSystem>
    {
    public:
        static constexpr int MaxLevel = 5;
        // One step of the display is this much master volume.
        static constexpr float VolumePerLevel = 0.2f;

        OptionsSystem();
        OptionsSystem(const OptionsSystem& other);

        void Initialise() override;
        void OnStart() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Options System"; }

        void PlayTestSound();
        void VolumeDown();
        void VolumeUp();

        void RegisterVolumeButton(VolumeOptionScript* script, bool increment);
        void RegisterBar(Sprite* bar);
        void RegisterMuteButton(MuteButton* button);

        int GetVolumeLevel() const { return volumeLevel; }
        const std::string& GetLastTestSound() const { return lastTestSound; }

        // Stored fields.
        std::vector<std::string> audioPaths;
        // first: ticked images, second: unticked; each default, over, down.
        std::pair<std::vector<std::string>, std::vector<std::string>> checkBoxSprites;

    private:
        void ShowLevel() const;
        void SetButtonActive(const ObjectHandle& button, bool active) const;
        void SetMute(bool mute) const;

        ObjectHandle source;
        int volumeLevel = 0;
        ObjectHandle increaseButton;
        ObjectHandle decreaseButton;
        ObjectHandle bar;
        ObjectHandle muteButton;
        std::string lastTestSound;
    };
}
