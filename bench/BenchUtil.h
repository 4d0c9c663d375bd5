// What every benchmark of this folder shares: medians, the headless default, peak memory.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
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

/*!
  One row of the summary table that tools/bench.sh gathers from all benchmarks: what was measured,
  its value and its baseline's, from the same run, and the goal for their ratio ("" for none).
*/
inline void SummaryRow(const char *what, double value, double baseline, const char *unit, const char *goal)
{
    std::printf("summary\t%s\t%.3f\t%.3f\t%s\t%.2f\t%s\n", what, value, baseline, unit,
                baseline > 0 ? value / baseline : 0.0, goal);
}

} // namespace Bench
