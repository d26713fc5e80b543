// StrCountBase: a read-only view of characters (pointer and length) that can
// be made from a string literal at compile time; indexing past the end throws.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace KiteFramework
{
    class StrCountBase
    {
    public:
        template <std::size_t N>
        constexpr StrCountBase(const char (&text)[N]) : text_(text), size_(N - 1)
        {
        }
        constexpr StrCountBase(const char* text, std::size_t size) : text_(text), size_(size) {}
        StrCountBase(const std::string& text) : text_(text.data()), size_(text.size()) {}

        constexpr std::size_t size() const { return size_; }

        constexpr char operator[](std::size_t i) const
        {
            return i < size_ ? text_[i] : throw std::out_of_range("StrCountBase index out of range");
        }

    private:
        const char* text_;
        std::size_t size_;
    };
}
