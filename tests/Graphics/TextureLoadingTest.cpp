// Loading the sprite pictures: decoding on worker threads, whatever order the
// pictures are asked for in, and start-up's upload behind the first frames,
// which reports exactly what loading them one after another reported.
#include "Graphics/GraphicsWorld.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Core/Graphics/TextureDecoder.h"

using namespace KiteTest;
namespace fs = std::filesystem;

namespace
{
    RGBA Pattern(int x, int y, int w, int h)
    {
        return {static_cast<unsigned char>(x * 40), static_cast<unsigned char>(y * 40),
                static_cast<unsigned char>(w * 10 + h), 255};
    }

    // Pictures of different sizes, with a file that is no picture and one
    // that is missing among them.
    std::vector<std::string> WritePictures(const std::string& folder, int count)
    {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i)
        {
            const std::string path = folder + "/P" + std::to_string(i) + ".png";
            WritePng(path, 1 + i % 6, 1 + i % 4, Pattern);
            paths.push_back(path);
        }
        std::ofstream(folder + "/Broken.png") << "not a picture";
        paths.insert(paths.begin() + count / 2, folder + "/Broken.png");
        paths.insert(paths.begin() + count / 2 + 1, folder + "/Missing.png");
        return paths;
    }

    ::testing::AssertionResult Same(const DecodedImage& got, const DecodedImage& expected)
    {
        if (got.width != expected.width || got.height != expected.height || got.channels != expected.channels ||
            got.failure != expected.failure || (got.pixels == nullptr) != (expected.pixels == nullptr))
            return ::testing::AssertionFailure() << got.width << "x" << got.height << " \"" << got.failure << "\"";
        const std::size_t bytes = static_cast<std::size_t>(got.width * got.height * got.channels);
        if (got.pixels && std::memcmp(got.pixels, expected.pixels, bytes) != 0)
            return ::testing::AssertionFailure() << "other pixels";
        return ::testing::AssertionSuccess();
    }
}

TEST(TextureDecoding, WorkersGiveWhatOneThreadDecodesWhateverTheOrderOfTaking)
{
    const std::string folder = TestFolder();
    const std::vector<std::string> paths = WritePictures(folder, 150);
    TextureDecoder decoder(paths, 4);

    // Far ahead of what the workers may begin, and wanted before its turn.
    const std::size_t far = paths.size() - 3;
    EXPECT_TRUE(Same(decoder.Take(far), TextureDecoder::Decode(paths[far])));
    decoder.Want(120);
    for (std::size_t i = 0; i < paths.size(); ++i)
    {
        if (i == far)
            continue;
        const DecodedImage expected = TextureDecoder::Decode(paths[i]);
        EXPECT_TRUE(Same(decoder.Take(i), expected)) << paths[i];
    }
    const DecodedImage broken = TextureDecoder::Decode(folder + "/Broken.png");
    EXPECT_EQ(broken.pixels, nullptr);
    EXPECT_FALSE(broken.failure.empty());

    // A picture is handed over once.
    DecodedImage again;
    EXPECT_FALSE(decoder.TryTake(0, again));
    EXPECT_EQ(decoder.Take(0).pixels, nullptr);
    fs::remove_all(folder);
}

TEST(TextureDecoding, HeldWorkersBeginNothingUntilReleased)
{
    const std::string folder = TestFolder();
    const std::vector<std::string> paths = WritePictures(folder, 12);
    TextureDecoder decoder(paths, 4, true);

    // Held, a picture is decoded only by the one who takes it, wanted or not.
    decoder.Want(5);
    DecodedImage image;
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_FALSE(decoder.TryTake(i, image)) << paths[i];
    EXPECT_TRUE(Same(decoder.Take(3), TextureDecoder::Decode(paths[3])));

    // Released, the workers go through the rest; every picture comes once.
    decoder.Release();
    decoder.Release();
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (i != 3)
            EXPECT_TRUE(Same(decoder.Take(i), TextureDecoder::Decode(paths[i]))) << paths[i];
    EXPECT_FALSE(decoder.TryTake(3, image));
    fs::remove_all(folder);
}

