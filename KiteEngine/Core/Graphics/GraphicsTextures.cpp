// Graphics: loading textures and finding them by name.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <new>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/TextureDecoder.h"

namespace KiteFramework
{
    namespace
    {
        void ReportUnloadable(const std::string& path, const std::string& reason)
        {
            std::string problem = Assets::Unreadable(path);
            if (problem.empty() && reason.rfind(TextureDecoder::TooLarge, 0) == 0)
                problem = reason + "; not loaded";
            else if (problem.empty())
                problem = "cannot be decoded as a picture" + (reason.empty() ? std::string() : ": " + reason);
            ReportDataError("Texture \"" + path + "\"", problem);
        }
    }

    void Graphics::LoadSingleTexture(unsigned int* out, const char* path)
    {
        if (!out)
            return;
        *out = 0;
        // Without a context nothing loads, and set-up has said so once: no
        // report per file.
        if (!glReady || !path)
            return;
        LoadSingleTexture(out, path, TextureDecoder::Decode(path));
    }

    void Graphics::LoadSingleTexture(unsigned int* out, const std::string& path, const DecodedImage& image)
    {
        *out = 0;
        if (!glReady)
            return;
        UploadTexture(out, image);
        if (*out == 0)
            ReportUnloadable(path, image.failure);
    }

