// SystemCallButton: the calls made on release.
#include "Core/UI/SystemCallButton.h"

#include "Core/Audio/AudioEngine.h"
#include "Core/Engine/Engine.h"
#include "Core/Objects/FieldOps.h"
#include "Core/UI/UISystem.h"
#include "Core/Window/Win32System.h"

namespace KiteFramework
{
    namespace
    {
        // One volume button press.
        constexpr float kVolumeStep = 0.2f;
    }

    SystemCallButton::SystemCallButton() : BaseButton(CT_SystemCallButton) {}

    // The fade setting is copied too: an instance or duplicate that dropped
    // it would change level at once and lose the setting when saved.
    SystemCallButton::SystemCallButton(const SystemCallButton& other) : BaseButton(other)
    {
        CopyListedFields(other, *this);
    }

    GameComponent* SystemCallButton::Clone() const
    {
        return CloneListed(*this);
    }

    void SystemCallButton::ListFields(FieldVisitor& v)
    {
        // The panel names the types in their order; 8 and above are invalid.
        static const char* const kinds[] = {"Pause Game",      "Quit Game",       "Save Game",
                                            "Load Game",       "Change Level",    "Increase Volume",
                                            "Decrease Volume", "FullScreen",      "Invalid"};
        BaseButton::ListFields(v);
        v.Add("buttonType", buttonType,
              FieldInfo{"Function list"}.Id("##Function list").Choices(kinds, 9).Caption(FieldCaption::Plain));
        if (buttonType == ChangeLevel)
        {
            v.Add("buttonFnStringParam", fnStrParam,
                  FieldInfo{"Level name", FieldWidget::EnterText}.Id("##level").Caption(FieldCaption::Plain));
            v.Add("fadeOut", fadeOut,
                  FieldInfo{"Fade into black?", FieldWidget::Checkbox}.Id("##fadeOut_").Caption(FieldCaption::Plain));
        }
    }

    void SystemCallButton::OnMouseUp()
    {
        BaseButton::OnMouseUp();
        if (!buttonActive)
            return;
        mouseUpTriggered = true;
        switch (buttonType)
        {
        case PauseGame:
            if (UISYSTEM)
                UISYSTEM->PauseGame();
            break;
        case QuitGame:
            if (UISYSTEM)
                UISYSTEM->QuitGame();
            break;
        case SaveGame:
            if (UISYSTEM)
                UISYSTEM->SaveLevel();
            break;
        case LoadGame:
            if (UISYSTEM)
                UISYSTEM->LoadLevel();
            break;
        case ChangeLevel:
            if (!fadeOut && UISYSTEM)
                UISYSTEM->ChangeLevel(fnStrParam);
            break;
        case IncreaseVolume:
            if (AUDIO)
            {
                const float v = AUDIO->MasterGet();
                if (v < 1.0f)
                    AUDIO->MasterSet(v + kVolumeStep);
            }
            break;
        case DecreaseVolume:
            if (AUDIO)
            {
                const float v = AUDIO->MasterGet();
                if (v > 0.000001f)
                    AUDIO->MasterSet(v - kVolumeStep);
            }
            break;
        case FullScreen:
            if (WINDOWSSYSTEM)
                WINDOWSSYSTEM->ToggleFullScreen();
            if (ENGINE)
                ENGINE->ToggleEngineStatus(ES_FULLSCREEN);
            break;
        default:
            break;
        }
    }
}
