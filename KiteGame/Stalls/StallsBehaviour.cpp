// StallsBehaviour: queue, serving, sprites, upgrade and sale of one stall.
#include "Stalls/StallsBehaviour.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "Building/DraggableAfterImage.h"
#include "World/Indicator.h"
#include "Building/StallDragging.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/LiveComponents.h"
#include "Core/Objects/Transform.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Economy/CustomerCrowd.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/StallMenus.h"
#include "Economy/QuestEvents.h"
#include "StartUp/GameComponentTypes.h"
#include "Economy/AmountText.h"
#include "Stalls/DataTable.h"
#include "Stalls/SecondFloorController.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallNodesLink.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsSynergySystem.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FireController.h"
#include "Trouble/FireResolver.h"

namespace KiteFramework
{
    namespace
    {
        // fmod(rand(), range) with a zero range giving 0, not NaN.
        double Jitter(float range)
        {
            const double r = static_cast<double>(GENRANDNUM::Rand());
            return range == 0.0f ? 0.0 : std::fmod(r, static_cast<double>(range));
        }

        // Levels past this change nothing a player sees; they bound the loop.
        constexpr unsigned MaxEarningLevels = 1000;
    }

    StallsBehaviour::StallsBehaviour() : Script(static_cast<ComponentTypeId>(CT_StallsBehaviour)) {}

    StallsBehaviour::~StallsBehaviour() = default;

    void StallsBehaviour::ListFields(FieldVisitor& v)
    {
        v.Add("stallEarningsBasic", stallEarningsBasic);
        v.Add("constructionCost", constructionCost, {"Construction cost", FieldWidget::Input, 0.0f});
        v.Add("earningsMult", earningsMult, {"earningsMult", FieldWidget::Input, 0.0f});
        v.Add("serveTime", serveTime, {"serveTime", FieldWidget::Input, 0.0f});
        v.Add("foodConsumeTime", foodConsumeTime, {"foodConsumeTime", FieldWidget::Input, 0.0f});
        v.Add("busy_", busy_, {"stall busy?", FieldWidget::Checkbox});
        v.Add("stallIndex_", stallIndex_, {"Stall type", FieldWidget::Input});
        v.Add("stallPriceModifier", stallPriceModifier, {"Price modifier", FieldWidget::Drag, 0.1f});
        v.Add("stallQualityModifier", stallQualityModifier, {"Quality modifier", FieldWidget::Drag, 0.1f});
        v.Add("stallRepModifier", stallRepModifier, {"Reputation modifier", FieldWidget::Drag, 0.1f});
    }

    GameComponent* StallsBehaviour::Clone() const
    {
        StallsBehaviour* copy = CloneListed(*this);
        copy->busy_ = false;
        copy->upkeep = upkeep;
        copy->operational = operational;
        return copy;
    }

    void StallsBehaviour::Initialise()
    {
        Script::Initialise();
        // A new stall comes with every open stall menu closed.
        StallMenus::CloseAll();
        ComputeEarnings();
        // The upkeep is known before the stall joins the running total.
        ReadUpkeep();
        RestoreFromNode();
    }

    void StallsBehaviour::OnMouseDown()
    {
        // The press that opens this stall's menu closes any other.
        StallMenus::CloseAllBut(GetOwner());
        StallDragging(*this).Press();
    }

    void StallsBehaviour::OnMouseUp() { StallDragging(*this).Drop(); }
    void StallsBehaviour::Update() { StallDragging(*this).Update(); }
    void StallsBehaviour::BeginDragFromButton() { StallDragging(*this).BeginFromButton(); }
    bool StallsBehaviour::PlaceOnNode(GameObject* node) { return StallDragging(*this).PlaceOnNode(node); }
    void StallsBehaviour::ReturnOrDiscard() { StallDragging(*this).ReturnOrDiscard(); }

