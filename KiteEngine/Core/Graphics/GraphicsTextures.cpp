// Graphics: loading textures and finding them by name.
#include <algorithm>
#include <iostream>
#include <new>
#include <string>

// The decoder itself comes from the system's stb library (optimised even in
// debug builds, where decoding every sprite at start-up would crawl).
#include <stb/stb_image.h>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/GLHeaders.h"
#include "Core/Graphics/Graphics.h"

namespace KiteFramework
{
    namespace
    {
        void ReportUnloadable(const char* path)
        {
            std::string problem = Assets::Unreadable(path);
            if (problem.empty())
            {
                const char* reason = stbi_failure_reason();
                problem = std::string("cannot be decoded as a picture") + (reason ? std::string(": ") + reason : "");
            }
            ReportDataError("Texture \"" + std::string(path) + "\"", problem);
        }

        // A small file can describe a picture of gigabytes: the size is read
        // from the header, before any pixel is decoded.
        bool TooLarge(const char* path)
        {
            int w = 0, h = 0, channels = 0;
            if (!stbi_info(path, &w, &h, &channels) || (w <= Graphics::MaxTextureSide && h <= Graphics::MaxTextureSide))
                return false;
            ReportDataError("Texture \"" + std::string(path) + "\"",
                            std::to_string(w) + " x " + std::to_string(h) + " pixels, more than " +
                                std::to_string(Graphics::MaxTextureSide) + " on a side; not loaded");
            return true;
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
        int w = 0;
        int h = 0;
        int channels = 0;
        // The first row of an image is its top; GL wants the bottom first.
        if (TooLarge(path))
            return;
        stbi_set_flip_vertically_on_load(1);
        unsigned char* pixels = stbi_load(path, &w, &h, &channels, 0);
        if (!pixels)
        {
            ReportUnloadable(path);
            return;
        }
        GLenum format = GL_RGBA;
        switch (channels)
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
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), w, h, 0, format, GL_UNSIGNED_BYTE, pixels);
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glBindTexture(GL_TEXTURE_2D, 0);
        stbi_image_free(pixels);
        *out = name;
    }

    void Graphics::LoadTextures(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
        {
            unsigned int* cell = new (std::nothrow) unsigned int(0);
            if (!cell)
                return;
            std::string path = "Assets/Sprites/" + name;
            std::replace(path.begin(), path.end(), '\\', '/');
            LoadSingleTexture(cell, Assets::ResolveNamed(path).c_str());
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
                std::cout << "Multiload Fail : " << path << std::endl;
                delete cell;
            }
        }
    }

    void Graphics::LoadTextures(const std::vector<std::filesystem::path>& paths)
    {
        for (const std::filesystem::path& p : paths)
        {
            unsigned int* cell = new (std::nothrow) unsigned int(0);
            if (!cell)
                return;
            std::string name = p.generic_string();
            LoadSingleTexture(cell, Assets::ResolveNamed(name).c_str());
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
        }
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
            return found->second;
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
