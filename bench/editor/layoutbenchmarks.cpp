#include "layoutbenchmarks.h"

#include "benchcontroller.h"
#include "benchlabels.h"
#include "passtimes.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

// Passes before the timing starts: a user has typed before, the glyphs are cached.
constexpr int WarmUpPasses = 5;

// The legend of a pipe marker label, typed.
void layoutAfterKeystroke(benchmark::State& state, const QString& labelName)
{
    BenchController controller;
    const PipeLabel label = BenchLabels::byName(labelName);
    controller.showLabel(label);
    timeKeystrokes(
        state, [&controller](const QString& text) { controller.pipeTextChangedSlot(text); },
        label.legend);
}

} // namespace

// The panel's text field sends every keystroke to the controller, which lays the
// label out before the next key is read. The text grows by one character and
// shrinks again, so every pass lays out a text that differs from the one before.
// What the event loop does afterwards (the scene's deferred index updates) runs
// between passes, outside the timing, so it cannot pile up.
void timeKeystrokes(benchmark::State& state, const std::function<void(const QString&)>& type,
                    const QString& text)
{
    const QString texts[2] = {text + QLatin1Char('S'), text};
    int next = 0;
    for (int i = 0; i < WarmUpPasses; ++i) {
        type(texts[next]);
        next = 1 - next;
        QCoreApplication::processEvents();
    }

    const auto count = static_cast<std::size_t>(state.max_iterations);
    PassTimes times(count), processorTimes(count);
    for (auto _ : state) {
        const auto startCpu = PassTimes::threadCpuTime();
        const auto start = PassTimes::Clock::now();
        type(texts[next]);
        const auto duration = PassTimes::Clock::now() - start;
        processorTimes.add(PassTimes::threadCpuTime() - startCpu);
        state.SetIterationTime(std::chrono::duration<double>(duration).count());
        times.add(duration);
        next = 1 - next;
        QCoreApplication::processEvents();
    }
    times.report(state);
    processorTimes.report(state, "cpu_");
}

void registerLayoutBenchmarks(bool quick)
{
    const struct
    {
        const char* name;
        int passes;
    } rows[] = {{"ordinary", 1000}, {"longest", 300}, {"longlegend", 300}};
    for (const auto& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        benchmark::RegisterBenchmark(
            (std::string("layout/") + row.name).c_str(),
            [name](benchmark::State& state) { layoutAfterKeystroke(state, name); })
            ->Iterations(quick ? row.passes / 10 : row.passes)
            ->Repetitions(quick ? 1 : 3)
            ->ReportAggregatesOnly(true)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}
