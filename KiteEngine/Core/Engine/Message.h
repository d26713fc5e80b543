// Messages: the engine's one event channel between the window, the systems
// and the components. A message lives on its sender's stack for the length
// of the delivery call; receivers never keep it.
#pragma once

#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    class GameObject;

    namespace MsgID
    {
        enum MessageIdType
        {
            None = 0,
            Quit = 1,
            Collide = 2,
            CharacterKey = 4,
            MouseButton = 5,
            MouseMove = 6,
            MouseDown = 8,
            MouseUp = 9,
            MouseDrag = 10,
            MouseEnter = 11,
            MouseExit = 12,
            MouseOver = 13,
            ClearScene = 14,
            SceneLoaded = 15,
            Start = 16,
            Pause = 17
        };
    }

    struct Message
    {
        explicit Message(MsgID::MessageIdType id_) : id(id_) {}
        Message(const Message&) = default;
        Message& operator=(const Message&) = default;
        virtual ~Message() = default;

        MsgID::MessageIdType id;
    };

    struct MessageQuit : public Message
    {
        MessageQuit() : Message(MsgID::Quit) {}
    };

    struct MessageCollide : public Message
    {
        MessageCollide() : Message(MsgID::Collide), collideObject(nullptr) {}
        explicit MessageCollide(GameObject* other) : Message(MsgID::Collide), collideObject(other) {}

        GameObject* collideObject;
    };

    struct MessageCharacterKey : public Message
    {
        explicit MessageCharacterKey(int key) : Message(MsgID::CharacterKey), character(key) {}

        int character;
    };

    struct MouseButton : public Message
    {
        enum MouseButtonIndexId
        {
            LeftMouse = 0,
            RightMouse = 1
        };

        MouseButton(MouseButtonIndexId button, bool pressed, Vector2D position)
            : Message(MsgID::MouseButton), MouseButtonIndex(button), ButtonIsPressed(pressed), MousePosition(position)
        {
        }

        MouseButtonIndexId MouseButtonIndex;
        bool ButtonIsPressed;
        // Window client pixels, y growing downwards.
        Vector2D MousePosition;
    };

    struct MouseMove : public Message
    {
        explicit MouseMove(Vector2D position) : Message(MsgID::MouseMove), MousePosition(position) {}

        // Window client pixels, y growing downwards.
        Vector2D MousePosition;
    };

    // Ids 8, 9, 11, 12 and 13: sent by picking to the object under the mouse.
    struct MouseCollideMessage : public Message
    {
        explicit MouseCollideMessage(MsgID::MessageIdType id_) : Message(id_) {}
    };

    // Id 17: focus lost or Escape; scripts pause the game.
    struct ALTTAB : public Message
    {
        ALTTAB() : Message(MsgID::Pause) {}
    };
}
