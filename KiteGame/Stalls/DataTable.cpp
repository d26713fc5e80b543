// DataTable: reading the stall and seat tables.
#include "Stalls/DataTable.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/Engine.h"

namespace KiteFramework
{
    namespace
    {
        std::vector<std::string> SplitFields(const std::string& line)
        {
            std::vector<std::string> fields;
            std::string::size_type start = 0;
            // The first three fields end at a comma, the fourth at the line end.
            for (int i = 0; i < DataTable::FieldCount - 1; ++i)
            {
                std::string::size_type comma = line.find(',', start);
                if (comma == std::string::npos)
                    break;
                fields.push_back(line.substr(start, comma - start));
                start = comma + 1;
            }
            if (fields.size() == DataTable::FieldCount - 1)
                fields.push_back(line.substr(start));
            else if (start < line.size() || !fields.empty())
                fields.push_back(line.substr(start));
            return fields;
        }
    }

    DataTable::DataTable(const std::string& tablePath) : path(tablePath)
    {
        std::string text;
        std::string problem;
        if (!Assets::ReadText(path, text, problem))
        {
            ReportDataError(path, "table cannot be read (" + problem + ")");
            return;
        }
        open = true;
        // Lines end at '\n' (a last line may lack one); the first is the header.
        std::string::size_type start = text.find('\n');
        while (start != std::string::npos && ++start < text.size())
        {
            const std::string::size_type end = std::min(text.find('\n', start), text.size());
            std::string line = text.substr(start, end - start);
            // A table saved with CR LF endings reads as the same rows.
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            rows.push_back(SplitFields(line));
            start = end;
        }
    }

    std::string DataTable::StallTablePath()
    {
        return Assets::Resolve("StallData/StallData.csv");
    }

    std::string DataTable::SeatTablePath()
    {
        return Assets::Resolve("SeatData/SeatData.csv");
    }

    void DataTable::Report(int n, const std::string& what) const
    {
        ReportDataError(path + " row " + std::to_string(n), what);
    }

    bool DataTable::HasRow(int n) const
    {
        return n >= 1 && n <= GetRowCount() && rows[n - 1].size() == FieldCount;
    }

    std::string DataTable::Text(int n, int field) const
    {
        if (n == 0)
            return std::string();
        if (field < 1 || field > FieldCount)
            return std::string();
        if (n < 0 || n > GetRowCount())
        {
            // A missing file was reported when it was opened.
            if (open)
                Report(n, "no such row (the table has " + std::to_string(GetRowCount()) + ")");
            return std::string();
        }
        const std::vector<std::string>& row = rows[n - 1];
        if (row.size() != FieldCount)
        {
            Report(n, "has " + std::to_string(row.size()) + " fields instead of 4");
            return std::string();
        }
        return row[field - 1];
    }

    float DataTable::Number(int n, int field) const
    {
        if (n == 0 || !HasRow(n))
        {
            Text(n, field);  // reports the missing row
            return 0.0f;
        }
        float value = 0.0f;
        if (!LeadingNumber(rows[n - 1][field - 1], value))
        {
            Report(n, "field " + std::to_string(field) + " \"" + rows[n - 1][field - 1] + "\" is not a number");
            return 0.0f;
        }
        return value;
    }

    bool DataTable::LeadingNumber(const std::string& text, float& value)
    {
        // Blanks, an optional sign, digits with an optional decimal part;
        // whatever follows is ignored ("12abc" is 12).
        std::string::size_type i = 0;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const std::string::size_type start = i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        bool digits = false;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            digits = true;
        if (i < text.size() && text[i] == '.')
            for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
                digits = true;
        if (!digits)
            return false;
        value = std::strtof(text.substr(start, i - start).c_str(), nullptr);
        return true;
    }

    int DataTable::RowNumberAfter(const std::string& name, const std::string& word)
    {
        std::string::size_type at = name.find(word);
        if (at == std::string::npos)
            return 0;
        std::string::size_type i = at + word.size();
        while (i < name.size() && (name[i] == ' ' || name[i] == '\t'))
            ++i;
        long long n = 0;
        bool any = false;
        for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i)
        {
            any = true;
            n = n * 10 + (name[i] - '0');
            // Far more than any table holds; stops the sum growing past int.
            if (n > 1000000)
                return 0;
        }
        return any ? static_cast<int>(n) : 0;
    }
}