TEST(TextureDecoding, StoppingBeforeAllAreTakenNeitherWaitsNorLeaks)
{
    const std::string folder = TestFolder();
    const std::vector<std::string> paths = WritePictures(folder, 120);
    {
        TextureDecoder decoder(paths);
        EXPECT_NE(decoder.Take(1).pixels, nullptr);
        // Let the workers run up to their limit ahead of the taker.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    {
        TextureDecoder untouched(paths);
    }
    fs::remove_all(folder);
}

namespace
{
    // A window, the game's shaders and font, and a sprite tree of its own.
    class StartUpLoading : public WindowWorld
    {
    protected:
        // The scratch folder holds the sprite tree, with the game's shaders
        // and font linked in.
        void PrepareFolder() override
        {
            const std::string sprites = folder + "/Assets/Sprites";
            for (int i = 0; i < 40; ++i)
                WritePng(sprites + "/Pics/P" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".png", 4, 4,
                         Pattern);
            WritePng(sprites + "/Menu/LoadingScreen.png", 16, 9, Pattern);
            std::ofstream(sprites + "/Pics/P20_Broken.png") << "not a picture";
            for (const char* part : {"Shaders", "Fonts"})
                fs::create_directory_symlink(std::string(KITE_ASSET_ROOT) + "/" + part,
                                             folder + "/Assets/" + part);
        }

        // What loading every picture in turn printed.
        std::string InTurn() const
        {
            std::string lines;
            for (const std::string& name : graphics->GetImageFiles())
                lines += name == "Pics/P20_Broken.png" ? "Multiload Fail : Assets/Sprites/" + name + "\n"
                                                       : "  Sprite loaded: " + name + "\n";
            return lines;
        }
    };

    bool IsTexture(unsigned int name)
    {
        using Query = unsigned char (*)(unsigned int);
        auto query = reinterpret_cast<Query>(dlsym(RTLD_DEFAULT, "glIsTexture"));
        return query && query(name);
    }
}

TEST_F(StartUpLoading, PicturesLoadBehindTheFirstFramesReportingAsInTurn)
{
    ::testing::internal::CaptureStdout();
    graphics->Initialise();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(graphics->texturesLoaded);
    ASSERT_EQ(graphics->GetImageFiles().size(), 42u);

    // Asked for before its turn, a picture is there at once, silently; one
    // that cannot load is reported as a name that is not loaded, as ever.
    ::testing::internal::CaptureStdout();
    unsigned int* early = graphics->GetTexture("Pics/P33.png");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    ASSERT_NE(early, nullptr);
    EXPECT_TRUE(IsTexture(*early));
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(graphics->GetTexture("Pics/P20_Broken.png"), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Failed to find texture: Pics/P20_Broken.png\nFailed to load texture: Pics/P20_Broken.png\n");

    // A frame's share at a time, the lines come out in the order of old.
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    int frames = 0;
    while (!graphics->LoadQueuedTextures(0.0) && frames < 100000)
    {
        ++frames;
        std::this_thread::yield();
    }
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), InTurn());
    EXPECT_GT(frames, 0);
    EXPECT_NE(errors.find("P20_Broken.png\": cannot be decoded as a picture"), std::string::npos) << errors;

    EXPECT_EQ(graphics->GetTexture("Pics/P33.png"), early);
    for (const std::string& name : graphics->GetImageFiles())
    {
        if (name == "Pics/P20_Broken.png")
            continue;
        unsigned int* cell = graphics->GetTexture(name);
        ASSERT_NE(cell, nullptr) << name;
        EXPECT_TRUE(IsTexture(*cell)) << name;
    }
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(graphics->GetTexture("Pics/P20_Broken.png"), nullptr);
    EXPECT_NE(::testing::internal::GetCapturedStdout(), "");
}

TEST_F(StartUpLoading, QuittingBeforeAllAreLoadedLeavesNothingBehind)
{
    ::testing::internal::CaptureStdout();
    graphics->Initialise();
    ASSERT_NE(graphics->GetTexture("Pics/P05.png"), nullptr);
    graphics->LoadQueuedTextures(0.0);
    ::testing::internal::GetCapturedStdout();
    // Torn down with most pictures still queued: no wait, no leak.
}
