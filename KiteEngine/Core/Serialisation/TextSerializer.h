// TextSerializer: typed values in a text file, one value per line when
// written; any white space separates values when read.
#pragma once

#include <fstream>

#include "Core/Serialisation/Serialiser.h"

namespace KiteFramework
{
    class TextSerializer : public Serialiser
    {
    public:
        TextSerializer() = default;
        TextSerializer(TextSerializer&& other) noexcept;
        ~TextSerializer() override;

        // Closes any file already open first.
        bool Open(const std::string& path, ReadOrWrite mode) override;
        // False after a failed read or at the end of the file.
        bool IsGood() override;

        // A failed read leaves the value as it was (and IsGood false).
        void ReadInt(int& value) override;
        void ReadFloat(float& value) override;
        // One word: leading white space skipped, ends at the next.
        void ReadString(std::string& value) override;
        // x then y; both or neither are changed.
        void ReadVector(Vector2D& value) override;
        // 0 or 1.
        void ReadBool(bool& value) override;

        void WriteInt(const int& value) override;
        void WriteFloat(const float& value) override;
        void WriteString(const std::string& value) override;
        // x, a blank, y.
        void WriteVector(const Vector2D& value) override;
        void WriteBool(const bool& value) override;
        void WriteUnsigned(const unsigned& value) override;

    private:
        std::fstream stream;
    };
}