    void StallsBehaviour::ComputeEarnings()
    {
        stallEarnings = stallEarningsBasic;
        const float factor = earningsMult * stallPriceModifier;
        const unsigned steps = std::min(level > 0 ? level - 1 : 0u, MaxEarningLevels);
        for (unsigned i = 0; i < steps; ++i)
        {
            stallEarnings.money *= factor;
            stallEarnings.likes *= factor;
            stallEarnings.reputation *= factor;
        }
    }

    void StallsBehaviour::ReadUpkeep()
    {
        const std::string name = GetGameObjectName();
        // The console names the stall number whose upkeep is read.
        if (const std::string::size_type at = name.find("Stall"); at != std::string::npos)
            std::cout << name.substr(at + 5) << std::endl;
        const int row = DataTable::RowNumberAfter(name, "Stall");
        if (row <= 0)
        {
            ReportDataError("stall \"" + name + "\"", "no stall type number after \"Stall\" in its name; upkeep 0");
            upkeep = 0.0f;
            return;
        }
        const DataTable table(DataTable::StallTablePath());
        upkeep = table.Number(row, DataTable::UpkeepField);
        // As with prices: past any number, or below nothing, is unreadable.
        if (!std::isfinite(upkeep) || upkeep < 0.0f)
        {
            ReportDataError(table.GetPath() + " row " + std::to_string(row),
                            "upkeep out of range for stall \"" + name + "\"; upkeep 0");
            upkeep = 0.0f;
        }
    }

    void StallsBehaviour::RestoreFromNode()
    {
        GameObject* node = GetNodeObject();
        if (!node)
            return;
        // A stall read back with its level stands on its node already: it
        // takes the node's queue side and is registered without being
        // charged again.
        if (StallPlacementNode* placement = node->GetComponent<StallPlacementNode>())
            queueToLeft = placement->queueToLeft;
        if (StallsSystem* system = StallsSystem::Instance())
            system->AddStoredStall(this);
        else
            ReportDataError("stall \"" + GetGameObjectName() + "\"", "the level has no StallsSystem; stall not registered");
        if (node->GetComponent<SecondFloorIndicator>())
            if (SecondFloorController* upper = SecondFloorController::Instance())
                upper->LinkNodes();
    }

    // ---- Queue ------------------------------------------------------------

    void StallsBehaviour::PruneQueue()
    {
        queue.remove_if([](const ObjectHandle& h) { return h.Get<CustomerAIBehaviour>() == nullptr; });
    }

    std::vector<CustomerAIBehaviour*> StallsBehaviour::QueuedCustomers() const
    {
        return LiveComponents<CustomerAIBehaviour>(queue);
    }

    std::size_t StallsBehaviour::GetQueueLength() const
    {
        return CountLive<CustomerAIBehaviour>(queue);
    }

    CustomerAIBehaviour* StallsBehaviour::GetQueuedCustomer(std::size_t i) const
    {
        return NthLive<CustomerAIBehaviour>(queue, i);
    }

    bool StallsBehaviour::IsFront(const CustomerAIBehaviour* customer) const
    {
        return customer && GetFrontCustomer() == customer;
    }

    bool StallsBehaviour::IsQueued(const CustomerAIBehaviour* customer) const
    {
        if (!customer)
            return false;
        for (const ObjectHandle& h : queue)
            if (h.Get<CustomerAIBehaviour>() == customer)
                return true;
        return false;
    }

    Vector2D StallsBehaviour::QueuePlace(unsigned k) const
    {
        const Vector2D base = NodePosition();
        StallsSystem* system = StallsSystem::Instance();
        if (!system)
            return base;
        Vector2D place = base + system->stallToQueueOffset;
        if (k == 0)
            return place;
        Vector2D start = system->queueStartOffset;
        Vector2D step = system->queueToQueueOffset;
        if (queueToLeft)
        {
            start.x = -start.x;
            step.x = -step.x;
        }
        // The y jitter is drawn first.
        const double jy = Jitter(system->queueRandomOffset.y);
        const double jx = Jitter(system->queueRandomOffset.x);
        place = place + start + step * static_cast<float>(k);
        place.x += static_cast<float>(jx);
        place.y += static_cast<float>(jy);
        return place;
    }

