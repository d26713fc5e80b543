// SystemCallButton: on release, one system call chosen by its type: pause,
// quit, change level, master volume up or down, full screen.
#pragma once

#include <cstdint>
#include <string>

#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class SystemCallButton : public BaseButton
    {
    public:
        enum ButtonType : std::uint32_t
        {
            PauseGame = 0,
            QuitGame = 1,
            SaveGame = 2,
            LoadGame = 3,
            ChangeLevel = 4,
            IncreaseVolume = 5,
            DecreaseVolume = 6,
            FullScreen = 7,
            Invalid = 8
        };

        SystemCallButton();
        // The listed fields; the copy has not been released yet.
        SystemCallButton(const SystemCallButton& other);
        ~SystemCallButton() override = default;

        // XMLSerialise and XMLUnSerialise are GameComponent's: the listing.
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "System Call Button"; }
        // The button keys, the type and, for a change of level, the scene
        // and the fade.
        void ListFields(FieldVisitor& fields) override;

        void SetButtonType(std::uint32_t type) { buttonType = type; }
        std::uint32_t GetButtonType() const { return buttonType; }
        void SetFnStrParam(std::string param) { fnStrParam = std::move(param); }
        std::string GetFnStrParam() const { return fnStrParam; }
        bool GetFadeOut() const { return fadeOut; }
        void SetFadeOut(bool fade) { fadeOut = fade; }
        bool GetMouseUpTriggered() const { return mouseUpTriggered; }

    protected:
        void OnMouseUp() override;

        // Stored (see ListFields).
        std::uint32_t buttonType = Invalid;
        std::string fnStrParam;
        // A change of level is left to a fade-out script that watches
        // mouseUpTriggered.
        bool fadeOut = false;

        // Run-time state.
        bool mouseUpTriggered = false;
    };
}
