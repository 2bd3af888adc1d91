#include "filebenchmarks.h"

#include "benchcontroller.h"
#include "benchlabels.h"
#include "files/labelfileheader.h"
#include "files/pipefilecontroller.h"
#include "kit/vendrelconstants.h"
#include "passtimes.h"
#include "pipe/piperecord.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QSettings>

#include "analytics/analyticslibrary.h"
#include "canvas/mvcanvasmodel.h"
#include "files/filecontrollertools.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = PassTimes::Clock;

const QString HistoryKey = QStringLiteral("fileHistory");
const QString LabelFolderKey = QStringLiteral("dir/labels");

void setIterationTime(benchmark::State& state, Clock::duration duration)
{
    state.SetIterationTime(std::chrono::duration<double>(duration).count());
}

// Opening a label file as the editor's open command does, with the history.
void openFile(benchmark::State& state)
{
    BenchController controller;
    timeOpens(state, &controller, BenchLabels::filePath(QStringLiteral("ordinary.qypm")));
}

} // namespace

void timeOpens(benchmark::State& state, IVendrelInterface* module, const QString& path)
{
    PipeFileController files;
    files.setContentModule(module);
    const auto count = static_cast<std::size_t>(state.max_iterations);
    PassTimes times(count), processorTimes(count);
    for (auto _ : state) {
        const auto startCpu = PassTimes::threadCpuTime();
        const auto start = Clock::now();
        const bool opened = files.loadTemplateFromFile(path, true);
        const auto duration = Clock::now() - start;
        processorTimes.add(PassTimes::threadCpuTime() - startCpu);
        if (!opened) {
            state.SkipWithError("the label file did not open");
            break;
        }
        setIterationTime(state, duration);
        times.add(duration);
        QCoreApplication::processEvents();
    }
    times.report(state);
    processorTimes.report(state, "cpu_");
}

namespace {

// The steps of PipeFileController::loadTemplateFromFile one by one: the container
// header and the skipped preview, the snapshot the controller keeps to undo a
// damaged read, the record read and laid out, the history and settings.
void openFileParts(benchmark::State& state)
{
    BenchController controller;
    const QString path = BenchLabels::filePath(QStringLiteral("ordinary.qypm"));
    const QStringList formats = PipeFileController::initializePipeFileTypes().keys();
    const auto count = static_cast<std::size_t>(state.max_iterations);
    PassTimes header(count), snapshot(count), record(count), history(count), flush(count),
        whole(count), processorTimes(count);
    for (auto _ : state) {
        const auto startCpu = PassTimes::threadCpuTime();
        const auto t0 = Clock::now();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the label file did not open");
            break;
        }
        QDataStream stream(&file);
        stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        LabelFileResult result = LabelFileHeader::read(stream, path, formats);
        if (result.isOk())
            result = LabelFileHeader::skipPreview(stream);
        const auto t1 = Clock::now();
        QByteArray before;
        {
            QBuffer buffer(&before);
            buffer.open(QIODevice::WriteOnly);
            QDataStream out(&buffer);
            out.setFloatingPointPrecision(QDataStream::SinglePrecision);
            out << QImage();
            controller.saveRecord(out);
        }
        const auto t2 = Clock::now();
        controller.loadPipeInfo(stream);
        file.close();
        const auto t3 = Clock::now();
        {
            QSettings& settings = FileControllerTools::applicationSettings();
            settings.setValue(LabelFolderKey, QFileInfo(path).absolutePath());
            FileControllerTools::saveFileInHistory(QFileInfo(path).absoluteFilePath(), settings,
                                                   true, HistoryKey);
        }
        const auto t4 = Clock::now();
        processorTimes.add(PassTimes::threadCpuTime() - startCpu);
        if (!result.isOk() || stream.status() != QDataStream::Ok) {
            state.SkipWithError("the label file was refused");
            break;
        }
        setIterationTime(state, t4 - t0);
        header.add(t1 - t0);
        snapshot.add(t2 - t1);
        record.add(t3 - t2);
        history.add(t4 - t3);
        whole.add(t4 - t0);
        // The settings reach the disk when the event loop runs after the command.
        const auto f0 = Clock::now();
        QCoreApplication::processEvents();
        flush.add(Clock::now() - f0);
    }
    flush.reportMedian(state, "history_flush");
    header.reportMedian(state, "header");
    snapshot.reportMedian(state, "snapshot");
    record.reportMedian(state, "record_layout");
    history.reportMedian(state, "history_settings");
    whole.report(state);
    processorTimes.report(state, "cpu_");
}

// Saving as the editor's save command does: preview, record, atomic write with its
// syncs, history and settings, the analytics hit.
void saveFile(benchmark::State& state)
{
    BenchController controller;
    controller.showLabel(BenchLabels::ordinary());
    timeSaves(state, &controller, BenchLabels::filePath(QStringLiteral("saved.qypm")));
}

} // namespace

