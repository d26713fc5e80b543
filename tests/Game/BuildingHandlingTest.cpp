// Stalls and tables by hand: a new one too dear for the money is refused by
// its system whatever the shortfall, and a table is never picked up by a hold
// that ended away from it.
#include "Building/SeatDragging.h"
#include "Game/BuildingWorld.h"

namespace KiteTest
{
    class ByHand : public BuildingWorld
    {
    protected:
        // A level with one stall bought (100) so that tables may stand, and a free seat node.
        SeatPlacementNode* LevelWithAStall(float moneyAfterTheStall)
        {
            Level(moneyAfterTheStall + 100.0f);
            Buy(PickableStallNode("StallNode1", 300.0f, 200.0f));
            Step();
            return PickableSeatNode("SeatNode1", 0.0f, -200.0f);
        }

        SeatsBehaviour* CarriedTable()
        {
            GameObject* o = Instantiate("Seat1", Vector2D(0.0f, 300.0f), 0.0f);
            auto* seat = o->GetComponent<SeatsBehaviour>();
            seat->BeginDragFromButton();
            return seat;
        }
    };

    TEST_F(ByHand, ANewStallOrTableTooDearIsRefusedByItsSystemNotLeftWhereItWasMade)
    {
        SeatPlacementNode* seatNode = LevelWithAStall(0.0f);
        StallPlacementNode* stallNode = PickableStallNode("StallNode2", -300.0f, 200.0f);
        // Below half the price and between half and the whole: only a move
        // may cost half, so a new one is refused either way.
        int refusals = 0;
        for (float money : {10.0f, 30.0f})  // the table costs 40
        {
            stats->SetMoney(money);
            SeatsBehaviour* seat = CarriedTable();
            MoveTo(seat, 0.0f, -200.0f);
            seat->OnMouseUp();
            Step();
            EXPECT_EQ(Count("Seat1"), 0) << money << ": the refused table is gone";
            EXPECT_EQ(Count("NoMoney"), ++refusals) << money;
            EXPECT_TRUE(seatNode->GetOwner()->GetChildren().empty()) << money;
            EXPECT_FLOAT_EQ(stats->Money(), money);
        }
        for (float money : {40.0f, 60.0f})  // the stall costs 100
        {
            stats->SetMoney(money);
            Buy(stallNode);
            Step();
            EXPECT_EQ(Count("Stall1"), 1) << money << ": only the stall bought before";
            EXPECT_EQ(Count("NoMoney"), ++refusals) << money;
            EXPECT_TRUE(stallNode->GetOwner()->GetChildren().empty()) << money;
            EXPECT_FLOAT_EQ(stats->Money(), money);
        }
        EXPECT_TRUE(seats->GetSeats().empty());

        // With the full price the same drop buys the table.
        stats->SetMoney(40.0f);
        SeatsBehaviour* seat = CarriedTable();
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        EXPECT_EQ(seat->GetNodeObject(), seatNode->GetOwner());
        EXPECT_FLOAT_EQ(stats->Money(), 0.0f);
    }

    TEST_F(ByHand, AHoldReleasedAwayFromTheTableNeverPicksItUpLater)
    {
        SeatPlacementNode* node = LevelWithAStall(1000.0f);
        SeatsBehaviour* seat = CarriedTable();
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        ASSERT_EQ(seat->GetNodeObject(), node->GetOwner());
        UseFakePlatform();
        // Pressed, then the button comes up over something else: the table
        // never hears the release.
        Hold(seat, 0.05f);
        EXPECT_FALSE(seat->dragging);
        fake.SetKeyDown(VK::LButton, false);
        Step(60);
        EXPECT_FALSE(seat->dragging);
        EXPECT_FALSE(seat->pressed);
        EXPECT_EQ(TagOf(seat), 2) << "still as dropped";
        // A later hold works as before.
        Hold(seat, 0.15f);
        EXPECT_TRUE(seat->dragging);
        seat->OnMouseUp();
        Step();
        EXPECT_FALSE(seat->dragging);
        EXPECT_EQ(seat->GetNodeObject(), node->GetOwner());
    }
}
