// PlayerScreen: the private X server, screen grabs and xdotool input.
#include "EndToEnd/PlayerScreen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "EndToEnd/FollowedFrames.h"
#include "EndToEnd/GameProcess.h"

namespace KiteTest
{
    int Rgb::Distance(const Rgb& o) const
    {
        return std::abs(r - o.r) + std::abs(g - o.g) + std::abs(b - o.b);
    }

    namespace
    {
        Rgb Split(std::uint32_t p)
        {
            return Rgb{static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff), static_cast<int>(p & 0xff)};
        }

        bool Near(std::uint32_t p, const Rgb& c, int tolerance)
        {
            const int r = static_cast<int>((p >> 16) & 0xff), g = static_cast<int>((p >> 8) & 0xff), b = static_cast<int>(p & 0xff);
            return std::abs(r - c.r) + std::abs(g - c.g) + std::abs(b - c.b) < tolerance;
        }

        Rect Clip(const Rect& a)
        {
            Rect r = a;
            if (r.x < 0)
            {
                r.w += r.x;
                r.x = 0;
            }
            if (r.y < 0)
            {
                r.h += r.y;
                r.y = 0;
            }
            if (r.x + r.w > PlayerScreen::Width)
                r.w = PlayerScreen::Width - r.x;
            if (r.y + r.h > PlayerScreen::Height)
                r.h = PlayerScreen::Height - r.y;
            if (r.w < 0)
                r.w = 0;
            if (r.h < 0)
                r.h = 0;
            return r;
        }
    }

    namespace
    {
        // Set while the segment is attached: a server that refuses it
        // reports an error, which must not end the test.
        bool attachFailed = false;
        int NoteAttachError(Display*, XErrorEvent*)
        {
            attachFailed = true;
            return 0;
        }
    }

    PlayerScreen::PlayerScreen() : server_(Width, Height), display_(server_.Get()) {}

    PlayerScreen::~PlayerScreen()
    {
        Unshare();
    }

    bool PlayerScreen::Share()
    {
        shareTried_ = true;
        if (!display_ || !XShmQueryExtension(display_))
            return false;
        XShmSegmentInfo* info = new XShmSegmentInfo{};
        // Not attached until the server says so.
        info->shmid = -1;
        const int screen = DefaultScreen(display_);
        shared_ = XShmCreateImage(display_, DefaultVisual(display_, screen), static_cast<unsigned>(DefaultDepth(display_, screen)),
                                  ZPixmap, nullptr, info, Width, Height);
        if (!shared_)
        {
            delete info;
            return false;
        }
        shared_->obdata = reinterpret_cast<char*>(info);
        segment_ = ::shmget(IPC_PRIVATE, static_cast<std::size_t>(shared_->bytes_per_line) * Height, IPC_CREAT | 0600);
        if (segment_ >= 0)
            sharedAt_ = ::shmat(segment_, nullptr, 0);
        if (segment_ < 0 || sharedAt_ == reinterpret_cast<void*>(-1))
        {
            sharedAt_ = nullptr;
            Unshare();
            return false;
        }
        info->shmid = segment_;
        info->shmaddr = shared_->data = static_cast<char*>(sharedAt_);
        info->readOnly = False;
        attachFailed = false;
        XErrorHandler previous = XSetErrorHandler(NoteAttachError);
        const bool attached = XShmAttach(display_, info) && (XSync(display_, False), !attachFailed);
        XSetErrorHandler(previous);
        // Marked for removal now: it goes when the server and the test have
        // both let go of it, however the test ends.
        ::shmctl(segment_, IPC_RMID, nullptr);
        if (!attached)
        {
            info->shmid = -1;
            Unshare();
            return false;
        }
        return true;
    }

    void PlayerScreen::Unshare()
    {
        if (!shared_)
            return;
        auto* info = reinterpret_cast<XShmSegmentInfo*>(shared_->obdata);
        if (info && info->shmid >= 0 && display_)
        {
            XShmDetach(display_, info);
            XSync(display_, False);
        }
        if (sharedAt_)
            ::shmdt(sharedAt_);
        if (segment_ >= 0)
            ::shmctl(segment_, IPC_RMID, nullptr);
        shared_->data = nullptr;
        shared_->obdata = nullptr;
        XDestroyImage(shared_);
        delete info;
        shared_ = nullptr;
        sharedAt_ = nullptr;
        segment_ = -1;
    }

    void PlayerScreen::Take(const _XImage* image)
    {
        // 32-bit pixels in the machine's byte order are read row by row;
        // anything else pixel by pixel.
        const bool direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst && image->red_mask == 0xff0000 &&
                            image->green_mask == 0xff00 && image->blue_mask == 0xff;
        for (int y = 0; y < Height; ++y)
        {
            std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * Width;
            if (direct)
            {
                const auto* from = reinterpret_cast<const std::uint32_t*>(image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line);
                for (int x = 0; x < Width; ++x)
                    row[x] = from[x] & 0xffffffu;
            }
            else
                for (int x = 0; x < Width; ++x)
                    row[x] = static_cast<std::uint32_t>(XGetPixel(const_cast<XImage*>(image), x, y));
        }
    }

    void PlayerScreen::Grab()
    {
        pixels_.assign(static_cast<std::size_t>(Width) * Height, 0u);
        if (!display_)
            return;
        if (!shareTried_)
            Share();
        if (shared_ && XShmGetImage(display_, DefaultRootWindow(display_), shared_, 0, 0, AllPlanes))
        {
            Take(shared_);
            return;
        }
        XImage* image = XGetImage(display_, DefaultRootWindow(display_), 0, 0, Width, Height, AllPlanes, ZPixmap);
        if (!image)
            return;
        Take(image);
        XDestroyImage(image);
    }

    Rgb PlayerScreen::Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= Width || y >= Height || pixels_.empty())
            return Rgb{};
        return Split(pixels_[static_cast<std::size_t>(y) * Width + x]);
    }

    int PlayerScreen::Count(const Rect& area, const Rgb& colour, int tolerance) const
    {
        // Row by row over the picture (the fight search alone asks for a
        // million pixels a look); before the first grab every pixel is black.
        const Rect r = Clip(area);
        if (pixels_.empty())
            return Rgb{}.Distance(colour) < tolerance ? r.w * r.h : 0;
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
        {
            const std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * Width;
            for (int x = r.x; x < r.x + r.w; ++x)
                n += Near(row[x], colour, tolerance);
        }
        return n;
    }

    bool PlayerScreen::Centre(const Rect& area, const Rgb& colour, int tolerance, int least, int& cx, int& cy) const
    {
        const Rect r = Clip(area);
        long sx = 0, sy = 0;
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                if (Pixel(x, y).Distance(colour) < tolerance)
                {
                    sx += x;
                    sy += y;
                    ++n;
                }
        if (n < least || n == 0)
            return false;
        cx = static_cast<int>(sx / n);
        cy = static_cast<int>(sy / n);
        return true;
    }

    int PlayerScreen::Changed(const Rect& area, const std::vector<std::uint32_t>& before) const
    {
        if (before.size() != pixels_.size())
            return area.w * area.h;
        const Rect r = Clip(area);
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
            {
                const std::size_t i = static_cast<std::size_t>(y) * Width + x;
                n += Split(pixels_[i]).Distance(Split(before[i])) > 30;
            }
        return n;
    }

    void PlayerScreen::Save(const std::string& path) const
    {
        std::ofstream out(path, std::ios::binary);
        out << "P6\n" << Width << " " << Height << "\n255\n";
        for (std::uint32_t p : pixels_)
        {
            const char rgb[3] = {static_cast<char>((p >> 16) & 0xff), static_cast<char>((p >> 8) & 0xff),
                                 static_cast<char>(p & 0xff)};
            out.write(rgb, 3);
        }
    }

    void PlayerScreen::Follow(unsigned long window)
    {
        clock_ = std::make_unique<FrameClock>(window);
    }

    bool PlayerScreen::Pause(int ms)
    {
        // Before the game's window is known: real time.
        if (!clock_)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            return true;
        }
        const long frames = (static_cast<long>(ms) * 60 + 999) / 1000;
        return clock_->Wait(frames > 0 ? frames : 1);
    }

    void PlayerScreen::Hover(int x, int y)
    {
        HoverWith(x, y, [this](int ms) { Pause(ms); }, 80, 200);
    }

    void PlayerScreen::Press(int x, int y, int holdMs)
    {
        Hover(x, y);
        GameProcess::XDoTool("mousedown 1");
        Pause(holdMs);
        GameProcess::XDoTool("mouseup 1");
        Pause(150);
    }

    void PlayerScreen::Click(int holdMs)
    {
        GameProcess::XDoTool("mousedown 1");
        Pause(holdMs);
        GameProcess::XDoTool("mouseup 1");
        Pause(90);
    }

    void PlayerScreen::Drag(int fx, int fy, int tx, int ty, bool quick)
    {
        Hover(fx, fy);
        GameProcess::XDoTool("mousedown 1");
        // Over the hold a press must last before it carries anything.
        Pause(quick ? 300 : 500);
        const int steps = quick ? 5 : 8;
        for (int i = 1; i <= steps; ++i)
        {
            MovePointer(fx + (tx - fx) * i / steps, fy + (ty - fy) * i / steps);
            Pause(quick ? 60 : 90);
        }
        Pause(quick ? 200 : 350);
        GameProcess::XDoTool("mouseup 1");
        Pause(quick ? 100 : 200);
    }

    void PlayerScreen::Key(const std::string& name)
    {
        GameProcess::XDoTool("keydown " + name);
        Pause(250);
        GameProcess::XDoTool("keyup " + name);
        Pause(100);
    }
}
