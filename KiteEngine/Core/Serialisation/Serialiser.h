// Serialiser: an abstract reader and writer of typed values.
#pragma once

#include <string>

namespace KiteFramework
{
    struct Vector2D;

    // Open modes, combinable as bits with |: 1 reads, 2 writes.
    enum class ReadOrWrite : int
    {
        Read = 1,
        Write = 2,
        ReadWrite = 3,
        AtEnd = 4,
        Append = 8,
        Truncate = 16,
        Binary = 32
    };

    inline ReadOrWrite operator|(ReadOrWrite a, ReadOrWrite b)
    {
        return static_cast<ReadOrWrite>(static_cast<int>(a) | static_cast<int>(b));
    }

    class Serialiser
    {
    public:
        virtual bool Open(const std::string& path, ReadOrWrite mode) = 0;
        virtual bool IsGood() = 0;
        virtual void ReadInt(int& value) = 0;
        virtual void ReadFloat(float& value) = 0;
        virtual void ReadString(std::string& value) = 0;
        virtual void ReadVector(Vector2D& value) = 0;
        virtual void ReadBool(bool& value) = 0;
        virtual void WriteInt(const int& value) = 0;
        virtual void WriteFloat(const float& value) = 0;
        virtual void WriteString(const std::string& value) = 0;
        virtual void WriteVector(const Vector2D& value) = 0;
        virtual void WriteBool(const bool& value) = 0;
        virtual void WriteUnsigned(const unsigned& value) = 0;
        // Last, so the operations above keep their places; lets a serialiser
        // be deleted through this base.
        virtual ~Serialiser() = default;
    };
}
