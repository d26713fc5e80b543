// The listing's less common forms, as game components use them: a record of
// named members, a fixed array with entries of its own name, a setting that
// files never hold, and a subclass listing after its base.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <array>
#include <memory>
#include <string>

#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameComponent.h"
#include "Support/XmlText.h"

using namespace KiteFramework;

namespace
{
    struct Earnings
    {
        float money = 0.0f;
        float likes = 0.0f;
        float reputation = 0.0f;

        template <typename F>
        void Members(F&& member)
        {
            member("money", money);
            member("likes", likes);
            member("reputation", reputation);
        }
    };

    constexpr ComponentTypeId CT_Stand = static_cast<ComponentTypeId>(90);
    constexpr ComponentTypeId CT_BigStand = static_cast<ComponentTypeId>(91);

    class Stand : public GameComponent
    {
    public:
        Stand() : GameComponent(CT_Stand) {}
        explicit Stand(ComponentTypeId t) : GameComponent(t) {}
        Stand(const Stand& other) : GameComponent(other) { CopyListedFields(other, *this); }
        GameComponent* Clone() const override { return CloneListed(*this); }
        void ListFields(FieldVisitor& v) override
        {
            v.Add("earnings", earnings, {"Earnings"});
            v.AddArray("POArray", seats, "POArrayElement", {"Seats"});
            v.AddUnstored("highlight", highlight, {"Highlight", FieldWidget::Checkbox});
        }

        Earnings earnings;
        std::array<int, 2> seats{0, 0};
        bool highlight = false;
        // Run-time state.
        int served = 0;
    };

    class BigStand : public Stand
    {
    public:
        BigStand() : Stand(CT_BigStand) {}
        GameComponent* Clone() const override { return CloneListed(*this); }
        void ListFields(FieldVisitor& v) override
        {
            Stand::ListFields(v);
            v.Add("floors", floors);
        }

        int floors = 1;
    };

    std::string Written(const GameComponent& c) { return KiteTest::WrittenText(c, "C"); }

    BigStand Filled()
    {
        BigStand s;
        s.earnings = {12.5f, 3.0f, -1.0f};
        s.seats = {4, 7};
        s.highlight = true;
        s.served = 9;
        s.floors = 2;
        return s;
    }
}

TEST(FieldForms, RecordsArraysAndSettingsAreWrittenReadCopiedAndCompared)
{
    BigStand s = Filled();
    const std::string text = Written(s);
    EXPECT_EQ(text, "<C><earnings><money>12.5</money><likes>3</likes><reputation>-1</reputation></earnings>"
                    "<POArray size=\"2\"><POArrayElement>4</POArrayElement><POArrayElement>7</POArrayElement>"
                    "</POArray><floors>2</floors></C>");

    // Read by position: the record's members whatever their names, and the
    // cursor past the whole record.
    XMLDocument doc;
    doc.Parse("<C><e><a>1</a><b>2</b><c>3</c></e><s size=\"2\"><x>5</x><y>6</y></s><f>4</f></C>");
    BigStand read;
    read.XMLUnSerialise(doc.RootElement()->FirstChildElement());
    EXPECT_EQ(read.earnings.money + read.earnings.likes + read.earnings.reputation, 6.0f);
    EXPECT_EQ(read.earnings.reputation, 3.0f);
    EXPECT_EQ(read.seats[1], 6);
    EXPECT_EQ(read.floors, 4);
    EXPECT_FALSE(read.highlight);

    // Copies: the listed fields, base and subclass, with fresh run-time state.
    std::unique_ptr<GameComponent> clone(s.Clone());
    auto* copy = dynamic_cast<BigStand*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetComponentTypeId(), CT_BigStand);
    EXPECT_TRUE(ListedFieldsEqual(*copy, s));
    EXPECT_EQ(Written(*copy), text);
    EXPECT_TRUE(copy->highlight);
    EXPECT_EQ(copy->served, 0);
    Stand base(s);
    EXPECT_EQ(base.earnings.money, 12.5f);
    EXPECT_EQ(base.seats[0], 4);
    EXPECT_EQ(base.served, 0);

    // Every member of the record counts in a comparison.
    for (float Earnings::*member : {&Earnings::money, &Earnings::likes, &Earnings::reputation})
    {
        BigStand changed = Filled();
        changed.earnings.*member += 1.0f;
        EXPECT_FALSE(ListedFieldsEqual(changed, s));
    }
    BigStand unhighlighted = Filled();
    unhighlighted.highlight = false;
    EXPECT_FALSE(ListedFieldsEqual(unhighlighted, s));
    BigStand busier = Filled();
    busier.served = 1;
    EXPECT_TRUE(ListedFieldsEqual(busier, s)) << "run-time state is not compared";
}
