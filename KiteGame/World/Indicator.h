// Indicator: switches a picked-up object's sprite to a grayscale look and
// back, and carries the tints that mark a legal and an illegal drop.
#pragma once

#include <array>
#include <string>

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class Indicator : public Script
    {
    public:
        using Tint = std::array<float, 4>;

        Indicator();
        ~Indicator() override;

        // Finds the owner's sprite.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Indicator"; }

        // Stops the animation and shows the grayscale texture as one column,
        // remembering what it had.
        void SetGrayscale();
        // The original textures and animation again, tint back to white.
        void SetOriginal();
        // Tints the sprite (the drag logic passes one of the two tints).
        void ApplyTint(const Tint& tint);

        Sprite* GetSprite() const;

        // Stored fields.
        std::string grayscaleTexture;
        std::string originalTexture;
        std::string originalBlend;
        Tint legalPlacement{0.0f, 0.0f, 0.0f, 0.0f};
        Tint illegalPlacement{0.0f, 0.0f, 0.0f, 0.0f};

        // Saved by SetGrayscale, restored by SetOriginal; copied by Clone.
        bool savedAnimated = false;
        unsigned savedColumns = 0;
    };
}
