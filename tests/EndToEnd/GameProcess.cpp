// GameProcess: starting KiteGame, finding its window, closing it.
#include "EndToEnd/GameProcess.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace KiteTest
{
    namespace
    {
        std::string ReadAll(const fs::path& path)
        {
            std::ifstream in(path, std::ios::binary);
            std::stringstream ss;
            ss << in.rdbuf();
            return ss.str();
        }

        std::string WindowName(Display* display, Window window)
        {
            char* name = nullptr;
            std::string result;
            if (XFetchName(display, window, &name) && name)
            {
                result = name;
                XFree(name);
            }
            return result;
        }

        Window FindByPid(Display* display, Window root, pid_t pid)
        {
            Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
            Window rootReturn;
            Window parent;
            Window* children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
                return 0;
            Window found = 0;
            for (unsigned i = 0; i < count && !found; ++i)
            {
                if (pidAtom != None)
                {
                    Atom type;
                    int format;
                    unsigned long items;
                    unsigned long after;
                    unsigned char* data = nullptr;
                    if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                                           &items, &after, &data) == Success &&
                        data)
                    {
                        if (items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid &&
                            !WindowName(display, children[i]).empty())
                            found = children[i];
                        XFree(data);
                    }
                }
            }
            if (children)
                XFree(children);
            return found;
        }
    }

    bool HasDisplay()
    {
        const char* display = std::getenv("DISPLAY");
        return display && *display;
    }

    bool HasSanitizerReport(const std::string& output)
    {
        return output.find("ERROR: AddressSanitizer") != std::string::npos ||
               output.find("ERROR: LeakSanitizer") != std::string::npos ||
               output.find("runtime error:") != std::string::npos;
    }

    bool EndedCleanly(int status, const std::string& errorOutput)
    {
        if (status == 0)
            return true;
        const bool tracerFailed = errorOutput.find("Tracer caught signal") != std::string::npos &&
                                  errorOutput.find("LeakSanitizer has encountered a fatal error") != std::string::npos;
        const bool reported = errorOutput.find("ERROR: AddressSanitizer") != std::string::npos ||
                              errorOutput.find("detected memory leaks") != std::string::npos ||
                              errorOutput.find("runtime error:") != std::string::npos;
        if (status != 134 || !tracerFailed || reported)
            return false;
        std::printf("[ note ] the leak checker failed at exit (its own tracer crashed); no leak check this run\n");
        return true;
    }

    GameProcess::GameProcess()
    {
        fs::path base = fs::temp_directory_path() / ("kite_e2e_" + std::to_string(::getpid()) + "_" +
                                                     std::to_string(Clock::now().time_since_epoch().count()));
        fs::create_directories(base);
        folder_ = base.string();
    }

    GameProcess::~GameProcess()
    {
        if (Running())
        {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    bool GameProcess::Start(const std::string& configuration, const std::string& name)
    {
        std::ofstream(fs::path(folder_) / "Configuration.txt") << configuration;
        std::error_code ec;
        if (!fs::exists(fs::path(folder_) / "Assets", ec))
            fs::create_directory_symlink(KITE_ASSET_ROOT, fs::path(folder_) / "Assets");
        std::string program = std::string(KITE_BIN_DIR) + "/" + name;
        std::string out = folder_ + "/stdout.txt";
        std::string err = folder_ + "/stderr.txt";

        pid_ = ::fork();
        if (pid_ < 0)
            return false;
        if (pid_ == 0)
        {
            if (::chdir(folder_.c_str()) != 0)
                ::_exit(126);
            int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(o, 1);
            ::dup2(e, 2);
            // The program's leak checker knows the system libraries' leaks
            // whether or not the test run says so.
            ::setenv("LSAN_OPTIONS", "suppressions=" KITE_SOURCE_ROOT "/tests/lsan.supp:print_suppressions=0", 0);
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return true;
    }

    unsigned long GameProcess::WaitForWindow(double seconds)
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            return 0;
        auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline && Running())
        {
            window_ = FindByPid(display, DefaultRootWindow(display), pid_);
            if (window_)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        XCloseDisplay(display);
        return window_;
    }

    void GameProcess::SendClose()
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display || !window_)
        {
            if (display)
                XCloseDisplay(display);
            return;
        }
        XEvent event;
        std::memset(&event, 0, sizeof(event));
        event.xclient.type = ClientMessage;
        event.xclient.window = window_;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window_, False, NoEventMask, &event);
        XFlush(display);
        XCloseDisplay(display);
    }

    bool GameProcess::Running()
    {
        if (pid_ <= 0)
            return false;
        int status = 0;
        pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == 0)
            return true;
        if (r == pid_)
        {
            lastStatus_ = status;
            exited_ = true;
        }
        return false;
    }

    bool GameProcess::WaitForExit(double seconds, int& status)
    {
        auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < deadline)
        {
            if (!Running())
            {
                if (!exited_)
                    return false;
                status = WIFEXITED(lastStatus_) ? WEXITSTATUS(lastStatus_) : 128 + WTERMSIG(lastStatus_);
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    int GameProcess::XDoTool(const std::string& arguments)
    {
        std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
        return std::system(command.c_str());
    }

    std::string GameProcess::ErrorOutput() const
    {
        return ReadAll(fs::path(folder_) / "stderr.txt");
    }

    std::string GameProcess::StandardOutput() const
    {
        return ReadAll(fs::path(folder_) / "stdout.txt");
    }
}
