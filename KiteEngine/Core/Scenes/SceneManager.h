// SceneManager: switches scenes. A request only records the name; the
// switch happens in the manager's next update, the last of the frame.
#pragma once

#include <string>

#include "Core/Engine/System.h"

namespace KiteFramework
{
    class Editor;

    class SceneManager : public System
    {
    public:
        SceneManager();
        ~SceneManager() override;
        SceneManager(const SceneManager&) = delete;
        SceneManager& operator=(const SceneManager&) = delete;

        void Initialise() override;
        void Update() override;
        void SendMessage(Message* message) override {}

        // Stops every sound and records the request; a later request in the
        // same frame replaces it.
        void LoadLevel(const std::string& name);
        const std::string& GetCurrentSceneName() const { return current; }
        bool IsLoadPending() const { return pending; }

    private:
        friend class Editor;

        void ForceSetCurrentLevel(std::string name) { forced = std::move(name); }
        void EndLoopLoadLevel();

        std::string current;
        std::string requested;
        std::string forced;
        bool pending = false;
    };

    extern SceneManager* SCENEMNGR;
}
