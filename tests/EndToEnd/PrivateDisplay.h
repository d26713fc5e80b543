// PrivateDisplay: an Xvfb of a test's own, so screen reads and real input
// never mix with another test's or program's window. DISPLAY names it while
// it lives and is put back afterwards.
#pragma once

#include <sys/types.h>

#include <string>

struct _XDisplay;

namespace KiteTest
{
    class PrivateDisplay
    {
    public:
        PrivateDisplay(int width, int height);
        ~PrivateDisplay();
        PrivateDisplay(const PrivateDisplay&) = delete;
        PrivateDisplay& operator=(const PrivateDisplay&) = delete;

        bool Ready() const { return display_ != nullptr; }
        // The connection to the server; null when it did not start.
        _XDisplay* Get() const { return display_; }

    private:
        pid_t pid_ = -1;
        _XDisplay* display_ = nullptr;
        std::string previous_;
    };
}
