#include "printbenchmarks.h"

#include "benchcontroller.h"
#include "benchlabels.h"
#include "passtimes.h"

#include "print/printcontrollerlinux.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr int Dpi = 300;

// A line of /proc/self/status in MB ("VmRSS:", "VmHWM:").
double statusMb(const QByteArray& key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).simplified().split(' ').value(0).toDouble() / 1024.0;
    return 0.0;
}

// The peak (VmHWM) starts again from what the process holds now.
bool resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

void printLongest(benchmark::State& state)
{
    BenchController controller;
    controller.showLabel(BenchLabels::longest());
    MvCanvasModel* canvas = controller.getCanvas();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("label.pdf"));
    // Once before: fonts and glyphs are loaded, as in an editor that has drawn.
    PrintControllerLinux::writePdf(canvas, path, Dpi, 1, QStringLiteral("bench"));

    const auto count = static_cast<std::size_t>(state.max_iterations);
    PassTimes times(count), processorTimes(count);
    double added = 0.0;
    for (auto _ : state) {
        const bool peakReset = resetPeak();
        const double before = statusMb("VmRSS:");
        const auto startCpu = PassTimes::threadCpuTime();
        const auto start = PassTimes::Clock::now();
        if (!PrintControllerLinux::writePdf(canvas, path, Dpi, 1, QStringLiteral("bench")))
            state.SkipWithError("the page could not be written");
        const auto duration = PassTimes::Clock::now() - start;
        processorTimes.add(PassTimes::threadCpuTime() - startCpu);
        if (peakReset)
            added = qMax(added, statusMb("VmHWM:") - before);
        state.SetIterationTime(std::chrono::duration<double>(duration).count());
        times.add(duration);
    }
    times.report(state);
    processorTimes.report(state, "cpu_");
    state.counters["peak_added_mb"] = added;
    state.counters["canvas_width_pt"] = canvas->getCanvasSize().width();
}
} // namespace

void registerPrintBenchmarks(bool quick)
{
    benchmark::RegisterBenchmark("print/longest", printLongest)
        ->Iterations(quick ? 3 : 20)
        ->Repetitions(quick ? 1 : 3)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
