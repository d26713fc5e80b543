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
        BaseButton::ListFields(v);
        v.Add("buttonType", buttonType, {"Function list", FieldWidget::Input, 1.0f});
        if (buttonType == ChangeLevel)
        {
            v.Add("buttonFnStringParam", fnStrParam, {"Level name"});
            v.Add("fadeOut", fadeOut, {"Fade into black?", FieldWidget::Checkbox});
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
