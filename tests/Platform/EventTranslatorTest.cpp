// Translation of SDL events into the engine's events, and the reading of a
// gamepad, checked without a display.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>

#include "Platform/SDL/SDLEventTranslator.h"
#include "Platform/SDL/SDLGamepads.h"

using namespace KiteFramework::Platform;

namespace
{
    std::deque<Event> Translate(const SDL_Event& native)
    {
        std::deque<Event> out;
        SDLEventTranslator::Translate(native, out);
        return out;
    }

    std::deque<Event> Text(const char* utf8)
    {
        std::deque<Event> out;
        SDLEventTranslator::AppendCharacters(utf8, std::strlen(utf8), out);
        return out;
    }

    std::vector<unsigned> Codepoints(const std::deque<Event>& events)
    {
        std::vector<unsigned> result;
        for (const Event& e : events)
        {
            EXPECT_EQ(e.type, EventType::Character);
            result.push_back(e.codepoint);
        }
        return result;
    }
}

TEST(EventTranslator, KeysCarryVirtualKeyRepeatAndAlt)
{
    SDL_Event native{};
    native.type = SDL_KEYDOWN;
    native.key.keysym.sym = SDLK_F4;
    native.key.keysym.mod = KMOD_LALT;
    native.key.repeat = 1;
    auto out = Translate(native);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, EventType::KeyDown);
    EXPECT_EQ(out[0].vk, 115);
    EXPECT_TRUE(out[0].repeat);
    EXPECT_TRUE(out[0].alt);

    native.type = SDL_KEYUP;
    native.key.keysym.sym = SDLK_EQUALS;
    native.key.keysym.mod = KMOD_RALT | KMOD_SHIFT;
    out = Translate(native);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].type, EventType::KeyUp);
    EXPECT_EQ(out[0].vk, 187);
    EXPECT_FALSE(out[0].repeat);
    EXPECT_TRUE(out[0].alt);

    native.key.keysym.mod = KMOD_CTRL;
    EXPECT_FALSE(Translate(native)[0].alt);

    // Keys without a number are dropped, not passed on as key 0.
    native.key.keysym.sym = SDLK_F20;
    EXPECT_TRUE(Translate(native).empty());
}

TEST(EventTranslator, MouseAndWindowEvents)
{
    SDL_Event native{};
    native.type = SDL_MOUSEBUTTONDOWN;
    native.button.x = 12;
    native.button.y = 34;
    const std::pair<Uint8, int> buttons[] = {{SDL_BUTTON_LEFT, 0}, {SDL_BUTTON_RIGHT, 1}, {SDL_BUTTON_MIDDLE, 2}};
    for (const auto& [sdl, index] : buttons)
    {
        native.button.button = sdl;
        auto out = Translate(native);
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0].type, EventType::MouseDown);
        EXPECT_EQ(out[0].button, index);
        EXPECT_EQ(out[0].x, 12);
        EXPECT_EQ(out[0].y, 34);
    }
    native.button.button = SDL_BUTTON_X1;
    EXPECT_TRUE(Translate(native).empty());

    native = SDL_Event{};
    native.type = SDL_MOUSEWHEEL;
    native.wheel.y = 1;
    native.wheel.preciseY = 1.5f;
    native.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    auto wheel = Translate(native);
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(wheel[0].type, EventType::Wheel);
    EXPECT_FLOAT_EQ(wheel[0].wheelY, -1.5f);
    native.wheel.preciseY = 0.0f;
    native.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    EXPECT_FLOAT_EQ(Translate(native)[0].wheelY, 1.0f);

    native = SDL_Event{};
    native.type = SDL_WINDOWEVENT;
    native.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    native.window.data1 = 800;
    native.window.data2 = 600;
    auto resize = Translate(native);
    ASSERT_EQ(resize.size(), 1u);
    EXPECT_EQ(resize[0].type, EventType::Resize);
    EXPECT_EQ(resize[0].width, 800);
    EXPECT_EQ(resize[0].height, 600);
    // The duplicate notice of the same change and unrelated window news are dropped.
    native.window.event = SDL_WINDOWEVENT_RESIZED;
    EXPECT_TRUE(Translate(native).empty());
    native.window.event = SDL_WINDOWEVENT_EXPOSED;
    EXPECT_TRUE(Translate(native).empty());
}

