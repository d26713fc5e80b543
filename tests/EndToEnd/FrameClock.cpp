// FrameClock: one damage report without a follow-up is one drawing request,
// and the game puts each finished frame on the screen with one request.
#include "EndToEnd/FrameClock.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cstdio>
#include <thread>

namespace KiteTest
{
    FrameClock::FrameClock(unsigned long window) : started_(Clock::now()), lastFrame_(started_)
    {
        display_ = XOpenDisplay(nullptr);
        int error = 0;
        if (!display_ || !window || !XDamageQueryExtension(display_, &event_, &error))
        {
            std::printf("[ note ] no damage reports from the X server: waits run on real time\n");
            return;
        }
        damage_ = XDamageCreate(display_, window, XDamageReportRawRectangles);
        XSync(display_, False);
    }

    FrameClock::~FrameClock()
    {
        // The server drops the damage object with the connection (or with
        // the window, which may be gone already: no explicit destroy).
        if (display_)
            XCloseDisplay(display_);
    }

    long FrameClock::Frames()
    {
        if (!damage_)
        {
            const double real = std::chrono::duration<double>(Clock::now() - started_).count();
            lastFrame_ = Clock::now();
            return static_cast<long>(real * FramesPerSecond);
        }
        const long before = frames_;
        while (XPending(display_))
        {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == event_ + XDamageNotify && !reinterpret_cast<XDamageNotifyEvent*>(&event)->more)
                ++frames_;
        }
        if (frames_ != before)
            lastFrame_ = Clock::now();
        return frames_;
    }

    bool FrameClock::Hung()
    {
        Frames();
        return std::chrono::duration<double>(Clock::now() - lastFrame_).count() > HangSeconds;
    }

    bool FrameClock::Wait(long frames)
    {
        const long until = Frames() + frames;
        while (Frames() < until)
        {
            if (Hung())
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(4));
        }
        return true;
    }

    bool FrameClock::WaitFor(double seconds, const std::function<bool()>& condition)
    {
        const long until = Frames() + static_cast<long>(seconds * FramesPerSecond);
        while (Frames() < until)
        {
            if (condition())
                return true;
            if (!Wait(6))
                return false;
        }
        return condition();
    }
}
