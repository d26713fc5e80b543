// TextSerializer over a file stream.
#include "Core/Serialisation/TextSerializer.h"

#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    namespace
    {
        std::ios_base::openmode ToOpenMode(ReadOrWrite mode)
        {
            const int bits = static_cast<int>(mode);
            auto has = [bits](ReadOrWrite m) { return (bits & static_cast<int>(m)) != 0; };
            std::ios_base::openmode result{};
            if (has(ReadOrWrite::Read))
                result |= std::ios_base::in;
            if (has(ReadOrWrite::Write))
                result |= std::ios_base::out;
            if (has(ReadOrWrite::AtEnd))
                result |= std::ios_base::ate;
            if (has(ReadOrWrite::Append))
                result |= std::ios_base::app;
            if (has(ReadOrWrite::Truncate))
                result |= std::ios_base::trunc;
            if (has(ReadOrWrite::Binary))
                result |= std::ios_base::binary;
            return result;
        }

        // Reads one value into a temporary so a failed read keeps `value`.
        template <typename T>
        void ReadInto(std::fstream& stream, T& value)
        {
            T read{};
            if (stream >> read)
                value = read;
        }
    }

    TextSerializer::TextSerializer(TextSerializer&& other) noexcept : stream(std::move(other.stream)) {}

    TextSerializer::~TextSerializer()
    {
        if (stream.is_open())
            stream.close();
    }

    bool TextSerializer::Open(const std::string& path, ReadOrWrite mode)
    {
        if (stream.is_open())
            stream.close();
        stream.clear();
        stream.open(path, ToOpenMode(mode));
        return stream.is_open();
    }

    bool TextSerializer::IsGood() { return stream.good(); }

    void TextSerializer::ReadInt(int& value) { ReadInto(stream, value); }
    void TextSerializer::ReadFloat(float& value) { ReadInto(stream, value); }
    void TextSerializer::ReadString(std::string& value) { ReadInto(stream, value); }
    void TextSerializer::ReadBool(bool& value) { ReadInto(stream, value); }

    void TextSerializer::ReadVector(Vector2D& value)
    {
        float x = 0.0f, y = 0.0f;
        if (stream >> x >> y)
            value = Vector2D(x, y);
    }

    void TextSerializer::WriteInt(const int& value) { stream << value << '\n'; }
    void TextSerializer::WriteFloat(const float& value) { stream << value << '\n'; }
    void TextSerializer::WriteString(const std::string& value) { stream << value << '\n'; }
    void TextSerializer::WriteVector(const Vector2D& value) { stream << value.x << ' ' << value.y << '\n'; }
    void TextSerializer::WriteBool(const bool& value) { stream << value << '\n'; }
    void TextSerializer::WriteUnsigned(const unsigned& value) { stream << value << '\n'; }
}
