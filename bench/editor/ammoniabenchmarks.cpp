#include "ammoniabenchmarks.h"

#include "ammonia/ammoniacontroller.h"
#include "ammonia/ammonialabel.h"
#include "ammonia/ammoniarecord.h"
#include "benchlabels.h"
#include "filebenchmarks.h"
#include "files/pipefilecontroller.h"
#include "layoutbenchmarks.h"

#include <QDataStream>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

// The ammonia module with its panel, as the editor builds it, showing a label as a
// file's record is read.
class BenchAmmonia : public AmmoniaController
{
public:
    explicit BenchAmmonia(const AmmoniaLabel& label)
    {
        QByteArray record;
        {
            QDataStream out(&record, QIODevice::WriteOnly);
            out.setFloatingPointPrecision(QDataStream::SinglePrecision);
            AmmoniaRecord::write(out, label);
        }
        QDataStream in(record);
        in.setFloatingPointPrecision(QDataStream::SinglePrecision);
        loadPipeInfo(in);
    }
};

// The everyday ammonia marker: row 0 (576 x 72 pt), "HSD" between an arrow on each
// side, LIQ and VAP, HIGH.
AmmoniaLabel pipeMarker()
{
    AmmoniaLabel label;
    label.abbreviation = QStringLiteral("HSD");
    label.leftArrowId = 3;
    label.rightArrowId = 2;
    label.liq = true, label.vap = true, label.high = true, label.low = false;
    return label;
}

// A component marker of the new label's size (2880 x 288 pt) with LOW.
AmmoniaLabel componentMarker()
{
    AmmoniaLabel label = pipeMarker();
    label.pipeMarker = false;
    label.component = QStringLiteral("COMPRESSOR 1");
    label.high = false, label.low = true;
    return label;
}

AmmoniaLabel byName(const QString& name)
{
    return name == QLatin1String("component") ? componentMarker() : pipeMarker();
}

void layoutAfterKeystroke(benchmark::State& state, const QString& name)
{
    const AmmoniaLabel label = byName(name);
    BenchAmmonia controller(label);
    if (label.pipeMarker)
        timeKeystrokes(
            state, [&controller](const QString& text) { controller.abbrevChangedSlot(text); },
            label.abbreviation);
    else
        timeKeystrokes(
            state, [&controller](const QString& text) { controller.compChangedSlot(text); },
            label.component);
}

QString fileName(const QString& name)
{
    return QStringLiteral("ammonia-%1.qyam").arg(name);
}

} // namespace

bool writeAmmoniaFiles(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const QString& name : {QStringLiteral("pipe"), QStringLiteral("component")}) {
        BenchAmmonia controller(byName(name));
        PipeFileController files;
        files.setContentModule(&controller);
        if (!files.saveTemplateToFile(QDir(folder).filePath(fileName(name))))
            return false;
    }
    return true;
}

void registerAmmoniaBenchmarks(bool quick)
{
    for (const char* name : {"pipe", "component"}) {
        const QString label = QString::fromLatin1(name);
        benchmark::RegisterBenchmark(
            (std::string("layout/ammonia-") + name).c_str(),
            [label](benchmark::State& state) { layoutAfterKeystroke(state, label); })
            ->Iterations(quick ? 100 : 1000)
            ->Repetitions(quick ? 1 : 3)
            ->ReportAggregatesOnly(true)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    configureFileBenchmark(
        benchmark::RegisterBenchmark("file/ammonia-open",
                                     [](benchmark::State& state) {
                                         BenchAmmonia controller(pipeMarker());
                                         timeOpens(state, &controller,
                                                   BenchLabels::filePath(fileName("pipe")));
                                     }),
        100, quick);
    configureFileBenchmark(
        benchmark::RegisterBenchmark("file/ammonia-save",
                                     [](benchmark::State& state) {
                                         BenchAmmonia controller(pipeMarker());
                                         timeSaves(state, &controller,
                                                   BenchLabels::filePath(
                                                       QStringLiteral("ammonia-saved.qyam")));
                                     }),
        60, quick);
}
