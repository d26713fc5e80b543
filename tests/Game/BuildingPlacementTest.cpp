// Buying, moving and dropping stalls and tables by hand.
#include "Building/SeatDragging.h"
#include "Building/StallDragging.h"
#include "Game/BuildingWorld.h"

namespace KiteTest
{
    using BuildByHand = BuildingWorld;

    TEST_F(BuildByHand, ANewStallDroppedOnAFreeNodeIsBoughtAtFullPriceAndGetsItsMenu)
    {
        Level(1000.0f);
        StallPlacementNode* node = PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallsBehaviour* s = Buy(node);
        Step();
        ASSERT_EQ(FACTORY->FindObjectWithId(s->GetOwner()->GetId()), s->GetOwner());
        EXPECT_EQ(s->GetNodeObject(), node->GetOwner());
        EXPECT_EQ(At(s), Vector2D(300.0f, 200.0f));
        EXPECT_FLOAT_EQ(stats->Money(), 900.0f);
        EXPECT_EQ(NewestText("LoseCash"), "-100");
        EXPECT_EQ(stalls->GetStallCount(), 1u);
        EXPECT_EQ(TagOf(s), 2) << "back to the resting tag";
        EXPECT_FALSE(s->dragging);
        // The menu: one numbered upgrade button, the texts filled.
        EXPECT_EQ(upgrades->GetMenuCount(), 1u);
        EXPECT_EQ(NewestText("SellCostText"), "50");
        EXPECT_EQ(NewestText("UpgradeCostText"), "100");
        EXPECT_NE(s->GetLinkNode(), nullptr);
    }

