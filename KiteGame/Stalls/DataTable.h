// DataTable: the stall and seat tables (comma-separated, a header line,
// then one row per type numbered from 1; four raw fields: two texts, the
// price and the daily upkeep). Every problem is reported once, naming the
// file and the row, and read as empty text or 0; nothing throws.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace KiteFramework
{
    class DataTable
    {
    public:
        static constexpr int FieldCount = 4;
        static constexpr int PriceField = 3;
        static constexpr int UpkeepField = 4;
        using Row = std::array<std::string, FieldCount>;

        // Reads the whole file; a missing file is reported and reads as no rows.
        explicit DataTable(const std::string& path);

        // Under the engine's asset root.
        static std::string StallTablePath();
        static std::string SeatTablePath();

        bool IsOpen() const { return open; }
        const std::string& GetPath() const { return path; }
        int GetRowCount() const { return static_cast<int>(rows.size()); }
        // Field (1 to 4) of row n (from 1), as written; empty, with one
        // report, for a missing row (n = 0 reads no row and reports nothing).
        std::string Text(int n, int field) const;
        // The leading decimal number of a field ("12abc" gives 12); 0, with
        // one report, when the field holds none.
        float Number(int n, int field) const;
        // Whether row n has all four fields.
        bool HasRow(int n) const;

        // The number written after the first occurrence of word in name
        // (leading blanks, then digits: "Stall12" gives 12, "Seat01" 1); 0
        // when none. Build buttons, build-menu texts and upkeep all read
        // their row through it.
        static int RowNumberAfter(const std::string& name, const std::string& word);
        // The leading decimal number of text; false when it has none.
        static bool LeadingNumber(const std::string& text, float& value);

    private:
        void Report(int n, const std::string& what) const;

        std::string path;
        bool open = false;
        // Rows with fewer than four fields are kept (as short rows) so that
        // row numbers stay those of the file.
        std::vector<std::vector<std::string>> rows;
    };
}
