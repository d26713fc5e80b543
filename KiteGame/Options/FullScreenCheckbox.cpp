// FullScreenCheckbox: toggles the window's full screen and its tick.
#include "Options/FullScreenCheckbox.h"

#include "Core/Engine/Engine.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/BaseButton.h"
#include "Core/Window/Win32System.h"
#include "Options/OptionsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    FullScreenCheckbox::FullScreenCheckbox() : Script(CT_FullScreenCheckbox) {}

    GameComponent* FullScreenCheckbox::Clone() const
    {
        FullScreenCheckbox* copy = new FullScreenCheckbox();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void FullScreenCheckbox::Initialise()
    {
        Script::Initialise();
        ticked = ENGINE && ENGINE->GetEngineStatus(ES_FULLSCREEN);
        ShowImages();
    }

    void FullScreenCheckbox::Update()
    {
        // Other buttons (the main menu's) change full screen too: the tick
        // shows the state as it is now, not as it was when the scene began.
        if (ENGINE && ENGINE->GetEngineStatus(ES_FULLSCREEN) != ticked)
        {
            ticked = !ticked;
            ShowImages();
        }
    }

    void FullScreenCheckbox::OnMouseUp()
    {
        // The box changes the window, not only its own picture.
        if (WINDOWSSYSTEM)
            WINDOWSSYSTEM->ToggleFullScreen();
        if (ENGINE)
        {
            ENGINE->ToggleEngineStatus(ES_FULLSCREEN);
            ticked = ENGINE->GetEngineStatus(ES_FULLSCREEN);
        }
        else
            ticked = !ticked;
        ShowImages();
    }

    void FullScreenCheckbox::ShowImages() const
    {
        const OptionsSystem* options = OptionsSystem::Instance();
        GameObject* owner = GetOwner();
        if (!options || !owner)
            return;
        const std::vector<std::string>& images = ticked ? options->checkBoxSprites.first : options->checkBoxSprites.second;
        if (images.size() < 3)
            return;
        if (Sprite* s = owner->GetComponent<Sprite>())
            s->InGameSet(images[0]);
        if (BaseButton* b = owner->GetComponent<BaseButton>())
        {
            b->SetDefaultPath(images[0]);
            b->SetMouseOverPath(images[1]);
            b->SetMouseDownPath(images[2]);
        }
    }
}
