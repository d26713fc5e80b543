// ChangeLevelOverlay: one fade overlay per button press.
#include "Flow/ChangeLevelOverlay.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/SystemCallButton.h"
#include "Flow/OverlayController.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    ChangeLevelOverlay::ChangeLevelOverlay() : Script(CT_ChangeLevelOverlay) {}

    GameComponent* ChangeLevelOverlay::Clone() const
    {
        ChangeLevelOverlay* copy = new ChangeLevelOverlay();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void ChangeLevelOverlay::Initialise()
    {
        Script::Initialise();
    }

    void ChangeLevelOverlay::Update()
    {
        SystemCallButton* button = GetOwner() ? GetOwner()->GetComponent<SystemCallButton>() : nullptr;
        if (made || !button || !button->GetFadeOut() || !button->GetMouseUpTriggered())
            return;
        made = true;
        GameObject* overlayObject = Instantiate("ChangeLevelOverlay", Vector2D(), 0.0f);
        OverlayController* overlay = overlayObject ? overlayObject->GetComponent<OverlayController>() : nullptr;
        if (!overlay)
            return;
        overlay->fadeInDuration = 0.0f;
        overlay->showDuration = 0.0f;
        overlay->fadeOutDuration = 1.0f;
        overlay->levelToLoad = button->GetFnStrParam();
        overlay->reversed = true;
        // Instantiating initialised it with the archetype's settings: it
        // starts again with these, and is updated once a frame as before.
        overlay->Begin();
    }
}
