// .cur parsing. Every offset and size read from the file is checked against
// the bytes actually present before it is used.
#include "Platform/SDL/CursorFile.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <dlfcn.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            const std::size_t DirectorySize = 6;
            const std::size_t EntrySize = 16;
            const std::size_t InfoHeaderSize = 40;
            const unsigned char PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

            uint16_t U16(const unsigned char* p)
            {
                return static_cast<uint16_t>(p[0] | (p[1] << 8));
            }

            uint32_t U32(const unsigned char* p)
            {
                return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
            }

            int32_t I32(const unsigned char* p)
            {
                return static_cast<int32_t>(U32(p));
            }

            uint32_t U32BigEndian(const unsigned char* p)
            {
                return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
                       (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
            }

            using PngLoader = decltype(&IMG_LoadPNG_RW);

            // The image library is loaded on first need, not linked: few
            // cursors hold PNG images, and linking it would load its codecs
            // at every start of the program. Null when it is not installed.
            PngLoader LoadPngLoader()
            {
                static const PngLoader loader = []() -> PngLoader {
                    void* library = dlopen("libSDL2_image-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
                    return library ? reinterpret_cast<PngLoader>(dlsym(library, "IMG_LoadPNG_RW")) : nullptr;
                }();
                return loader;
            }

            bool DecodePng(const unsigned char* data, std::size_t size, CursorImage& image, std::string& error)
            {
                // The size is checked before decoding: a damaged header must not
                // make the decoder allocate for a giant image.
                if (size < 33 || std::memcmp(data + 12, "IHDR", 4) != 0)
                {
                    error = "PNG image without a header";
                    return false;
                }
                const uint32_t width = U32BigEndian(data + 16);
                const uint32_t height = U32BigEndian(data + 20);
                if (width == 0 || height == 0 || width > unsigned(CursorFile::MaxSide) ||
                    height > unsigned(CursorFile::MaxSide) || size > 0x7FFFFFFF)
                {
                    error = "PNG image size out of range";
                    return false;
                }
                const PngLoader loadPng = LoadPngLoader();
                if (!loadPng)
                {
                    error = "PNG image, and the image library (SDL2_image) is not installed";
                    return false;
                }
                SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
                if (!rw)
                {
                    error = "cannot read the PNG image";
                    return false;
                }
                SDL_Surface* loaded = loadPng(rw);
                SDL_RWclose(rw);
                if (!loaded)
                {
                    error = std::string("bad PNG image (") + SDL_GetError() + ")";
                    return false;
                }
                SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
                SDL_FreeSurface(loaded);
                if (!rgba)
                {
                    error = "cannot convert the PNG image";
                    return false;
                }
                bool ok = rgba->w > 0 && rgba->h > 0 && rgba->w <= CursorFile::MaxSide &&
                          rgba->h <= CursorFile::MaxSide;
                if (ok)
                {
                    image.width = rgba->w;
                    image.height = rgba->h;
                    image.rgba.resize(static_cast<std::size_t>(rgba->w) * rgba->h * 4);
                    SDL_LockSurface(rgba);
                    for (int y = 0; y < rgba->h; ++y)
                        std::memcpy(&image.rgba[static_cast<std::size_t>(y) * rgba->w * 4],
                                    static_cast<const unsigned char*>(rgba->pixels) + static_cast<std::size_t>(y) * rgba->pitch,
                                    static_cast<std::size_t>(rgba->w) * 4);
                    SDL_UnlockSurface(rgba);
                }
                else
                    error = "PNG image size out of range";
                SDL_FreeSurface(rgba);
                return ok;
            }

            // Where the parts of a device-independent bitmap lie, once its header
            // has been checked.
            struct DibLayout
            {
                int width = 0;
                int height = 0;
                uint16_t bitCount = 0;
                std::size_t paletteCount = 0;
                std::size_t paletteOffset = 0;
                std::size_t colourOffset = 0;
                std::size_t colourStride = 0;
                std::size_t maskOffset = 0;
                std::size_t maskStride = 0;
                bool hasMask = false;
                bool anyAlpha = false;
            };

            bool ReadDibHeader(const unsigned char* data, std::size_t size, DibLayout& layout, std::string& error)
            {
                if (size < InfoHeaderSize)
                {
                    error = "image header truncated";
                    return false;
                }
                const uint32_t headerSize = U32(data);
                const int32_t width = I32(data + 4);
                const int32_t doubleHeight = I32(data + 8);
                const uint16_t bitCount = U16(data + 14);
                const uint32_t compression = U32(data + 16);
                const uint32_t coloursUsed = U32(data + 32);

                if (headerSize < InfoHeaderSize || headerSize > size)
                {
                    error = "bad image header size";
                    return false;
                }
                // The height counts the colour rows and the mask rows together.
                if (width <= 0 || doubleHeight <= 0 || doubleHeight % 2 != 0 || width > CursorFile::MaxSide ||
                    doubleHeight / 2 > CursorFile::MaxSide)
                {
                    error = "bad image size " + std::to_string(width) + "x" + std::to_string(doubleHeight);
                    return false;
                }
                if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
                {
                    error = "unsupported bit depth " + std::to_string(bitCount);
                    return false;
                }
                if (compression != 0)
                {
                    error = "compressed images are not supported";
                    return false;
                }
                layout.width = width;
                layout.height = doubleHeight / 2;
                layout.bitCount = bitCount;
                layout.paletteOffset = headerSize;
                layout.paletteCount = 0;
                if (bitCount <= 8)
                {
                    const std::size_t full = std::size_t(1) << bitCount;
                    layout.paletteCount = coloursUsed == 0 ? full : coloursUsed;
                    if (layout.paletteCount > full)
                    {
                        error = "palette larger than the bit depth allows";
                        return false;
                    }
                }
                return true;
            }

            bool LocateDibRows(std::size_t size, DibLayout& layout, std::string& error)
            {
                const std::size_t rows = static_cast<std::size_t>(layout.height);
                layout.colourOffset = layout.paletteOffset + layout.paletteCount * 4;
                layout.colourStride = ((static_cast<std::size_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
                layout.maskOffset = layout.colourOffset + layout.colourStride * rows;
                layout.maskStride = ((static_cast<std::size_t>(layout.width) + 31) / 32) * 4;
                if (layout.maskOffset > size)
                {
                    error = "image data truncated";
                    return false;
                }
                layout.hasMask = layout.maskOffset + layout.maskStride * rows <= size;
                return true;
            }

            bool HasAlphaChannel(const unsigned char* data, const DibLayout& layout)
            {
                if (layout.bitCount != 32)
                    return false;
                for (int y = 0; y < layout.height; ++y)
                    for (int x = 0; x < layout.width; ++x)
                        if (data[layout.colourOffset + y * layout.colourStride + x * 4 + 3] != 0)
                            return true;
                return false;
            }

            // Reads pixel x of a colour row as blue, green, red, alpha.
            void ReadDibPixel(const unsigned char* colours, const unsigned char* palette, const DibLayout& layout, int x,
                              unsigned char (&bgra)[4])
            {
                bgra[0] = bgra[1] = bgra[2] = 0;
                bgra[3] = 255;
                if (layout.bitCount == 32)
                {
                    std::memcpy(bgra, colours + x * 4, 3);
                    bgra[3] = layout.anyAlpha ? colours[x * 4 + 3] : 255;
                }
                else if (layout.bitCount == 24)
                    std::memcpy(bgra, colours + x * 3, 3);
                else
                {
                    const int perByte = 8 / layout.bitCount;
                    const int shift = (perByte - 1 - x % perByte) * layout.bitCount;
                    const std::size_t index = (colours[x / perByte] >> shift) & ((1u << layout.bitCount) - 1);
                    if (index < layout.paletteCount)
                        std::memcpy(bgra, palette + index * 4, 3);
                }
            }

            void DecodeDibRow(const unsigned char* data, const DibLayout& layout, int row, unsigned char* out)
            {
                const unsigned char* palette = data + layout.paletteOffset;
                const unsigned char* colours = data + layout.colourOffset + layout.colourStride * row;
                const unsigned char* mask = data + layout.maskOffset + layout.maskStride * row;
                for (int x = 0; x < layout.width; ++x, out += 4)
                {
                    unsigned char bgra[4];
                    ReadDibPixel(colours, palette, layout, x, bgra);
                    unsigned char b = bgra[0], g = bgra[1], r = bgra[2], a = bgra[3];
                    const bool masked = layout.hasMask && !layout.anyAlpha && ((mask[x / 8] >> (7 - x % 8)) & 1);
                    if (masked)
                    {
                        // Mask set over black is see-through; over a colour it
                        // would invert the screen, which a colour cursor cannot,
                        // so it is drawn black to stay visible.
                        const bool invert = (r | g | b) != 0;
                        r = g = b = 0;
                        a = invert ? 255 : 0;
                    }
                    out[0] = r;
                    out[1] = g;
                    out[2] = b;
                    out[3] = a;
                }
            }

            bool DecodeDib(const unsigned char* data, std::size_t size, CursorImage& image, std::string& error)
            {
                DibLayout layout;
                if (!ReadDibHeader(data, size, layout, error) || !LocateDibRows(size, layout, error))
                    return false;
                layout.anyAlpha = HasAlphaChannel(data, layout);
                // Without an alpha channel the AND mask is the only transparency there is.
                if (!layout.anyAlpha && !layout.hasMask)
                {
                    error = "AND mask truncated";
                    return false;
                }

                image.width = layout.width;
                image.height = layout.height;
                image.rgba.assign(static_cast<std::size_t>(layout.width) * layout.height * 4, 0);
                // Rows are stored bottom first.
                for (int row = 0; row < layout.height; ++row)
                    DecodeDibRow(data, layout, row,
                                 &image.rgba[static_cast<std::size_t>(layout.height - 1 - row) * layout.width * 4]);
                return true;
            }
        }

        bool CursorFile::Parse(const unsigned char* data, std::size_t size, CursorImage& image, std::string& error)
        {
            image = CursorImage();
            if (!data || size < DirectorySize)
            {
                error = "file too short for a cursor directory";
                return false;
            }
            if (U16(data) != 0 || U16(data + 2) != 2)
            {
                error = "not a cursor file (type " + std::to_string(U16(data + 2)) + ")";
                return false;
            }
            const std::size_t count = U16(data + 4);
            if (count == 0)
            {
                error = "no images in the cursor directory";
                return false;
            }
            if (DirectorySize + count * EntrySize > size)
            {
                error = "cursor directory truncated";
                return false;
            }

            // Every entry must lie inside the file; the largest image is used.
            std::size_t best = 0;
            unsigned bestArea = 0;
            for (std::size_t i = 0; i < count; ++i)
            {
                const unsigned char* entry = data + DirectorySize + i * EntrySize;
                const uint32_t bytes = U32(entry + 8);
                const uint32_t offset = U32(entry + 12);
                if (bytes == 0 || offset < DirectorySize + count * EntrySize || offset > size ||
                    bytes > size - offset)
                {
                    error = "image " + std::to_string(i) + " lies outside the file";
                    return false;
                }
                const unsigned w = entry[0] ? entry[0] : 256;
                const unsigned h = entry[1] ? entry[1] : 256;
                if (w * h > bestArea)
                {
                    bestArea = w * h;
                    best = i;
                }
            }

            const unsigned char* entry = data + DirectorySize + best * EntrySize;
            const int hotX = U16(entry + 4);
            const int hotY = U16(entry + 6);
            const unsigned char* imageData = data + U32(entry + 12);
            const std::size_t imageSize = U32(entry + 8);

            bool ok;
            if (imageSize >= sizeof(PngSignature) && std::memcmp(imageData, PngSignature, sizeof(PngSignature)) == 0)
                ok = DecodePng(imageData, imageSize, image, error);
            else
                ok = DecodeDib(imageData, imageSize, image, error);
            if (!ok)
            {
                image = CursorImage();
                return false;
            }
            // A hotspot past the image would make the cursor unusable; keep it on the edge.
            image.hotX = hotX < image.width ? hotX : image.width - 1;
            image.hotY = hotY < image.height ? hotY : image.height - 1;
            return true;
        }

        bool CursorFile::Load(const std::string& path, CursorImage& image, std::string& error)
        {
            std::ifstream file(path, std::ios::binary);
            if (!file)
            {
                error = "cannot open the file";
                return false;
            }
            std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            if (file.bad())
            {
                error = "cannot read the file";
                return false;
            }
            return Parse(bytes.data(), bytes.size(), image, error);
        }
    }
}
