// A stall's earnings, sales, upgrade and sale: money, revenue, served count,
// reputation and the sales leaders; the daily upkeep read from the table.
#include <gtest/gtest.h>

#include "Game/StallWorld.h"

using namespace KiteTest;

namespace
{
    class Stalls : public StallWorld
    {
    protected:
        void SetUp() override
        {
            StallWorld::SetUp();
            LevelSystems();
            stats->SetMoney(100.0f);
            node = StallNode("StallNode1", 100.0f, 50.0f);
        }

        StallPlacementNode* node = nullptr;
    };
}

TEST_F(Stalls, EarningsGrowByLevel)
{
    StallsBehaviour* s = StoredStall(3, node);
    EXPECT_EQ(s->stallEarnings, (StallEarnings{10.0f, 5.0f, 20.0f}));

    s->earningsMult = 1.5f;
    s->level = 3;
    s->Initialise();
    EXPECT_FLOAT_EQ(s->stallEarnings.money, 22.5f);
    EXPECT_FLOAT_EQ(s->stallEarnings.likes, 11.25f);
    EXPECT_FLOAT_EQ(s->stallEarnings.reputation, 45.0f);
}

TEST_F(Stalls, SalePaysMoneyRevenueReputationAndCountsTheStallType)
{
    StallsBehaviour* s = StoredStall(3, node);
    stats->Reputation = 0.0f;
    s->busy_ = true;
    s->ServeCustomer();

    EXPECT_FLOAT_EQ(stats->Money(), 110.0f);
    EXPECT_FLOAT_EQ(stats->GrossRevenue, 10.0f);
    EXPECT_EQ(stats->CustomerServed, 1);
    EXPECT_FLOAT_EQ(stats->Reputation, 20.0f);
    // Likes come from the customer when it reaches the counter, not here.
    EXPECT_FLOAT_EQ(stats->Likes, 0.0f);
    EXPECT_EQ(stalls->stallStatistics[2].second, 1u);
    EXPECT_EQ(stats->MostPopular, "Stall 2");
    EXPECT_EQ(stats->MostWanted, "None");
    EXPECT_EQ(NewestText("CashMoving"), "10");
    // The queue ran empty: the stall idles.
    EXPECT_FALSE(s->busy_);
    EXPECT_EQ(s->spriteState, StallsBehaviour::Idle);
}

TEST_F(Stalls, SaleRaisesTheStandingLevelFromReputation)
{
    rate->likesRepWeightage = 0.0f;
    rate->rateModifierRate = 10.0f;
    rate->startingLevel = 0;
    rate->customerCapStep = 2;
    rate->startCustomerCap = 4;
    StallsBehaviour* s = StoredStall(1, node);
    stats->Reputation = 0.0f;
    s->ServeCustomer();
    // Reputation 20 over 10 per level: level 2, cap 4 + 2 * 2.
    EXPECT_EQ(rate->GetCurrentLevel(), 2);
    EXPECT_EQ(customers->cap, 8);
    EXPECT_FLOAT_EQ(stats->Likes, 0.0f);
}

TEST_F(Stalls, MostPopularNeedsStrictlyMoreSales)
{
    StallsBehaviour* a = StoredStall(3, node);
    StallsBehaviour* b = StoredStall(5, StallNode("StallNode2", -100.0f, 50.0f));
    a->ServeCustomer();
    EXPECT_EQ(stats->MostPopular, "Stall 2");
    b->ServeCustomer();
    EXPECT_EQ(stats->MostPopular, "Stall 2");
    b->ServeCustomer();
    EXPECT_EQ(stats->MostPopular, "Stall 4");
    EXPECT_EQ(stalls->GetMostPopularIndex(), 4u);
}

TEST_F(Stalls, StallTypesOutsideTheCountersStillSell)
{
    StallsBehaviour* s = StoredStall(3, node);
    s->stallIndex_ = 40;
    s->ServeCustomer();
    s->stallIndex_ = 0;
    s->ServeCustomer();
    EXPECT_EQ(stats->CustomerServed, 2);
    EXPECT_FLOAT_EQ(stats->Money(), 120.0f);
    EXPECT_EQ(stats->MostPopular, "None");
}

TEST_F(Stalls, UpgradeChargesShowsTheCostAndRaisesTheStall)
{
    StallsBehaviour* s = StoredStall(3, node);
    s->ApplyUpgrade(50.0f, 2.0f);
    EXPECT_FLOAT_EQ(stats->Money(), 50.0f);
    EXPECT_EQ(stats->CustomerServed, 0);
    EXPECT_FLOAT_EQ(stats->GrossRevenue, 0.0f);
    EXPECT_EQ(NewestText("LoseCash"), "-50");
    EXPECT_EQ(s->level, 2u);
    EXPECT_FLOAT_EQ(s->constructionCost, 150.0f);
    EXPECT_FLOAT_EQ(s->stallEarnings.money, 20.0f);
    EXPECT_FALSE(s->operational);
    EXPECT_FALSE(s->IsOpenForCustomers());
}

