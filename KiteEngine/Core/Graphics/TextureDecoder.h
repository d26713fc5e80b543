// TextureDecoder: decodes a list of image files on worker threads, ahead of
// the one thread that uploads them and takes them in list order. Decoding
// needs no OpenGL context; uploading stays with the thread that has it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace KiteFramework
{
    // One decoded file: pixels rows from the bottom (as OpenGL wants them),
    // or null with the decoder's reason.
    struct DecodedImage
    {
        DecodedImage() = default;
        DecodedImage(DecodedImage&& other) noexcept;
        DecodedImage& operator=(DecodedImage&& other) noexcept;
        DecodedImage(const DecodedImage&) = delete;
        DecodedImage& operator=(const DecodedImage&) = delete;
        ~DecodedImage();

        unsigned char* pixels = nullptr;
        int width = 0;
        int height = 0;
        int channels = 0;
        // Why the file could not be decoded; empty when it was.
        std::string failure;
    };

    class TextureDecoder
    {
    public:
        // Decodes one file on the calling thread. A picture larger than
        // Graphics::MaxTextureSide on a side is not decoded: its failure
        // starts with TooLarge.
        static DecodedImage Decode(const std::string& path);
        static constexpr const char* TooLarge = "too large: ";

        // Starts decoding the paths at once, or, held, once Release is
        // called. workers 0: as many as the machine has cores, at most eight.
        explicit TextureDecoder(std::vector<std::string> paths, unsigned workers = 0, bool held = false);
        // Stops the workers; what was not taken is freed.
        ~TextureDecoder();
        TextureDecoder(const TextureDecoder&) = delete;
        TextureDecoder& operator=(const TextureDecoder&) = delete;

        const std::vector<std::string>& Paths() const { return paths; }
        // False when no worker could be started: Take then decodes.
        bool HasWorkers() const { return !threads.empty(); }
        const std::string& Path(std::size_t i) const { return paths[i]; }
        // Waits until file i is decoded and hands it over; each file is
        // taken once. The workers go through the files in order, a bounded
        // distance ahead of the files taken; a file not yet begun is decoded
        // by the caller.
        DecodedImage Take(std::size_t i);
        // Hands file i over only when it is decoded already.
        bool TryTake(std::size_t i, DecodedImage& out);
        // File i is needed soon: the next free worker takes it before the
        // files in order.
        void Want(std::size_t i);
        // Lets held workers begin.
        void Release();

    private:
        enum State : char
        {
            Waiting,
            Decoding,
            Decoded,
            Taken
        };

        void Work();
        // The next file for a worker, under the lock; false when none may
        // be begun now.
        bool Claim(std::size_t& i);
        DecodedImage TakeLocked(std::size_t i, std::unique_lock<std::mutex>& guard);

        // How far the workers may run ahead of the taker, so that a slow
        // upload never holds every picture decoded in memory at once.
        static constexpr std::size_t aheadLimit = 48;

        std::vector<std::string> paths;
        std::vector<DecodedImage> results;
        std::vector<State> states;
        std::vector<std::size_t> wanted;
        std::mutex lock;
        std::condition_variable changed;
        std::size_t next = 0;
        std::size_t taken = 0;
        bool stopping = false;
        bool held = false;
        std::vector<std::thread> threads;
    };
}
