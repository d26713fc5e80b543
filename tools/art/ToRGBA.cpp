// Rewrites a PNG as 8-bit RGBA (rsvg-convert drops the alpha channel of fully
// opaque pictures), so every sprite file has the same layout.
#include <cstdio>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s in.png out.png\n", argv[0]);
        return 2;
    }
    int w = 0;
    int h = 0;
    int channels = 0;
    unsigned char* pixels = stbi_load(argv[1], &w, &h, &channels, 4);
    if (!pixels)
    {
        std::fprintf(stderr, "%s: %s\n", argv[1], stbi_failure_reason());
        return 1;
    }
    int ok = stbi_write_png(argv[2], w, h, 4, pixels, w * 4);
    stbi_image_free(pixels);
    if (!ok)
    {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