    void Graphics::UploadTexture(unsigned int* out, const DecodedImage& image)
    {
        *out = 0;
        if (!glReady || !image.pixels)
            return;
        GLenum format = GL_RGBA;
        switch (image.channels)
        {
        case 1: format = GL_LUMINANCE; break;
        case 2: format = GL_LUMINANCE_ALPHA; break;
        case 3: format = GL_RGB; break;
        default: format = GL_RGBA; break;
        }
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        GLint alignment = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
                     GL_UNSIGNED_BYTE, image.pixels);
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glBindTexture(GL_TEXTURE_2D, 0);
        *out = name;
    }

    void Graphics::StartDecoding(const std::vector<std::string>& names)
    {
        std::vector<std::string> paths;
        decodingIndex.clear();
        for (const std::string& name : names)
        {
            decodingIndex.emplace(name, paths.size());
            paths.push_back(Assets::SpritePath(name));
        }
        std::vector<std::string> files = Assets::ResolveAllNamed(paths);
        // Held until the first scene is on the screen: before that the
        // workers would only take the processor from the first frames, whose
        // few pictures are decoded as they are asked for.
        decoding = std::make_unique<TextureDecoder>(std::move(files), 0, true);
    }

    void Graphics::ReleaseDecoding()
    {
        if (decoding)
            decoding->Release();
    }

    void Graphics::QueueTextures(const std::vector<std::string>& names)
    {
        // Only a queue already there is finished first: the decoding held
        // since set-up stays held.
        if (!queued.empty())
            FinishLoadingTextures();
        std::vector<std::string> paths;
        for (const std::string& name : names)
            paths.push_back(Assets::SpritePath(name));
        std::vector<std::string> files = Assets::ResolveAllNamed(paths);
        queued.clear();
        queuedNext = 0;
        for (std::size_t i = 0; i < names.size(); ++i)
        {
            const std::string& name = names[i];
            QueuedTexture entry;
            entry.name = name;
            entry.path = paths[i];
            entry.cell = new unsigned int(0);
            // The first texture of a name stays.
            entry.listed = textures.emplace(name, entry.cell).second;
            if (entry.listed)
                queuedCells.emplace(entry.cell, queued.size());
            queued.push_back(std::move(entry));
        }
        if (!decoding || decoding->Paths() != files)
            decoding = std::make_unique<TextureDecoder>(std::move(files));
    }

    void Graphics::ExpectTexture(const std::string& name)
    {
        if (!decoding)
            return;
        std::size_t i = 0;
        if (queued.empty())
        {
            // Before start-up queues the pictures: the decoding begun at
            // set-up knows them by name.
            auto listed = decodingIndex.find(name);
            if (listed == decodingIndex.end())
                return;
            i = listed->second;
        }
        else
        {
            auto found = textures.find(name);
            if (found == textures.end())
                return;
            auto queuedAt = queuedCells.find(found->second);
            if (queuedAt == queuedCells.end())
                return;
            i = queuedAt->second;
        }
        // Until the first scene is shown only its own pictures are decoded.
        if (startingUp || queued.empty())
            decoding->Prefetch(i);
        else
            decoding->Want(i);
    }

    bool Graphics::UploadQueued(std::size_t i)
    {
        // The first scene asks for a handful of pictures; a caller that asks
        // for more is better served by the workers.
        if (++takenOnDemand > 16)
            ReleaseDecoding();
        if (!queued[i].uploaded)
            UploadQueued(i, decoding->Take(i));
        return *queued[i].cell != 0;
    }

    void Graphics::UploadQueued(std::size_t i, const DecodedImage& image)
    {
        QueuedTexture& entry = queued[i];
        UploadTexture(entry.cell, image);
        entry.failure = image.failure;
        entry.uploaded = true;
        queuedCells.erase(entry.cell);
    }

    void Graphics::AnnounceQueued(std::size_t i)
    {
        QueuedTexture& entry = queued[i];
        if (*entry.cell != 0)
        {
            std::cout << "  Sprite loaded: " << entry.name << std::endl;
            if (!entry.listed)
            {
                glDeleteTextures(1, entry.cell);
                delete entry.cell;
            }
            return;
        }
        ReportUnloadable(decoding->Paths()[i], entry.failure);
        std::cout << "Multiload Fail : " << entry.path << std::endl;
        // A cell is handed out only once its picture is uploaded: this one
        // never was.
        if (entry.listed)
            textures.erase(entry.name);
        delete entry.cell;
    }

    bool Graphics::LoadQueuedTextures(double milliseconds)
    {
        // Whoever loads the queue wants the workers on it.
        ReleaseDecoding();
        const auto start = std::chrono::steady_clock::now();
        const bool waiting = milliseconds < 0.0;
        while (queuedNext < queued.size())
        {
            if (!queued[queuedNext].uploaded && !waiting && decoding->HasWorkers())
            {
                // Not waited for in a frame: a worker is still on it.
                DecodedImage image;
                if (!decoding->TryTake(queuedNext, image))
                    break;
                UploadQueued(queuedNext, image);
            }
            UploadQueued(queuedNext);
            AnnounceQueued(queuedNext);
            ++queuedNext;
            const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            if (!waiting && spent.count() >= milliseconds)
                break;
        }
        if (queuedNext < queued.size())
            return false;
        queued.clear();
        queuedNext = 0;
        queuedCells.clear();
        decoding.reset();
        return true;
    }

    void Graphics::FinishLoadingTextures()
    {
        ReleaseDecoding();
        if (!queued.empty())
            LoadQueuedTextures(-1.0);
    }

    void Graphics::LoadTextureFiles(const std::vector<std::string>& files,
                                    const std::function<void(std::size_t, unsigned int*)>& loaded)
    {
        // The files are decoded on worker threads while this thread, which
        // has the context, uploads them one by one in list order: the
        // textures and every line reported come out as if loaded in turn.
        // The decoding started at set-up serves when it was of these files.
        std::unique_ptr<TextureDecoder> decoder;
        if (queued.empty() && decoding && decoding->Paths() == files)
        {
            decoding->Release();
            decoder = std::move(decoding);
        }
        if (glReady && !decoder)
            decoder = std::make_unique<TextureDecoder>(files);
        for (std::size_t i = 0; i < files.size(); ++i)
        {
            unsigned int* cell = new (std::nothrow) unsigned int(0);
            if (!cell)
                return;
            if (decoder)
            {
                const DecodedImage image = decoder->Take(i);
                UploadTexture(cell, image);
                if (*cell == 0)
                    ReportUnloadable(files[i], image.failure);
            }
            loaded(i, cell);
        }
    }

    void Graphics::LoadTextures(const std::vector<std::string>& names)
    {
        std::vector<std::string> paths;
        for (const std::string& name : names)
            paths.push_back(Assets::SpritePath(name));
        const std::vector<std::string> files = Assets::ResolveAllNamed(paths);
        LoadTextureFiles(files, [&](std::size_t i, unsigned int* cell) {
            const std::string& name = names[i];
            if (*cell != 0)
            {
                std::cout << "  Sprite loaded: " << name << std::endl;
                if (!textures.emplace(name, cell).second)
                {
                    // The first texture of a name stays.
                    glDeleteTextures(1, cell);
                    delete cell;
                }
            }
            else
            {
                std::cout << "Multiload Fail : " << paths[i] << std::endl;
                delete cell;
            }
        });
    }

    void Graphics::LoadTextures(const std::vector<std::filesystem::path>& paths)
    {
        std::vector<std::string> names;
        for (const std::filesystem::path& p : paths)
            names.push_back(p.generic_string());
        const std::vector<std::string> files = Assets::ResolveAllNamed(names);
        LoadTextureFiles(files, [&](std::size_t i, unsigned int* cell) {
            const std::filesystem::path& p = paths[i];
            std::string name = p.generic_string();
            if (*cell != 0)
            {
                std::cout << "  Sprite loaded: " << p << std::endl;
                if (!textures.emplace(name, cell).second)
                {
                    glDeleteTextures(1, cell);
                    delete cell;
                }
            }
            else
            {
                std::cout << "Multiload Fail : " << name << std::endl;
                delete cell;
            }
        });
    }

    void Graphics::LoadTextures(std::string file)
    {
        std::replace(file.begin(), file.end(), '\\', '/');
        imageFiles.push_back(file);
        unsigned int* cell = new unsigned int(0);
        LoadSingleTexture(cell, file.c_str());
        std::string name = file;
        std::size_t at = name.find("Sprites");
        if (at != std::string::npos)
            name.erase(0, std::min(name.size(), at + 8));
        relImageFiles.push_back(std::filesystem::path(name));
        if (*cell != 0 && textures.emplace(name, cell).second)
            return;
        if (*cell != 0)
            glDeleteTextures(1, cell);
        delete cell;
    }

    unsigned int* Graphics::GetTexture(const std::string& name)
    {
        if (name.empty())
            return nullptr;
        auto found = textures.find(name);
        if (found != textures.end())
        {
            // A picture still queued from start-up is uploaded when first
            // asked for; one that cannot be loaded is not known by its name.
            auto queuedAt = queuedCells.find(found->second);
            if (queuedAt == queuedCells.end())
                return found->second;
            const std::size_t i = queuedAt->second;
            if (UploadQueued(i))
                return found->second;
            // Never handed out: its turn in the queue frees it.
            queued[i].listed = false;
            textures.erase(found);
        }
        std::cout << "Failed to find texture: " << name << std::endl;
        unsigned int* cell = new unsigned int(0);
        LoadSingleTexture(cell, name.c_str());
        if (*cell != 0)
        {
            std::cout << "Loaded texture: " << name << std::endl;
            textures.emplace(name, cell);
            return cell;
        }
        std::cout << "Failed to load texture: " << name << std::endl;
        delete cell;
        return nullptr;
    }
}
