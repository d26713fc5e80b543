// BitExtender: the 128-bit set of component types an object holds, kept
// as eight 16-bit words behind a leading char.
#pragma once

template <typename Lead, typename Word>
class BitExtender
{
public:
    static constexpr unsigned WordCount = 8;
    static constexpr unsigned BitsPerWord = sizeof(Word) * 8;

    BitExtender() = default;
    BitExtender(const BitExtender&) = default;
    BitExtender& operator=(const BitExtender&) = default;

    // False for any bit past the set's end.
    bool operator[](unsigned n) const
    {
        if (n >= wordCount * bitsPerWord)
            return false;
        return (static_cast<unsigned>(static_cast<unsigned short>(words[n / bitsPerWord])) >> (n % bitsPerWord)) & 1u;
    }

    BitExtender& operator|=(int n)
    {
        if (InRange(n))
            words[n / bitsPerWord] = static_cast<Word>(Bits(n) | (1u << (n % bitsPerWord)));
        return *this;
    }

    BitExtender& operator&=(int n)
    {
        if (InRange(n))
            words[n / bitsPerWord] = static_cast<Word>(Bits(n) & ~(1u << (n % bitsPerWord)));
        return *this;
    }

    bool None() const
    {
        for (unsigned i = 0; i < WordCount; ++i)
            if (words[i] != 0)
                return false;
        return true;
    }

private:
    bool InRange(int n) const { return n >= 0 && static_cast<unsigned>(n) < wordCount * bitsPerWord; }
    unsigned Bits(int n) const { return static_cast<unsigned short>(words[n / bitsPerWord]); }

    Lead lead = 0;
    Word words[WordCount] = {};
    unsigned wordCount = WordCount;
    unsigned bitsPerWord = BitsPerWord;
};
