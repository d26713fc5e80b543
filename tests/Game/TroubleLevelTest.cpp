// The committed Level1 with its trouble: the fire, trash and synergy
// systems and the bins load; played at four times with fires and fights
// made likely, the burning count, the trash count and the fight flags stay
// true to the objects alive while fires are put out and fights broken up.
#include <filesystem>

#include "Core/Physics/Collider2D.h"
#include "Customers/CustomerSystem.h"
#include "Economy/LevelStatsSystem.h"
#include "Game/GameTestWorld.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSynergySystem.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FightResolver.h"
#include "Trouble/FireController.h"
#include "Trouble/FireResolver.h"
#include "Trouble/Trash.h"
#include "Trouble/TrashBin.h"
#include "Trouble/TrashController.h"

using namespace KiteTest;

namespace
{
    class TroubleLevel : public GameWorld
    {
    protected:
        void SetUp() override
        {
            GameWorld::SetUp();
            LoadShippedScene("Level1");
        }

        template <typename T>
        std::vector<T*> All() const
        {
            std::vector<T*> out;
            for (const auto& entry : factory->GetObjects())
                if (T* t = entry.second->GetComponent<T>())
                    out.push_back(t);
            return out;
        }
    };
}

TEST_F(TroubleLevel, LoadsItsTroubleSystemsAndBins)
{
    ASSERT_NE(FireController::Instance(), nullptr);
    ASSERT_NE(TrashController::Instance(), nullptr);
    ASSERT_NE(StallsSynergySystem::Instance(), nullptr);
    EXPECT_EQ(StallsSynergySystem::Instance()->GetSynergies(), StallsSynergySystem::BuiltIn());
    EXPECT_GT(FireController::Instance()->fireCauseWidespreadPanicTimeoutInitial, 0.0f);
    const std::vector<TrashBin*> bins = All<TrashBin>();
    ASSERT_GE(bins.size(), 1u);
    for (TrashBin* bin : bins)
    {
        EXPECT_FALSE(bin->binOpenSprite.empty());
        EXPECT_NE(bin->GetOwner()->GetComponent<Collider2D>(), nullptr);
    }
    for (const char* name : {"Trash", "Fire", "FightCloud", "WaterFeedback", "FightClickFeedback",
                             "SpeechBubbleTrash", "SpeechBubbleFire"})
    {
        GameObject* o = Instantiate(name, Vector2D(), 0.0f);
        ASSERT_NE(o, nullptr) << name;
        Destroy(o);
    }
    Step();
}

TEST_F(TroubleLevel, TenMinutesOfFiresFightsAndTrashKeepEveryCountTrue)
{
    FireController* fire = FireController::Instance();
    CustomerSystem* customers = CustomerSystem::Instance();
    ASSERT_NE(fire, nullptr);
    fire->baseChance = 10.0f;
    fire->SetFireChance(10.0f);
    customers->fightChance = 100.0f;
    customers->trashSpawnChance = 100.0f;
    engine->SetTimeFactor(4.0f);
    int fires = 0, fights = 0, trash = 0;
    for (int frame = 0; frame < 10 * 60 * 60 / 4; ++frame)
    {
        Step();
        unsigned burning = 0;
        for (StallsBehaviour* s : StallsSystem::Instance()->GetStalls())
            burning += s->operational ? 0 : 1;
        ASSERT_EQ(fire->GetBurningCount(), burning) << "frame " << frame;
        const std::vector<Trash*> pieces = All<Trash>();
        ASSERT_EQ(TrashController::Instance()->GetTrashCount(), static_cast<int>(pieces.size()));
        trash = std::max(trash, static_cast<int>(pieces.size()));
        // Every few seconds the player puts a fire out, clears a table and
        // breaks up a fight.
        if (frame % 240 == 0)
        {
            for (FireResolver* r : All<FireResolver>())
            {
                r->PutOut();
                ++fires;
            }
            for (Trash* t : pieces)
                Destroy(t->GetOwner());
            for (FightResolver* f : All<FightResolver>())
            {
                f->EndFight();
                ++fights;
            }
        }
        if (!customers->fightOn)
        {
            ASSERT_EQ(customers->GetFirstFighter(), nullptr);
        }
    }
    EXPECT_GT(fires, 0);
    EXPECT_GT(trash, 0);
    std::cout << "fires put out " << fires << ", fights broken up " << fights << ", most trash " << trash
              << std::endl;
}
