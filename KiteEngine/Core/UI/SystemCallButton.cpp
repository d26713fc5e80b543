// SystemCallButton: the calls made on release.
#include "Core/UI/SystemCallButton.h"

#include "Core/Audio/AudioEngine.h"
#include "Core/Engine/Engine.h"
#include "Core/UI/UISystem.h"
#include "Core/Window/Win32System.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteFramework
{
    namespace
    {
        // One volume button press.
        constexpr float kVolumeStep = 0.2f;
    }

    SystemCallButton::SystemCallButton() : BaseButton(CT_SystemCallButton) {}

    // The fade setting is copied too: an instance or duplicate that dropped
    // it would change level at once and lose the setting when saved. A copy
    // has not been released yet.
    SystemCallButton::SystemCallButton(const SystemCallButton& other)
        : BaseButton(other), buttonType(other.buttonType), fnStrParam(other.fnStrParam), fadeOut(other.fadeOut)
    {
    }

    SystemCallButton& SystemCallButton::operator=(const SystemCallButton& other)
    {
        if (this == &other)
            return *this;
        BaseButton::operator=(other);
        buttonType = other.buttonType;
        fnStrParam = other.fnStrParam;
        fadeOut = other.fadeOut;
        mouseUpTriggered = other.mouseUpTriggered;
        return *this;
    }

    GameComponent* SystemCallButton::Clone() const
    {
        return new SystemCallButton(*this);
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

    void SystemCallButton::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        BaseButton::XMLSerialise(element, document);
        WriteElement(document, element, buttonType, "buttonType");
        if (buttonType == ChangeLevel)
        {
            WriteElement(document, element, fnStrParam, "buttonFnStringParam");
            WriteElement(document, element, fadeOut, "fadeOut");
        }
    }

    void SystemCallButton::XMLUnSerialise(XMLElement* cursor)
    {
        BaseButton::XMLUnSerialiseBase(cursor);
        QueryNextElement(cursor, buttonType);
        if (buttonType == ChangeLevel)
        {
            QueryNextElement(cursor, fnStrParam);
            QueryNextElement(cursor, fadeOut);
        }
    }
}
