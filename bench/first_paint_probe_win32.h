// For the Windows start-up benchmark: once every pending paint is done (a timer's message comes
// only when no paint is left), prints the wall clock (microseconds since the epoch) and the
// process's peak working set, and ends the message loop.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>

namespace brenvol::bench {

inline void ReportFirstPaint() {
    SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        FILETIME now;
        GetSystemTimePreciseAsFileTime(&now);
        const auto ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) |
                           now.dwLowDateTime;  // 100 ns since 1601
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        std::printf("first_paint_us=%llu maxrss_kb=%llu\n", ticks / 10 - 11644473600000000ull,
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
        std::fflush(stdout);
        PostQuitMessage(0);
    });
}

}  // namespace brenvol::bench