    void StallsBehaviour::JoinQueue(CustomerAIBehaviour* customer)
    {
        if (!customer || !customer->GetOwner())
            return;
        PruneQueue();
        if (IsQueued(customer))
            return;
        const Vector2D place = QueuePlace(static_cast<unsigned>(queue.size()));
        customer->MoveTo(CustomerAIBehaviour::AtQueuePlace, place.x, place.y);
        customer->SetSprite(CustomerAIBehaviour::PoseWalking);
        queue.emplace_back(customer->GetOwner());
    }

    void StallsBehaviour::RepositionQueue()
    {
        PruneQueue();
        unsigned k = 0;
        for (CustomerAIBehaviour* c : QueuedCustomers())
        {
            // The front customer who has reached the counter is being
            // served: walking it there again would serve it twice.
            const bool beingServed = (k == 0 && !c->IsQueueing());
            if (!beingServed)
            {
                const Vector2D place = QueuePlace(k);
                c->MoveTo(CustomerAIBehaviour::AtQueuePlace, place.x, place.y);
                c->SetSprite(CustomerAIBehaviour::PoseWalking);
            }
            ++k;
        }
    }

    bool StallsBehaviour::RemoveFromQueue(CustomerAIBehaviour* customer)
    {
        if (!customer)
            return false;
        const std::size_t before = queue.size();
        queue.remove_if([customer](const ObjectHandle& h) {
            CustomerAIBehaviour* c = h.Get<CustomerAIBehaviour>();
            return c == nullptr || c == customer;
        });
        return queue.size() != before && !IsQueued(customer);
    }

    void StallsBehaviour::LeaveQueue(CustomerAIBehaviour* customer)
    {
        std::cout << "to be ejected " << (IsQueued(customer) ? "found" : "not found") << std::endl;
        RemoveFromQueue(customer);
        RepositionQueue();
    }

    // ---- Serving ----------------------------------------------------------

    void StallsBehaviour::ServeCustomer()
    {
        // Without a fire controller no stall catches fire.
        if (FireController* fire = FireController::Instance(); fire && fire->RollFire(level))
        {
            SetOnFire();
            return;
        }
        PruneQueue();
        if (!queue.empty())
            queue.pop_front();

        ShowAmount("CashMoving", AmountText(stallEarnings.money));
        GainMoney(stallEarnings.money);
        QuestEvents::UpdateQuest(QuestEvents::Served, 0, nullptr);
        QuestEvents::UpdateQuest(QuestEvents::MoneyEarned, QuestEvents::ToAmount(stallEarnings.money), nullptr);
        RaiseReputation(stallEarnings.reputation);

        if (!queue.empty())
            RepositionQueue();
        else
        {
            busy_ = false;
            SetStallSprite(Idle);
        }
    }

