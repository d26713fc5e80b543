// The clocks the benchmarks time with, in seconds.
#pragma once

#include <time.h>

namespace BenchClock
{
    // CLOCK_MONOTONIC for wall time, CLOCK_THREAD_CPUTIME_ID or
    // CLOCK_PROCESS_CPUTIME_ID for processor time.
    inline double Seconds(clockid_t clock)
    {
        timespec t{};
        clock_gettime(clock, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    }
}
