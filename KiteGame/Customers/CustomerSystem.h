// CustomerSystem: the level's customer settings, cap and count, the list of
// living customers and the standing that likes and reputation give.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class CustomerAIBehaviour;

    class CustomerSystem : public Script, public CurrentInstance<CustomerSystem>
    {
    public:
        using SpritePair = std::pair<std::string, std::string>;

        CustomerSystem();
        CustomerSystem(const CustomerSystem& other);

        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Customer System"; }

        // Creates one customer from a random "Customer0<n>" archetype while
        // the count is at most the cap.
        void SpawnCustomer();
        // Likes change, standing level, cap and spawn time; reports likes
        // gained to the quest system when there is one.
        void UpdateStanding(float likesDelta);
        // The same without the quest report.
        void UpdateStandingQuiet(float& likesDelta);
        // Recomputes the standing level from the current likes and
        // reputation (also after a sale raises the reputation).
        void RecomputeStandingLevel();
        // Random offset within randomDisplacementRange, never negative.
        Vector2D RandomOffset() const;

        // The customer list.
        void AddCustomer(CustomerAIBehaviour* c);
        void RemoveCustomer(CustomerAIBehaviour* c);
        // Living customers, in order of arrival.
        std::vector<CustomerAIBehaviour*> GetCustomers() const;
        std::size_t GetCustomerCount() const { return customers.size(); }
        // A customer leaving lowers the count.
        void CustomerGone() { if (count > 0) --count; }

        // ---- Fights (one at a time) -------------------------------------
        // Both customers walk to a meeting point near them and fight there.
        void StartFight(CustomerAIBehaviour* a, CustomerAIBehaviour* b);
        // The second fighter arrived: the cloud the player clicks appears.
        void SpawnFightCloud();
        // The fight is over: no fight, no fighters.
        void ClearFight();
        // A fighter leaves the level before its cloud exists: the other one
        // stops waiting and the fight is over.
        void FighterGone(CustomerAIBehaviour* c);
        // A fighter reached the fight location: false for the first, true
        // for the second (which then spawns the cloud).
        bool FighterArrives();
        bool IsFighter(const CustomerAIBehaviour* c) const;
        Vector2D GetFightLocation() const { return fightLocation; }
        CustomerAIBehaviour* GetFirstFighter() const;
        CustomerAIBehaviour* GetSecondFighter() const;

        // Sprite table of a customer look and pose; null when out of range.
        const SpritePair* GetSpritePair(int customerIndex, int pose) const;
        // Column count of a pose; 1 when out of range.
        int GetSpriteColumns(int pose) const;

        // Stored settings.
        int numArcheCreated = 0;
        std::vector<std::vector<SpritePair>> customerSprites;
        std::vector<int> customerSpriteCols_;
        Vector2D randomDisplacementRange;
        int queueMax = 0;
        bool preferenceAllowed = false;
        int lookAroundfCountoutMin = 0;
        int lookAroundfCountoutMax = 1;
        int preferenceLookAroundCountoutBuff = 0;
        int noQueuefCountoutMin = 0;
        int noQueuefCountoutMax = 1;
        float feedbackOffset = 0.0f;
        float tabaoChance = 0.0f;
        float trashSpawnChance = 0.0f;
        float fightChance = 0.0f;
        float fightTimeout = 0.0f;
        Vector2D fightLocationOffset;

        // Run-time state.
        int cap = 0;
        int count = 0;
        bool fightOn = false;

    private:
        Vector2D fightLocation;
        ObjectHandle firstFighter;
        ObjectHandle secondFighter;
        bool fighterArrived = false;
        ObjectHandle fightCloud;

        std::vector<ObjectHandle> customers;
    };
}
