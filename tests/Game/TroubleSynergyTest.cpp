// Stall synergies: the partners of a type gain when its first stall
// arrives and lose it when its last one is sold; the new stall takes every
// matching row once; rows are never read back from a file.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include "Game/TroubleWorld.h"

using namespace KiteTest;

namespace
{
    class Synergy : public TroubleWorld
    {
    protected:
        void SetUp() override
        {
            TroubleWorld::SetUp();
            LevelSystems();
            stats->SetMoney(100000.0f);
            TroubleSystems();
        }

        StallsBehaviour* Place(int type)
        {
            ++placed;
            return StoredStall(type, StallNode("StallNode" + std::to_string(placed), 100.0f * placed, 200.0f));
        }

        static void ExpectEarnings(const StallsBehaviour* s, float money, float likes, float reputation)
        {
            EXPECT_FLOAT_EQ(s->stallEarnings.money, money) << "type " << s->stallIndex_;
            EXPECT_FLOAT_EQ(s->stallEarnings.likes, likes) << "type " << s->stallIndex_;
            EXPECT_FLOAT_EQ(s->stallEarnings.reputation, reputation) << "type " << s->stallIndex_;
        }

        // The stalls earn what their table row gives, no synergy applied.
        static void ExpectBasicEarnings(std::initializer_list<const StallsBehaviour*> stalls)
        {
            for (const StallsBehaviour* s : stalls)
                ExpectEarnings(s, 10.0f, 5.0f, 20.0f);
        }

        int placed = 0;
    };
}

TEST_F(Synergy, TheFirstStallOfATypeBoostsItsPartnersAndEveryStallOfItGetsTheRowOnce)
{
    // Basic earnings 10, 5, 20; "Western - Drinks" is 3.0, 2.0, 1.5.
    StallsBehaviour* western = Place(4);
    ExpectBasicEarnings({western});
    StallsBehaviour* drinks = Place(1);
    ExpectEarnings(western, 30.0f, 10.0f, 30.0f);
    ExpectEarnings(drinks, 30.0f, 10.0f, 30.0f);
    EXPECT_FLOAT_EQ(western->stallPriceModifier, 3.0f);
    EXPECT_FLOAT_EQ(drinks->stallRepModifier, 1.5f);

    StallsBehaviour* moreDrinks = Place(1);
    ExpectEarnings(moreDrinks, 30.0f, 10.0f, 30.0f);
    ExpectEarnings(western, 30.0f, 10.0f, 30.0f);

    // Selling one of two drinks stalls divides nothing; selling the last does.
    drinks->Sell();
    ExpectEarnings(western, 30.0f, 10.0f, 30.0f);
    moreDrinks->Sell();
    ExpectBasicEarnings({western});
    // The sold stalls themselves are left as they were.
    ExpectEarnings(moreDrinks, 30.0f, 10.0f, 30.0f);
}

TEST_F(Synergy, ANewStallTakesEveryMatchingRowInTurnAndKeepsTheLastModifiers)
{
    StallsBehaviour* western = Place(4);
    StallsBehaviour* chicken = Place(6);
    StallsBehaviour* dimSum = Place(8);
    StallsBehaviour* padang = Place(3);
    // Rows 1 (0.5, 2, 0.5), 4 (2, 3, 1.5) and 5 (3, 2, 1.5) one after the other.
    ExpectEarnings(padang, 10.0f * 0.5f * 2.0f * 3.0f, 5.0f * 2.0f * 3.0f * 2.0f, 20.0f * 0.5f * 1.5f * 1.5f);
    EXPECT_FLOAT_EQ(padang->stallPriceModifier, 3.0f);
    EXPECT_FLOAT_EQ(padang->stallQualityModifier, 2.0f);
    EXPECT_FLOAT_EQ(padang->stallRepModifier, 1.5f);
    ExpectEarnings(western, 5.0f, 10.0f, 10.0f);
    ExpectEarnings(chicken, 20.0f, 15.0f, 30.0f);
    ExpectEarnings(dimSum, 30.0f, 10.0f, 30.0f);

    padang->Sell();
    ExpectBasicEarnings({western, chicken, dimSum});
}

TEST_F(Synergy, TypesWithoutARowChangeNothing)
{
    StallsBehaviour* a = Place(5);
    StallsBehaviour* b = Place(5);
    StallsBehaviour* c = Place(2);
    for (const StallsBehaviour* s : {a, b, c})
    {
        ExpectBasicEarnings({s});
        EXPECT_FLOAT_EQ(s->stallPriceModifier, 1.0f);
    }
}

TEST_F(Synergy, StoredRowsAreNeverTakenOverAndCopiesAppendTheTable)
{
    ASSERT_EQ(synergies->GetSynergies().size(), 6u);
    EXPECT_EQ(synergies->GetSynergies(), StallsSynergySystem::BuiltIn());

    tinyxml2::XMLDocument doc;
    tinyxml2::XMLElement* element = doc.NewElement("StallsSynergySystem");
    doc.InsertEndChild(element);
    synergies->XMLSerialise(element, &doc);
    tinyxml2::XMLElement* first = element->FirstChildElement();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->Name(), "SynergyName");
    EXPECT_STREQ(first->GetText(), "Nasi Pandang - Western");
    // Five elements per row.
    int count = 0;
    for (tinyxml2::XMLElement* e = first; e; e = e->NextSiblingElement())
        ++count;
    EXPECT_EQ(count, 30);

    // A fresh system reads nothing; Initialise then supplies the table.
    first->SetText("Renamed");
    GameObject* o = Make("Other");
    auto* fresh = Add<StallsSynergySystem>(o, CT_StallsSynergySystem);
    fresh->XMLUnSerialise(first);
    EXPECT_TRUE(fresh->GetSynergies().empty());
    o->Initialise();
    EXPECT_EQ(fresh->GetSynergies(), StallsSynergySystem::BuiltIn());

    // A system already holding rows reads over them, the tier stored as one more.
    fresh->XMLUnSerialise(first);
    EXPECT_EQ(fresh->GetSynergies()[0].name, "Renamed");
    EXPECT_EQ(fresh->GetSynergies()[0].tier, 2);

    std::unique_ptr<GameComponent> copy(fresh->Clone());
    GameObject* holder = Make("Holder");
    holder->AddComponent(copy.release());
    holder->Initialise();
    EXPECT_EQ(holder->GetComponent<StallsSynergySystem>()->GetSynergies().size(), 12u);
}
