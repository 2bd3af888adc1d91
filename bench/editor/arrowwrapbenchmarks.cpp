#include "arrowwrapbenchmarks.h"

#include "arrowwrap/arrowwrapcontroller.h"
#include "arrowwrap/arrowwraplabel.h"
#include "arrowwrap/arrowwraprecord.h"
#include "benchlabels.h"
#include "filebenchmarks.h"
#include "files/pipefilecontroller.h"
#include "layoutbenchmarks.h"

#include <QDataStream>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

// The arrow wrap module with its panel, as the editor builds it, showing a label as
// a file's record is read.
class BenchArrowWrap : public ArrowWrapController
{
public:
    explicit BenchArrowWrap(const ArrowWrapLabel& label)
    {
        QByteArray record;
        {
            QDataStream out(&record, QIODevice::WriteOnly);
            out.setFloatingPointPrecision(QDataStream::SinglePrecision);
            ArrowWrapRecord::write(out, label);
        }
        QDataStream in(record);
        in.setFloatingPointPrecision(QDataStream::SinglePrecision);
        loadPipeInfo(in);
    }
};

// A wrap of the first table row's height and spacing, as long as `arrows` arrows of
// about the row's width need, with a double chevron.
ArrowWrapLabel wrapOf(int arrows)
{
    ArrowWrapLabel label;
    label.length = arrows * 86.4;
    label.arrowCount = arrows;
    label.arrowId = 14;
    return label;
}

QString fileName(int arrows)
{
    return QStringLiteral("arrowwrap-%1.qyaw").arg(arrows);
}

void layoutAfterKeystroke(benchmark::State& state, int arrows)
{
    BenchArrowWrap controller(wrapOf(arrows));
    // The width typed key by key: "1.0", then "1.01", and back.
    timeKeystrokes(
        state,
        [&controller](const QString& text) {
            controller.widthChangedSlot(text.endsWith(QLatin1Char('S')) ? QStringLiteral("1.01")
                                                                        : text);
        },
        QStringLiteral("1.0"));
}

void countChange(benchmark::State& state)
{
    BenchArrowWrap controller(wrapOf(99));
    // Every pass takes the count from 99 arrows to 1 or back.
    timeKeystrokes(
        state,
        [&controller](const QString& text) {
            controller.arrowCountChangedSlot(text.endsWith(QLatin1Char('S')) ? 1 : 99);
        },
        QStringLiteral("99"));
}

void registerLayout(const char* name, bool quick, const std::function<void(benchmark::State&)>& run)
{
    benchmark::RegisterBenchmark(name, run)
        ->Iterations(quick ? 100 : 1000)
        ->Repetitions(quick ? 1 : 3)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

bool writeArrowWrapFiles(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const int arrows : {12, 99}) {
        BenchArrowWrap controller(wrapOf(arrows));
        PipeFileController files;
        files.setContentModule(&controller);
        if (!files.saveTemplateToFile(QDir(folder).filePath(fileName(arrows))))
            return false;
    }
    return true;
}

void registerArrowWrapBenchmarks(bool quick)
{
    registerLayout("layout/arrowwrap-12", quick,
                   [](benchmark::State& state) { layoutAfterKeystroke(state, 12); });
    registerLayout("layout/arrowwrap-99", quick,
                   [](benchmark::State& state) { layoutAfterKeystroke(state, 99); });
    registerLayout("layout/arrowwrap-count", quick, countChange);
    configureFileBenchmark(
        benchmark::RegisterBenchmark("file/arrowwrap-open",
                                     [](benchmark::State& state) {
                                         BenchArrowWrap controller(wrapOf(12));
                                         timeOpens(state, &controller,
                                                   BenchLabels::filePath(fileName(12)));
                                     }),
        100, quick);
    configureFileBenchmark(
        benchmark::RegisterBenchmark("file/arrowwrap-save",
                                     [](benchmark::State& state) {
                                         BenchArrowWrap controller(wrapOf(12));
                                         timeSaves(state, &controller,
                                                   BenchLabels::filePath(
                                                       QStringLiteral("arrowwrap-saved.qyaw")));
                                     }),
        60, quick);
}