TEST_F(Stalls, SellingReturnsHalfOfEverythingPaidAndClearsTheNode)
{
    StallsBehaviour* s = StoredStall(1, node);
    s->CreateStallLinkNode(node);
    GameObject* link = s->GetLinkNode()->GetOwner();
    GameObject* stallObject = s->GetOwner();
    node->GetOwner()->GetComponent<Sprite>()->ToggleRender(false);
    s->ApplyUpgrade(50.0f, 1.0f);
    ASSERT_FLOAT_EQ(stats->Money(), 50.0f);
    EXPECT_FLOAT_EQ(stalls->GetTotalUpkeep(), 12.0f);

    s->Sell();
    EXPECT_FLOAT_EQ(stats->Money(), 125.0f);
    EXPECT_EQ(stats->CustomerServed, 1);
    EXPECT_EQ(NewestText("CashMoving"), "75");
    EXPECT_EQ(stalls->GetStallCount(), 0u);
    EXPECT_FLOAT_EQ(stalls->GetTotalUpkeep(), 0.0f);
    EXPECT_EQ(*simulation->GetMaintenanceText()->GetText(), "0");
    EXPECT_TRUE(node->GetOwner()->GetComponent<Sprite>()->IsRenderable());
    EXPECT_TRUE(node->GetOwner()->GetChildren().empty());

    ObjectHandle stallHandle(stallObject), linkHandle(link);
    factory->Update();
    EXPECT_FALSE(stallHandle.Get());
    EXPECT_FALSE(linkHandle.Get());
}

TEST_F(Stalls, StoredStallIsRegisteredWithoutTheMoneyTestOrACharge)
{
    stats->SetMoney(10.0f);
    StallsBehaviour* s = StoredStall(1, node, 500.0f);
    EXPECT_TRUE(stalls->IsPlaced(s));
    EXPECT_FLOAT_EQ(stats->Money(), 10.0f);
    EXPECT_EQ(CountNamed("NoMoney"), 0);
    // Registering it again (a second initialisation) counts it once.
    s->Initialise();
    EXPECT_EQ(stalls->GetStallCount(), 1u);
    EXPECT_FLOAT_EQ(stalls->GetTotalUpkeep(), 12.0f);
}

TEST_F(Stalls, BoughtStallNeedsTheMoneyButIsNotCharged)
{
    GameObject* o = Make("Stall2", 5.0f, 5.0f);
    auto* s = Add<StallsBehaviour>(o, CT_StallsBehaviour);
    s->constructionCost = 150.0f;
    o->Initialise();
    EXPECT_FALSE(stalls->IsPlaced(s));

    EXPECT_FALSE(stalls->AddStall(s));
    EXPECT_FLOAT_EQ(stats->Money(), 100.0f);
    EXPECT_EQ(CountNamed("NoMoney"), 1);
    EXPECT_EQ(stalls->GetStallCount(), 0u);
    ObjectHandle h(o);
    factory->Update();
    EXPECT_FALSE(h.Get());

    GameObject* p = Make("Stall2");
    auto* t = Add<StallsBehaviour>(p, CT_StallsBehaviour);
    t->constructionCost = 100.0f;
    p->Initialise();
    EXPECT_TRUE(stalls->AddStall(t));
    EXPECT_FLOAT_EQ(stats->Money(), 100.0f);
    EXPECT_FLOAT_EQ(stalls->GetTotalUpkeep(), 7.0f);
}

TEST_F(Stalls, UpkeepComesFromTheTableRowOfTheStallName)
{
    WriteTable("StallData/StallData.csv",
               "Name,Food,Price,Upkeep\n"
               "Stall1,Noodles,100,12\n"
               "Stall2,Drinks,80,7abc\n"
               "Stall3,Rice,120,lots\n"
               "Stall4,Tea,50,-30\n"
               "Stall5,Pie,50," + std::string(60, '9') + "\n");
    testing::internal::CaptureStdout();
    StallsBehaviour* a = StoredStall(1, node);
    StallsBehaviour* b = StoredStall(2, StallNode("StallNode2", 0.0f, 0.0f));
    testing::internal::CaptureStderr();
    StallsBehaviour* c = StoredStall(3, StallNode("StallNode3", 0.0f, 0.0f));
    StallsBehaviour* d = StoredStall(12, StallNode("StallNode4", 0.0f, 0.0f));
    // Below nothing and past any number are out of range, like prices.
    StallsBehaviour* negative = StoredStall(4, StallNode("StallNode5", 0.0f, 0.0f));
    StallsBehaviour* endless = StoredStall(5, StallNode("StallNode6", 0.0f, 0.0f));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_FLOAT_EQ(negative->upkeep, 0.0f);
    EXPECT_FLOAT_EQ(endless->upkeep, 0.0f);
    EXPECT_NE(errors.find("StallData.csv row 4: upkeep out of range"), std::string::npos) << errors;
    EXPECT_NE(errors.find("StallData.csv row 5: upkeep out of range"), std::string::npos) << errors;
    // Each stall's number is on the console before its row is read.
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "1\n2\n3\n12\n4\n5\n");

    EXPECT_FLOAT_EQ(a->upkeep, 12.0f);
    EXPECT_FLOAT_EQ(b->upkeep, 7.0f);
    EXPECT_FLOAT_EQ(c->upkeep, 0.0f);
    EXPECT_FLOAT_EQ(d->upkeep, 0.0f);
    EXPECT_NE(errors.find("StallData.csv row 3"), std::string::npos) << errors;
    EXPECT_NE(errors.find("StallData.csv row 12"), std::string::npos) << errors;
    EXPECT_FLOAT_EQ(stalls->GetTotalUpkeep(), 19.0f);
    EXPECT_EQ(*simulation->GetMaintenanceText()->GetText(), "19");
}

