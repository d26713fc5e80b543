// CourtPlayer: the missions first, then a fuller court; chores as they come.
#include "Assets/CourtPlayer.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "Building/SpawnButton.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeButton.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Flow/QuestSystem.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/VirtualKeys.h"
#include "Seats/SeatPlacementNode.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/DataTable.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FightResolver.h"
#include "Trouble/FireResolver.h"
#include "Trouble/Trash.h"
#include "Trouble/TrashBin.h"

using namespace KiteFramework;

namespace KiteTest
{
    namespace
    {
        constexpr float DecisionEvery = 1.0f;  // game seconds between purchases looked at
        constexpr float ChoreEvery = 0.25f;    // one click on each fire or fight this often
        constexpr int CarryGiveUp = 120;       // frames before a stuck carry is dropped
        constexpr std::size_t FirstStalls = 3;

        Vector2D PositionOf(const GameObject* o)
        {
            const Transform* t = o ? o->GetComponent<Transform>() : nullptr;
            return t ? t->GetTransVec() : Vector2D();
        }

        float Money() { return LevelStatsSystem::Instance() ? LevelStatsSystem::Instance()->Money() : 0.0f; }

        template <typename T>
        std::vector<T*> All()
        {
            std::vector<T*> found;
            for (const auto* map : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
                for (const auto& entry : *map)
                    if (T* c = entry.second->template GetComponent<T>())
                        found.push_back(c);
            return found;
        }

        std::vector<StallsBehaviour*> Stalls()
        {
            return StallsSystem::Instance() ? StallsSystem::Instance()->GetStalls() : std::vector<StallsBehaviour*>();
        }

        // A stall kind's daily upkeep, from the stall table the game reads.
        float UpkeepOf(const std::string& archetype)
        {
            const DataTable table(DataTable::StallTablePath());
            const int row = DataTable::RowNumberAfter(archetype, "Stall");
            return row > 0 && table.HasRow(row) ? table.Number(row, DataTable::UpkeepField) : 0.0f;
        }

        UpgradeBehaviour* UpgradeOf(StallsBehaviour* s)
        {
            return s && s->GetOwner() ? s->GetOwner()->GetComponent<UpgradeBehaviour>() : nullptr;
        }
    }

    CourtPlayer::CourtPlayer(Platform::FakePlatform& pointer) : fake(pointer) {}

    CourtPlayer::CourtPlayer(Platform::FakePlatform& pointer, Style how) : fake(pointer), style(how) {}

    void CourtPlayer::Frame(float gameSeconds)
    {
        BinTrash();
        if (gameSeconds >= nextChore)
        {
            nextChore = gameSeconds + ChoreEvery;
            PutOutFires(gameSeconds);
            BreakUpFights();
        }
        if (gameSeconds >= nextDecision)
        {
            nextDecision = gameSeconds + DecisionEvery;
            if (style.keeper)
                Keep();
            else
                Decide();
        }
    }

    // ------------------------------------------------------------- missions
    bool CourtPlayer::MissionOpen(int kind) const
    {
        const QuestSystem* quests = QuestSystem::Instance();
        if (!quests || quests->GetStage() != 0)
            return false;
        for (const QuestSystem::Mission& m : quests->GetMissions(0))
            if (m.kind == kind)
                return m.progress < m.target;
        return false;
    }

