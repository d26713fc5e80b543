// QuestSystem: the three star missions of a level. Drawn at the start of
// the level, counted from the events other game parts report, shown as rows
// in each star's panel with a progress bar; the third star wins the level.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"
#include "Economy/QuestEvents.h"
#include "Economy/QuestStageSource.h"

namespace KiteFramework
{
    class StallsBehaviour;

    class QuestSystem : public Script, public QuestStageSource, public QuestEvents,
                        public CurrentInstance<QuestSystem>
    {
    public:
        struct Mission
        {
            int kind = 0;
            unsigned progress = 0;
            unsigned target = 0;
        };

        QuestSystem();
        // The system made or started last (a clone does not take over).
        using CurrentInstance<QuestSystem>::Instance;

        void Initialise() override;
        void Update() override;
        void OnStart() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Quest System"; }

        void AddMission(int star, int kind, int target, float labelX, float& rowY);

        int GetStage() const override { return stage; }
        const std::vector<Mission>& GetMissions(int star) const { return missions[star]; }
        unsigned GetTotalTarget(int star) const { return totalTarget[star]; }
        // The bar's numerator: each mission counts at most its target.
        unsigned GetBarProgress(int star) const;
        unsigned GetMissionCount(int star) const { return missionCount[star]; }
        int GetStallCondition() const { return stallCondition.empty() ? 0 : stallCondition.front().second; }
        bool HasStarted() const { return started; }
        // The percentage text of a star as the bar shows it.
        static std::string PercentText(unsigned progress, unsigned target, float& ratio);

    private:
        // Reports reach the system in effect through QuestEvents.
        friend class QuestEvents;

        // A fresh system of the same type that is not in effect until it
        // starts.
        QuestSystem(const QuestSystem& other)
            : Script(other), QuestStageSource(other), CurrentInstance<QuestSystem>(other)
        {
        }

        void Handle(int event, int amount, StallsBehaviour* stall);
        void HandleFirstStar(int event, StallsBehaviour* stall);
        void HandleGoalStar(int star, int event, int amount);
        void StarCheck(int star);
        void CompleteStar(int star);
        void TickMission(int star, const Mission& m);
        void WriteProgress(int star, const Mission& m);
        bool& Done(int star, int kind);
        void UpdateConditionTick();
        void UpdateBars();
        std::size_t PlacedStalls() const;
        GameObject* MakeRow(const char* archetype, float x, float y, int star, const std::string& name);

        int stage = 0;
        std::array<std::vector<Mission>, 3> missions;
        std::array<std::map<int, bool>, 3> doneKinds;
        std::array<unsigned, 3> completed{};
        std::array<unsigned, 3> missionCount{};
        std::array<unsigned, 3> totalTarget{};
        unsigned bestUpgrade = 0;
        std::vector<std::pair<int, int>> stallCondition;
        bool conditionTicked = false;
        bool started = false;

        std::array<ObjectHandle, 3> stars;
        std::array<ObjectHandle, 3> bars;
        std::array<Vector2D, 3> barPositions;
        std::array<Vector2D, 3> barScales;
        std::array<ObjectHandle, 3> percentTexts;
        std::array<ObjectHandle, 3> panels;
        ObjectHandle conditionBox;
        ObjectHandle conditionTick;
    };
}
