// .cur reading: the generated game cursors, hand-made images of the other
// kinds, and damaged files, which must fail cleanly (this runs under ASan).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Platform/SDL/CursorFile.h"
#include "Platform/SDL/SDLBackend.h"

using namespace KiteFramework::Platform;

namespace
{
    using Bytes = std::vector<unsigned char>;

    Bytes ReadFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }

    void Put16(Bytes& b, unsigned v)
    {
        b.push_back(v & 0xFF);
        b.push_back((v >> 8) & 0xFF);
    }

    void Put32(Bytes& b, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            b.push_back((v >> (8 * i)) & 0xFF);
    }

    void Set32(Bytes& b, std::size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            b[at + i] = (v >> (8 * i)) & 0xFF;
    }

    // A one-image cursor file around the given image bytes.
    Bytes WrapImage(const Bytes& image, int w, int h, int hotX, int hotY)
    {
        Bytes b;
        Put16(b, 0);
        Put16(b, 2);
        Put16(b, 1);
        b.push_back(static_cast<unsigned char>(w));
        b.push_back(static_cast<unsigned char>(h));
        b.push_back(0);
        b.push_back(0);
        Put16(b, hotX);
        Put16(b, hotY);
        Put32(b, static_cast<uint32_t>(image.size()));
        Put32(b, 22);
        b.insert(b.end(), image.begin(), image.end());
        return b;
    }

    Bytes InfoHeader(int w, int h, int bits, uint32_t colours = 0)
    {
        Bytes b;
        Put32(b, 40);
        Put32(b, w);
        Put32(b, h * 2);
        Put16(b, 1);
        Put16(b, bits);
        Put32(b, 0);
        Put32(b, 0);
        Put32(b, 0);
        Put32(b, 0);
        Put32(b, colours);
        Put32(b, 0);
        return b;
    }

    // 8x2 monochrome cursor; rows given top first as bit strings (msb = left pixel).
    Bytes MonochromeCursor(unsigned char xorTop, unsigned char xorBottom, unsigned char andTop,
                           unsigned char andBottom)
    {
        Bytes img = InfoHeader(8, 2, 1);
        Put32(img, 0x00000000); // palette: black
        Put32(img, 0x00FFFFFF); //          white
        // Rows are 4-byte aligned and stored bottom first.
        for (unsigned char row : {xorBottom, xorTop})
            Put32(img, row);
        for (unsigned char row : {andBottom, andTop})
            Put32(img, row);
        return WrapImage(img, 8, 2, 2, 1);
    }

    const unsigned char* Pixel(const CursorImage& image, int x, int y)
    {
        return &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
    }

    std::string CursorPath(const char* name)
    {
        return std::string(KITE_ASSET_ROOT) + "/Sprites/UI/" + name;
    }
}

TEST(CursorFile, GeneratedCursorsAreTippedPointers)
{
    for (const char* name : {"Cursor_Default.cur", "Cursor_Pressed.cur"})
    {
        SCOPED_TRACE(name);
        CursorImage image;
        std::string error;
        ASSERT_TRUE(CursorFile::Load(CursorPath(name), image, error)) << error;
        EXPECT_EQ(image.width, 32);
        EXPECT_EQ(image.height, 32);
        ASSERT_EQ(image.rgba.size(), 32u * 32u * 4u);

        // The hotspot is the tip: opaque and dark (the outline), with nothing above or left of it.
        const unsigned char* tip = Pixel(image, image.hotX, image.hotY);
        EXPECT_LE(image.hotX, 2);
        EXPECT_LE(image.hotY, 2);
        EXPECT_GT(tip[3], 128);
        EXPECT_LT(tip[0] + tip[1] + tip[2], 3 * 96);
        EXPECT_EQ(Pixel(image, 0, 0)[3], 0);
        // The far corner is clear and the body is light fill.
        EXPECT_EQ(Pixel(image, 31, 0)[3], 0);
        EXPECT_EQ(Pixel(image, 31, 31)[3], 0);
        const unsigned char* body = Pixel(image, image.hotX + 4, image.hotY + 9);
        EXPECT_EQ(body[3], 255);
        EXPECT_GT(body[0], 150);
    }
}

