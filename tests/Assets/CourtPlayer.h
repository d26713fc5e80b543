// A headless player of a food-court level: it acts only through what a
// player's clicks reach (build buttons and drops on free places, the stall
// menu's upgrade button, dragging trash to a bin, clicking fires and fights)
// and follows a plain policy: the first star's missions first, then more
// stalls, tables and upgrades as the money allows.
#pragma once

#include <string>
#include <vector>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"

namespace KiteFramework
{
    class GameObject;
    namespace Platform
    {
        class FakePlatform;
    }
}

namespace KiteTest
{
    class CourtPlayer
    {
    public:
        // What the player has done so far.
        struct Tally
        {
            int stallsBought = 0;
            int tablesBought = 0;
            int upgrades = 0;
            int firesOut = 0;
            int fightsEnded = 0;
            int trashBinned = 0;
        };

        explicit CourtPlayer(KiteFramework::Platform::FakePlatform& pointer);

        // Once a frame: the chores run every frame, decisions now and then.
        void Frame(float gameSeconds);

        const Tally& GetTally() const { return tally; }

    private:
        void Decide();
        void PutOutFires();
        void BreakUpFights();
        void BinTrash();

        bool BuyStall();
        bool BuyTable();
        bool UpgradeBest(bool forMission);
        bool Spend(float cost, float extraUpkeep = 0.0f) const;
        float Reserve(float extraUpkeep) const;

        KiteFramework::GameObject* FreeNode(bool stall) const;
        bool Drop(const std::string& button, KiteFramework::GameObject* node);
        void PointerAt(KiteFramework::Vector2D world);

        // The first star's mission of the kind is drawn and not yet done.
        bool MissionOpen(int kind) const;

        KiteFramework::Platform::FakePlatform& fake;
        Tally tally;
        float nextDecision = 0.0f;
        float nextChore = 0.0f;
        // The trash being carried to a bin, and how many frames it has taken.
        KiteFramework::ObjectHandle carried;
        int carryFrames = 0;
        bool letGo = false;
        KiteFramework::ObjectHandle missionStall;
    };
}
