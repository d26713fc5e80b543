// Helpers for the audio tests: a scratch working folder with an asset tree,
// and captured standard output.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace AudioTest
{
    // Makes a fresh folder, fills Assets/Audio with the given (empty) files
    // and works from there until destroyed.
    class ScratchFolder
    {
    public:
        explicit ScratchFolder(const std::vector<std::string>& audioFiles = {})
        {
            namespace fs = std::filesystem;
            previous_ = fs::current_path();
            char pattern[] = "/tmp/kite-audio-XXXXXX";
            root_ = mkdtemp(pattern);
            for (const std::string& file : audioFiles)
            {
                fs::path path = fs::path(root_) / "Assets/Audio" / file;
                fs::create_directories(path.parent_path());
                std::ofstream(path) << "sound";
            }
            fs::current_path(root_);
        }

        ~ScratchFolder()
        {
            std::error_code ec;
            std::filesystem::current_path(previous_, ec);
            std::filesystem::remove_all(root_, ec);
        }

        const std::string& Root() const { return root_; }

    private:
        std::filesystem::path previous_;
        std::string root_;
    };

    class CaptureStdout
    {
    public:
        CaptureStdout() : old_(std::cout.rdbuf(buffer_.rdbuf())) {}
        ~CaptureStdout() { std::cout.rdbuf(old_); }
        std::string Text() const { return buffer_.str(); }

    private:
        std::ostringstream buffer_;
        std::streambuf* old_;
    };
}
