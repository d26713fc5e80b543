// ContinueButton: back to full speed behind a removed win summary.
#include "Flow/ContinueButton.h"

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Objects/GameObject.h"
#include "Economy/SimulationSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    ContinueButton::ContinueButton()
    {
        SetComponentTypeId(CT_ContinueButton);
    }

    ContinueButton::ContinueButton(const ContinueButton& other) : SystemCallButton(other) {}

    GameComponent* ContinueButton::Clone() const
    {
        return new ContinueButton(*this);
    }

    void ContinueButton::Initialise()
    {
        SystemCallButton::Initialise();
        winSummary = ObjectHandle(FACTORY ? FACTORY->FindObjByName("WinSummary") : nullptr);
    }

    void ContinueButton::OnMouseUp()
    {
        if (SimulationSystem* sim = SimulationSystem::Instance())
            sim->endState = SimulationSystem::Continued;
        if (ENGINE)
            ENGINE->SetTimeFactor(1.0f);
        if (GameObject* summary = winSummary.Get())
            summary->Destroy();
    }
}
