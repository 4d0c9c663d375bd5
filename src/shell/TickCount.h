// The millisecond tick counter and the start-up wait that polls it.
#pragma once

#include <cstdint>
#include <functional>

//! Milliseconds since the system started, as an unsigned 32-bit count that wraps after about 49.7 days.
std::uint32_t GetTickCount();

//! Milliseconds from `start` to `now` on the wrapping counter.
constexpr std::uint32_t TicksBetween(std::uint32_t start, std::uint32_t now)
{
    return std::uint32_t(now - start);
}

/*!
  Where the start-up wait reads the time and how it idles between readings.
  Tests replace both so that no test waits out real seconds.
*/
struct TStartupClock
{
    std::function<std::uint32_t()> Tick = GetTickCount;
    //! Idles briefly between readings, so the wait does not spin a processor.
    std::function<void()> Pause;
};

/*!
  Polls the counter until `minimum` milliseconds have passed since `start`.
  Dispatches no events: nothing reacts to input while it waits.
*/
void WaitUntilElapsed(const TStartupClock &clock, std::uint32_t start, std::uint32_t minimum);
