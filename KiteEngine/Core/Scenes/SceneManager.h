// SceneManager: switches scenes. A request only records the name; the
// switch happens in the manager's next update, the last of the frame.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Core/Engine/System.h"
#include "Core/XMLSerialisation/XMLNames.h"

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
        // Tells Graphics of every picture the scene's files name, ahead of
        // the load, so that they decode meanwhile. Says nothing of bad files:
        // the load reports them.
        void ExpectPictures(const std::string& name) const;
        const std::string& GetCurrentSceneName() const { return current; }
        // Where a player goes when neither the scene asked for nor the one
        // they came from can be shown ("MainMenu" unless set).
        void SetHomeScene(const std::string& name) { home = name; }
        const std::string& GetHomeScene() const { return home; }
        bool IsLoadPending() const { return pending; }
        // Counts the loads performed, so that others can tell a new one.
        unsigned GetLoadCount() const { return loadCount; }
        // The problems met while reading the last scene (its index and its
        // objects' files), one report line each; empty when it read cleanly.
        // A scene with problems holds less than its files: saving it under
        // its own name would lose what could not be read.
        const std::vector<std::string>& GetLoadProblems() const { return loadProblems; }
        // Called at the end of every load, once the scene is initialised
        // (the editor takes note of what the scene held).
        void SetLoadListener(std::function<void()> listener) { loadListener = std::move(listener); }

    private:
        friend class Editor;

        void ForceSetCurrentLevel(std::string name) { forced = std::move(name); }
        void EndLoopLoadLevel();
        // The steps of a load: the file's root (null when it cannot be read),
        // the scene to go back to instead, the objects, and the messages.
        XMLElement* ReadSceneRoot(const std::string& name, const std::string& where, XMLDocument& document,
                                  std::string& indexText) const;
        bool FallBackFrom(const std::string& name, const std::string& where);
        void MakeSceneObjects(XMLElement* root, const std::string& name, const std::string& where);
        void AnnounceLoaded(const std::string& where);
        // The scene to show instead of one that cannot be read, or "" to
        // show it empty (the editor, or nowhere left to go).
        std::string FallbackFor(const std::string& failed) const;

        std::string current;
        std::string requested;
        std::string forced;
        bool pending = false;
        std::string home = "MainMenu";
        // The load under way replaces a scene that could not be read.
        bool fallingBack = false;
        unsigned loadCount = 0;
        std::function<void()> loadListener;
        std::vector<std::string> loadProblems;
    };

    extern SceneManager* SCENEMNGR;
}
