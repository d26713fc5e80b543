// FastForwardButton: steps the game speed through 1, 2 and 4 times and shows
// the multiplier on the "SpeedMult" image.
#pragma once

#include <string>

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/ToggleActiveButton.h"

namespace KiteFramework
{
    class FastForwardButton : public ToggleActiveButton
    {
    public:
        FastForwardButton();
        FastForwardButton(const FastForwardButton& other);
        ~FastForwardButton() override;

        void Initialise() override;
        // The base button's six keys (the toggle button's are not stored),
        // then its own.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        // The panel is the listing's, not the toggle button's own.
        void RenderImGui() override { GameComponent::RenderImGui(); }
        const char* InspectorTitle() const override { return "FastForwardButton"; }
        void OnMouseDown() override;

        // Every frame the image follows the time factor, whoever changed it
        // (a speed button, the speed keys, a pause, a scene load).
        void Update() override;
        void FollowTimeFactor();

        const std::string& GetShownTexture() const { return shownTexture; }

        std::string mult1_;
        std::string mult2_;
        std::string mult3_;

    private:
        void Show(const std::string& path);

        ObjectHandle multiplier;
        std::string shownTexture;
    };
}
