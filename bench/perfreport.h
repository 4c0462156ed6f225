#pragma once

#include <cstdio>
#include <ctime>

// Prints "<event> <realtime ns>" for bench/measure.sh, which started the
// process and subtracts its own start time.
inline void report(const char* event) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("%s %lld\n", event, now.tv_sec * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}
