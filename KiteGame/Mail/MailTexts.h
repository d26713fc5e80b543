// MailTexts: reading the mail's text files (the letters of one mail type, the
// list of type titles) with limits, so that no file can hold up the game:
// each line becomes one text, cut to a length that fits the mail panel.
// Every problem (missing, empty, binary or wrongly encoded file, long lines)
// is reported once per file, naming it; a file that is not text is skipped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace KiteFramework
{
    class MailTexts
    {
    public:
        // Letters: far more than the panel shows; the shipped ones are about
        // a hundred characters.
        static constexpr std::size_t LetterLength = 400;
        // Titles: what fits on a mail entry.
        static constexpr std::size_t TitleLength = 32;
        // Bytes read from one file; the rest is not read.
        static constexpr std::size_t FileLimit = 256 * 1024;

        // The lines of a text file, each cut to lineLength characters (a
        // character being one UTF-8 sequence); false, with the report made,
        // when the file gives no usable text at all.
        static bool ReadLines(const std::string& path, std::size_t lineLength, std::vector<std::string>& lines);

        // Bytes that are not UTF-8 become '?'; true when there were any.
        static bool RepairUtf8(std::string& text);
        // The first length characters of a UTF-8 line; true when it was longer.
        static bool CutLine(std::string& line, std::size_t length);
    };
}
