// StallsSystem: registry of placed stalls, upkeep, sales leaders and the
// stall sprite table.
#include "Stalls/StallsSystem.h"

#include <algorithm>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/LiveComponents.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/QuestEvents.h"
#include "Economy/SimulationSystem.h"
#include "Economy/StallUpkeep.h"
#include "HUD/TextFit.h"
#include "StartUp/GameComponentTypes.h"
#include "Economy/AmountText.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSynergySystem.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Math/Random.h"
#include "Customers/CustomerAIBehaviour.h"

namespace KiteFramework
{
    StallsSystem::StallsSystem() : Script(static_cast<ComponentTypeId>(CT_StallsSystem)) {}

    StallsSystem::StallsSystem(const StallsSystem& other) : Script(other)
    {
        CopyListedFields(other, *this);
        totalUpkeep = other.totalUpkeep;
    }

    void StallsSystem::ListFields(FieldVisitor& v)
    {
        v.Add("typesOfStalls", typesOfStalls, {"Types of Stalls", FieldWidget::Input, 1.0f});
        v.Add("stallStatistics", stallStatistics, HiddenField());
        v.Add("stallToQueueOffset", stallToQueueOffset, {"Stall To Queue Offset"});
        v.Add("queueStartOffset", queueStartOffset, {"Queue Start Offset"});
        v.Add("queueToQueueOffset", queueToQueueOffset, {"Queue To Queue Offset"});
        v.Add("queueRandomOffset", queueRandomOffset, {"Queue Random Offset"});
        v.Add("timeToKickCustomerDuringFight", timeToKickCustomerDuringFight,
              {"Time to kick customer during fight", FieldWidget::Input, 0.0f});
        v.Add("stallSprites", stallSprites, HiddenField());
        v.Add("animationColRow_", animationColRow_, HiddenField());
        v.Add("startConstruction", startConstruction, HiddenField());
        v.Add("endConstruction", endConstruction, HiddenField());
        v.Add("actualDepth", actualDepth, {"Actual stall depth", FieldWidget::Input, 0.0f});
        v.Add("draggingDepth", draggingDepth, {"Dragging stall depth", FieldWidget::Input, 0.0f});
        v.Add("stallsMovable", stallsMovable, {"Stalls movable"});
        v.Add("originalLayer", originalLayer, {"Original Collision Layer", FieldWidget::Input, 1.0f});
        v.Add("draggedLayer", draggedLayer, {"Dragged Collision Layer", FieldWidget::Input, 1.0f});
    }

    void StallsSystem::FieldEdited(const FieldRef& field)
    {
        if (field.member != &typesOfStalls)
            return;
        // A negative count would ask the counters for an absurd size.
        if (typesOfStalls < 0)
            typesOfStalls = 0;
        stallStatistics.assign(static_cast<std::size_t>(typesOfStalls), Counters(0u, 0u));
    }

    GameComponent* StallsSystem::Clone() const
    {
        StallsSystem* copy = new StallsSystem(*this);
        // The counters and the construction textures belong to the level
        // the system was loaded with.
        copy->stallStatistics.clear();
        copy->startConstruction = SpritePair();
        copy->endConstruction = SpritePair();
        return copy;
    }

    void StallsSystem::Initialise()
    {
        Script::Initialise();
        FindLeaders();
    }

    void StallsSystem::FindLeaders()
    {
        const std::size_t n = std::min<std::size_t>(typesOfStalls > 0 ? typesOfStalls : 0, stallStatistics.size());
        for (std::size_t i = 0; i < n; ++i)
        {
            if (stallStatistics[i].first > stallStatistics[mostWantedIndex].first)
                mostWantedIndex = static_cast<unsigned>(i);
            if (stallStatistics[i].second > stallStatistics[mostPopularIndex].second)
                mostPopularIndex = static_cast<unsigned>(i);
        }
    }

