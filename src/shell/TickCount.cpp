#include "shell/TickCount.h"

#include <chrono>
#include <thread>

#include <time.h>

std::uint32_t GetTickCount()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::uint64_t ms = std::uint64_t(ts.tv_sec) * 1000u + std::uint64_t(ts.tv_nsec) / 1000000u;
    return std::uint32_t(ms);
}

void WaitUntilElapsed(const TStartupClock &clock, std::uint32_t start, std::uint32_t minimum)
{
    while (TicksBetween(start, clock.Tick()) < minimum) {
        if (clock.Pause)
            clock.Pause();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
