// ContinueButton: the won level's button that lets play go on.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/SystemCallButton.h"

namespace KiteFramework
{
    class ContinueButton : public SystemCallButton
    {
    public:
        ContinueButton();
        ContinueButton(const ContinueButton& other);

        void Initialise() override;
        GameComponent* Clone() const override;
        void RenderImGui() override;

        void OnMouseUp() override;

    private:
        ObjectHandle winSummary;
    };
}
