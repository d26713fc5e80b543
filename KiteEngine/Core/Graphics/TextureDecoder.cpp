// TextureDecoder: image files decoded on worker threads.
#include "Core/Graphics/TextureDecoder.h"

#include <string>

#include "Core/Graphics/Graphics.h"

#include <algorithm>
#include <system_error>
#include <utility>

// The decoder itself comes from the system's stb library (optimised even in
// debug builds, where decoding every sprite at start-up would crawl). Its
// flip setting and failure reason are kept per thread.
#include <stb/stb_image.h>

namespace KiteFramework
{
    DecodedImage::DecodedImage(DecodedImage&& other) noexcept
        : pixels(std::exchange(other.pixels, nullptr)), width(other.width), height(other.height),
          channels(other.channels), failure(std::move(other.failure))
    {
    }

    DecodedImage& DecodedImage::operator=(DecodedImage&& other) noexcept
    {
        if (this != &other)
        {
            if (pixels)
                stbi_image_free(pixels);
            pixels = std::exchange(other.pixels, nullptr);
            width = other.width;
            height = other.height;
            channels = other.channels;
            failure = std::move(other.failure);
        }
        return *this;
    }

    DecodedImage::~DecodedImage()
    {
        if (pixels)
            stbi_image_free(pixels);
    }

    DecodedImage TextureDecoder::Decode(const std::string& path)
    {
        DecodedImage image;
        // A small file can describe a picture of gigabytes: the size is read
        // from the header, before any pixel is decoded.
        int w = 0, h = 0, channels = 0;
        if (stbi_info(path.c_str(), &w, &h, &channels) &&
            (w > Graphics::MaxTextureSide || h > Graphics::MaxTextureSide))
        {
            image.failure = std::string(TooLarge) + std::to_string(w) + " x " + std::to_string(h) +
                            " pixels, more than " + std::to_string(Graphics::MaxTextureSide) + " on a side";
            return image;
        }
        // The first row of an image is its top; OpenGL wants the bottom first.
        stbi_set_flip_vertically_on_load_thread(1);
        image.pixels = stbi_load(path.c_str(), &image.width, &image.height, &image.channels, 0);
        if (!image.pixels)
        {
            const char* reason = stbi_failure_reason();
            image.failure = reason && *reason ? reason : "unknown";
        }
        return image;
    }

    TextureDecoder::TextureDecoder(std::vector<std::string> files, unsigned workers, bool holding)
        : paths(std::move(files)), results(paths.size()), states(paths.size(), Waiting), held(holding)
    {
        if (workers == 0)
            workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
        workers = static_cast<unsigned>(std::min<std::size_t>(workers, paths.size()));
        try
        {
            for (unsigned i = 0; i < workers; ++i)
                threads.emplace_back(&TextureDecoder::Work, this);
        }
        catch (const std::system_error&)
        {
            // Fewer workers, or none: Take then decodes what is left itself.
        }
    }

    TextureDecoder::~TextureDecoder()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            stopping = true;
        }
        changed.notify_all();
        for (std::thread& t : threads)
            t.join();
    }

    bool TextureDecoder::Claim(std::size_t& i)
    {
        if (held)
            return false;
        while (!wanted.empty())
        {
            i = wanted.back();
            wanted.pop_back();
            if (states[i] == Waiting)
                return true;
        }
        while (next < paths.size() && states[next] != Waiting)
            ++next;
        if (next >= paths.size() || next >= taken + aheadLimit)
            return false;
        i = next++;
        return true;
    }

    void TextureDecoder::Work()
    {
        std::unique_lock<std::mutex> guard(lock);
        for (;;)
        {
            std::size_t i = 0;
            bool claimed = false;
            changed.wait(guard, [this, &i, &claimed] {
                if (stopping)
                    return true;
                claimed = Claim(i);
                return claimed || next >= paths.size();
            });
            // Stopped, or every file has been begun.
            if (stopping || !claimed)
                return;
            states[i] = Decoding;
            guard.unlock();
            DecodedImage image = Decode(paths[i]);
            guard.lock();
            results[i] = std::move(image);
            states[i] = Decoded;
            changed.notify_all();
        }
    }

    DecodedImage TextureDecoder::TakeLocked(std::size_t i, std::unique_lock<std::mutex>& guard)
    {
        DecodedImage image;
        if (states[i] == Waiting)
        {
            // No worker has begun it: the taker decodes it itself.
            states[i] = Taken;
            ++taken;
            guard.unlock();
            changed.notify_all();
            return Decode(paths[i]);
        }
        changed.wait(guard, [this, i] { return states[i] != Decoding; });
        if (states[i] == Decoded)
        {
            image = std::move(results[i]);
            states[i] = Taken;
            ++taken;
        }
        guard.unlock();
        changed.notify_all();
        return image;
    }

    DecodedImage TextureDecoder::Take(std::size_t i)
    {
        if (i >= paths.size())
            return DecodedImage();
        std::unique_lock<std::mutex> guard(lock);
        return TakeLocked(i, guard);
    }

    bool TextureDecoder::TryTake(std::size_t i, DecodedImage& out)
    {
        if (i >= paths.size())
            return false;
        std::unique_lock<std::mutex> guard(lock);
        if (states[i] != Decoded)
            return false;
        out = TakeLocked(i, guard);
        return true;
    }

    void TextureDecoder::Want(std::size_t i)
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            if (i >= paths.size() || states[i] != Waiting)
                return;
            wanted.push_back(i);
        }
        changed.notify_one();
    }

    void TextureDecoder::Release()
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            if (!held)
                return;
            held = false;
        }
        changed.notify_all();
    }
}
