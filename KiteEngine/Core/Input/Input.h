// Input: samples the keyboard and mouse buttons once per frame while the game
// plays; offers live state and one-shot edges that are cleared when read.
#pragma once

#include <cstdint>

#include "Core/Engine/System.h"

namespace KiteFramework
{
    class Input : public System
    {
    public:
        static const int KeyCount = 255;

        Input();
        ~Input() override;

        void Initialise() override;
        void Update() override;

        // Live state at the moment of the call, whether or not the game plays.
        bool isKeyDown(short vk) const;
        bool isKeyUp(short vk) const;
        // One-shot edges: true once per press (or release), then cleared.
        bool wasKeyPressed(short vk);
        bool wasKeyReleased(short vk);
        bool wasAnyKeyPressed();
        bool wasAnyKeyReleased();
        // The left button went down between the last two samples; not consumed.
        bool wasLMButtonPressed() const;

    private:
        struct MouseButtonState
        {
            std::uint16_t current = 0;
            std::uint16_t previous = 0;
            std::uint16_t sampled = 0;
            std::uint16_t spare = 0;
        };

        void ClearKeys();
        void ForgetPresses();
        void MarkPressed(int vk);
        void MarkReleased(int vk);
        void PumpEvents();
        static bool ValidKey(short vk) { return vk > 0 && vk < KeyCount; }

        bool pressed_[KeyCount] = {};
        bool released_[KeyCount] = {};
        bool previous_[KeyCount] = {};
        bool current_[KeyCount] = {};
        bool anyPressed_ = false;
        bool anyReleased_ = false;
        // Left, right, middle.
        MouseButtonState mouse_[3];
    };

    extern Input* INPUTSYS;
}
