// A headless player of a food-court level: it acts only through what a
// player's clicks reach (build buttons and drops on free places, the stall
// menu's upgrade button, dragging trash to a bin, clicking fires and fights)
// and follows a plain policy: the first star's missions first, then more
// stalls, tables and upgrades as the money allows.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"

namespace KiteFramework
{
    class GameObject;
    class FireResolver;
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

        // How the player plays. A keeper holds a small court (three stalls,
        // a table for every two) and only keeps it running: no upgrades, no
        // missions. A fire is clicked once it has burnt `fireReaction` game
        // seconds (a person at the highest speed needs a few real ones).
        struct Style
        {
            bool keeper = false;
            float fireReaction = 0.0f;
        };

        explicit CourtPlayer(KiteFramework::Platform::FakePlatform& pointer);
        CourtPlayer(KiteFramework::Platform::FakePlatform& pointer, Style style);

        // Once a frame: the chores run every frame, decisions now and then.
        void Frame(float gameSeconds);

        const Tally& GetTally() const { return tally; }

    private:
        void Decide();
        void PutOutFires(float gameSeconds);
        void Keep();
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
        Style style;
        Tally tally;
        // When each burning fire was first seen.
        std::map<const KiteFramework::FireResolver*, float> fireSeen;
        float nextDecision = 0.0f;
        float nextChore = 0.0f;
        // The trash being carried to a bin, and how many frames it has taken.
        KiteFramework::ObjectHandle carried;
        int carryFrames = 0;
        bool letGo = false;
        KiteFramework::ObjectHandle missionStall;
    };
}
