// Engine: owns every system and the game, holds the status word, the game
// time factor and the log, and runs the frame loop.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include <filesystem>

#include "Core/Engine/SystemType.h"

namespace KiteFramework
{
    class System;
    class AbstractGame;
    class Editor;
    struct Message;

    // Bit indices into the engine's status word.
    enum ENGINESTATUS
    {
        ES_INITIALISED = 0,
        ES_RUNNING = 1,
        ES_GAMEPLAYING = 2,
        ES_EDITORVIEW = 3,
        ES_FULLSCREEN = 4
    };

    class Engine
    {
    public:
        Engine();
        // Clears ENGINE when it names this engine, so nothing reaches a
        // deleted engine through it.
        ~Engine();
        Engine(const Engine&) = delete;
        Engine& operator=(const Engine&) = delete;

        // The scene the loop opens with.
        static constexpr const char* FirstScene = "Splash1";

        void InitialiseAssetsPath();
        const std::string& GetAssetPath() const { return assetPath_; }
        // Points the asset root elsewhere (tests and benchmarks use a scratch
        // tree); the path ends with '/'.
        void SetAssetPath(const std::string& path) { assetPath_ = path; }

        void AddSystem(System* system);
        void AddAndInitialiseGame(AbstractGame* game);
        void Initialise();
        void Loop();
        void BroadcastMessage(Message* message);
        void CleanEngine();

        // The loop in three pieces, so that tests and benchmarks can step
        // frames without the fixed wait: BeginLoop is what Loop does before
        // its first frame, Step is one frame's work, EndLoop what it does
        // after the last.
        void BeginLoop();
        void Step();
        void EndLoop();

        bool GetEngineStatus(ENGINESTATUS bit) const { return (status_ & (1u << bit)) != 0; }
        void SetEngineStatus(ENGINESTATUS bit, bool value);
        void ToggleEngineStatus(ENGINESTATUS bit) { status_ ^= (1u << bit); }

        float GetTimeFactor() const { return timeFactor_; }
        void SetTimeFactor(float factor) { timeFactor_ = factor; }

        Editor* GetEditor() const { return editor_; }
        // Asked when a quit message arrives; false keeps the loop running
        // (the editor first asks what to do with unsaved changes).
        using QuitGuard = std::function<bool()>;
        void SetQuitGuard(QuitGuard guard) { quitGuard_ = std::move(guard); }
        // A host that runs the editor hands it over here.
        void SetEditor(Editor* editor) { editor_ = editor; }

        System* GetSystem(SystemType type) const;

        void logMessage(std::string message);
        void logError(std::string message);
        void writeLogBuffer();
        const std::string& GetLogBuffer() const { return logBuffer_; }
        // Where writeLogBuffer appends; "log.txt" in the working folder.
        void SetLogPath(const std::string& path)
        {
            logPath_ = path;
            logFileMade_ = false;
        }

    private:
        Editor* editor_ = nullptr;
        QuitGuard quitGuard_;
        bool logGuard_ = false;
        bool logFailureReported_ = false;
        // The log file has been opened since its path was set: an end of
        // frame with nothing to add leaves it alone.
        bool logFileMade_ = false;
        std::string logBuffer_;
        std::string logPath_ = "log.txt";
        std::string assetPath_;
        std::uint32_t status_ = 0;
        float timeFactor_ = 0.0f;
        AbstractGame* game_ = nullptr;
        std::map<SystemType, System*> systems_;
    };

    extern Engine* ENGINE;

    // Every file under folder (recursively); names are the paths with
    // "Assets/Sprites/" or "Assets/Audio/" removed, relativePaths the paths
    // with '/' separators and base (and the separator after it) removed.
    void GetAllFiles(std::string folder, std::vector<std::string>& names,
                     std::vector<std::filesystem::path>& relativePaths, const std::string& base);

    // Mode 0 creates a new file (fails if it exists), 2 appends, any other
    // creates or truncates. Failures are logged through Engine::logError.
    // Returns whether the text was written.
    bool WriteStringToFile(const std::string& text, const std::string& path, int mode, bool unused = false);

    // The cursor's position in client pixels of the game window.
    void GetCursorPos(int& x, int& y);
    void GetCursorPos(float& x, float& y);
}
