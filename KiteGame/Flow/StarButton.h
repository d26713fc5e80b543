// StarButton: the button on a mission star. Hovering shows the star's
// pop-up; clicking opens its mission panel and closes the other two.
#pragma once

#include <array>
#include <string>

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/ToggleActiveButton.h"

namespace KiteFramework
{
    class StarButton : public ToggleActiveButton
    {
    public:
        StarButton();
        StarButton(const StarButton& other);

        void Initialise() override;
        // Its own key, then the toggle button's: the order of its files.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        // The name of the pop-up object shown while hovering.
        std::string objToHover;

        void OnMouseDown() override;
        void OnMouseUp() override;
        void OnMouseExit() override;
        void OnMouseOver() override;

    private:
        ObjectHandle hoverObject;
        std::array<ObjectHandle, 3> panels;
    };
}
