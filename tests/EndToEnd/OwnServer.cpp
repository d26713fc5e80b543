// Each end-to-end program runs on an X server of its own, started before its
// first test: the programs can then run beside each other and beside the
// other tests, whose windows never come between their pointer, keys, focus
// and screen reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "EndToEnd/GameProcess.h"
#include "EndToEnd/PrivateDisplay.h"

namespace
{
    class OwnServer : public ::testing::Environment
    {
    public:
        void SetUp() override
        {
            // Without a display the tests that need one skip, as ever.
            if (!KiteTest::HasDisplay())
                return;
            display_ = std::make_unique<KiteTest::PrivateDisplay>(1920, 1080);
            if (display_->Ready())
                return;
            display_.reset();
            std::printf("[ note ] no X server of its own; on the shared display\n");
        }

        void TearDown() override { display_.reset(); }

    private:
        std::unique_ptr<KiteTest::PrivateDisplay> display_;
    };

    [[maybe_unused]] ::testing::Environment* const kOwnServer = ::testing::AddGlobalTestEnvironment(new OwnServer);
}
