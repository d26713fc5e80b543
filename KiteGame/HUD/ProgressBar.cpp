// ProgressBar: money, likes and upgrade bars.
#include "HUD/ProgressBar.h"

#include "Building/UpgradeBehaviour.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        const char* const kinds[] = {"Money", "Likes", "Upgrade", "None"};

        float PixelsPerUnit()
        {
            return GRAPHICS ? static_cast<float>(GRAPHICS->pixelsPerUnit) : 100.0f;
        }
    }

    ProgressBar::ProgressBar() : Script(CT_ProgressBar) {}

    void ProgressBar::ListFields(FieldVisitor& v)
    {
        v.Add("type", type, FieldInfo{"Progress Bar List"}.Id("##Progress Bar list").Choices(kinds, 4));
        v.Add("maxBarXScale", maxBarXScale,
              FieldInfo{"Maximum Scale.X Progress Bar", FieldWidget::Input, 0.0f}.Id("##maxXScaleBar"));
        v.Add("barHeight", barHeight, FieldInfo{"Height Progress Bar", FieldWidget::Input, 0.0f}.Id("##heightBar"));
    }

    GameComponent* ProgressBar::Clone() const
    {
        return CloneListed(*this);
    }

    void ProgressBar::Initialise()
    {
        Script::Initialise();
        if (SimulationSystem* sim = SimulationSystem::Instance())
        {
            if (type == Money)
                goal = static_cast<float>(sim->goalMoney);
            else if (type == Likes)
                goal = static_cast<float>(sim->goalLikes);
        }
        if (transform)
            startPosition = transform->GetTransVec();
    }

    void ProgressBar::SetUpgradeSource(UpgradeBehaviour* source, float goalSeconds)
    {
        upgradeSource = ObjectHandle(source ? source->GetOwner() : nullptr);
        goal = goalSeconds;
    }

    void ProgressBar::Update()
    {
        // A hidden bar waits until it is shown.
        if (!GetOwner() || !GetOwner()->isActive())
            return;
        if (type == Money || type == Likes)
        {
            LevelStatsSystem* stats = LevelStatsSystem::Instance();
            if (!stats || !SimulationSystem::Instance())
                return;
            const float value = type == Money ? stats->Money() : stats->Likes;
            // A goal of 0 or less is reached at once: the bar is full.
            if (goal <= 0.0f || value > static_cast<float>(static_cast<int>(goal)))
                progress = 1.0f;
            else
                progress = value / goal;
        }
        else if (type == Upgrade)
            UpdateUpgrade();
        else
            return;
        ShowProgress();
    }

    void ProgressBar::UpdateUpgrade()
    {
        GameObject* sourceObject = upgradeSource.Get();
        UpgradeBehaviour* source = sourceObject ? sourceObject->GetComponent<UpgradeBehaviour>() : nullptr;
        if (!source)
            return;
        progress = goal > 0.0f ? source->upgradeTimer / goal : 1.0f;
        if (progress >= 1.0f)
            if (GameObject* parent = GetOwner() ? GetOwner()->GetParent() : nullptr)
                parent->Destroy();
    }

    void ProgressBar::ShowProgress()
    {
        if (!transform)
            return;
        transform->SetScale(maxBarXScale * progress, barHeight);
        const float shift = PixelsPerUnit() * (maxBarXScale - maxBarXScale * progress) * 0.25f;
        transform->SetTrans(startPosition.x - shift, startPosition.y);
    }
}