void timeSaves(benchmark::State& state, IVendrelInterface* module, const QString& path)
{
    PipeFileController files;
    files.setContentModule(module);
    const auto count = static_cast<std::size_t>(state.max_iterations);
    PassTimes times(count), processorTimes(count);
    for (auto _ : state) {
        const auto startCpu = PassTimes::threadCpuTime();
        const auto start = Clock::now();
        const bool saved = files.saveTemplateToFile(path);
        const auto duration = Clock::now() - start;
        processorTimes.add(PassTimes::threadCpuTime() - startCpu);
        if (!saved) {
            state.SkipWithError("the label file was not saved");
            break;
        }
        setIterationTime(state, duration);
        times.add(duration);
        QCoreApplication::processEvents();
    }
    times.report(state);
    processorTimes.report(state, "cpu_");
}

namespace {

bool syncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// The steps of PipeFileController::saveTemplateToFile one by one, each with the
// call the save makes: the preview drawn (MvCanvasModel::createIcon), the preview
// PNG-encoded into the record (QDataStream << QImage) after the container header,
// the record written, the bytes written through a QSaveFile and committed, the
// file's and the folder's fsync (FileControllerTools::closeSavedFile), the history
// with its settings file, and the analytics hit. The save writes the stream
// straight into the QSaveFile; here it is first gathered in memory, so that
// encoding and writing can be told apart.
void saveFileParts(benchmark::State& state)
{
    BenchController controller;
    controller.showLabel(BenchLabels::ordinary());
    MvCanvasModel* canvas = controller.getCanvas();
    const QString path = BenchLabels::filePath(QStringLiteral("saved-parts.qypm"));
    const QString version = QString::fromLatin1(VendrelConstants::SoftwareVersion);
    const QString session = qApp->property("uid").toString();
    const auto count = static_cast<std::size_t>(state.max_iterations);
    PassTimes flush(count);
    PassTimes preview(count), png(count), record(count), write(count), sync(count), history(count),
        analytics(count), withoutSync(count), whole(count), processorTimes(count);
    for (auto _ : state) {
        const auto startCpu = PassTimes::threadCpuTime();
        const auto t0 = Clock::now();
        const QImage image =
            canvas->createIcon(VendrelController::PreviewSide, VendrelController::PreviewSide);
        const auto t1 = Clock::now();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream stream(&buffer);
        stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        LabelFileHeader::write(stream, path);
        stream << image;
        const auto t2 = Clock::now();
        PipeRecord::write(stream, controller.currentLabel());
        canvas->setCanvasHasChanged(false);
        const auto t3 = Clock::now();
        QSaveFile file(path);
        bool ok = file.open(QIODevice::WriteOnly);
        ok = ok && file.write(bytes) == bytes.size() && file.flush();
        const auto t4 = Clock::now();
        ok = ok && ::fsync(file.handle()) == 0;
        const auto t5 = Clock::now();
        ok = ok && file.commit();
        const auto t6 = Clock::now();
        ok = ok && syncFolderOf(path);
        const auto t7 = Clock::now();
        {
            QSettings& settings = FileControllerTools::applicationSettings();
            FileControllerTools::saveFileInHistory(path, settings, false, HistoryKey);
        }
        const auto t8 = Clock::now();
        AnalyticsLibrary::sendAnalyticHit(2, AnalyticsLibrary::sessionRecord(session, version));
        const auto t9 = Clock::now();
        // Waiting for the disk takes no processor time: this is the save's own work,
        // syncs included, whatever the disk and the other programs on it do.
        processorTimes.add(PassTimes::threadCpuTime() - startCpu);
        if (!ok) {
            state.SkipWithError("the label file was not saved");
            break;
        }
        const auto syncing = (t5 - t4) + (t7 - t6);
        setIterationTime(state, t9 - t0);
        preview.add(t1 - t0);
        png.add(t2 - t1);
        record.add(t3 - t2);
        write.add((t4 - t3) + (t6 - t5));
        sync.add(syncing);
        history.add(t8 - t7);
        analytics.add(t9 - t8);
        withoutSync.add((t9 - t0) - syncing);
        whole.add(t9 - t0);
        const auto f0 = Clock::now();
        QCoreApplication::processEvents();
        flush.add(Clock::now() - f0);
    }
    flush.reportMedian(state, "history_flush");
    preview.reportMedian(state, "preview");
    png.reportMedian(state, "png");
    record.reportMedian(state, "record");
    write.reportMedian(state, "write");
    sync.report(state, "sync_");
    history.reportMedian(state, "history_settings");
    analytics.reportMedian(state, "analytics");
    withoutSync.report(state, "nosync_");
    whole.report(state);
    processorTimes.report(state, "cpu_");
}

} // namespace

void configureFileBenchmark(benchmark::internal::Benchmark* benchmark, int iterations, bool quick)
{
    benchmark->Iterations(quick ? iterations / 10 : iterations)
        ->Repetitions(quick ? 1 : 3)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void registerFileBenchmarks(bool quick)
{
    configureFileBenchmark(benchmark::RegisterBenchmark("file/open", openFile), 100, quick);
    configureFileBenchmark(benchmark::RegisterBenchmark("file/open-parts", openFileParts), 100,
                           quick);
    configureFileBenchmark(benchmark::RegisterBenchmark("file/save", saveFile), 60, quick);
    configureFileBenchmark(benchmark::RegisterBenchmark("file/save-parts", saveFileParts), 60,
                           quick);
}
