// StallsSystem: the level's stall registry and stall settings: the placed
// stalls, the running daily upkeep, the per-type sales counters behind the
// most popular and most wanted stall, queue geometry, depths, collider tags
// and the stall sprite table.
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
    class StallsBehaviour;
    class Text;

    class StallsSystem : public Script, public CurrentInstance<StallsSystem>
    {
    public:
        using SpritePair = std::pair<std::string, std::string>;
        // first: wanted counter, second: served counter.
        using Counters = std::pair<unsigned, unsigned>;
        // Per stall type, per level band, per sprite state.
        using SpriteTable = std::vector<std::vector<std::vector<SpritePair>>>;

        StallsSystem();
        StallsSystem(const StallsSystem& other);

        void Initialise() override;
        void OnStart() override;
        // While a fight is on, sends a waiting customer away now and then.
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Stalls System"; }
        void FieldEdited(const FieldRef& field) override;

        // A bought stall dropped on a node: refused (shown "NoMoney" and
        // destroyed) when the money is below its cost; never charges.
        bool AddStall(StallsBehaviour* stall);
        // A stall stored in the level on its node: already paid for, so it
        // is registered without the money test.
        void AddStoredStall(StallsBehaviour* stall);
        void RemoveStall(StallsBehaviour* stall);
        void UpdateMostPopular(int index);
        // Sends one random non-front customer of a random stall's queue away.
        void KickRandomQueuedCustomer();
        // The daily upkeep of every stall ever added.
        void PayMaintenance();
        // The texture pair of a type index (from 0), band and state; empty
        // (with one report) when the table has none.
        SpritePair GetStallStat(int type, int band, int state) const;
        SpritePair GetName() const { return endConstruction; }

        // Placed stalls in order of placement (living ones).
        std::vector<StallsBehaviour*> GetStalls() const;
        std::size_t GetStallCount() const;
        StallsBehaviour* GetStallAt(std::size_t i) const;
        bool IsPlaced(const StallsBehaviour* stall) const;

        unsigned GetMostWantedIndex() const { return mostWantedIndex; }
        unsigned GetMostPopularIndex() const { return mostPopularIndex; }
        float GetTotalUpkeep() const { return totalUpkeep; }

        // Stored settings.
        int typesOfStalls = 0;
        std::vector<Counters> stallStatistics;
        Vector2D stallToQueueOffset;
        Vector2D queueStartOffset;
        Vector2D queueToQueueOffset;
        Vector2D queueRandomOffset;
        float timeToKickCustomerDuringFight = 0.0f;
        SpriteTable stallSprites;
        std::pair<int, int> animationColRow_{0, 0};
        SpritePair startConstruction;
        SpritePair endConstruction;
        float actualDepth = 0.0f;
        float draggingDepth = 0.0f;
        bool stallsMovable = true;
        int originalLayer = 0;
        int draggedLayer = 0;

        // Set while a customer fight is on.
        bool fightOngoing = false;
        float fightKickTimer = 0.0f;

    private:
        void Register(StallsBehaviour* stall);
        void ShowTotalUpkeep() const;
        // The width the upkeep figure has before the "/day" beside it; 0
        // when the level shows no unit.
        static float UpkeepRoom(const Text& figure);
        void FindLeaders();

        // Stall objects in order of placement.
        std::vector<ObjectHandle> stalls;
        unsigned mostWantedIndex = 0;
        unsigned mostPopularIndex = 0;
        Vector2D maintenanceTextPosition;
        float totalUpkeep = 0.0f;
        mutable bool reportedMissingSprite = false;
        mutable float upkeepScale = 0.0f;
    };
}
