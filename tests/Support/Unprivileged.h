// Runs a check as an ordinary user. Tests run as root here, and root reads a
// file whatever its mode, so a "cannot be read" case would never happen:
// under root the check runs in a child process that has dropped to "nobody",
// and its text result comes back through a pipe.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace KiteTest
{
    // The check's result; "child failed" when it could not be run as nobody.
    inline std::string RunUnprivileged(const std::function<std::string()>& check)
    {
        if (::geteuid() != 0)
            return check();
        int ends[2];
        if (::pipe(ends) != 0)
            return "child failed";
        const pid_t child = ::fork();
        if (child == 0)
        {
            ::close(ends[0]);
            std::string result = "child failed";
            if (::setgid(65534) == 0 && ::setuid(65534) == 0)
                result = check();
            const char* at = result.data();
            std::size_t left = result.size();
            while (left > 0)
            {
                const ssize_t n = ::write(ends[1], at, left);
                if (n <= 0)
                    break;
                at += n;
                left -= static_cast<std::size_t>(n);
            }
            ::_exit(0);
        }
        ::close(ends[1]);
        std::string result;
        char buffer[512];
        ssize_t n;
        while ((n = ::read(ends[0], buffer, sizeof buffer)) > 0)
            result.append(buffer, static_cast<std::size_t>(n));
        ::close(ends[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        return child > 0 ? result : "child failed";
    }
}
