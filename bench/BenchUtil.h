// What every benchmark of this folder shares: medians, the headless default, peak memory.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <sys/resource.h>

#include <algorithm>
#include <vector>

namespace Bench {

//! The middle value of a set of timings (0 for none).
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

//! Benchmarks run offscreen unless the caller chose a platform.
inline void UseOffscreenByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

//! The process's peak resident memory so far.
inline long PeakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace Bench
