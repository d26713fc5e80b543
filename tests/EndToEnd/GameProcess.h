// Runs the real KiteGame program in a scratch working folder and talks to its
// window through the X server: the end-to-end tests' handle on the game.
#pragma once

#include <sys/types.h>

#include <string>

namespace KiteTest
{
    class GameProcess
    {
    public:
        GameProcess();
        ~GameProcess();

        // Starts the program (KiteGame or another of the build's programs);
        // false when it cannot be started. The folder gets a link to the
        // asset tree unless the test has put an Assets folder there itself.
        bool Start(const std::string& configuration = "KiteGame 1600 900\n", const std::string& program = "KiteGame");
        // Waits for the game's window to appear; 0 when it does not.
        unsigned long WaitForWindow(double seconds);
        // Asks the window to close as a window manager would.
        void SendClose();
        // Waits for the program to end; true with its exit status when it did.
        bool WaitForExit(double seconds, int& status);
        bool Running();
        // Runs an xdotool command line against the display.
        static int XDoTool(const std::string& arguments);

        const std::string& Folder() const { return folder_; }
        std::string ErrorOutput() const;
        std::string StandardOutput() const;
        unsigned long Window() const { return window_; }

    private:
        std::string folder_;
        pid_t pid_ = -1;
        unsigned long window_ = 0;
        int lastStatus_ = 0;
        bool exited_ = false;
    };

    bool HasDisplay();
    // Sanitizer reports in a program's output.
    bool HasSanitizerReport(const std::string& output);
    // Whether a program ended well: status 0, or the one failure that is the
    // leak checker's own (its thread tracer crashing at exit while scanning
    // thread-local storage, seen under heavy load) with no report of any
    // kind. That case prints a note, since the leak check did not run.
    bool EndedCleanly(int status, const std::string& errorOutput);
}
