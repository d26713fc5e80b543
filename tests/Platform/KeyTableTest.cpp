// The SDL key table: the numbers the engine and game are written against,
// and that the table agrees with itself in both directions.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "Platform/SDL/SDLKeyTable.h"

using KiteFramework::Platform::SDLKeyTable;

TEST(KeyTable, EngineKeyNumbers)
{
    const std::map<SDL_Keycode, int> expected = {
        {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},        {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13},
        {SDLK_LSHIFT, 16},   {SDLK_RSHIFT, 16},    {SDLK_LCTRL, 17},    {SDLK_RCTRL, 17},
        {SDLK_LALT, 18},     {SDLK_RALT, 18},      {SDLK_ESCAPE, 27},   {SDLK_SPACE, 32},
        {SDLK_PAGEUP, 33},   {SDLK_PAGEDOWN, 34},  {SDLK_END, 35},      {SDLK_HOME, 36},
        {SDLK_LEFT, 37},     {SDLK_UP, 38},        {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},
        {SDLK_INSERT, 45},   {SDLK_DELETE, 46},    {SDLK_0, 48},        {SDLK_9, 57},
        {SDLK_a, 65},        {SDLK_z, 90},         {SDLK_KP_0, 96},     {SDLK_KP_9, 105},
        {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107}, {SDLK_KP_MINUS, 109}, {SDLK_KP_PERIOD, 110},
        {SDLK_KP_DIVIDE, 111}, {SDLK_F1, 112},     {SDLK_F4, 115},      {SDLK_F9, 120},
        {SDLK_F11, 122},     {SDLK_F12, 123},      {SDLK_SEMICOLON, 186}, {SDLK_EQUALS, 187},
        {SDLK_COMMA, 188},   {SDLK_MINUS, 189},    {SDLK_PERIOD, 190},  {SDLK_SLASH, 191},
        {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221},
        {SDLK_QUOTE, 222},
    };
    for (const auto& [key, vk] : expected)
        EXPECT_EQ(SDLKeyTable::ToVirtualKey(key), vk) << "key " << key;

    // Whole runs: every digit, letter, keypad digit and function key.
    for (int i = 0; i < 10; ++i)
    {
        EXPECT_EQ(SDLKeyTable::ToVirtualKey(SDLK_0 + i), 48 + i);
        EXPECT_EQ(SDLKeyTable::ToVirtualKey(i == 0 ? SDLK_KP_0 : SDLK_KP_1 + i - 1), 96 + i);
    }
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(SDLKeyTable::ToVirtualKey(SDLK_a + i), 65 + i);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(SDLKeyTable::ToVirtualKey(SDLK_F1 + i), 112 + i);

    EXPECT_EQ(SDLKeyTable::ToVirtualKey(SDLK_UNKNOWN), 0);
    EXPECT_EQ(SDLKeyTable::ToVirtualKey(SDLK_F24), 0);
    EXPECT_EQ(SDLKeyTable::ToVirtualKey(SDLK_AUDIOPLAY), 0);
}

TEST(KeyTable, ReverseLookupRoundTrips)
{
    std::size_t count = 0;
    const SDLKeyTable::Entry* entries = SDLKeyTable::Entries(count);
    ASSERT_GT(count, 100u);

    std::set<SDL_Keycode> seen;
    for (std::size_t i = 0; i < count; ++i)
    {
        const SDLKeyTable::Entry& e = entries[i];
        // One row per key: a duplicate would make the first row hide the second.
        EXPECT_TRUE(seen.insert(e.key).second) << "key listed twice: " << e.key;
        EXPECT_GT(e.vk, 0);
        EXPECT_LT(e.vk, 256);
        EXPECT_EQ(SDLKeyTable::ToVirtualKey(e.key), e.vk);
        int held[2] = {};
        ASSERT_GE(SDLKeyTable::HeldAs(e.key, held), 1);
        EXPECT_EQ(held[0], e.vk);
    }
}

TEST(KeyTable, ModifiersAreHeldAsEitherSideAndTheirOwn)
{
    struct Case
    {
        SDL_Keycode key;
        int vk;
        int side;
    };
    const Case modifiers[] = {{SDLK_LSHIFT, 16, 0xA0}, {SDLK_RSHIFT, 16, 0xA1}, {SDLK_LCTRL, 17, 0xA2},
                              {SDLK_RCTRL, 17, 0xA3},  {SDLK_LALT, 18, 0xA4},   {SDLK_RALT, 18, 0xA5}};
    for (const Case& c : modifiers)
    {
        int held[2] = {};
        ASSERT_EQ(SDLKeyTable::HeldAs(c.key, held), 2) << "key " << c.key;
        EXPECT_EQ(held[0], c.vk);
        EXPECT_EQ(held[1], c.side);
    }

    int held[2] = {};
    EXPECT_EQ(SDLKeyTable::HeldAs(SDLK_a, held), 1);
    EXPECT_EQ(held[0], 'A');
    EXPECT_EQ(SDLKeyTable::HeldAs(SDLK_UNKNOWN, held), 0);
    EXPECT_EQ(SDLKeyTable::HeldAs(SDLK_F24, held), 0);
}
