// Virtual-key numbers: the engine and the game name keys and mouse buttons by
// these numbers; the platform back end translates its own key codes to them.
#pragma once

namespace KiteFramework
{
    namespace VK
    {
        enum : int
        {
            LButton = 0x01,
            RButton = 0x02,
            MButton = 0x04,
            Back = 0x08,
            Tab = 0x09,
            Return = 0x0D,
            Shift = 0x10,
            Control = 0x11,
            Menu = 0x12, // Alt
            Pause = 0x13,
            Capital = 0x14,
            Escape = 0x1B,
            Space = 0x20,
            Prior = 0x21,
            Next = 0x22,
            End = 0x23,
            Home = 0x24,
            Left = 0x25,
            Up = 0x26,
            Right = 0x27,
            Down = 0x28,
            Insert = 0x2D,
            Delete = 0x2E,
            Key0 = 0x30, // '0' .. '9' are 0x30 .. 0x39
            KeyA = 0x41, // 'A' .. 'Z' are 0x41 .. 0x5A
            Numpad0 = 0x60,
            Multiply = 0x6A,
            Add = 0x6B,
            Subtract = 0x6D,
            Decimal = 0x6E,
            Divide = 0x6F,
            F1 = 0x70, // F1 .. F12 are 0x70 .. 0x7B
            F4 = 0x73,
            F9 = 0x78,
            F10 = 0x79,
            F11 = 0x7A,
            F12 = 0x7B,
            LShift = 0xA0,
            RShift = 0xA1,
            LControl = 0xA2,
            RControl = 0xA3,
            LMenu = 0xA4,
            RMenu = 0xA5,
            OemSemicolon = 0xBA,
            OemPlus = 0xBB, // '='
            OemComma = 0xBC,
            OemMinus = 0xBD,
            OemPeriod = 0xBE,
            OemSlash = 0xBF,
            OemTilde = 0xC0,
            OemOpenBracket = 0xDB,
            OemBackslash = 0xDC,
            OemCloseBracket = 0xDD,
            OemQuote = 0xDE
        };
    }
}