TEST(CursorFile, PressedCursorIsDarkerWithTheSameHotspot)
{
    CursorImage normal, pressed;
    std::string error;
    ASSERT_TRUE(CursorFile::Load(CursorPath("Cursor_Default.cur"), normal, error)) << error;
    ASSERT_TRUE(CursorFile::Load(CursorPath("Cursor_Pressed.cur"), pressed, error)) << error;
    EXPECT_EQ(normal.hotX, pressed.hotX);
    EXPECT_EQ(normal.hotY, pressed.hotY);

    auto brightness = [](const CursorImage& image) {
        double sum = 0;
        int count = 0;
        for (std::size_t i = 0; i < image.rgba.size(); i += 4)
            if (image.rgba[i + 3] == 255)
            {
                sum += image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2];
                ++count;
            }
        return count ? sum / count : 0.0;
    };
    EXPECT_LT(brightness(pressed), brightness(normal) * 0.85);
    EXPECT_NE(normal.rgba, pressed.rgba);
}

TEST(CursorFile, MonochromeImageUsesItsMask)
{
    // Top row: white, black, clear, "invert" (drawn black); bottom row all white.
    const Bytes file = MonochromeCursor(0b10010000, 0xFF, 0b00110000, 0x00);
    CursorImage image;
    std::string error;
    ASSERT_TRUE(CursorFile::Parse(file.data(), file.size(), image, error)) << error;
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.hotX, 2);
    EXPECT_EQ(image.hotY, 1);

    const unsigned char white[4] = {255, 255, 255, 255};
    const unsigned char black[4] = {0, 0, 0, 255};
    EXPECT_EQ(0, memcmp(Pixel(image, 0, 0), white, 4));
    EXPECT_EQ(0, memcmp(Pixel(image, 1, 0), black, 4));
    EXPECT_EQ(Pixel(image, 2, 0)[3], 0);
    EXPECT_EQ(0, memcmp(Pixel(image, 3, 0), black, 4));
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(0, memcmp(Pixel(image, x, 1), white, 4)) << x;
}

TEST(CursorFile, TrueColourWithoutAlphaFallsBackToTheMask)
{
    // 32-bit pixels whose alpha bytes are all zero: the AND mask decides.
    Bytes img = InfoHeader(2, 1, 32);
    Put32(img, 0x00112233); // B=33 G=22 R=11
    Put32(img, 0x00000000);
    Put32(img, 0x00000040); // mask (first byte 0x40): right pixel clear
    const Bytes file = WrapImage(img, 2, 1, 0, 0);
    CursorImage image;
    std::string error;
    ASSERT_TRUE(CursorFile::Parse(file.data(), file.size(), image, error)) << error;
    const unsigned char left[4] = {0x11, 0x22, 0x33, 255};
    EXPECT_EQ(0, memcmp(Pixel(image, 0, 0), left, 4));
    EXPECT_EQ(Pixel(image, 1, 0)[3], 0);

    // With the mask missing there is no transparency to be had: refused.
    Bytes noMask(img.begin(), img.end() - 4);
    const Bytes cut = WrapImage(noMask, 2, 1, 0, 0);
    EXPECT_FALSE(CursorFile::Parse(cut.data(), cut.size(), image, error));
    EXPECT_NE(error.find("mask"), std::string::npos) << error;
}

TEST(CursorFile, EmbeddedPngAndHotspotClamp)
{
    const Bytes png = ReadFile(std::string(KITE_TEST_DATA) + "/Platform/pointer8.png");
    ASSERT_FALSE(png.empty());
    Bytes file = WrapImage(png, 8, 8, 3, 4);
    CursorImage image;
    std::string error;
    ASSERT_TRUE(CursorFile::Parse(file.data(), file.size(), image, error)) << error;
    EXPECT_EQ(image.width, 8);
    EXPECT_EQ(image.height, 8);
    EXPECT_EQ(image.hotX, 3);
    EXPECT_EQ(image.hotY, 4);
    const unsigned char red[4] = {255, 0, 0, 255};
    const unsigned char green[4] = {0, 255, 0, 255};
    const unsigned char blue[4] = {0, 0, 255, 128};
    EXPECT_EQ(0, memcmp(Pixel(image, 0, 0), red, 4));
    EXPECT_EQ(0, memcmp(Pixel(image, 3, 4), green, 4));
    EXPECT_EQ(0, memcmp(Pixel(image, 7, 7), blue, 4));
    EXPECT_EQ(Pixel(image, 1, 0)[3], 0);

    // A hotspot past the image stays on its edge.
    file[10] = 200;
    file[12] = 9;
    ASSERT_TRUE(CursorFile::Parse(file.data(), file.size(), image, error)) << error;
    EXPECT_EQ(image.hotX, 7);
    EXPECT_EQ(image.hotY, 7);

    // A PNG claiming a giant size is refused before it is decoded.
    Bytes giant = file;
    giant[22 + 17] = 0x40;
    EXPECT_FALSE(CursorFile::Parse(giant.data(), giant.size(), image, error));
    EXPECT_NE(error.find("size"), std::string::npos) << error;

    // A damaged PNG is reported, not decoded.
    file[22 + 30] ^= 0xFF;
    file[22 + 40] ^= 0xFF;
    EXPECT_FALSE(CursorFile::Parse(file.data(), file.size(), image, error));
    EXPECT_FALSE(error.empty());
}

