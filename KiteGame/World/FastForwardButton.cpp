// FastForwardButton: the 1-2-4 cycle and its image.
#include "World/FastForwardButton.h"

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    FastForwardButton::FastForwardButton()
    {
        SetComponentTypeId(CT_FastForwardButton);
    }

    FastForwardButton::FastForwardButton(const FastForwardButton& other) : ToggleActiveButton(other)
    {
        CopyListedFields(other, *this);
    }

    FastForwardButton::~FastForwardButton() = default;

    GameComponent* FastForwardButton::Clone() const
    {
        return new FastForwardButton(*this);
    }

    void FastForwardButton::Initialise()
    {
        ToggleActiveButton::Initialise();
        multiplier = ObjectHandle(FACTORY ? FACTORY->FindObjByName("SpeedMult") : nullptr);
        FollowTimeFactor();
    }

    void FastForwardButton::ListFields(FieldVisitor& v)
    {
        BaseButton::ListFields(v);
        v.Add("mult1_", mult1_, {"Multiplier 1 Sprite", FieldWidget::ImagePath});
        v.Add("mult2_", mult2_, {"Multiplier 2 Sprite", FieldWidget::ImagePath});
        v.Add("mult3_", mult3_, {"Multiplier 3 Sprite", FieldWidget::ImagePath});
    }

    void FastForwardButton::OnMouseDown()
    {
        // A plain button press: the toggling of the base never runs.
        BaseButton::OnMouseDown();
        if (!ENGINE)
            return;
        const float f = ENGINE->GetTimeFactor();
        if (f < 4.0f)
        {
            // At factor 0 (paused) the factor stays 0.
            ENGINE->SetTimeFactor(f * 2.0f);
            FollowTimeFactor();
            return;
        }
        ENGINE->SetTimeFactor(1.0f);
        FollowTimeFactor();
    }

    void FastForwardButton::Show(const std::string& path)
    {
        shownTexture = path;
        if (GameObject* image = multiplier.Get())
            if (Sprite* s = image->GetComponent<Sprite>())
                s->InGameSet(path);
    }

    void FastForwardButton::Update()
    {
        FollowTimeFactor();
    }

    void FastForwardButton::FollowTimeFactor()
    {
        const float f = ENGINE ? ENGINE->GetTimeFactor() : 1.0f;
        const std::string* wanted = f == 1.0f ? &mult1_ : f == 2.0f ? &mult2_ : f == 4.0f ? &mult3_ : nullptr;
        if (wanted && *wanted != shownTexture)
            Show(*wanted);
    }

}
