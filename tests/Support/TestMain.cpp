// Entry point of every test program.
#include <gtest/gtest.h>

// The leak checker's suppressions for system libraries are the programs'
// own default, so a plain `ctest` passes as the test script does (options
// given in LSAN_OPTIONS still come on top).
extern "C" const char* __lsan_default_options()
{
    return "suppressions=" KITE_SOURCE_ROOT "/tests/lsan.supp:print_suppressions=0";
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
