// The stall and seat table reader: rows by number, raw fields, numbers with
// trailing text, and every fault reported once with file and row; plus the
// committed tables' shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "Game/StallWorld.h"
#include "Stalls/StallTextDisplay.h"

using namespace KiteTest;

namespace
{
    class Tables : public StallWorld
    {
    protected:
        std::string Path(const std::string& text)
        {
            WriteTable("StallData/Test.csv", text);
            return (root / "Assets" / "StallData" / "Test.csv").generic_string();
        }

        static int Lines(const std::string& text)
        {
            return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        }
    };
}

TEST_F(Tables, RowsAreNumberedFromOneAfterTheHeader)
{
    const DataTable t(Path("a,b,c,d\nx1,y 1,100,12\nx2,, 80 ,7abc\n"));
    EXPECT_TRUE(t.IsOpen());
    EXPECT_EQ(t.GetRowCount(), 2);
    EXPECT_EQ(t.Text(1, 1), "x1");
    EXPECT_EQ(t.Text(1, 2), "y 1");
    EXPECT_EQ(t.Text(2, 2), "");
    // Fields are raw text: no trimming.
    EXPECT_EQ(t.Text(2, DataTable::PriceField), " 80 ");
    EXPECT_FLOAT_EQ(t.Number(1, DataTable::PriceField), 100.0f);
    EXPECT_FLOAT_EQ(t.Number(2, DataTable::PriceField), 80.0f);
    EXPECT_FLOAT_EQ(t.Number(2, DataTable::UpkeepField), 7.0f);
    // Row 0 is no row, and nothing to report.
    testing::internal::CaptureStderr();
    EXPECT_EQ(t.Text(0, 3), "");
    EXPECT_FLOAT_EQ(t.Number(0, 4), 0.0f);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(Tables, FaultsGiveZeroOrEmptyWithOneLineNamingFileAndRow)
{
    const std::string path = Path("a,b,c,d\nx1,y1,cheap,12\nonly,two\nx3,y3,5,-\n");
    const DataTable t(path);
    struct Case
    {
        int row;
        int field;
        const char* where;
    };
    for (const Case& c : {Case{1, 3, "row 1"}, Case{2, 4, "row 2"}, Case{3, 4, "row 3"}, Case{9, 4, "row 9"}})
    {
        testing::internal::CaptureStderr();
        const float value = t.Number(c.row, c.field);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_FLOAT_EQ(value, 0.0f) << c.where;
        EXPECT_EQ(Lines(errors), 1) << errors;
        EXPECT_NE(errors.find(path + " " + c.where), std::string::npos) << errors;
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(t.Text(2, 1), "");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("row 2"), std::string::npos);
}

TEST_F(Tables, MissingFileIsReportedOnceAndReadsAsNothing)
{
    testing::internal::CaptureStderr();
    const DataTable t((root / "Assets" / "Nowhere.csv").generic_string());
    EXPECT_FALSE(t.IsOpen());
    EXPECT_EQ(t.Text(1, 3), "");
    EXPECT_FLOAT_EQ(t.Number(2, 4), 0.0f);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors, (root / "Assets" / "Nowhere.csv").generic_string() + ": table cannot be read (not found)\n");

    // A folder in the table's place is not taken for an empty table.
    testing::internal::CaptureStderr();
    const DataTable folder((root / "Assets" / "StallData").generic_string());
    EXPECT_FALSE(folder.IsOpen());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              (root / "Assets" / "StallData").generic_string() + ": table cannot be read (is a folder)\n");
}

TEST_F(Tables, CarriageReturnsAndALastLineWithoutBreakReadTheSame)
{
    const DataTable t(Path("a,b,c,d\r\nx1,y1,100,12\r\nx2,y2,80,7"));
    EXPECT_EQ(t.Text(1, 4), "12");
    EXPECT_EQ(t.Text(2, 4), "7");
    EXPECT_FLOAT_EQ(t.Number(2, 3), 80.0f);
}

