// A game world with the level's customer systems on one object, a customer
// archetype and the floating feedback archetypes customers show.
#pragma once

#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Customers/SpawnRateManager.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "Game/GameTestWorld.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteTest
{
    class CustomerWorld : public GameWorld
    {
    protected:
        void SetUp() override
        {
            GameWorld::SetUp();
            if (!withFeedbackArchetypes)
                return;
            for (const char* name : {"LoseHeart", "HeartMoving"})
                SimpleArchetype(name, true);
            for (const char* name : {"SpeechBubbleLike", "SpeechBubbleDislike", "SpeechBubbleFrustrated",
                                     "SpeechBubbleAngry", "SpeechBubbleNoTime", "SpeechBubbleNoSeats",
                                     "SpeechBubbleTrash", "SpeechBubbleFire", "SpeechPreference"})
                SimpleArchetype(name, false, true);
        }

        // The customer archetype "Customer0<n>" with the given walking speed
        // and likes.
        void CustomerArchetype(int n = 1, Vector2D speed = Vector2D(100.0f, 0.0f), float likes = 10.0f)
        {
            GameObject* o = Make("Customer");
            o->AddComponent(CT_Sprite);
            auto* c = Add<CustomerAIBehaviour>(o, CT_CustomerAIBehaviour);
            c->likesTimeout = 1.0f;
            c->startOffLikes = likes;
            c->likesMin = 0.0f;
            c->likesDecrementStep = 1.0f;
            c->interpolateStep = speed;
            Archetype("Customer0" + std::to_string(n), o);
        }

        // The systems object: statistics, customers, spawn rate, simulation.
        GameObject* Systems()
        {
            GameObject* o = Make("Systems");
            stats = Add<LevelStatsSystem>(o, CT_LevelStatsSystem);
            customers = Add<CustomerSystem>(o, CT_CustomerSystem);
            rate = Add<SpawnRateManager>(o, CT_SpawnRateManager);
            simulation = Add<SimulationSystem>(o, CT_SimulationSystem);
            customers->numArcheCreated = 1;
            customers->queueMax = 5;
            rate->rateModifierRate = 1.0f;
            rate->maxLevel = 1000;
            rate->startCustomerCap = 10;
            rate->startMinSpawnTime = 1.0f;
            stats->SetMoney(100.0f);
            return o;
        }

        // Two linked entrances far apart: a customer that comes with no
        // stall placed leaves from one to the other.
        void Entrances()
        {
            startA = Node("startA", -700.0f, 0.0f);
            startB = Node("startB", 700.0f, 0.0f);
            Link(startA, startB);
        }

        // A customer made straight from the archetype (not counted).
        CustomerAIBehaviour* NewCustomer(int n = 1)
        {
            GameObject* o = Instantiate("Customer0" + std::to_string(n), Vector2D(0.0f, 0.0f), 0.0f);
            return o ? o->GetComponent<CustomerAIBehaviour>() : nullptr;
        }

        // Cleared by worlds that test a level missing them.
        bool withFeedbackArchetypes = true;
        LevelStatsSystem* stats = nullptr;
        CustomerSystem* customers = nullptr;
        SpawnRateManager* rate = nullptr;
        SimulationSystem* simulation = nullptr;
        VertexNode* startA = nullptr;
        VertexNode* startB = nullptr;
    };
}