    // One purchase at most per decision: what the missions ask for first
    // (with three stalls standing before tables or upgrades), and with them
    // done, stalls to the second star's count, then a fuller
    // court while a night's upkeep stays in hand.
    void CourtPlayer::Decide()
    {
        const std::size_t stalls = Stalls().size();
        const std::size_t tables = SeatsSystem::Instance() ? SeatsSystem::Instance()->GetSeatCount() : 0;
        if (MissionOpen(QuestSystem::StallPlaced) && FreeNode(true))
        {
            BuyStall();
            return;
        }
        // A few stalls before anything else: they are what serves.
        if (stalls < FirstStalls && FreeNode(true))
        {
            BuyStall();
            return;
        }
        if (MissionOpen(QuestSystem::SeatPlaced) && FreeNode(false))
        {
            BuyTable();
            return;
        }
        // While the mission's stall is being upgraded the money may as well
        // build; otherwise it is saved for the next upgrade.
        if (MissionOpen(QuestSystem::StallUpgraded))
        {
            const UpgradeBehaviour* held = UpgradeOf(missionStall.Get<StallsBehaviour>());
            if (UpgradeBest(true) || !held || !held->upgrading)
                return;
        }
        const QuestSystem* quests = QuestSystem::Instance();
        const int toHold = quests ? quests->GetStallCondition() : 0;
        if (static_cast<int>(stalls) < toHold)
        {
            BuyStall();
            return;
        }
        // Customers need somewhere to eat: a table for every two stalls.
        if (tables * 2 < stalls && BuyTable())
            return;
        if (BuyStall())
            return;
        // One upgrade at a time, once the first star is in: an upgrading
        // stall serves nobody.
        if (quests && quests->GetStage() == 0)
            return;
        for (StallsBehaviour* s : Stalls())
            if (UpgradeOf(s) && UpgradeOf(s)->upgrading)
                return;
        UpgradeBest(false);
    }

    // Three stalls and a table for every two, bought while the next night's
    // upkeep stays in hand; nothing more.
    void CourtPlayer::Keep()
    {
        const std::size_t stalls = Stalls().size();
        const std::size_t tables = SeatsSystem::Instance() ? SeatsSystem::Instance()->GetSeatCount() : 0;
        if (stalls < FirstStalls && BuyStall())
            return;
        if (tables * 2 < stalls)
            BuyTable();
    }

    // The next night's upkeep, a new stall's included, stays in hand.
    float CourtPlayer::Reserve(float extraUpkeep) const
    {
        return (StallsSystem::Instance() ? StallsSystem::Instance()->GetTotalUpkeep() : 0.0f) + extraUpkeep;
    }

    bool CourtPlayer::Spend(float cost, float extraUpkeep) const
    {
        return Money() - cost >= Reserve(extraUpkeep);
    }

    // The cheapest kind of stall not yet in the court (any kind once all are).
    bool CourtPlayer::BuyStall()
    {
        GameObject* node = FreeNode(true);
        if (!node)
            return false;
        std::set<int> present;
        for (StallsBehaviour* s : Stalls())
            present.insert(s->stallIndex_);
        SpawnButton* best = nullptr;
        bool bestNew = false;
        for (SpawnButton* b : All<SpawnButton>())
        {
            if (!b->IsUsable() || b->GetGameObjectName().rfind("BuildStall", 0) != 0)
                continue;
            const int type = DataTable::RowNumberAfter(b->toBeSpawned_, "Stall");
            const bool isNew = present.count(type) == 0;
            if (!best || (isNew && !bestNew) || (isNew == bestNew && b->GetCost() < best->GetCost()))
            {
                best = b;
                bestNew = isNew;
            }
        }
        if (!best || !Spend(best->GetCost(), UpkeepOf(best->toBeSpawned_)))
            return false;
        if (!Drop(best->GetGameObjectName(), node))
            return false;
        ++tally.stallsBought;
        return true;
    }

    bool CourtPlayer::BuyTable()
    {
        GameObject* node = FreeNode(false);
        const SeatsSystem* seats = SeatsSystem::Instance();
        if (!node || !seats || !Spend(seats->seatsCost) || !Drop(SpawnButton::SeatButtonName, node))
            return false;
        ++tally.tablesBought;
        return true;
    }

