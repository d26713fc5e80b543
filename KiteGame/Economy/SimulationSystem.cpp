// SimulationSystem: the spawning clock, the likes and money texts, and the
// end of a level.
#include "Economy/SimulationSystem.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/SystemCallButton.h"
#include "Economy/AmountText.h"
#include "Economy/CustomerCrowd.h"
#include "Economy/DaylightSource.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/QuestStageSource.h"
#include "Economy/LevelFlags.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        constexpr float WinTimeFactor = 0.1f;
        constexpr int AllStarsStage = 3;

        GameObject* FindNamed(const char* name)
        {
            return FACTORY ? FACTORY->FindObjByName(name) : nullptr;
        }

        std::string CurrentScene()
        {
            return SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
        }

        void SetTimeFactor(float factor)
        {
            if (ENGINE)
                ENGINE->SetTimeFactor(factor);
        }

        // The summary's "NextButton": its SystemCallButton gets the scene to
        // load and, when text is given, its Text that text.
        void PointNextButton(const std::string& summary, const std::string& scene, const char* text)
        {
            GameObject* next = FindNamed("NextButton");
            SystemCallButton* button = next ? next->GetComponent<SystemCallButton>() : nullptr;
            if (!button)
            {
                ReportDataError("Archetypes/" + summary, "no object \"NextButton\" with a SystemCallButton");
                return;
            }
            button->SetFnStrParam(scene);
            if (text)
                if (Text* label = next->GetComponent<Text>())
                    label->SetText(text);
        }
    }

    SimulationSystem::SimulationSystem() : Script(CT_SimulationSystem) {}

    SimulationSystem::SimulationSystem(const SimulationSystem& other)
        : Script(other), minimumSpawnTime(other.minimumSpawnTime), endState(other.endState),
          spawnCountdown(other.spawnCountdown), likesText(other.likesText), moneyText(other.moneyText),
          maintenanceText(other.maintenanceText), ended(other.ended) {}

    void SimulationSystem::ListFields(FieldVisitor& v)
    {
        v.Add("treshold", treshold, FieldInfo{"Time Threshold", FieldWidget::Input, 0.0f}.Id("##Threshold"));
        v.Add("goalLikes", goalLikes, FieldInfo{"Goal Likes", FieldWidget::Input, 1.0f}.Id("##GoalLikes"));
        v.Add("goalMoney", goalMoney, FieldInfo{"Goal Money", FieldWidget::Input, 1.0f}.Id("##GoalMoney"));
        v.Add("secondGoalLikes", secondGoalLikes,
              FieldInfo{"Second Star Goal Likes", FieldWidget::Input, 1.0f}.Id("##SecondGoalLikes"));
        v.Add("secondGoalMoney", secondGoalMoney,
              FieldInfo{"Second Star Goal Money", FieldWidget::Input, 1.0f}.Id("##SecondGoalMoney"));
        v.Add("loseMoney", loseMoney,
              FieldInfo{"Losing condition: Less than (Money)", FieldWidget::Input, 1.0f}.Id("##LoseMoney"));
    }

    void SimulationSystem::FieldEdited(const FieldRef& field)
    {
        // Daylight never goes above 1, so a higher threshold is never met.
        if (field.member == &treshold && treshold > 1.0f)
            treshold = 1.0f;
    }

    GameComponent* SimulationSystem::Clone() const
    {
        SimulationSystem* copy = new SimulationSystem(*this);
        CopyListedFields(*this, *copy);
        return copy;
    }

    void SimulationSystem::Initialise()
    {
        Script::Initialise();
        spawnCountdown = minimumSpawnTime;
        likesText = ObjectHandle(FindNamed("LikesText"));
        moneyText = ObjectHandle(FindNamed("MoneyText"));
        maintenanceText = ObjectHandle(FindNamed("MaintenanceCostText"));
    }

    Text* SimulationSystem::GetMaintenanceText() const
    {
        return maintenanceText.Get<Text>();
    }

    void SimulationSystem::SetMaintenanceText(const std::string& text)
    {
        if (Text* t = GetMaintenanceText())
            t->SetText(text);
    }

    void SimulationSystem::Update()
    {
        if (endState == Lost)
            return;
        if (!ended)
            CheckEnd();
        if (endState == Won)
            Win();
        else if (endState == Lost)
            Lose();
        UpdateTexts();
        SpawnClock();
    }

    void SimulationSystem::CheckEnd()
    {
        const LevelStatsSystem* stats = LevelStatsSystem::Instance();
        if (QuestStage() == AllStarsStage)
            endState = Won;
        else if (!stats || static_cast<float>(loseMoney) <= stats->Money())
            endState = Running;
        else
            endState = Lost;
    }

    void SimulationSystem::Win()
    {
        ended = true;
        SetTimeFactor(WinTimeFactor);
        if (!Instantiate("WinSummary", Vector2D(0.0f, 0.0f), 0.0f))
            ReportDataError("Archetypes/WinSummary", "no such archetype; the level is won without a summary");
        const std::string scene = CurrentScene();
        std::string next;
        const char* text = nullptr;
        if (scene == "Level1")
        {
            GetLevelFlags()[1] = true;
            next = "Level2";
        }
        else if (scene == "Level2")
        {
            GetLevelFlags()[2] = true;
            next = "Level3";
        }
        else if (scene == "Level3")
        {
            next = "MainMenu";
            text = "Completed!";
        }
        PointNextButton("WinSummary", next, text);
        endState = Running;
    }

    void SimulationSystem::Lose()
    {
        SetTimeFactor(0.0f);
        if (!Instantiate("LoseSummary", Vector2D(0.0f, 0.0f), 0.0f))
            ReportDataError("Archetypes/LoseSummary", "no such archetype; the level is lost without a summary");
        PointNextButton("LoseSummary", CurrentScene(), "Retry");
    }

    void SimulationSystem::UpdateTexts()
    {
        const LevelStatsSystem* stats = LevelStatsSystem::Instance();
        if (!stats)
            return;
        if (Text* likes = likesText.Get<Text>())
            likes->SetText(ShortAmountText(stats->Likes));
        if (Text* money = moneyText.Get<Text>())
            money->SetText(ShortAmountText(stats->Money()));
    }

    void SimulationSystem::SpawnClock()
    {
        const float daylight = Daylight();
        if (daylight < treshold)
            return;
        if (spawnCountdown < 0.0f)
        {
            // In full darkness the clock waits for light rather than
            // dividing by zero.
            if (daylight <= 0.0f)
                return;
            CustomerCrowd::SpawnOne();
            spawnCountdown = minimumSpawnTime / daylight;
        }
        else
        {
            const float factor = ENGINE ? ENGINE->GetTimeFactor() : 1.0f;
            spawnCountdown -= fc.getFixedDeltaTime() * factor;
        }
    }

    float SimulationSystem::Daylight() const
    {
        const DaylightSource* source = DaylightSource::Current();
        return source ? source->GetDaylight() : 1.0f;
    }

    int SimulationSystem::QuestStage() const
    {
        const QuestStageSource* source = QuestStageSource::Current();
        return source ? source->GetStage() : 0;
    }
}
