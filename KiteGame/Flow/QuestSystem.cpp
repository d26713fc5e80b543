// QuestSystem: mission draw, progress counting, star completion and bars.
#include "Flow/QuestSystem.h"

#include <iostream>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/BaseButton.h"
#include "Economy/SimulationSystem.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        const char* const PanelNames[3] = {"StarOnePanel", "StarTwoPanel", "StarThreePanel"};
        const char* const CompletedStar = "Mission/Mission_Star_Completed.png";
        const char* const ActiveStar = "Mission/Mission_Star_Active.png";
        constexpr int FirstStarMissions[3] = {2, 3, 4};

        // A level's column of the mission table; -1 for any other scene.
        int LevelColumn(const std::string& scene)
        {
            if (scene == "Level1" || scene == "TutorialLevel")
                return 0;
            if (scene == "Level2")
                return 1;
            if (scene == "Level3")
                return 2;
            return -1;
        }

        struct Range
        {
            int lo, hi;
        };
        // Per kind 0-3 and per level column: the target range (serving in
        // steps of 25 customers).
        constexpr Range Targets[4][3] = {
            {{1, 1}, {5, 7}, {8, 10}},
            {{1, 2}, {2, 4}, {4, 8}},
            {{1, 2}, {2, 4}, {4, 8}},
            {{2, 3}, {3, 6}, {4, 9}},
        };
        constexpr Range StallConditions[3] = {{1, 2}, {2, 4}, {4, 8}};
        constexpr float LabelX[4] = {-150.0f, -190.0f, -200.0f, -90.0f};

        GameObject* FindNamed(const std::string& name)
        {
            return FACTORY ? FACTORY->FindObjByName(name) : nullptr;
        }

        std::string CheckBoxName(int star, int kind)
        {
            static const char* const first[4] = {"QS_1_SERVE_CHECKBOX", "QS_1_BUILDSTALLS_CHECKBOX",
                                                 "QS_1_BUILDSEATS_CHECKBOX", "QS_1_UPGRADE_CHECKBOX"};
            if (star == 0)
                return first[kind];
            const std::string prefix = star == 1 ? "QS_2_" : "QS_3_";
            return prefix + (kind == QuestSystem::MoneyEarned ? "MONEY_CHECKBOX" : "LIKES_CHECKBOX");
        }

        std::string ProgressName(int star, int kind)
        {
            static const char* const first[4] = {"QS_1_SERVE", "QS_1_BUILDSTALLS", "QS_1_BUILDSEATS",
                                                 "QS_1_UPGRADE"};
            if (star == 0)
                return first[kind];
            const std::string prefix = star == 1 ? "QS_2_" : "QS_3_";
            return prefix + (kind == QuestSystem::MoneyEarned ? "MONEY" : "LIKES");
        }

        std::string LabelText(int star, int kind, unsigned target)
        {
            const std::string t = std::to_string(target);
            if (star == 0)
            {
                static const char* const first[3] = {"Serve Customers", "Build Stalls", "Build Seats"};
                return kind == 3 ? "Upgrade a stall " + t + " times" : first[kind];
            }
            // Sales and likes count only while their star is the one being
            // played: the row says they are new, not the HUD's totals.
            const std::string lead = star == 1 ? "and " : "";
            if (kind == QuestSystem::MoneyEarned)
                return lead + "earn $" + t + " in new sales";
            return lead + "win " + t + " new likes";
        }

        std::string AddedLine(int star, int kind, unsigned target)
        {
            const std::string t = std::to_string(target);
            const std::string head = "Mission " + std::to_string(star + 1) + ": ";
            switch (kind)
            {
            case 0: return head + "Serve " + t + " customers added.";
            case 1: return head + "Build " + t + " stalls added.";
            case 2: return head + "Build " + t + " seats added.";
            case 3: return head + "Upgrade a stall " + t + " times added.";
            case 5: return head + "Earn $" + t + " added.";
            default: return head + "Earn " + t + " likes added.";
            }
        }

        const char* StepLabel(int kind)
        {
            switch (kind)
            {
            case 0: return "SERVE";
            case 1: return "BUILD";
            case 2: return "SEATS";
            case 3: return "UPGRADE";
            case 5: return "MONEY";
            default: return "LIKES";
            }
        }

        void SetText(GameObject* o, const std::string& s)
        {
            if (Text* t = o ? o->GetComponent<Text>() : nullptr)
                t->SetText(s);
        }
    }

    QuestSystem::QuestSystem() : Script(CT_QuestSystem) {}

    GameComponent* QuestSystem::Clone() const
    {
        // The missions are drawn anew at each start, so a copy starts fresh.
        return new QuestSystem(*this);
    }

    void QuestSystem::Initialise()
    {
        Script::Initialise();
        CurrentInstance<QuestSystem>::BecomeCurrent();
        QuestStageSource::TakeEffect();
        for (int i = 0; i < 3; ++i)
        {
            const std::string digit = std::to_string(i + 1);
            stars[i] = ObjectHandle(FindNamed("Star" + digit));
            GameObject* bar = FindNamed("InnerProgressionBar" + digit);
            bars[i] = ObjectHandle(bar);
            if (Transform* t = bar ? bar->GetComponent<Transform>() : nullptr)
            {
                barPositions[i] = t->GetTransVec();
                barScales[i] = t->GetScaleVec();
            }
            percentTexts[i] = ObjectHandle(FindNamed("StarPopUp" + digit));
            panels[i] = ObjectHandle(FindNamed(PanelNames[i]));
        }
    }

    GameObject* QuestSystem::MakeRow(const char* archetype, float x, float y, int star, const std::string& name)
    {
        GameObject* row = Instantiate(archetype, Vector2D(x, y), 0.0f);
        if (!row)
            return nullptr;
        if (!name.empty())
            row->setName(name);
        if (GameObject* panel = panels[star].Get())
        {
            row->setActive(panel->isActive());
            row->AddParent(panel);
        }
        return row;
    }

    void QuestSystem::OnStart()
    {
        missionCount[0] = 0;
        missionCount[1] = 0;
        const std::string scene = SCENEMNGR ? SCENEMNGR->GetCurrentSceneName() : std::string();
        const int column = LevelColumn(scene);
        if (column >= 0)
        {
            missionCount[0] = FirstStarMissions[column];
            missionCount[1] = 1;
        }
        float firstY = 150.0f, secondY = 0.0f, thirdY = 150.0f;

        const SimulationSystem* sim = SimulationSystem::Instance();
        while (missions[0].size() < missionCount[0])
        {
            const int kind = GENRANDNUM::GenRandInt(0, 3);
            bool taken = false;
            for (const Mission& m : missions[0])
                taken = taken || m.kind == kind;
            if (taken)
                continue;
            const Range r = Targets[kind][column];
            int target = GENRANDNUM::GenRandInt(r.lo, r.hi);
            if (kind == Served)
                target *= 25;
            AddMission(0, kind, target, LabelX[kind], firstY);
            std::cout << AddedLine(0, kind, target) << std::endl;
        }
        while (missions[1].size() < missionCount[1])
        {
            const int kind = GENRANDNUM::GenRandInt(MoneyEarned, LikesGained);
            const int target = sim ? (kind == MoneyEarned ? sim->secondGoalMoney : sim->secondGoalLikes) : 0;
            AddMission(1, kind, target, 0.0f, secondY);
            std::cout << AddedLine(1, kind, target) << std::endl;
        }

        const int n = column >= 0 ? GENRANDNUM::GenRandInt(StallConditions[column].lo, StallConditions[column].hi) : 0;
        stallCondition.emplace_back(StallsHeld, n);
        if (GameObject* box = MakeRow("CheckBox", 350.0f, 140.0f, 1, "QS_2_CONDITIONAL_CHECKBOX"))
            conditionBox = ObjectHandle(box);
        GameObject* label = MakeRow("GeneralText", -185.0f, 150.0f, 1, "");
        SetText(label, n == 1 ? std::string("Have 1 stall") : "Have " + std::to_string(n) + " stalls");

        const int goalMoney = sim ? sim->goalMoney : 0;
        const int goalLikes = sim ? sim->goalLikes : 0;
        AddMission(2, MoneyEarned, goalMoney, -150.0f, thirdY);
        std::cout << AddedLine(2, MoneyEarned, goalMoney) << std::endl;
        AddMission(2, LikesGained, goalLikes, -150.0f, thirdY);
        std::cout << AddedLine(2, LikesGained, goalLikes) << std::endl;
        missionCount[2] = 2;
        // Only what happens from now on counts: stalls and seats stored in
        // the level registered before this.
        started = true;
    }

    void QuestSystem::AddMission(int star, int kind, int target, float labelX, float& rowY)
    {
        if (star < 0 || star > 2)
            return;
        const unsigned t = target > 0 ? static_cast<unsigned>(target) : 0u;
        missions[star].push_back(Mission{kind, 0, t});
        MakeRow("CheckBox", 350.0f, rowY - 10.0f, star, CheckBoxName(star, kind));
        if (star == 0)
            SetText(MakeRow("GeneralText", labelX, rowY, star, ""), LabelText(star, kind, t));
        else if (GameObject* label = MakeRow("GeneralText", -300.0f, rowY, star, ""))
        {
            SetText(label, LabelText(star, kind, t));
            if (Text* text = label->GetComponent<Text>())
                text->SetCentralise(false);
        }
        rowY -= 50.0f;
        SetText(MakeRow("GeneralText", 0.0f, rowY, star, ProgressName(star, kind)), "0/" + std::to_string(t));
        rowY -= 50.0f;
        totalTarget[star] += t;
    }

    int QuestEvents::ToAmount(float value)
    {
        if (!(value > -2147483520.0f))
            return value > 0.0f ? 2147483647 : (value < 0.0f ? -2147483647 - 1 : 0);
        if (value >= 2147483520.0f)
            return 2147483647;
        return static_cast<int>(value);
    }

    void QuestEvents::UpdateQuest(int event, int amount, StallsBehaviour* stall)
    {
        QuestSystem* quest = QuestSystem::Instance();
        if (quest && quest->started)
            quest->Handle(event, amount, stall);
    }

    void QuestSystem::Handle(int event, int amount, StallsBehaviour* stall)
    {
        switch (stage)
        {
        case 0: HandleFirstStar(event, stall); break;
        case 1:
            for (const auto& condition : stallCondition)
                if (static_cast<std::size_t>(condition.second) <= PlacedStalls())
                    HandleGoalStar(1, event, amount);
            break;
        case 2: HandleGoalStar(2, event, amount); break;
        default: break;
        }
    }

    bool& QuestSystem::Done(int star, int kind)
    {
        return doneKinds[star][kind];
    }

    void QuestSystem::HandleFirstStar(int event, StallsBehaviour* stall)
    {
        Mission* found = nullptr;
        for (Mission& m : missions[0])
            if (m.kind == event)
            {
                found = &m;
                break;
            }
        if (!found)
        {
            // A star without missions is done at its first event.
            StarCheck(0);
            return;
        }
        Mission& m = *found;
        bool& done = Done(0, m.kind);
        if (event == StallUpgraded)
        {
            if (!stall || bestUpgrade > m.target)
                return;
            const unsigned u = stall->level > 0 ? stall->level - 1 : 0;
            if (u < m.target && u > bestUpgrade && !done)
            {
                bestUpgrade = u;
                m.progress = u;
                WriteProgress(0, m);
                std::cout << "UPGRADE: " << m.progress << "/" << m.target << std::endl;
            }
            if (u >= m.target && !done)
            {
                bestUpgrade = u;
                m.progress = m.target;
                WriteProgress(0, m);
                TickMission(0, m);
                done = true;
                completed[0] += 1;
                std::cout << "UPGRADE DONE" << std::endl;
            }
        }
        else
        {
            if (m.progress < m.target && !done)
            {
                m.progress += 1;
                WriteProgress(0, m);
                std::cout << StepLabel(m.kind) << ": " << m.progress << "/" << m.target << std::endl;
            }
            if (m.progress >= m.target && !done)
            {
                WriteProgress(0, m);
                TickMission(0, m);
                done = true;
                completed[0] += 1;
                std::cout << StepLabel(m.kind) << " DONE" << std::endl;
            }
        }
        StarCheck(0);
    }

    void QuestSystem::HandleGoalStar(int star, int event, int amount)
    {
        for (Mission& m : missions[star])
        {
            if (m.kind != event)
                continue;
            bool& done = Done(star, m.kind);
            if (m.progress < m.target && !done)
            {
                // Amounts only ever add: a negative report changes nothing.
                if (amount > 0)
                    m.progress += static_cast<unsigned>(amount);
                WriteProgress(star, m);
                std::cout << StepLabel(m.kind) << ": " << m.progress << "/" << m.target << std::endl;
            }
            if (m.progress >= m.target && !done)
            {
                WriteProgress(star, m);
                TickMission(star, m);
                done = true;
                completed[star] += 1;
            }
            break;
        }
        StarCheck(star);
    }

    void QuestSystem::StarCheck(int star)
    {
        if (stage == star && completed[star] == missionCount[star])
            CompleteStar(star);
    }

    void QuestSystem::CompleteStar(int star)
    {
        static const char* const lines[3] = {"-----FIRST STAR MISSION DONE-----", "-----SECOND STAR MISSION DONE-----",
                                             "-----THIRD STAR MISSION DONE-----"};
        std::cout << lines[star] << std::endl;
        for (Mission& m : missions[star])
            if (m.progress < m.target)
                m.progress = m.target;
        if (GameObject* s = stars[star].Get())
        {
            if (Sprite* sprite = s->GetComponent<Sprite>())
                sprite->InGameSet(CompletedStar);
            if (BaseButton* button = s->GetComponent<BaseButton>())
                button->SetDefaultPath(CompletedStar);
        }
        if (star < 2)
            if (GameObject* next = stars[star + 1].Get())
            {
                if (Sprite* sprite = next->GetComponent<Sprite>())
                    sprite->InGameSet(ActiveStar);
                if (BaseButton* button = next->GetComponent<BaseButton>())
                {
                    button->SetDefaultPath(ActiveStar);
                    button->ButtonActive(true);
                }
            }
        if (GameObject* panel = panels[star].Get())
            panel->setActive(false);
        stage = star + 1;
        if (GameObject* firework = Instantiate("Firework", Vector2D(), 0.0f))
            if (GameObject* s = stars[star].Get())
                if (Transform* from = s->GetComponent<Transform>())
                    if (Transform* to = firework->GetComponent<Transform>())
                        to->SetTrans(from->GetTransVec());
    }

    void QuestSystem::TickMission(int star, const Mission& m)
    {
        GameObject* box = FindNamed(CheckBoxName(star, m.kind));
        if (!box)
            return;
        Transform* t = box->GetComponent<Transform>();
        GameObject* tick = Instantiate("Tick", t ? t->GetTransVec() : Vector2D(), 0.0f);
        if (!tick)
            return;
        tick->setActive(box->isActive());
        tick->AddParent(box);
    }

    void QuestSystem::WriteProgress(int star, const Mission& m)
    {
        SetText(FindNamed(ProgressName(star, m.kind)), std::to_string(m.progress) + "/" + std::to_string(m.target));
    }

    std::size_t QuestSystem::PlacedStalls() const
    {
        const StallsSystem* stalls = StallsSystem::Instance();
        return stalls ? stalls->GetStallCount() : 0;
    }

    unsigned QuestSystem::GetBarProgress(int star) const
    {
        unsigned sum = 0;
        for (const Mission& m : missions[star])
            sum += m.progress < m.target ? m.progress : m.target;
        return sum;
    }

    std::string QuestSystem::PercentText(unsigned progress, unsigned target, float& ratio)
    {
        // With nothing to do there is nothing done yet.
        ratio = target == 0 ? 0.0f : static_cast<float>(progress) / static_cast<float>(target);
        if (ratio >= 1.0f)
        {
            ratio = 1.0f;
            return "100%";
        }
        return std::to_string(static_cast<int>(ratio * 100.0f)) + "%";
    }

    void QuestSystem::Update()
    {
        UpdateConditionTick();
        UpdateBars();
    }

    void QuestSystem::UpdateConditionTick()
    {
        for (const auto& condition : stallCondition)
        {
            GameObject* tick = conditionTick.Get();
            GameObject* box = conditionBox.Get();
            if (static_cast<std::size_t>(condition.second) <= PlacedStalls())
            {
                if (!conditionTicked && box)
                {
                    Transform* t = box->GetComponent<Transform>();
                    tick = Instantiate("Tick", t ? t->GetTransVec() : Vector2D(), 0.0f);
                    if (tick)
                    {
                        tick->setName("QS_2_CONDITIONAL_CHECKBOX_TICK");
                        tick->setActive(box->isActive());
                        tick->AddParent(box);
                        conditionTick = ObjectHandle(tick);
                    }
                    conditionTicked = true;
                }
                else if (tick && box && tick->isActive() != box->isActive())
                    tick->setActive(box->isActive());
            }
            else if (tick && tick->isActive())
                tick->setActive(false);
        }
    }

    void QuestSystem::UpdateBars()
    {
        const float unit = GRAPHICS ? static_cast<float>(GRAPHICS->pixelsPerUnit) : 100.0f;
        for (int i = 0; i < 3; ++i)
        {
            float ratio = 0.0f;
            const std::string percent = PercentText(GetBarProgress(i), totalTarget[i], ratio);
            if (Text* text = percentTexts[i].Get<Text>())
                text->SetText(percent);
            if (Transform* bar = bars[i].Get<Transform>())
            {
                bar->SetScale(barScales[i].x, barScales[i].y * ratio);
                bar->SetTrans(barPositions[i].x, barPositions[i].y - unit * (0.5f - 0.5f * barScales[i].y * ratio));
            }
        }
    }
}
