// The engine's log: an in-memory buffer appended to log.txt once per frame
// and whenever it reaches 512 characters.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Core/Engine/Engine.h"

namespace KiteFramework
{
    namespace
    {
        // Lines kept while log.txt cannot be written; the oldest go first.
        const std::size_t kMaxKeptLog = 64 * 1024;
        const std::size_t kFlushAt = 512;
    }

    void Engine::logMessage(std::string)
    {
    }

    void Engine::logError(std::string message)
    {
        logBuffer_ += "ERROR: ";
        logBuffer_ += message;
        logBuffer_ += "\n";
        if (logBuffer_.size() >= kFlushAt)
            writeLogBuffer();
    }

    void Engine::writeLogBuffer()
    {
        // Every frame ends here; most have nothing to write.
        if (logGuard_ || (logBuffer_.empty() && logFileMade_))
            return;
        logGuard_ = true;
        std::string pending;
        pending.swap(logBuffer_);
        bool written = WriteStringToFile(pending, logPath_, 2);
        if (written)
        {
            // Lines the write itself logged go with the buffer.
            logBuffer_.clear();
            logFailureReported_ = false;
            logFileMade_ = true;
        }
        else
        {
            // Keep what could not be written, bounded, and say so once.
            if (!logFailureReported_)
            {
                std::cerr << "Cannot write the log file \"" << logPath_ << "\"; keeping its lines in memory"
                          << std::endl;
                logFailureReported_ = true;
            }
            logBuffer_.clear();
            if (pending.size() > kMaxKeptLog)
                pending.erase(0, pending.size() - kMaxKeptLog);
            logBuffer_.swap(pending);
        }
        logGuard_ = false;
    }

    bool WriteStringToFile(const std::string& text, const std::string& path, int mode, bool)
    {
        std::FILE* file = nullptr;
        if (mode == 0)
            file = std::fopen(path.c_str(), "wbx");
        else if (mode == 2)
            file = std::fopen(path.c_str(), "ab");
        else
            file = std::fopen(path.c_str(), "wb");

        if (!file)
        {
            if (ENGINE && mode == 2)
                ENGINE->logError("Error opening file: " + path);
            else if (ENGINE && mode != 0)
                ENGINE->logError("Error creating file: " + path);
            return false;
        }
        if (mode == 2 && std::fseek(file, 0, SEEK_END) != 0)
        {
            if (ENGINE)
                ENGINE->logError("Error appending file: " + path);
            std::fclose(file);
            return false;
        }
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size())
        {
            if (ENGINE)
                ENGINE->logError("Error writing file: " + path);
            std::fclose(file);
            return false;
        }
        if (std::fclose(file) != 0)
        {
            if (ENGINE)
                ENGINE->logError("Error closing file: " + path);
            return false;
        }
        return true;
    }
}