TEST(CursorFile, DamagedFilesFailWithAReason)
{
    const Bytes good = ReadFile(CursorPath("Cursor_Default.cur"));
    ASSERT_GT(good.size(), 100u);

    struct Case
    {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", Bytes()});
    for (std::size_t cut : {std::size_t(3), std::size_t(6), std::size_t(21), std::size_t(40), good.size() / 2,
                            good.size() - 130})
        cases.push_back({"truncated", Bytes(good.begin(), good.begin() + cut)});
    {
        Bytes b = good;
        b[2] = 1; // an icon, not a cursor
        cases.push_back({"icon type", b});
    }
    {
        Bytes b = good;
        b[4] = 0;
        cases.push_back({"no entries", b});
    }
    {
        Bytes b = good;
        b[4] = 0xFF;
        b[5] = 0xFF; // more entries than the file holds
        cases.push_back({"entry count", b});
    }
    {
        Bytes b = good;
        Set32(b, 18, 0xFFFFFFF0u); // offset far past the end
        cases.push_back({"offset past end", b});
    }
    {
        Bytes b = good;
        Set32(b, 14, 0xFFFFFFFFu); // size that would wrap when added to the offset
        cases.push_back({"size past end", b});
    }
    {
        Bytes b = good;
        Set32(b, 22 + 4, 0x7FFFFFFF); // absurd width
        cases.push_back({"image width", b});
    }
    {
        Bytes b = good;
        Set32(b, 22 + 8, static_cast<uint32_t>(-64)); // negative height
        cases.push_back({"image height", b});
    }
    {
        Bytes b = good;
        b[22 + 14] = 7; // bit depth
        cases.push_back({"bit depth", b});
    }
    {
        Bytes b = good;
        Set32(b, 22 + 16, 1); // run-length compression
        cases.push_back({"compression", b});
    }
    {
        Bytes b = good;
        Set32(b, 22, 0xFFFF); // header claims more than the image has
        cases.push_back({"header size", b});
    }
    {
        Bytes img = InfoHeader(8, 2, 1, 300); // palette bigger than 1 bit allows
        const Bytes b = WrapImage(img, 8, 2, 0, 0);
        cases.push_back({"palette", b});
    }

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CursorImage image;
        image.width = 99;
        std::string error;
        EXPECT_FALSE(CursorFile::Parse(c.bytes.data(), c.bytes.size(), image, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(image.width, 0);
        EXPECT_TRUE(image.rgba.empty());
    }
}

TEST(CursorFile, BackendReportsBadFilesByName)
{
    // No display is needed: a file that does not parse never reaches SDL's video.
    const std::string bad = testing::TempDir() + "cursor_bad.cur";
    {
        std::ofstream file(bad, std::ios::binary);
        file << "not a cursor";
    }
    SDLBackend backend;
    testing::internal::CaptureStderr();
    EXPECT_EQ(backend.LoadCursorFile(bad), 0);
    EXPECT_EQ(backend.LoadCursorFile("Missing\\Cursor.cur"), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Cursor \"" + bad + "\": "), std::string::npos) << err;
    EXPECT_NE(err.find("Cursor \"Missing/Cursor.cur\": cannot open"), std::string::npos) << err;
    // One line per failure.
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2);
    backend.SetCursor(0);
    backend.SetCursor(12345);
}
