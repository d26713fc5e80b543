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
        SystemCallButton(const SystemCallButton& other);
        SystemCallButton& operator=(const SystemCallButton& other);
        ~SystemCallButton() override = default;

        void XMLUnSerialise(XMLElement* firstField) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        void SetButtonType(std::uint32_t type) { buttonType = type; }
        std::uint32_t GetButtonType() const { return buttonType; }
        void SetFnStrParam(std::string param) { fnStrParam = std::move(param); }
        std::string GetFnStrParam() const { return fnStrParam; }
        bool GetFadeOut() const { return fadeOut; }
        void SetFadeOut(bool fade) { fadeOut = fade; }
        bool GetMouseUpTriggered() const { return mouseUpTriggered; }

    protected:
        void OnMouseUp() override;

        std::uint32_t buttonType = Invalid;
        std::string fnStrParam;
        // A change of level is left to a fade-out script that watches
        // mouseUpTriggered.
        bool fadeOut = false;
        bool mouseUpTriggered = false;
    };
}
