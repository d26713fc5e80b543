// Tables bought and held by hand: refused when too dear, and never picked up
// by a hold that ended away from them.
#include "Building/SeatDragging.h"
#include "Game/BuildingWorld.h"

namespace KiteTest
{
    class TablesByHand : public BuildingWorld
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

    TEST_F(TablesByHand, ANewTableTooDearForTheMoneyIsRefusedByTheSeatSystem)
    {
        // Above half the price of 40, below the price: only a move may cost half.
        SeatPlacementNode* node = LevelWithAStall(30.0f);
        SeatsBehaviour* seat = CarriedTable();
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        EXPECT_EQ(Count("Seat1"), 0) << "the refused table is gone, not left where it was made";
        EXPECT_EQ(Count("NoMoney"), 1);
        EXPECT_FLOAT_EQ(stats->Money, 30.0f);
        EXPECT_TRUE(node->GetOwner()->GetChildren().empty());
        EXPECT_TRUE(seats->GetSeats().empty());

        // With the full price the same drop buys it.
        stats->Money = 40.0f;
        seat = CarriedTable();
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        EXPECT_EQ(seat->GetNodeObject(), node->GetOwner());
        EXPECT_FLOAT_EQ(stats->Money, 0.0f);
    }

    TEST_F(TablesByHand, AHoldReleasedAwayFromTheTableNeverPicksItUpLater)
    {
        SeatPlacementNode* node = LevelWithAStall(1000.0f);
        SeatsBehaviour* seat = CarriedTable();
        MoveTo(seat, 0.0f, -200.0f);
        seat->OnMouseUp();
        Step();
        ASSERT_EQ(seat->GetNodeObject(), node->GetOwner());
        UseFakePointer();
        // Pressed, then the button comes up over something else: the table
        // never hears the release.
        Hold(seat, 0.05f);
        EXPECT_FALSE(seat->dragging);
        fake.SetKeyDown(VK::LButton, false);
        Step(60);
        EXPECT_FALSE(seat->dragging);
        EXPECT_FALSE(seat->pressed);
        EXPECT_EQ(TagOf(seat), 4) << "still resting";
        // A later hold works as before.
        Hold(seat, 0.15f);
        EXPECT_TRUE(seat->dragging);
        seat->OnMouseUp();
        Step();
        EXPECT_FALSE(seat->dragging);
        EXPECT_EQ(seat->GetNodeObject(), node->GetOwner());
    }
}