    // For the mission, always the same stall (the furthest upgraded, else the
    // cheapest to upgrade); otherwise the cheapest upgrade going.
    bool CourtPlayer::UpgradeBest(bool forMission)
    {
        UpgradeBehaviour* pick = nullptr;
        if (forMission)
        {
            StallsBehaviour* held = missionStall.Get<StallsBehaviour>();
            if (!held)
            {
                for (StallsBehaviour* s : Stalls())
                {
                    const UpgradeBehaviour* u = UpgradeOf(s);
                    if (!u || u->upgradeCountdown == 0)
                        continue;
                    if (!held || s->level > held->level ||
                        (s->level == held->level && u->upgradeCost < UpgradeOf(held)->upgradeCost))
                        held = s;
                }
                missionStall = held ? ObjectHandle(held->GetOwner()) : ObjectHandle();
            }
            pick = UpgradeOf(held);
        }
        else
            for (StallsBehaviour* s : Stalls())
            {
                UpgradeBehaviour* u = UpgradeOf(s);
                if (u && u->upgradeCountdown > 0 && !u->upgrading && (!pick || u->upgradeCost < pick->upgradeCost))
                    pick = u;
            }
        if (!pick || pick->upgrading || pick->upgradeCountdown == 0 || !Spend(pick->upgradeCost))
            return false;
        // A stall stored in the level gets its menu on its first click.
        if (!pick->GetMenuUpgradeButton())
            if (StallsBehaviour* s = pick->GetStall())
            {
                s->OnMouseDown();
                s->OnMouseUp();
            }
        GameObject* button = pick->GetMenuUpgradeButton();
        UpgradeButton* press = button ? button->GetComponent<UpgradeButton>() : nullptr;
        if (!press || !press->ButtonActive())
            return false;
        const float before = Money();
        press->OnMouseUp();
        if (Money() >= before)
            return false;
        ++tally.upgrades;
        return true;
    }

    // --------------------------------------------------------------- places
    GameObject* CourtPlayer::FreeNode(bool stall) const
    {
        std::vector<GameObject*> nodes;
        if (stall)
            for (StallPlacementNode* n : All<StallPlacementNode>())
                nodes.push_back(n->GetOwner());
        else
            for (SeatPlacementNode* n : All<SeatPlacementNode>())
                nodes.push_back(n->GetOwner());
        // The ground floor first, nearest the middle first: where most
        // customers pass.
        std::sort(nodes.begin(), nodes.end(), [](GameObject* a, GameObject* b) {
            const bool upA = a->GetComponent<SecondFloorIndicator>() != nullptr;
            const bool upB = b->GetComponent<SecondFloorIndicator>() != nullptr;
            if (upA != upB)
                return upB;
            return std::fabs(PositionOf(a).x) < std::fabs(PositionOf(b).x);
        });
        for (GameObject* n : nodes)
            if (n->isActive() && n->GetChildren().empty())
                return n;
        return nullptr;
    }

    // A build button's press hands a new stall or table to the pointer; the
    // release over the place buys it.
    bool CourtPlayer::Drop(const std::string& buttonName, GameObject* node)
    {
        GameObject* buttonObject = FACTORY->FindObjByName(buttonName);
        SpawnButton* button = buttonObject ? buttonObject->GetComponent<SpawnButton>() : nullptr;
        if (!button)
            return false;
        std::set<GameObject*> before;
        for (StallsBehaviour* s : All<StallsBehaviour>())
            before.insert(s->GetOwner());
        for (SeatsBehaviour* s : All<SeatsBehaviour>())
            before.insert(s->GetOwner());
        const float money = Money();
        button->OnMouseDown();
        GameObject* carriedObject = nullptr;
        for (StallsBehaviour* s : All<StallsBehaviour>())
            if (!before.count(s->GetOwner()))
                carriedObject = s->GetOwner();
        for (SeatsBehaviour* s : All<SeatsBehaviour>())
            if (!before.count(s->GetOwner()))
                carriedObject = s->GetOwner();
        if (!carriedObject)
            return false;
        const Vector2D at = PositionOf(node);
        PointerAt(at);
        carriedObject->GetComponent<Transform>()->SetTrans(at.x, at.y);
        if (StallsBehaviour* s = carriedObject->GetComponent<StallsBehaviour>())
            s->OnMouseUp();
        else if (SeatsBehaviour* s = carriedObject->GetComponent<SeatsBehaviour>())
            s->OnMouseUp();
        return Money() < money;
    }

