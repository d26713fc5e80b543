// The raw OpenGL reference program (sprite_reference) run beside a
// benchmark, answering one command a line, so that both sides are measured
// in the same run, taking turns.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace SpriteBench
{
    // sprite_reference in the folder of the running program.
    inline std::string ReferencePath()
    {
        char self[4096];
        const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
        std::string path = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string("./bench");
        return path.substr(0, path.rfind('/') + 1) + "sprite_reference";
    }

    class ReferenceProcess
    {
    public:
        ReferenceProcess() = default;
        ReferenceProcess(const ReferenceProcess&) = delete;
        ReferenceProcess& operator=(const ReferenceProcess&) = delete;

        bool Start()
        {
            int toChild[2];
            int fromChild[2];
            if (pipe(toChild) != 0 || pipe(fromChild) != 0)
                return false;
            const std::string path = ReferencePath();
            pid = fork();
            if (pid == 0)
            {
                dup2(toChild[0], 0);
                dup2(fromChild[1], 1);
                close(toChild[1]);
                close(fromChild[0]);
                execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
                _exit(127);
            }
            close(toChild[0]);
            close(fromChild[1]);
            if (pid < 0)
                return false;
            in = fdopen(toChild[1], "w");
            out = fdopen(fromChild[0], "r");
            return in && out;
        }

        ~ReferenceProcess()
        {
            if (in)
            {
                std::fputs("quit\n", in);
                std::fclose(in);
            }
            if (out)
                std::fclose(out);
            if (pid > 0)
                waitpid(pid, nullptr, 0);
        }

        // The number after the colon of the answer; negative on failure.
        double Ask(const std::string& command)
        {
            if (!in || !out)
                return -1.0;
            std::fprintf(in, "%s\n", command.c_str());
            std::fflush(in);
            char line[512];
            if (!std::fgets(line, sizeof(line), out))
                return -1.0;
            const char* colon = std::strchr(line, ':');
            if (std::strncmp(line, "error", 5) == 0 || !colon)
            {
                std::fprintf(stderr, "the reference program answered: %s", line);
                return -1.0;
            }
            return std::atof(colon + 1);
        }

    private:
        pid_t pid = -1;
        FILE* in = nullptr;
        FILE* out = nullptr;
    };
}
