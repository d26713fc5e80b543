// PrivateDisplay: Xvfb started with -displayfd, which writes back the number
// of the display it took.
#include "EndToEnd/PrivateDisplay.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace KiteTest
{
    PrivateDisplay::PrivateDisplay(int width, int height)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0)
        {
            ::close(fds[0]);
            // The server ends with the test that started it, however the
            // test ends, and keeps nothing of the test's output open: ctest
            // waits for that output to close before it takes a test as done.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            const int null = ::open("/dev/null", O_WRONLY);
            if (null >= 0)
            {
                ::dup2(null, STDOUT_FILENO);
                ::dup2(null, STDERR_FILENO);
                ::close(null);
            }
            const std::string fd = std::to_string(fds[1]);
            const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string number;
        char c;
        while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (number.empty())
            return;
        if (const char* old = std::getenv("DISPLAY"))
            previous_ = old;
        ::setenv("DISPLAY", (":" + number).c_str(), 1);
        display_ = XOpenDisplay(nullptr);
    }

    PrivateDisplay::~PrivateDisplay()
    {
        if (display_)
            XCloseDisplay(display_);
        if (!previous_.empty())
            ::setenv("DISPLAY", previous_.c_str(), 1);
        if (pid_ > 0)
        {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }
}