    // The fake pointer is in window pixels; the mapping to the world is read
    // off the graphics system itself.
    void CourtPlayer::PointerAt(Vector2D world)
    {
        if (!GRAPHICS)
            return;
        fake.cursorX = 0;
        fake.cursorY = 0;
        const Vector2D origin = GRAPHICS->CurrentMouseToWorld();
        fake.cursorX = 1000;
        fake.cursorY = 1000;
        const Vector2D far = GRAPHICS->CurrentMouseToWorld();
        const float sx = (far.x - origin.x) / 1000.0f;
        const float sy = (far.y - origin.y) / 1000.0f;
        fake.cursorX = sx != 0.0f ? static_cast<int>(std::lround((world.x - origin.x) / sx)) : 0;
        fake.cursorY = sy != 0.0f ? static_cast<int>(std::lround((world.y - origin.y) / sy)) : 0;
    }

    // ---------------------------------------------------------------- chores
    void CourtPlayer::PutOutFires(float gameSeconds)
    {
        std::map<const FireResolver*, float> burning;
        for (FireResolver* fire : All<FireResolver>())
        {
            if (fire->IsOut())
                continue;
            const auto seen = fireSeen.find(fire);
            const float since = seen == fireSeen.end() ? gameSeconds : seen->second;
            burning[fire] = since;
            if (gameSeconds - since < style.fireReaction)
                continue;
            PointerAt(PositionOf(fire->GetOwner()));
            const bool last = fire->GetClicks() + 1 >= fire->targetClickCount;
            fire->OnMouseUp();
            tally.firesOut += last;
        }
        fireSeen.swap(burning);
    }

    void CourtPlayer::BreakUpFights()
    {
        for (FightResolver* fight : All<FightResolver>())
        {
            if (fight->IsOver())
                continue;
            PointerAt(PositionOf(fight->GetOwner()));
            const bool last = fight->GetClicks() + 1 >= fight->targetClickCount;
            fight->OnMouseUp();
            tally.fightsEnded += last;
        }
    }

    // Press on a piece of trash, hold until it follows the pointer, carry it
    // over the nearest bin and let go; the trash sees the button go up.
    void CourtPlayer::BinTrash()
    {
        if (Trash* t = carried.Get<Trash>())
        {
            ++carryFrames;
            if (t->IsDragging())
            {
                const Vector2D from = PositionOf(t->GetOwner());
                TrashBin* bin = nullptr;
                for (TrashBin* b : All<TrashBin>())
                    if (!bin || Vector2DDistance(PositionOf(b->GetOwner()), from) <
                                    Vector2DDistance(PositionOf(bin->GetOwner()), from))
                        bin = b;
                if (!bin)
                    return;
                const Vector2D target = PositionOf(bin->GetOwner());
                if (Vector2DDistance(from, target) > 1.0f)
                    PointerAt(target);
                else
                {
                    fake.SetKeyDown(VK::LButton, false);
                    letGo = true;
                }
                return;
            }
            if (carryFrames < CarryGiveUp)
                return;
        }
        else if (letGo)
            ++tally.trashBinned;  // gone after the release: it went into the bin
        fake.SetKeyDown(VK::LButton, false);
        carried.Reset();
        carryFrames = 0;
        letGo = false;
        for (Trash* t : All<Trash>())
        {
            if (t->IsDragging() || t->IsPressed())
                continue;
            PointerAt(PositionOf(t->GetOwner()));
            fake.SetKeyDown(VK::LButton, true);
            t->OnMouseDown();
            carried = ObjectHandle(t->GetOwner());
            return;
        }
    }
}
