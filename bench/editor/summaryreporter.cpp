#include "summaryreporter.h"

SummaryReporter::SummaryReporter(const std::string& path) : m_path(path) {}

bool SummaryReporter::ReportContext(const Context& context)
{
    if (!m_path.empty()) {
        m_summary.open(m_path, std::ios::app);
        if (!m_summary) {
            GetErrorStream() << "cannot write " << m_path << '\n';
            return false;
        }
    }
    return ConsoleReporter::ReportContext(context);
}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    if (!m_summary.is_open())
        return;
    for (const Run& run : runs) {
        // A benchmark run once has no aggregates; its single run stands for them.
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (run.error_occurred || !(single || run.aggregate_name == "median"))
            continue;
        for (const auto& [name, counter] : run.counters)
            m_summary << run.run_name.function_name << ' ' << name << ' ' << counter.value << '\n';
    }
    m_summary.flush();
}
