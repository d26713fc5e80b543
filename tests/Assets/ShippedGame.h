// The whole game (every system, audio included, on the fake platform)
// started over a scratch asset tree: the named levels are copies, so saving
// writes there; everything else is the shipped tree itself.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Core/Math/Vector2D.h"
#include "Support/StartedEngine.h"

namespace KiteTest
{
    class ShippedGame
    {
    public:
        ShippedGame() = default;
        ShippedGame(const ShippedGame&) = delete;
        ShippedGame& operator=(const ShippedGame&) = delete;
        ~ShippedGame();

        // Starts the game with `levels` copied into the scratch tree of a
        // started engine; false when the game systems could not be added.
        // The report lines printed while starting are kept in StartReports().
        bool Start(const std::vector<std::string>& levels);
        // Ends the game and removes the scratch tree; safe to call twice.
        void Stop();

        // Loads a level and runs two frames; returns the report lines.
        std::string Load(const std::string& level);
        // Loads a level with the game standing still (no start, no frame of
        // play), so nothing made at run time is there; returns the reports.
        std::string LoadStill(const std::string& level);

        KiteFramework::Engine& GameEngine() { return *started_.engine; }
        // The platform under the game: its pointer and buttons are the player's.
        KiteFramework::Platform::FakePlatform& Fake() { return started_.fake; }
        // Puts the player's pointer over a world position (the fake pointer
        // is in window pixels; the mapping is read off the graphics system).
        void PointerAt(const KiteFramework::Vector2D& world);
        const std::filesystem::path& Root() const { return root_; }
        const std::string& StartReports() const { return startReports_; }

    private:
        StartedEngine started_;
        std::filesystem::path root_;
        std::string startReports_;
    };
}
