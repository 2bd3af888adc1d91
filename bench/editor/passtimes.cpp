#include "passtimes.h"

#include <algorithm>
#include <cmath>

#include <time.h>

PassTimes::PassTimes(std::size_t expected)
{
    m_milliseconds.reserve(expected);
}

PassTimes::Clock::duration PassTimes::threadCpuTime()
{
    timespec now = {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(now.tv_sec) +
                                                       std::chrono::nanoseconds(now.tv_nsec));
}

void PassTimes::add(Clock::duration duration)
{
    m_milliseconds.push_back(std::chrono::duration<double, std::milli>(duration).count());
}

double PassTimes::percentileMs(double percent) const
{
    if (m_milliseconds.empty())
        return 0.0;
    std::vector<double> sorted = m_milliseconds;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = static_cast<std::size_t>(std::ceil(percent / 100.0 * sorted.size()));
    return sorted[std::min(sorted.size(), std::max<std::size_t>(rank, 1)) - 1];
}

void PassTimes::report(benchmark::State& state, const std::string& prefix) const
{
    state.counters[prefix + "p50_ms"] = percentileMs(50.0);
    state.counters[prefix + "p90_ms"] = percentileMs(90.0);
    state.counters[prefix + "p99_ms"] = percentileMs(99.0);
}

void PassTimes::reportMedian(benchmark::State& state, const std::string& name) const
{
    state.counters[name + "_ms"] = percentileMs(50.0);
}
