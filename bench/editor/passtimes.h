#ifndef PASSTIMES_H
#define PASSTIMES_H

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

// The times of single passes of one benchmark run, so that the run can report
// percentiles of one pass (what a user feels) rather than only their mean.
class PassTimes
{
public:
    using Clock = std::chrono::steady_clock;

    explicit PassTimes(std::size_t expected = 0);

    // The processor time this thread has used: a pass's share of it tells its own
    // cost apart from the time it waited for the disk or for a busy processor.
    static Clock::duration threadCpuTime();

    void add(Clock::duration duration);
    // The nearest-rank percentile (0 < percent <= 100) in milliseconds.
    double percentileMs(double percent) const;
    std::size_t size() const { return m_milliseconds.size(); }

    // Sets the counters "<prefix>p50_ms", "<prefix>p90_ms" and "<prefix>p99_ms".
    void report(benchmark::State& state, const std::string& prefix = std::string()) const;
    // Sets the counter "<name>_ms" to the median.
    void reportMedian(benchmark::State& state, const std::string& name) const;

private:
    std::vector<double> m_milliseconds;
};

#endif