    void StallsBehaviour::GainMoney(float amount)
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        if (!stats)
            return;
        stats->ChangeMoney(amount);
        if (amount <= 0.0f)
            return;
        stats->CustomerServed += 1;
        stats->GrossRevenue += amount;
        StallsSystem* system = StallsSystem::Instance();
        const int index = stallIndex_ - 1;
        if (system && index >= 0 && static_cast<std::size_t>(index) < system->stallStatistics.size())
        {
            system->stallStatistics[index].second += 1;
            system->UpdateMostPopular(index);
        }
    }

    void StallsBehaviour::RaiseReputation(float amount)
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        if (!stats)
            return;
        stats->Reputation += amount;
        // The standing follows the new reputation; no likes change, no quest.
        CustomerCrowd::FollowReputation();
    }

    void StallsBehaviour::ShowAmount(const std::string& archetype, const std::string& text) const
    {
        GameObject* shown = Instantiate(archetype, Position(), 0.0f);
        if (Text* t = shown ? shown->GetComponent<Text>() : nullptr)
            t->SetText(text);
    }

    // ---- Sprites ----------------------------------------------------------

    int StallsBehaviour::GetLevelBand() const
    {
        if (maxLevel == 0)
            return 2;
        float x = static_cast<float>(level) / static_cast<float>(maxLevel) * 3.0f;
        if (x >= 3.0f)
            x = 2.0f;
        if (!(x >= 0.0f))
            x = 0.0f;
        return static_cast<int>(x);
    }

    StallsBehaviour::SpritePair StallsBehaviour::GetSpritePair(int stallType, int state) const
    {
        StallsSystem* system = StallsSystem::Instance();
        return system ? system->GetStallStat(stallType - 1, GetLevelBand(), state) : SpritePair();
    }

    void StallsBehaviour::SetStallSprite(int state)
    {
        // A new stall dragged from a build button keeps its look.
        if (dragging && !afterImage.Get())
            return;
        spriteState = state;
        const SpritePair pair = GetSpritePair(stallIndex_, state);
        StallsSystem* system = StallsSystem::Instance();
        if (pair.first.empty() || !system)
            return;
        const int columns = system->animationColRow_.first;
        const int rows = system->animationColRow_.second;
        // While carried, the stall keeps its grey look and the after-image
        // left on the node shows what the stall is doing.
        if (dragging)
        {
            if (DraggableAfterImage* image = afterImage.Get<DraggableAfterImage>())
                image->SetImage(pair.first, columns, rows, system->actualDepth, true);
            return;
        }
        if (Sprite* sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr)
            sprite->InGameSetAll(pair.first, pair.second, columns, rows);
    }

    // ---- Fire, upgrade, sale ---------------------------------------------

    void StallsBehaviour::SetOnFire()
    {
        if (!operational || !GetOwner())
            return;
        if (ToggleActiveButton* menu = GetOwner()->GetComponent<ToggleActiveButton>())
            menu->SetForceClose(true);
        fireObject = ObjectHandle(Instantiate("Fire", NodePosition(), 0.0f));
        if (FireResolver* resolver = fireObject.Get<FireResolver>())
            resolver->SetStall(this);
        busy_ = false;
        // A stall that catches fire while carried drops back: its own look
        // returns and the after-image goes.
        if (dragging)
            if (Indicator* indicator = GetOwner()->GetComponent<Indicator>())
                indicator->SetOriginal();
        if (GameObject* image = afterImage.Get())
            image->Destroy();
        afterImage.Reset();
        pressed = dragging = false;
        if (Transform* t = GetOwner()->GetComponent<Transform>())
        {
            t->SetTrans(NodePosition());
            if (StallsSystem* system = StallsSystem::Instance())
                t->SetDepth(system->actualDepth);
        }
        EjectQueue();
        SetStallSprite(Burning);
        operational = false;
        if (FireController* fire = FireController::Instance())
            fire->StallCaughtFire();
    }

    void StallsBehaviour::EjectQueue()
    {
        if (!operational)
            return;
        busy_ = false;
        SetStallSprite(Idle);
        // The queue is emptied first: a customer's reaction may reach back
        // into the queue.
        const std::vector<CustomerAIBehaviour*> ejected = QueuedCustomers();
        queue.clear();
        // Without a fire controller the flight neither costs likes nor
        // speeds anyone up.
        const FireController* fire = FireController::Instance();
        for (CustomerAIBehaviour* c : ejected)
            c->ReactToFire(fire ? -fire->likesToDecrement : -0.0f, fire ? fire->speedMultiplier : 1.0f);
    }

    void StallsBehaviour::ApplyUpgrade(float cost, float factor)
    {
        operational = false;
        busy_ = false;
        const std::vector<CustomerAIBehaviour*> dismissed = QueuedCustomers();
        queue.clear();
        for (CustomerAIBehaviour* c : dismissed)
            c->LoseHeart();
        constructionCost += cost;
        stallEarnings.money *= factor;
        stallEarnings.likes *= factor;
        stallEarnings.reputation *= factor;
        level += 1;
        QuestEvents::UpdateQuest(QuestEvents::StallUpgraded, 0, this);
        GainMoney(-cost);
        ShowAmount("LoseCash", AmountText(-cost));
    }

    void StallsBehaviour::Sell()
    {
        GameObject* owner = GetOwner();
        if (!owner)
            return;
        const float half = constructionCost * 0.5f;
        GainMoney(half);
        ShowAmount("CashMoving", AmountText(half));

        const std::vector<CustomerAIBehaviour*> dismissed = QueuedCustomers();
        queue.clear();
        for (CustomerAIBehaviour* c : dismissed)
            c->LoseHeart();

        if (GameObject* link = linkNode.Get())
            link->Destroy();
        linkNode.Reset();

        if (StallsSystem* system = StallsSystem::Instance())
        {
            system->RemoveStall(this);
            if (StallsSynergySystem* synergies = StallsSynergySystem::Instance())
                synergies->ApplySynergy(this, system->GetStalls());
        }

        if (GameObject* node = GetNodeObject())
        {
            if (Sprite* marker = node->GetComponent<Sprite>())
                marker->ToggleRender(true);
            if (node->GetComponent<SecondFloorIndicator>())
                if (SecondFloorController* upper = SecondFloorController::Instance())
                    upper->UnlinkNodes();
            owner->Unparent();
        }

        if (GameObject* fire = fireObject.Get())
        {
            if (ToggleActiveButton* menu = owner->GetComponent<ToggleActiveButton>())
                menu->SetForceClose(false);
            SetStallSprite(Idle);
            operational = true;
            if (FireController* controller = FireController::Instance())
                controller->FireEnded();
            fire->Destroy();
        }
        fireObject.Reset();
        owner->Destroy();
    }

    // ---- Placement --------------------------------------------------------

    void StallsBehaviour::CreateStallLinkNode(StallPlacementNode* node)
    {
        if (!node || !node->GetOwner())
            return;
        GameObject* nodeObject = node->GetOwner();
        Transform* nodeTransform = nodeObject->GetComponent<Transform>();
        GameObject* linkObject =
            Instantiate("StallLinkNode", nodeTransform ? nodeTransform->GetTransVec() : Vector2D(), 0.0f);
        if (!linkObject)
        {
            ReportDataError("stall \"" + GetGameObjectName() + "\"", "no \"StallLinkNode\" archetype; customers cannot reach it");
            return;
        }
        if (Sprite* sprite = linkObject->GetComponent<Sprite>())
            sprite->ToggleRender(false);
        if (VertexNode* vertex = linkObject->GetComponent<VertexNode>())
        {
            vertex->EditedLabel(nodeObject->getName());
            vertex->isActive(true);
            for (const std::string& label : node->nodesToBeConnected)
                if (!label.empty())
                    vertex->AddLink(label, 1, false);
        }
        else
            ReportDataError("archetype \"StallLinkNode\"", "has no VertexNode");
        if (StallNodesLink* link = linkObject->GetComponent<StallNodesLink>())
        {
            link->SetStall(this);
            SetLinkNode(link);
        }
        else
            ReportDataError("archetype \"StallLinkNode\"", "has no StallNodesLink");
    }

    StallNodesLink* StallsBehaviour::GetLinkNode() const
    {
        return linkNode.Get<StallNodesLink>();
    }

    void StallsBehaviour::SetLinkNode(StallNodesLink* link)
    {
        linkNode = ObjectHandle(link ? link->GetOwner() : nullptr);
    }

    GameObject* StallsBehaviour::GetNodeObject() const
    {
        return GetOwner() ? GetOwner()->GetParent() : nullptr;
    }

    Vector2D StallsBehaviour::NodePosition() const
    {
        GameObject* node = GetNodeObject();
        Transform* t = node ? node->GetComponent<Transform>() : nullptr;
        return t ? t->GetTransVec() : Position();
    }

    Vector2D StallsBehaviour::Position() const
    {
        Transform* t = GetOwner() ? GetOwner()->GetComponent<Transform>() : nullptr;
        return t ? t->GetTransVec() : Vector2D();
    }
}
