// QuestEvents: what the game's parts report for the level's star missions
// to count (a customer served, a stall or seat placed, money and likes
// gained). The quest system of the running level takes the reports; parts
// below it report through here without knowing it.
#pragma once

namespace KiteFramework
{
    class StallsBehaviour;

    class QuestEvents
    {
    public:
        // Event and mission kinds.
        enum Event : int
        {
            Served = 0,
            StallPlaced = 1,
            SeatPlaced = 2,
            StallUpgraded = 3,
            MoneyEarned = 5,
            LikesGained = 6,
            StallsHeld = 8
        };

        // The one entry through which the game reports mission progress; the
        // stall is given with StallUpgraded only. Ignored with no quest
        // system and before the level has started.
        static void UpdateQuest(int event, int amount, StallsBehaviour* stall);

        // A money or likes amount truncated to an event's whole number;
        // amounts beyond the int range (or not a number) are held at its ends.
        static int ToAmount(float value);

    protected:
        QuestEvents() = default;
    };
}
