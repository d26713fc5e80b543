// Indicator: grayscale look while an object is dragged, and the drop tints.
#include "World/Indicator.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    Indicator::Indicator() : Script(CT_Indicator) {}

    Indicator::~Indicator() = default;

    void Indicator::ListFields(FieldVisitor& v)
    {
        v.Add("grayscaleTexture", grayscaleTexture,
              FieldInfo{"Grayscale Texture Path", FieldWidget::ImageList}.Id("##GrayscalePath"));
        v.Add("originalTexture", originalTexture,
              FieldInfo{"Original Texture Path", FieldWidget::ImageList}.Id("##OriginalPath"));
        v.Add("originalBlend", originalBlend, HiddenField());
        const FieldInfo tint = FieldInfo{"", FieldWidget::ColourEdit}.Caption(FieldCaption::None);
        v.Add("legalPlacement", legalPlacement, tint);
        v.Add("illegalPlacement", illegalPlacement, tint);
    }

    GameComponent* Indicator::Clone() const
    {
        Indicator* copy = CloneListed(*this);
        copy->savedAnimated = savedAnimated;
        copy->savedColumns = savedColumns;
        return copy;
    }

    void Indicator::Initialise()
    {
        Script::Initialise();
    }

    Sprite* Indicator::GetSprite() const
    {
        // Looked up on use: the sprite lives as long as the owner.
        return GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
    }

    void Indicator::SetGrayscale()
    {
        Sprite* sprite = GetSprite();
        if (!sprite)
            return;
        savedAnimated = sprite->getAnimated();
        savedColumns = static_cast<unsigned>(sprite->GetColumn() > 0 ? sprite->GetColumn() : 0);
        sprite->SetAnimated(false);
        if (!grayscaleTexture.empty())
            sprite->InGameSetAll(grayscaleTexture, grayscaleTexture, 1, static_cast<int>(sprite->GetRow()));
    }

    void Indicator::SetOriginal()
    {
        Sprite* sprite = GetSprite();
        if (!sprite)
            return;
        sprite->SetAnimated(savedAnimated);
        if (!originalTexture.empty())
        {
            // A sheet is at least one column wide.
            const int columns = savedColumns > 0 ? static_cast<int>(savedColumns) : 1;
            sprite->InGameSetAll(originalTexture, originalBlend.empty() ? originalTexture : originalBlend, columns,
                                 static_cast<int>(sprite->GetRow()));
        }
        sprite->TintSet(1.0f, 1.0f, 1.0f, 1.0f);
    }

    void Indicator::ApplyTint(const Tint& tint)
    {
        if (Sprite* sprite = GetSprite())
            sprite->TintSet(tint);
    }
}
