// Reading .cur files: the cursor directory with its hotspot and the image
// (a DIB with its AND mask, or an embedded PNG) as straight RGBA pixels.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace KiteFramework
{
    namespace Platform
    {
        struct CursorImage
        {
            int width = 0;
            int height = 0;
            int hotX = 0;
            int hotY = 0;
            // R, G, B, A bytes, rows from the top.
            std::vector<unsigned char> rgba;
        };

        class CursorFile
        {
        public:
            // Largest side accepted; larger images are taken as damaged files.
            static const int MaxSide = 256;

            // False with a short description in error when the bytes are not a usable cursor.
            static bool Parse(const unsigned char* data, std::size_t size, CursorImage& image, std::string& error);
            static bool Load(const std::string& path, CursorImage& image, std::string& error);
        };
    }
}