    void StallsSystem::OnStart()
    {
        // One counter pair per stall type; counters read from the level
        // stay (growing rather than appending keeps indexes by type).
        if (typesOfStalls > 0 && stallStatistics.size() < static_cast<std::size_t>(typesOfStalls))
            stallStatistics.resize(typesOfStalls, Counters(0, 0));
        if (FACTORY)
        {
            GameObject* text = FACTORY->FindObjByName("MaintenanceCostText");
            Transform* t = text ? text->GetComponent<Transform>() : nullptr;
            if (t)
                maintenanceTextPosition = t->GetTransVec();
            else
                ReportDataError("StallsSystem", "no object \"MaintenanceCostText\"; upkeep is shown at the centre");
        }
        // Stalls stored in the level registered before the text was found.
        ShowTotalUpkeep();
    }

    void StallsSystem::Update()
    {
        if (!fightOngoing)
            return;
        // Real time: the kick-out goes on while the game is paused, like the
        // fight's own time-out.
        fightKickTimer += fc.getFixedDeltaTime();
        if (fightKickTimer > timeToKickCustomerDuringFight)
        {
            fightKickTimer = 0.0f;
            if (GetStallCount() > 0)
                KickRandomQueuedCustomer();
        }
    }

    void StallsSystem::KickRandomQueuedCustomer()
    {
        const std::size_t count = GetStallCount();
        if (count == 0)
            return;
        StallsBehaviour* stall = GetStallAt(static_cast<std::size_t>(GENRANDNUM::Rand()) % count);
        const std::size_t n = stall ? stall->GetQueueLength() : 0;
        if (n <= 1)
            return;
        // Never the front customer, who is being served.
        const std::size_t p = static_cast<std::size_t>(GENRANDNUM::Rand()) % (n - 1) + 1;
        CustomerAIBehaviour* c = stall->GetQueuedCustomer(p);
        if (!c)
            return;
        c->LoseHeart();
        stall->RemoveFromQueue(c);
        stall->RepositionQueue();
    }

    bool StallsSystem::AddStall(StallsBehaviour* stall)
    {
        if (!stall || !stall->GetOwner())
            return false;
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        const float money = stats ? stats->Money() : 0.0f;
        if (money >= stall->constructionCost)
        {
            QuestEvents::UpdateQuest(QuestEvents::StallPlaced, 0, nullptr);
            Register(stall);
            return true;
        }
        Transform* t = stall->GetOwner()->GetComponent<Transform>();
        Instantiate("NoMoney", t ? t->GetTransVec() : Vector2D(), 0.0f);
        stall->GetOwner()->Destroy();
        return false;
    }

    void StallsSystem::AddStoredStall(StallsBehaviour* stall)
    {
        if (stall && stall->GetOwner())
            Register(stall);
    }

    void StallsSystem::Register(StallsBehaviour* stall)
    {
        // A stall is counted once, however often it is registered.
        if (IsPlaced(stall))
            return;
        if (StallsSynergySystem* synergies = StallsSynergySystem::Instance())
            synergies->UpdateSynergies(stall, GetStalls());
        stalls.emplace_back(stall->GetOwner());
        totalUpkeep += stall->upkeep;
        ShowTotalUpkeep();
    }

    void StallsSystem::RemoveStall(StallsBehaviour* stall)
    {
        if (!stall)
            return;
        for (auto it = stalls.begin(); it != stalls.end(); ++it)
        {
            if (it->Get<StallsBehaviour>() == stall)
            {
                stalls.erase(it);
                // Only a sale takes a stall off the floor, and its upkeep
                // with it.
                totalUpkeep -= stall->upkeep;
                ShowTotalUpkeep();
                return;
            }
        }
    }

