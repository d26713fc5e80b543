// Input: per-frame key and mouse sampling with edge flags.
#include "Core/Input/Input.h"

#include "Core/Engine/Engine.h"
#include "Core/Window/Win32System.h"
#include "Platform/Platform.h"
#include "Platform/VirtualKeys.h"

namespace KiteFramework
{
    Input* INPUTSYS = nullptr;

    namespace
    {
        const std::uint16_t kDownNow = 0x8000;
        const std::uint16_t kPressedSinceQuery = 0x0001;

        std::uint16_t Sample(const Platform::KeyQuery& query)
        {
            return static_cast<std::uint16_t>((query.down ? kDownNow : 0) |
                                              (query.pressedSinceLastQuery ? kPressedSinceQuery : 0));
        }
    }

    Input::Input() : System(ST_Input)
    {
        ClaimGlobal(INPUTSYS, this);
    }

    Input::~Input()
    {
        ReleaseGlobal(INPUTSYS, this);
    }

    void Input::Initialise()
    {
        ClearKeys();
    }

    void Input::ClearKeys()
    {
        for (int vk = 0; vk < KeyCount; ++vk)
        {
            pressed_[vk] = false;
            released_[vk] = false;
            previous_[vk] = false;
            current_[vk] = false;
        }
        anyPressed_ = false;
        anyReleased_ = false;
    }

    void Input::Update()
    {
        if (!ENGINE || !ENGINE->GetEngineStatus(ES_GAMEPLAYING))
        {
            // Presses made while nothing plays (typing in the editor) are
            // not handed to the game when it starts.
            ForgetPresses();
            return;
        }

        // A button's current value trails the device by one frame.
        for (MouseButtonState& button : mouse_)
        {
            button.previous = button.current;
            button.current = button.sampled;
        }

        PumpEvents();

        // Down now, or pressed since the last sample: a click shorter than
        // a frame still shows for one frame.
        Platform::Backend& platform = Platform::Get();
        mouse_[0].sampled = Sample(platform.QueryKey(VK::LButton));
        mouse_[1].sampled = Sample(platform.QueryKey(VK::RButton));

        for (int vk = 1; vk < KeyCount; ++vk)
        {
            const Platform::KeyQuery query = platform.QueryKey(vk);
            current_[vk] = query.down;
            if (current_[vk] != previous_[vk])
            {
                if (current_[vk])
                    MarkPressed(vk);
                else
                    MarkReleased(vk);
            }
            else if (query.pressedSinceLastQuery)
            {
                // Pressed and released again between two samples (a tap on
                // a slow frame), or released and pressed again: both edges.
                MarkPressed(vk);
                MarkReleased(vk);
            }
            previous_[vk] = current_[vk];
        }
    }

    void Input::ForgetPresses()
    {
        if (!Platform::IsInstalled())
            return;
        Platform::Backend& platform = Platform::Get();
        for (int vk = 1; vk < KeyCount; ++vk)
            platform.QueryKey(vk);
    }

    void Input::MarkPressed(int vk)
    {
        // A flag not yet read stays as it is: two presses read as one.
        if (pressed_[vk])
            return;
        pressed_[vk] = true;
        anyPressed_ = true;
    }

    void Input::MarkReleased(int vk)
    {
        if (released_[vk])
            return;
        released_[vk] = true;
        anyReleased_ = true;
    }

    void Input::PumpEvents()
    {
        // The second pump of the frame: every event still goes to the window
        // procedure, so a close request taken here is honoured as well.
        Platform::Backend& platform = Platform::Get();
        Platform::Event event;
        while (platform.PollEvent(event))
        {
            if (event.button == 2 &&
                (event.type == Platform::EventType::MouseDown || event.type == Platform::EventType::MouseUp))
            {
                MouseButtonState& middle = mouse_[2];
                middle.sampled = event.type == Platform::EventType::MouseDown ? kDownNow : 0;
                middle.spare = static_cast<std::uint16_t>((event.x & 0xFF) | ((event.y & 0xFF) << 8));
            }
            if (WINDOWSSYSTEM)
                WINDOWSSYSTEM->WndProc(event);
        }
    }

    bool Input::isKeyDown(short vk) const
    {
        return ValidKey(vk) && Platform::IsInstalled() && Platform::Get().IsKeyDown(vk);
    }

    bool Input::isKeyUp(short vk) const
    {
        return !isKeyDown(vk);
    }

    bool Input::wasKeyPressed(short vk)
    {
        if (!ValidKey(vk) || !pressed_[vk])
            return false;
        pressed_[vk] = false;
        return true;
    }

    bool Input::wasKeyReleased(short vk)
    {
        if (!ValidKey(vk) || !released_[vk])
            return false;
        released_[vk] = false;
        return true;
    }

    bool Input::wasAnyKeyPressed()
    {
        bool was = anyPressed_;
        anyPressed_ = false;
        return was;
    }

    bool Input::wasAnyKeyReleased()
    {
        bool was = anyReleased_;
        anyReleased_ = false;
        return was;
    }

    bool Input::wasLMButtonPressed() const
    {
        return mouse_[0].current != 0 && mouse_[0].previous == 0;
    }
}
