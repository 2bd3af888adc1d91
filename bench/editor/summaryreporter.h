#ifndef SUMMARYREPORTER_H
#define SUMMARYREPORTER_H

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

// Shows the runs as the console reporter does and also writes, for every benchmark,
// the median over its repetitions of each counter as a line
// "<benchmark> <counter> <value>", which scripts/bench.sh turns into its table.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    // No file is written when `path` is empty.
    explicit SummaryReporter(const std::string& path);

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;

private:
    std::string m_path;
    std::ofstream m_summary;
};

#endif
