// A game world with the customer systems plus the stall and seat systems,
// the archetypes stalls and seats instantiate, a stall and seat table of
// the test's own, and helpers that place stalls and seats on nodes.
#pragma once

#include <fstream>

#include "Game/CustomerWorld.h"
#include "Seats/SeatNodesLink.h"
#include "Seats/SeatPlacementNode.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/DataTable.h"
#include "Stalls/SecondFloorController.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallNodesLink.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"

namespace KiteTest
{
    class StallWorld : public CustomerWorld
    {
    protected:
        void SetUp() override
        {
            CustomerWorld::SetUp();
            for (const char* name : {"CashMoving", "LoseCash", "NoMoney", "MaintenanceLoseCash"})
                SimpleArchetype(name, true);
            LinkArchetype("StallLinkNode", CT_StallNodesLink);
            LinkArchetype("SeatLinkNode", CT_SeatNodesLink);
            WriteTable("StallData/StallData.csv",
                       "Name,Food,Price,Upkeep\n"
                       "Stall1,Noodles,100,12\n"
                       "Stall2,Drinks,80,7\n"
                       "Stall3,Rice,120,9\n");
            WriteTable("SeatData/SeatData.csv", "Name,Kind,Price,Upkeep\nSeat1,Table,20,0\n");
        }

        void WriteTable(const std::string& relative, const std::string& text)
        {
            const std::filesystem::path file = root / "Assets" / relative;
            std::filesystem::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << text;
        }

        // A hidden waypoint carrying a link script of the given type.
        void LinkArchetype(const std::string& name, ComponentTypeId linkType)
        {
            GameObject* o = Make(name);
            o->AddComponent(CT_Sprite);
            o->AddComponent(CT_VertexNode);
            o->AddComponent(linkType);
            Archetype(name, o);
        }

        // Statistics, customers and the simulation, then stalls and seats.
        void LevelSystems()
        {
            Make("MaintenanceCostText")->AddComponent(CT_Text);
            Systems();
            // The simulation only shows the upkeep here: it creates nobody
            // (no daylight reaches its threshold) and never ends the level.
            simulation->treshold = 2.0f;
            simulation->loseMoney = -1000000;
            simulation->Initialise();
            GameObject* o = Make("StallSystems");
            stalls = Add<StallsSystem>(o, CT_StallsSystem);
            seats = Add<SeatsSystem>(o, CT_SeatsSystem);
            stalls->typesOfStalls = 8;
            stalls->stallStatistics.assign(8, {0u, 0u});
        }

        // A stall placement node object at (x, y) with its sprite.
        StallPlacementNode* StallNode(const std::string& name, float x, float y, bool queueToLeft = false)
        {
            GameObject* o = Make(name, x, y);
            o->AddComponent(CT_Sprite);
            auto* node = Add<StallPlacementNode>(o, CT_StallPlacementNode);
            node->queueToLeft = queueToLeft;
            return node;
        }

        // A stall object "Stall<type>" standing on node (a child of it),
        // initialised as a stall read back with its level is.
        StallsBehaviour* StoredStall(int type, StallPlacementNode* node, float cost = 100.0f)
        {
            Transform* nodeAt = node->GetOwner()->GetComponent<Transform>();
            GameObject* o = Make("Stall" + std::to_string(type), nodeAt->GetTransVec().x, nodeAt->GetTransVec().y);
            o->AddComponent(CT_Sprite);
            auto* s = Add<StallsBehaviour>(o, CT_StallsBehaviour);
            s->stallIndex_ = type;
            s->constructionCost = cost;
            s->stallEarningsBasic = {10.0f, 5.0f, 20.0f};
            s->serveTime = 1.0f;
            s->foodConsumeTime = 1.0f;
            o->AddParent(node->GetOwner());
            o->Initialise();
            return s;
        }

        GameObject* Find(const std::string& name) const { return factory->FindObjByName(name); }

        // Text of the newest object with the name, or "<none>".
        std::string NewestText(const std::string& name) const
        {
            const GameObject* newest = nullptr;
            for (const auto& entry : factory->GetObjects())
                if (entry.second->getName() == name)
                    newest = entry.second;
            Text* t = newest ? newest->GetComponent<Text>() : nullptr;
            return t ? *t->GetText() : std::string("<none>");
        }

        int CountNamed(const std::string& name) const
        {
            int n = 0;
            for (const auto& entry : factory->GetObjects())
                if (entry.second->getName() == name)
                    ++n;
            return n;
        }

        StallsSystem* stalls = nullptr;
        SeatsSystem* seats = nullptr;
    };
}