    TEST_F(BuildByHand, ACarriedStallIsGreyTintedByWhatIsBelowAndGetsItsOwnLookBackOnTheDrop)
    {
        StallArchetype(3, 100.0f, 100.0f, "Stalls/Stall3_Gray.png");
        Level(1000.0f);
        StallPlacementNode* node = PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallsBehaviour* s = Carried("Stall3", -300.0f, -200.0f);
        ASSERT_NE(s, nullptr);
        auto* sprite = s->GetOwner()->GetComponent<Sprite>();
        auto* indicator = s->GetOwner()->GetComponent<Indicator>();
        ASSERT_NE(indicator, nullptr) << "the archetype keeps its indicator";
        EXPECT_EQ(sprite->GetTexturePath(), "Stalls/Stall3_Gray.png");
        EXPECT_EQ(sprite->GetColumn(), 1);
        EXPECT_FALSE(sprite->getAnimated());

        Step();
        EXPECT_EQ(sprite->GetTint(), indicator->illegalPlacement) << "nothing to stand on";
        MoveTo(s, 300.0f, 200.0f);
        Step();
        EXPECT_EQ(sprite->GetTint(), indicator->legalPlacement) << "over a free node";
        MoveTo(s, -300.0f, -200.0f);
        Step();
        EXPECT_EQ(sprite->GetTint(), indicator->illegalPlacement) << "off the node again";

        MoveTo(s, 300.0f, 200.0f);
        s->OnMouseUp();
        Step();
        EXPECT_EQ(s->GetNodeObject(), node->GetOwner());
        EXPECT_NE(sprite->GetTexturePath(), "Stalls/Stall3_Gray.png");
        EXPECT_EQ(sprite->GetColumn(), 2);
        EXPECT_EQ(sprite->GetTint(), (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
    }

    TEST_F(BuildByHand, ACarriedTableIsGreyRedOverNoFreePlaceAndItsOwnColoursOnceDropped)
    {
        GreyTableArchetype("Seat2");
        Level(1000.0f);
        Buy(PickableStallNode("StallNode1", 300.0f, 200.0f));
        SeatPlacementNode* node = PickableSeatNode("SeatNode1", 0.0f, -200.0f);
        Step();
        const float money = stats->Money();
        UseFakePlatform();
        fake.SetKeyDown(VK::LButton, true);
        GameObject* o = Instantiate("Seat2", Vector2D(0.0f, 300.0f), 0.0f);
        auto* seat = o->GetComponent<SeatsBehaviour>();
        seat->BeginDragFromButton();
        auto* sprite = o->GetComponent<Sprite>();
        auto* indicator = o->GetComponent<Indicator>();
        ASSERT_NE(indicator, nullptr);
        EXPECT_EQ(sprite->GetTexturePath(), "Seats/Table_Gray.png");
        EXPECT_EQ(sprite->GetBlendPath(), "Seats/Table_Gray.png") << "no night look shows through";

        Step();
        EXPECT_EQ(sprite->GetTint(), indicator->illegalPlacement) << "nothing to stand on";
        MoveTo(seat, 0.0f, -200.0f);
        Step();
        EXPECT_EQ(sprite->GetTint(), indicator->legalPlacement) << "over a free place";

        // The release is picked where the pointer has gone on to, not on the
        // table: the button being up still drops it where it was carried.
        fake.SetKeyDown(VK::LButton, false);
        Step();
        EXPECT_FALSE(seat->dragging);
        EXPECT_EQ(seat->GetNodeObject(), node->GetOwner());
        EXPECT_FLOAT_EQ(stats->Money(), money - 40.0f);
        EXPECT_EQ(sprite->GetTexturePath(), "Seats/Table.png");
        EXPECT_EQ(sprite->GetBlendPath(), "Seats/Table_Night.png");
        EXPECT_EQ(sprite->GetTint(), (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
    }

    TEST_F(BuildByHand, AReleaseThatMissesACarriedStallDropsItWhereItWasCarried)
    {
        Level(1000.0f);
        StallPlacementNode* a = PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallPlacementNode* b = PickableStallNode("StallNode2", -300.0f, 200.0f);
        UseFakePlatform();
        fake.SetKeyDown(VK::LButton, true);

        // A new stall released over the ground is thrown away...
        ASSERT_NE(Carried("Stall1", 0.0f, 0.0f), nullptr);
        Step();
        fake.SetKeyDown(VK::LButton, false);
        Step(2);
        EXPECT_EQ(Count("Stall1"), 0);
        EXPECT_FLOAT_EQ(stats->Money(), 1000.0f);

        // ...one released over a free node is bought there...
        fake.SetKeyDown(VK::LButton, true);
        StallsBehaviour* s = Carried("Stall1", 0.0f, 0.0f);
        MoveTo(s, 300.0f, 200.0f);
        Step();
        fake.SetKeyDown(VK::LButton, false);
        Step();
        EXPECT_EQ(s->GetNodeObject(), a->GetOwner());
        EXPECT_FLOAT_EQ(stats->Money(), 900.0f);

        // ...and a placed one held, carried and released moves.
        Hold(s, 0.4f);
        ASSERT_TRUE(s->dragging);
        MoveTo(s, -300.0f, 200.0f);
        fake.SetKeyDown(VK::LButton, false);
        Step();
        EXPECT_FALSE(s->dragging);
        EXPECT_EQ(s->GetNodeObject(), b->GetOwner());
        EXPECT_FLOAT_EQ(stats->Money(), 850.0f);
    }

    TEST_F(BuildByHand, ANewStallDroppedElsewhereIsThrownAwayAndCostsNothing)
    {
        Level(1000.0f);
        PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallsBehaviour* onGround = Carried("Stall1", 0.0f, 0.0f);
        MoveTo(onGround, -300.0f, -200.0f);
        const unsigned groundId = onGround->GetOwner()->GetId();
        onGround->OnMouseUp();
        Step();
        EXPECT_NE(FACTORY->FindObjectWithId(groundId) ? FACTORY->FindObjectWithId(groundId)->getName() : "", "Stall1");
        EXPECT_FLOAT_EQ(stats->Money(), 1000.0f);
        EXPECT_EQ(stalls->GetStallCount(), 0u);
        EXPECT_EQ(Count("Stall1"), 0);
    }

    TEST_F(BuildByHand, ANewStallTooDearForTheMoneyIsRefusedByTheStallSystemNotLeftAtTheOrigin)
    {
        Level(60.0f);  // above half the price, below the price
        PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallPlacementNode* node = static_cast<StallPlacementNode*>(Find("StallNode1")->GetComponent<StallPlacementNode>());
        Buy(node);
        Step();
        EXPECT_EQ(Count("Stall1"), 0) << "the refused stall is gone";
        EXPECT_EQ(Count("NoMoney"), 1);
        EXPECT_FLOAT_EQ(stats->Money(), 60.0f);
        EXPECT_TRUE(node->GetOwner()->GetChildren().empty());
    }

    TEST_F(BuildByHand, MovingAPlacedStallCostsHalfItsPriceAndItsQueueLosesHeart)
    {
        Level(1000.0f);
        StallPlacementNode* a = PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallPlacementNode* b = PickableStallNode("StallNode2", -300.0f, 200.0f);
        StallsBehaviour* s = Buy(a);
        Step();
        CustomerAIBehaviour* waiting = NewCustomer();
        s->JoinQueue(waiting);
        const int heartsBefore = Count("LoseHeart");
        UseFakePlatform();
        Hold(s, 0.35f);
        ASSERT_TRUE(s->dragging);
        EXPECT_EQ(TagOf(s), 3);
        EXPECT_EQ(Count("AfterImage"), 1) << "a ghost stays where the stall stood";
        MoveTo(s, -300.0f, 200.0f);
        s->OnMouseUp();
        Step();
        EXPECT_EQ(s->GetNodeObject(), b->GetOwner());
        EXPECT_TRUE(a->GetOwner()->GetChildren().empty());
        EXPECT_FLOAT_EQ(stats->Money(), 850.0f);
        EXPECT_EQ(NewestText("LoseCash"), "-50");
        EXPECT_EQ(s->GetQueueLength(), 0u);
        EXPECT_EQ(Count("LoseHeart"), heartsBefore + 1) << "the waiting customer loses heart";
        EXPECT_EQ(Count("AfterImage"), 0);
        EXPECT_EQ(stalls->GetStallCount(), 1u) << "a move is not a second purchase";
    }

    TEST_F(BuildByHand, AStallDroppedBackOnItsOwnNodeOrOnGroundReturnsForFree)
    {
        Level(1000.0f);
        StallPlacementNode* a = PickableStallNode("StallNode1", 300.0f, 200.0f);
        StallsBehaviour* s = Buy(a);
        Step();
        UseFakePlatform();
        for (Vector2D drop : {Vector2D(310.0f, 190.0f), Vector2D(-500.0f, -300.0f)})
        {
            Hold(s, 0.4f);
            ASSERT_TRUE(s->dragging);
            MoveTo(s, drop.x, drop.y);
            s->OnMouseUp();
            Step();
            EXPECT_EQ(At(s), Vector2D(300.0f, 200.0f));
            EXPECT_EQ(s->GetNodeObject(), a->GetOwner());
            EXPECT_FLOAT_EQ(stats->Money(), 900.0f);
        }
    }

    TEST_F(BuildByHand, AMoveTheMoneyDoesNotCoverReturnsTheStallWithNoMoney)
    {
        Level(1000.0f);
        StallPlacementNode* a = PickableStallNode("StallNode1", 300.0f, 200.0f);
        PickableStallNode("StallNode2", -300.0f, 200.0f);
        StallsBehaviour* s = Buy(a);
        Step();
        stats->SetMoney(40.0f);
        UseFakePlatform();
        Hold(s, 0.4f);
        MoveTo(s, -300.0f, 200.0f);
        s->OnMouseUp();
        Step();
        EXPECT_EQ(s->GetNodeObject(), a->GetOwner());
        EXPECT_EQ(At(s), Vector2D(300.0f, 200.0f));
        EXPECT_EQ(Count("NoMoney"), 1);
        EXPECT_FLOAT_EQ(stats->Money(), 40.0f);
    }

    TEST_F(BuildByHand, HoldingStartsADragOnlyAfterTheHoldTimeAndOnlyWhileTheButtonIsDown)
    {
        Level(1000.0f);
        StallsBehaviour* s = Buy(PickableStallNode("StallNode1", 300.0f, 200.0f));
        Step();
        UseFakePlatform();
        // A short click: no drag, and the console says the stall was clicked.
        testing::internal::CaptureStdout();
        Hold(s, 0.2f);
        s->OnMouseUp();
        Step(30);
        EXPECT_FALSE(s->dragging);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "queue popup menue for stalls\n");
        // Released away from the stall: the stall never hears the release,
        // and must not pick itself up later.
        Hold(s, 0.1f);
        fake.SetKeyDown(VK::LButton, false);
        for (int frame = 0; frame < 60; ++frame)
        {
            Step();
            ASSERT_FALSE(s->dragging) << frame;
        }
        EXPECT_FALSE(s->pressed);
        EXPECT_EQ(Count("AfterImage"), 0);
        // At twice the speed the hold is over in half the frames.
        engine->SetTimeFactor(2.0f);
        Hold(s, 0.16f);
        EXPECT_TRUE(s->dragging);
        // A drop is no click.
        testing::internal::CaptureStdout();
        s->OnMouseUp();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        engine->SetTimeFactor(1.0f);
        // Not movable: a hold never picks it up.
        stalls->stallsMovable = false;
        Hold(s, 1.0f);
        EXPECT_FALSE(s->dragging);
        EXPECT_FALSE(s->pressed);
    }

    TEST_F(BuildByHand, TheAfterImageOfACarriedStallShowsWhatTheStallDoes)
    {
        Level(1000.0f);
        // One band (no upgrades: band 2), states idle, serving, burning.
        stalls->stallSprites.assign(1, std::vector<std::vector<std::pair<std::string, std::string>>>(
                                           3, {{"Idle.png", "IdleNight.png"},
                                               {"Serving.png", "ServingNight.png"},
                                               {"Burning.png", "BurningNight.png"}}));
        stalls->animationColRow_ = {3, 1};
        StallsBehaviour* s = Buy(PickableStallNode("StallNode1", 300.0f, 200.0f));
        Step();
        Hold(s, 0.4f);
        ASSERT_TRUE(s->dragging);
        GameObject* image = factory->FindObjByName("AfterImage");
        ASSERT_NE(image, nullptr);
        Sprite* ghost = image->GetComponent<Sprite>();
        EXPECT_EQ(ghost->GetTexturePath(), "Idle.png");
        // A customer reaches the counter while the stall is carried.
        ghost->SetAnimated(false);
        s->SetStallSprite(StallsBehaviour::Serving);
        EXPECT_EQ(ghost->GetTexturePath(), "Serving.png");
        EXPECT_EQ(ghost->GetColumn(), 3);
        EXPECT_TRUE(ghost->getAnimated());
        EXPECT_FLOAT_EQ(image->GetComponent<Transform>()->GetDepth(), stalls->actualDepth);
        EXPECT_EQ(s->spriteState, StallsBehaviour::Serving);
    }

    TEST_F(BuildByHand, AStallCatchingFireWhileCarriedGetsItsOwnLookBack)
    {
        StallArchetype(3, 100.0f, 100.0f, "Stalls/Stall3_Gray.png");
        Level(1000.0f);
        StallsBehaviour* s = Buy(PickableStallNode("StallNode1", 300.0f, 200.0f), "Stall3");
        Step();
        auto* sprite = s->GetOwner()->GetComponent<Sprite>();
        sprite->SetAnimated(true);
        Hold(s, 0.4f);
        ASSERT_TRUE(s->dragging);
        MoveTo(s, -300.0f, -200.0f);
        Step();
        ASSERT_EQ(sprite->GetTexturePath(), "Stalls/Stall3_Gray.png");
        ASSERT_NE(sprite->GetTint(), (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));

        s->SetOnFire();
        Step();
        EXPECT_FALSE(s->dragging);
        EXPECT_EQ(At(s), Vector2D(300.0f, 200.0f));
        EXPECT_EQ(Count("AfterImage"), 0);
        EXPECT_NE(sprite->GetTexturePath(), "Stalls/Stall3_Gray.png");
        EXPECT_EQ(sprite->GetColumn(), 2);
        EXPECT_TRUE(sprite->getAnimated());
        EXPECT_EQ(sprite->GetTint(), (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
    }

    TEST_F(BuildByHand, MovingAStallOffAnUpperFloorNodeUnlinksTheFloor)
    {
        Level(1000.0f);
        auto* upper = Add<SecondFloorController>(Make("Upper"), CT_SecondFloorController);
        StallPlacementNode* high = PickableStallNode("StallNode1", 300.0f, 200.0f);
        high->GetOwner()->AddComponent(CT_SecondFloorIndicator);
        PickableStallNode("StallNode2", -300.0f, 200.0f);
        StallsBehaviour* s = Buy(high);
        Step();
        EXPECT_EQ(upper->GetLinkUsers(), 1);
        UseFakePlatform();
        Hold(s, 0.4f);
        MoveTo(s, -300.0f, 200.0f);
        s->OnMouseUp();
        Step();
        EXPECT_EQ(upper->GetLinkUsers(), 0);
    }

    TEST_F(BuildByHand, TablesNeedAStallTakeTheirCollisionTagsAndCostTheSeatPrice)
    {
        Level(1000.0f);
        SeatPlacementNode* node = PickableSeatNode("SeatNode1", 0.0f, -200.0f);
        PickableSeatNode("SeatNode2", 200.0f, -200.0f);
        GameObject* o = Instantiate("Seat1", Vector2D(0.0f, 300.0f), 0.0f);
        auto* seat = o->GetComponent<SeatsBehaviour>();
        seat->BeginDragFromButton();
        EXPECT_EQ(TagOf(seat), 5) << "the seat system's carried tag";
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        EXPECT_EQ(Count("NoStalls"), 1);
        EXPECT_EQ(Count("Seat1"), 0) << "no stall yet: the new table is thrown away";
        EXPECT_FLOAT_EQ(stats->Money(), 1000.0f);

        Buy(PickableStallNode("StallNode1", 300.0f, 200.0f));
        Step();
        const float afterStall = stats->Money();
        o = Instantiate("Seat1", Vector2D(0.0f, 300.0f), 0.0f);
        seat = o->GetComponent<SeatsBehaviour>();
        seat->BeginDragFromButton();
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        EXPECT_EQ(seat->GetNodeObject(), node->GetOwner());
        EXPECT_EQ(TagOf(seat), 2) << "a dropped table takes the stall system's resting tag";
        EXPECT_FLOAT_EQ(stats->Money(), afterStall - 40.0f);

        // A hold of more than 0.1 s picks the table up with the seat
        // system's resting tag, not its carried one.
        UseFakePlatform();
        Hold(seat, 0.15f);
        ASSERT_TRUE(seat->dragging);
        EXPECT_EQ(TagOf(seat), 4);
        MoveTo(seat, 200.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        EXPECT_EQ(TagOf(seat), 2);
        EXPECT_FLOAT_EQ(stats->Money(), afterStall - 60.0f);
        EXPECT_TRUE(node->GetOwner()->GetChildren().empty());
    }
}