TEST_F(Tables, RowNumbersComeFromTheName)
{
    EXPECT_EQ(DataTable::RowNumberAfter("Stall3", "Stall"), 3);
    EXPECT_EQ(DataTable::RowNumberAfter("Stall12", "Stall"), 12);
    EXPECT_EQ(DataTable::RowNumberAfter("BigStall 7x", "Stall"), 7);
    EXPECT_EQ(DataTable::RowNumberAfter("Stall", "Stall"), 0);
    EXPECT_EQ(DataTable::RowNumberAfter("Kiosk4", "Stall"), 0);
    EXPECT_EQ(DataTable::RowNumberAfter("Stall99999999999999999999", "Stall"), 0);
    EXPECT_EQ(DataTable::RowNumberAfter("Seat01", "Seat"), 1);
    EXPECT_EQ(DataTable::RowNumberAfter("BuildSeat01", "Seat"), 1);
    EXPECT_EQ(DataTable::RowNumberAfter("SeatCB", "Seat"), 0);
}

TEST_F(Tables, BuildMenuEntryShowsPriceAndUpkeepOfItsRow)
{
    // Row numbers of several digits and with leading zeros, as the build buttons read them.
    WriteTable("StallData/StallData.csv", "N,F,P,U\nA,a,1,1\nB,b,80,7\nC,c,1,1\nD,d,1,1\nE,e,1,1\nF,f,1,1\n"
                                          "G,g,1,1\nH,h,1,1\nI,i,1,1\nJ,j,1,1\nK,k,1,1\nL,l,240,15\n");
    for (const char* name : {"PurchaseText", "MaintenanceText"})
        SimpleArchetype(name, true);
    GameObject* stallEntry = Make("BuildStall02", 10.0f, 100.0f);
    stallEntry->AddComponent(CT_StallTextDisplay);
    stallEntry->Initialise();
    GameObject* bigEntry = Make("BuildStall12");
    bigEntry->AddComponent(CT_StallTextDisplay);
    bigEntry->Initialise();
    GameObject* seatEntry = Make("BuildSeat01");
    seatEntry->AddComponent(CT_StallTextDisplay);
    seatEntry->Initialise();

    ASSERT_EQ(stallEntry->GetChildren().size(), 2u);
    GameObject* price = stallEntry->GetChildren()[0];
    GameObject* upkeep = stallEntry->GetChildren()[1];
    EXPECT_EQ(*price->GetComponent<Text>()->GetText(), "80");
    EXPECT_EQ(*upkeep->GetComponent<Text>()->GetText(), "7");
    EXPECT_EQ(price->GetComponent<Transform>()->GetTransVec(), Vector2D(10.0f, 55.0f));
    EXPECT_EQ(upkeep->GetComponent<Transform>()->GetTransVec(), Vector2D(10.0f, 16.0f));
    ASSERT_EQ(seatEntry->GetChildren().size(), 2u);
    EXPECT_EQ(*seatEntry->GetChildren()[0]->GetComponent<Text>()->GetText(), "20");
    ASSERT_EQ(bigEntry->GetChildren().size(), 2u);
    EXPECT_EQ(*bigEntry->GetChildren()[0]->GetComponent<Text>()->GetText(), "240");
    EXPECT_EQ(*bigEntry->GetChildren()[1]->GetComponent<Text>()->GetText(), "15");

    // Initialised again (an entry read back with its texts), it reuses them.
    stallEntry->Initialise();
    EXPECT_EQ(stallEntry->GetChildren().size(), 2u);
}

// The committed tables: a header, then rows of exactly four fields with a
// price and a whole daily upkeep; line feeds only.
TEST(CommittedTables, StallAndSeatTablesAreWellFormed)
{
    struct Expect
    {
        const char* file;
        int rows;
    };
    for (const Expect& e : {Expect{"StallData/StallData.csv", 8}, Expect{"SeatData/SeatData.csv", 1}})
    {
        const std::string path = std::string(KITE_ASSET_ROOT) + "/" + e.file;
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str().find('\r'), std::string::npos) << path << ": carriage return";
        ASSERT_FALSE(bytes.str().empty());
        EXPECT_EQ(bytes.str().back(), '\n') << path;

        testing::internal::CaptureStderr();
        const DataTable t(path);
        EXPECT_EQ(t.GetRowCount(), e.rows) << path;
        for (int row = 1; row <= t.GetRowCount(); ++row)
        {
            EXPECT_TRUE(t.HasRow(row)) << path << " row " << row;
            EXPECT_GT(t.Number(row, DataTable::PriceField), 0.0f) << path << " row " << row;
            const std::string upkeep = t.Text(row, DataTable::UpkeepField);
            EXPECT_FALSE(upkeep.empty()) << path << " row " << row;
            EXPECT_EQ(upkeep.find_first_not_of("0123456789"), std::string::npos) << path << " row " << row;
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << path;
    }
}
