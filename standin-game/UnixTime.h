#pragma once
// The time as Unix milliseconds: how the stand-in game reports when it
// ended, so that a test on the same machine can compare with its own clock.
#include <windows.h>

inline long long UnixMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    return static_cast<long long>((ticks.QuadPart - 116444736000000000ULL) / 10000);
}
