// GameLogic: holds every initialised script, updates them each frame while
// the game plays and hands them every broadcast message. Scripts may be
// added or removed while the list is being walked.
#pragma once

#include <cstddef>

#include "Core/Engine/System.h"
#include "Core/Engine/WalkedList.h"

namespace KiteFramework
{
    class Script;

    class GameLogic : public System
    {
    public:
        GameLogic();
        ~GameLogic() override;
        GameLogic(const GameLogic&) = delete;
        GameLogic& operator=(const GameLogic&) = delete;

        void Initialise() override;
        void Update() override;
        void SendMessage(Message* message) override;

        // Appended; a script added during a walk is reached by that walk.
        void AddScript(Script* script);
        // Removes every entry of the script; safe during a walk.
        void RemoveScript(Script* script);
        // Live entries (a script registered twice counts twice).
        std::size_t GetScriptCount() const;

    private:
        WalkedList<Script*> scripts;
    };

    extern GameLogic* LOGIC;
}
