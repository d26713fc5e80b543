// MailTexts: bounded, checked reading of the mail's text files.
#include "Mail/MailTexts.h"

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"

namespace KiteFramework
{
    namespace
    {
        // Length of the UTF-8 sequence starting at text[i], or 0 when the
        // bytes there are no valid sequence.
        std::size_t SequenceLength(const std::string& text, std::size_t i)
        {
            const auto lead = static_cast<unsigned char>(text[i]);
            std::size_t length = 0;
            unsigned min = 0;
            if (lead < 0x80)
                return 1;
            if ((lead & 0xE0) == 0xC0)
                length = 2, min = 0x80;
            else if ((lead & 0xF0) == 0xE0)
                length = 3, min = 0x800;
            else if ((lead & 0xF8) == 0xF0)
                length = 4, min = 0x10000;
            else
                return 0;
            if (i + length > text.size())
                return 0;
            unsigned code = lead & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k)
            {
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80)
                    return 0;
                code = (code << 6) | (next & 0x3F);
            }
            // Over-long forms, surrogates and codes past Unicode are not text.
            if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return 0;
            return length;
        }

        bool IsBinary(const std::string& text)
        {
            for (char c : text)
            {
                const auto b = static_cast<unsigned char>(c);
                if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
                    return true;
            }
            return false;
        }
    }

    bool MailTexts::RepairUtf8(std::string& text)
    {
        bool repaired = false;
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size();)
        {
            const std::size_t length = SequenceLength(text, i);
            if (length == 0)
            {
                out += '?';
                repaired = true;
                ++i;
                continue;
            }
            out.append(text, i, length);
            i += length;
        }
        text.swap(out);
        return repaired;
    }

    bool MailTexts::CutLine(std::string& line, std::size_t length)
    {
        std::size_t i = 0;
        for (std::size_t characters = 0; i < line.size() && characters < length; ++characters)
        {
            const std::size_t step = SequenceLength(line, i);
            i += step == 0 ? 1 : step;
        }
        if (i >= line.size())
            return false;
        line.erase(i);
        return true;
    }

    bool MailTexts::ReadLines(const std::string& path, std::size_t lineLength, std::vector<std::string>& lines)
    {
        lines.clear();
        std::string text;
        std::string problem;
        bool cut = false;
        if (!Assets::ReadText(path, text, problem, FileLimit, cut))
        {
            ReportDataError(path, "cannot be read (" + problem + "); no texts from it");
            return false;
        }
        if (text.empty())
        {
            ReportDataError(path, "is empty; no texts from it");
            return false;
        }
        if (text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
        {
            ReportDataError(path, "is UTF-16 text, not UTF-8; skipped");
            return false;
        }
        if (IsBinary(text))
        {
            ReportDataError(path, "is not text (it holds control bytes); skipped");
            return false;
        }
        if (cut)
            ReportDataError(path, "is longer than " + std::to_string(FileLimit / 1024) + " KB; the rest is not read");
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
            text.erase(0, 3);
        if (RepairUtf8(text))
            ReportDataError(path, "is not UTF-8 text; the bytes that are not are shown as '?'");

        std::size_t longLines = 0;
        std::size_t firstLong = 0;
        std::size_t start = 0;
        while (start < text.size())
        {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (CutLine(line, lineLength) && longLines++ == 0)
                firstLong = lines.size() + 1;
            lines.push_back(std::move(line));
            start = end + 1;
        }
        if (longLines > 0)
            ReportDataError(path, std::to_string(longLines) + " line(s) longer than " + std::to_string(lineLength) +
                                      " characters, the first line " + std::to_string(firstLong) + "; cut there");
        return true;
    }
}
