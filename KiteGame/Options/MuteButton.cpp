// MuteButton: the mute toggle and its overlay.
#include "Options/MuteButton.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Options/OptionsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    MuteButton::MuteButton() : Script(CT_MuteButton) {}

    GameComponent* MuteButton::Clone() const
    {
        MuteButton* copy = new MuteButton();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void MuteButton::Initialise()
    {
        Script::Initialise();
        if (OptionsSystem* options = OptionsSystem::Instance())
            options->RegisterMuteButton(this);
    }

    void MuteButton::OnStart()
    {
        const Vector2D at = transform ? transform->GetTransVec() : Vector2D();
        GameObject* o = Instantiate("MuteOverlay", at, 0.0f);
        overlay = ObjectHandle(o);
        if (o && GetOwner())
        {
            o->AddParent(GetOwner());
            // Shown with its button: not while the options panel is closed.
            if (!GetOwner()->isActive())
                o->setActive(false);
        }
        ShowOverlay(AUDIO && AUDIO->GetMasterMute());
    }

    void MuteButton::OnMouseUp()
    {
        const bool mute = !(AUDIO && AUDIO->GetMasterMute());
        if (AUDIO)
            AUDIO->SetMasterMute(mute);
        ShowOverlay(mute);
    }

    void MuteButton::ShowOverlay(bool shown) const
    {
        if (Sprite* s = overlay.Get<Sprite>())
            s->ToggleRender(shown);
    }

    bool MuteButton::IsOverlayShown() const
    {
        const Sprite* s = overlay.Get<Sprite>();
        return s && s->IsRenderable();
    }
}
