// CustomerSystem: customer settings, spawning, the customer list and the
// player's standing.
#include "Customers/CustomerSystem.h"

#include <algorithm>
#include <cmath>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/LiveComponents.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/RandomDraw.h"
#include "Customers/SpawnRateManager.h"
#include "Economy/CustomerCrowd.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/QuestEvents.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FightResolver.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    CustomerSystem::CustomerSystem() : Script(CT_CustomerSystem) {}

    // Settings and the cap are copied by Clone; the copy starts with no
    // customers, a count of 0 and no fight.
    CustomerSystem::CustomerSystem(const CustomerSystem& other) : Script(other), cap(other.cap) {}

    void CustomerSystem::ListFields(FieldVisitor& v)
    {
        v.Add("numArcheCreated", numArcheCreated, {"Number of Customer Archetypes created", FieldWidget::Input, 1.0f});
        v.Add("customerSprites", customerSprites, HiddenField());
        v.Add("customerSpriteCols_", customerSpriteCols_, HiddenField());
        v.Add("randomDisplacementRange", randomDisplacementRange, {"Random Displacement Range"});
        v.Add("queueMax", queueMax, {"Max Queue to not be interested", FieldWidget::Input, 1.0f});
        v.Add("preferenceAllowed", preferenceAllowed, {"Are preferences allowed in this level"});
        v.Add("lookAroundfCountoutMin", lookAroundfCountoutMin, {"Min look around count", FieldWidget::Input, 1.0f});
        v.Add("lookAroundfCountoutMax", lookAroundfCountoutMax, {"Max look around count", FieldWidget::Input, 1.0f});
        v.Add("preferenceLookAroundCountoutBuff", preferenceLookAroundCountoutBuff,
              {"Look more for preferences", FieldWidget::Input, 1.0f});
        v.Add("noQueuefCountoutMin", noQueuefCountoutMin, {"Min good queue count", FieldWidget::Input, 1.0f});
        v.Add("noQueuefCountoutMax", noQueuefCountoutMax, {"Max good queue count", FieldWidget::Input, 1.0f});
        v.Add("feedbackOffset", feedbackOffset, {"Feedback y offset", FieldWidget::Input, 0.0f});
        v.Add("tabaoChance", tabaoChance, {"Customer tabao chance", FieldWidget::Input, 0.0f});
        v.Add("trashSpawnChance", trashSpawnChance, {"Customer spawn trash chance", FieldWidget::Input, 0.0f});
        v.Add("fightChance", fightChance, {"Fight chance", FieldWidget::Input, 0.0f});
        v.Add("fightTimeout", fightTimeout, {"Fight timeout", FieldWidget::Input, 0.0f});
        v.Add("fightLocationOffset", fightLocationOffset, {"Fight location offset"});
        // The cap the spawn rate sets: copied and shown, never stored.
        v.AddUnstored("cap", cap, FieldInfo{"capset", FieldWidget::Input, 1.0f}.Id("##capset"));
    }

    GameComponent* CustomerSystem::Clone() const
    {
        CustomerSystem* copy = new CustomerSystem(*this);
        CopyListedFields(*this, *copy);
        return copy;
    }

    void CustomerSystem::SpawnCustomer()
    {
        // count <= cap on purpose: the cap is reached only after the spawn
        // that makes the count cap + 1.
        if (numArcheCreated <= 0 || count > cap)
            return;
        const int n = RandomDraw::Mod(GENRANDNUM::Rand(), numArcheCreated) + 1;
        const std::string name = "Customer0" + std::to_string(n);
        GameObject* object = Instantiate(name, Vector2D(0.0f, 0.0f), 0.0f);
        if (!object)
        {
            ReportDataError("Archetypes/" + name, "no such customer archetype; no customer created");
            return;
        }
        CustomerAIBehaviour* customer = object->GetComponent<CustomerAIBehaviour>();
        if (!customer)
        {
            ReportDataError("Archetypes/" + name, "has no CustomerAIBehaviour; no customer created");
            Destroy(object);
            return;
        }
        ++count;
        customer->MarkCounted();
    }

    void CustomerSystem::UpdateStanding(float likesDelta)
    {
        UpdateStandingQuiet(likesDelta);
        if (likesDelta > 0.0f)
            QuestEvents::UpdateQuest(QuestEvents::LikesGained, QuestEvents::ToAmount(likesDelta), nullptr);
    }

    void CustomerSystem::UpdateStandingQuiet(float& likesDelta)
    {
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->Likes += likesDelta;
        RecomputeStandingLevel();
    }

    void CustomerSystem::RecomputeStandingLevel()
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        SpawnRateManager* rate = SpawnRateManager::Instance();
        if (!stats || !rate)
            return;
        rate->ApplyLevel(rate->StandingLevel(stats->Likes, stats->Reputation));
    }

    Vector2D CustomerSystem::RandomOffset() const
    {
        // The y draw comes first.
        const float y = RandomDraw::FMod(GENRANDNUM::Rand(), randomDisplacementRange.y);
        const float x = RandomDraw::FMod(GENRANDNUM::Rand(), randomDisplacementRange.x);
        return Vector2D(x, y);
    }

    void CustomerSystem::AddCustomer(CustomerAIBehaviour* c)
    {
        if (c && c->GetOwner())
            customers.emplace_back(c->GetOwner());
    }

    void CustomerSystem::RemoveCustomer(CustomerAIBehaviour* c)
    {
        if (!c || !c->GetOwner())
            return;
        const GameObject* owner = c->GetOwner();
        customers.erase(std::remove_if(customers.begin(), customers.end(),
                                       [owner](const ObjectHandle& h) { return h == owner; }),
                        customers.end());
    }

    std::vector<CustomerAIBehaviour*> CustomerSystem::GetCustomers() const
    {
        return LiveComponents<CustomerAIBehaviour>(customers);
    }

    const CustomerSystem::SpritePair* CustomerSystem::GetSpritePair(int customerIndex, int pose) const
    {
        if (customerIndex < 0 || static_cast<std::size_t>(customerIndex) >= customerSprites.size())
            return nullptr;
        const std::vector<SpritePair>& poses = customerSprites[customerIndex];
        if (pose < 0 || static_cast<std::size_t>(pose) >= poses.size())
            return nullptr;
        return &poses[pose];
    }

    int CustomerSystem::GetSpriteColumns(int pose) const
    {
        if (pose < 0 || static_cast<std::size_t>(pose) >= customerSpriteCols_.size())
            return 1;
        return customerSpriteCols_[pose];
    }

    // ---- Fights -------------------------------------------------------------

    void CustomerSystem::StartFight(CustomerAIBehaviour* a, CustomerAIBehaviour* b)
    {
        if (!a || !b)
            return;
        fightOn = true;
        firstFighter = ObjectHandle(a->GetOwner());
        secondFighter = ObjectHandle(b->GetOwner());
        fighterArrived = false;
        const float sx = GENRANDNUM::Rand() % 2 == 0 ? -1.0f : 1.0f;
        const float sy = GENRANDNUM::Rand() % 2 == 0 ? -1.0f : 1.0f;
        const float ox = RandomDraw::FMod(GENRANDNUM::Rand(), fightLocationOffset.x) * sx;
        const float oy = RandomDraw::FMod(GENRANDNUM::Rand(), fightLocationOffset.y) * sy;
        fightLocation = (a->GetPosition() + b->GetPosition()) / 2.0f + Vector2D(ox, oy);
        a->MoveTo(CustomerAIBehaviour::AtFight, fightLocation.x, fightLocation.y);
        b->MoveTo(CustomerAIBehaviour::AtFight, fightLocation.x, fightLocation.y);
    }

    bool CustomerSystem::FighterArrives()
    {
        if (!fighterArrived)
        {
            fighterArrived = true;
            return false;
        }
        fighterArrived = false;
        return true;
    }

    void CustomerSystem::SpawnFightCloud()
    {
        if (StallsSystem* stalls = StallsSystem::Instance())
            stalls->fightOngoing = true;
        GameObject* cloud = Instantiate("FightCloud", fightLocation, 0.0f);
        FightResolver* resolver = cloud ? cloud->GetComponent<FightResolver>() : nullptr;
        if (!resolver)
        {
            // Without a cloud to click nothing would end the fight.
            ReportDataError("Archetypes/FightCloud", cloud ? "has no FightResolver; the fight ends at once"
                                                           : "no such archetype; the fight ends at once");
            if (cloud)
                Destroy(cloud);
            CustomerAIBehaviour* first = GetFirstFighter();
            CustomerAIBehaviour* second = GetSecondFighter();
            if (StallsSystem* stalls = StallsSystem::Instance())
                stalls->fightOngoing = false;
            ClearFight();
            if (first)
                first->EndFight();
            if (second)
                second->EndFight();
            return;
        }
        fightCloud = ObjectHandle(cloud);
        resolver->SetFight(fightTimeout, GetFirstFighter(), GetSecondFighter());
    }

    void CustomerSystem::ClearFight()
    {
        fightOn = false;
        fighterArrived = false;
        firstFighter.Reset();
        secondFighter.Reset();
        fightCloud.Reset();
    }

    void CustomerSystem::FighterGone(CustomerAIBehaviour* c)
    {
        if (!fightOn || !IsFighter(c))
            return;
        // With a cloud the resolver ends the fight and skips the missing one.
        if (FightResolver* resolver = fightCloud.Get<FightResolver>())
        {
            resolver->EndFight();
            return;
        }
        CustomerAIBehaviour* other = GetFirstFighter() == c ? GetSecondFighter() : GetFirstFighter();
        ClearFight();
        if (other)
            other->EndFight();
    }

    bool CustomerSystem::IsFighter(const CustomerAIBehaviour* c) const
    {
        if (!c || !c->GetOwner())
            return false;
        return firstFighter == c->GetOwner() || secondFighter == c->GetOwner();
    }

    CustomerAIBehaviour* CustomerSystem::GetFirstFighter() const
    {
        return firstFighter.Get<CustomerAIBehaviour>();
    }

    CustomerAIBehaviour* CustomerSystem::GetSecondFighter() const
    {
        return secondFighter.Get<CustomerAIBehaviour>();
    }

    void CustomerCrowd::SpawnOne()
    {
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->SpawnCustomer();
    }

    void CustomerCrowd::FollowReputation()
    {
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->RecomputeStandingLevel();
    }
}