TEST_F(Stalls, MaintenanceChargesTheUpkeepOfEveryStall)
{
    stalls->PayMaintenance();
    EXPECT_FLOAT_EQ(stats->Money(), 100.0f);
    EXPECT_EQ(NewestText("MaintenanceLoseCash"), "0");

    StoredStall(1, node);
    StoredStall(2, StallNode("StallNode2", 0.0f, 0.0f));
    stalls->PayMaintenance();
    EXPECT_FLOAT_EQ(stats->Money(), 81.0f);
    EXPECT_EQ(NewestText("MaintenanceLoseCash"), "19");
    EXPECT_EQ(CountNamed("MaintenanceLoseCash"), 2);
    // Maintenance may take the money below zero.
    for (int day = 0; day < 5; ++day)
        stalls->PayMaintenance();
    EXPECT_FLOAT_EQ(stats->Money(), -14.0f);
}

TEST_F(Stalls, LevelBandsFollowTheUpgradeCount)
{
    StallsBehaviour* s = StoredStall(1, node);
    const auto bands = [s](unsigned maxLevel, unsigned levels) {
        std::vector<int> out;
        s->maxLevel = maxLevel;
        for (unsigned l = 1; l <= levels; ++l)
        {
            s->level = l;
            out.push_back(s->GetLevelBand());
        }
        return out;
    };
    EXPECT_EQ(bands(5, 5), (std::vector<int>{0, 1, 1, 2, 2}));
    EXPECT_EQ(bands(3, 3), (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(bands(0, 3), (std::vector<int>{2, 2, 2}));
}

TEST_F(Stalls, SpriteFollowsTypeBandAndStateAndMissingEntriesAreSkipped)
{
    stalls->stallSprites.assign(2, std::vector<std::vector<StallsSystem::SpritePair>>(
                                       3, std::vector<StallsSystem::SpritePair>(3)));
    for (int type = 0; type < 2; ++type)
        for (int band = 0; band < 3; ++band)
            for (int state = 0; state < 3; ++state)
                stalls->stallSprites[type][band][state] = {
                    "S" + std::to_string(type) + std::to_string(band) + std::to_string(state) + ".png", "b.png"};
    stalls->animationColRow_ = {2, 1};
    StallsBehaviour* s = StoredStall(2, node);
    s->maxLevel = 3;
    s->level = 1;
    s->SetStallSprite(StallsBehaviour::Serving);
    Sprite* sprite = s->GetOwner()->GetComponent<Sprite>();
    EXPECT_EQ(sprite->GetTexturePath(), "S111.png");
    EXPECT_EQ(s->spriteState, StallsBehaviour::Serving);

    // Type 7 has no textures: reported once, the sprite keeps its look.
    s->stallIndex_ = 7;
    testing::internal::CaptureStderr();
    s->SetStallSprite(StallsBehaviour::Idle);
    s->SetStallSprite(StallsBehaviour::Serving);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sprite->GetTexturePath(), "S111.png");
    EXPECT_NE(errors.find("stallSprites"), std::string::npos);
    EXPECT_EQ(errors.find("stallSprites"), errors.rfind("stallSprites"));
}

TEST_F(Stalls, SystemsClearTheirPointerOnlyWhenItNamesThem)
{
    auto* copy = static_cast<StallsSystem*>(stalls->Clone());
    ASSERT_EQ(StallsSystem::Instance(), copy);
    // The level's first system goes while the copy is current.
    stalls->GetOwner()->RemoveComponent(CT_StallsSystem);
    EXPECT_EQ(StallsSystem::Instance(), copy);
    delete copy;
    EXPECT_EQ(StallsSystem::Instance(), nullptr);

    auto* seatCopy = static_cast<SeatsSystem*>(seats->Clone());
    seats->GetOwner()->RemoveComponent(CT_SeatsSystem);
    EXPECT_EQ(SeatsSystem::Instance(), seatCopy);
    delete seatCopy;
    EXPECT_EQ(SeatsSystem::Instance(), nullptr);
}