    void StallsSystem::ShowTotalUpkeep() const
    {
        SimulationSystem* sim = SimulationSystem::Instance();
        if (!sim)
            return;
        const std::string figure = ShortAmountText(totalUpkeep);
        Text* text = sim->GetMaintenanceText();
        const float room = text ? UpkeepRoom(*text) : 0.0f;
        if (room <= 0.0f)
        {
            sim->SetMaintenanceText(figure);
            return;
        }
        // The figure keeps to the room before its unit, shrinking from the
        // level's own size when long.
        if (upkeepScale <= 0.0f)
            upkeepScale = text->Scale();
        TextFit::ShowFigure(*text, figure, upkeepScale, room);
    }

    float StallsSystem::UpkeepRoom(const Text& figure)
    {
        const GameObject* unit = FACTORY ? FACTORY->FindObjByName("UpkeepUnitText") : nullptr;
        const Transform* from = figure.GetOwner() ? figure.GetOwner()->GetComponent<Transform>() : nullptr;
        const Transform* to = unit ? unit->GetComponent<Transform>() : nullptr;
        if (!from || !to)
            return 0.0f;
        constexpr float Gap = 12.0f;
        return to->GetTransVec().x - from->GetTransVec().x - Gap;
    }

    void StallsSystem::UpdateMostPopular(int index)
    {
        if (index < 0 || static_cast<std::size_t>(index) >= stallStatistics.size())
            return;
        const Counters& c = stallStatistics[index];
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        const std::string name = "Stall " + std::to_string(index);
        // A leader index outside the counters (a shorter list read back)
        // gives way to any valid one.
        const bool wantedValid = mostWantedIndex < stallStatistics.size();
        if (!wantedValid || stallStatistics[mostWantedIndex].first < c.first)
        {
            mostWantedIndex = static_cast<unsigned>(index);
            if (stats)
                stats->MostWanted = name;
        }
        const bool popularValid = mostPopularIndex < stallStatistics.size();
        if (!popularValid || stallStatistics[mostPopularIndex].second < c.second)
        {
            mostPopularIndex = static_cast<unsigned>(index);
            if (stats)
                stats->MostPopular = name;
        }
    }

    void StallsSystem::PayMaintenance()
    {
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->ChangeMoney(-totalUpkeep);
        GameObject* shown = Instantiate("MaintenanceLoseCash", maintenanceTextPosition, 0.0f);
        if (Text* text = shown ? shown->GetComponent<Text>() : nullptr)
            text->SetText(ShortAmountText(totalUpkeep));
    }

    StallsSystem::SpritePair StallsSystem::GetStallStat(int type, int band, int state) const
    {
        if (type >= 0 && band >= 0 && state >= 0 && static_cast<std::size_t>(type) < stallSprites.size() &&
            static_cast<std::size_t>(band) < stallSprites[type].size() &&
            static_cast<std::size_t>(state) < stallSprites[type][band].size())
            return stallSprites[type][band][state];
        // Once per system: a stall asks for its sprites at every sale.
        if (!reportedMissingSprite)
        {
            reportedMissingSprite = true;
            ReportDataError("StallsSystem \"stallSprites\"", "no textures for stall type index " + std::to_string(type) +
                                                               ", band " + std::to_string(band) + ", state " +
                                                               std::to_string(state));
        }
        return SpritePair();
    }

    std::vector<StallsBehaviour*> StallsSystem::GetStalls() const
    {
        return LiveComponents<StallsBehaviour>(stalls);
    }

    std::size_t StallsSystem::GetStallCount() const
    {
        return CountLive<StallsBehaviour>(stalls);
    }

    StallsBehaviour* StallsSystem::GetStallAt(std::size_t i) const
    {
        return NthLive<StallsBehaviour>(stalls, i);
    }

    bool StallsSystem::IsPlaced(const StallsBehaviour* stall) const
    {
        return HoldsLive(stalls, stall);
    }

    void StallUpkeep::PayForTheDay()
    {
        if (StallsSystem* stalls = StallsSystem::Instance())
            stalls->PayMaintenance();
    }
}