TEST(EventTranslator, TextBecomesOneCharacterPerCodePoint)
{
    // "aé€😀": one, two, three and four bytes.
    EXPECT_EQ(Codepoints(Text("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80")),
              (std::vector<unsigned>{'a', 0xE9, 0x20AC, 0x1F600}));

    // Malformed input: stray continuation, overlong forms, a surrogate, a lead
    // byte past Unicode, and a sequence cut short by the end of the text.
    EXPECT_EQ(Codepoints(Text("\x80" "b")), (std::vector<unsigned>{'b'}));
    EXPECT_EQ(Codepoints(Text("\xC0\xAF" "c")), (std::vector<unsigned>{'c'}));
    EXPECT_EQ(Codepoints(Text("\xE0\x80\xAF" "d")), (std::vector<unsigned>{'d'}));
    EXPECT_EQ(Codepoints(Text("\xED\xA0\x80" "e")), (std::vector<unsigned>{'e'}));
    EXPECT_EQ(Codepoints(Text("\xF5\x80\x80\x80" "f")), (std::vector<unsigned>{'f'}));
    EXPECT_EQ(Codepoints(Text("g\xE2\x82")), (std::vector<unsigned>{'g'}));
    // A cut sequence does not swallow the character that follows it.
    EXPECT_EQ(Codepoints(Text("\xE2" "h")), (std::vector<unsigned>{'h'}));

    // A text filling SDL's whole buffer has no terminator: the length bounds the read.
    SDL_Event native{};
    native.type = SDL_TEXTINPUT;
    std::memset(native.text.text, 'x', sizeof(native.text.text));
    EXPECT_EQ(Translate(native).size(), sizeof(native.text.text));
}

TEST(EventTranslator, EventsKnowTheirWindow)
{
    SDL_Event native{};
    native.type = SDL_KEYDOWN;
    native.key.windowID = 7;
    EXPECT_EQ(SDLEventTranslator::WindowOf(native), 7u);
    native.type = SDL_TEXTINPUT;
    native.text.windowID = 8;
    EXPECT_EQ(SDLEventTranslator::WindowOf(native), 8u);
    native.type = SDL_QUIT;
    EXPECT_EQ(SDLEventTranslator::WindowOf(native), 0u);
    EXPECT_EQ(Translate(native)[0].type, EventType::Quit);
}

TEST(Gamepads, ComposeMatchesTheEngineLayout)
{
    bool buttons[SDL_CONTROLLER_BUTTON_MAX] = {};
    Sint16 axes[SDL_CONTROLLER_AXIS_MAX] = {};
    buttons[SDL_CONTROLLER_BUTTON_A] = true;
    buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] = true;
    buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER] = true;
    buttons[SDL_CONTROLLER_BUTTON_GUIDE] = true; // no bit for it
    axes[SDL_CONTROLLER_AXIS_LEFTX] = -32768;
    axes[SDL_CONTROLLER_AXIS_LEFTY] = -32768; // pushed fully up
    axes[SDL_CONTROLLER_AXIS_RIGHTY] = 1000;  // a little down
    axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = 32767;
    axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = 16384;

    const GamepadState s = SDLGamepads::Compose(buttons, axes);
    EXPECT_EQ(s.buttons, GamepadButton::A | GamepadButton::DPadLeft | GamepadButton::RightShoulder);
    EXPECT_EQ(s.thumbLX, -32768);
    EXPECT_EQ(s.thumbLY, 32767);
    EXPECT_EQ(s.thumbRY, -1000);
    EXPECT_EQ(s.leftTrigger, 255);
    EXPECT_EQ(s.rightTrigger, 128);

    // A trigger axis below rest reads as released, not as a wrapped value.
    axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = -5;
    EXPECT_EQ(SDLGamepads::Compose(buttons, axes).leftTrigger, 0);
}
