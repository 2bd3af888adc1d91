#include "print/printcontrollerlinux.h"

#include "canvas/mvcanvasmodel.h"
#include "print/cupsqueue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
// The largest page a PDF may have (200 in) bounds the label.
constexpr double LargestPagePoints = 14400.0;
} // namespace

PrintControllerLinux::PrintControllerLinux(bool testMode, MvCanvasModel* canvas,
                                           DatasourceController*, QObject* parent)
    : PrintController(canvas, parent), m_testMode(testMode)
{
}

PrintControllerLinux::~PrintControllerLinux() = default;

QString PrintControllerLinux::printFolder()
{
    const QString chosen = qEnvironmentVariable("VENDREL_PRINT_FOLDER");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/prints");
}

QString PrintControllerLinux::title() const
{
    return QCoreApplication::applicationName() + QStringLiteral(" label");
}

void PrintControllerLinux::setUpPage(QPrinter* printer, const QSizeF& points, int dpi)
{
    printer->setResolution(dpi);
    printer->setFullPage(true);
    // The label's own size, never a standard size near it; a wide label is a wide
    // portrait page, so its lines run along the feed as drawn.
    const QPageSize size(points, QPageSize::Point, QStringLiteral("Label"), QPageSize::ExactMatch);
    printer->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                       QPageLayout::Point, QMarginsF(0, 0, 0, 0)));
}

bool PrintControllerLinux::writePdf(MvCanvasModel* canvas, const QString& path, int dpi, int copies,
                                    const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(title);
    printer.setCreator(QCoreApplication::applicationName());
    setUpPage(&printer, canvas->getCanvasSize(), dpi);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage())
            return false;
        paintCanvas(canvas, &painter, &printer);
    }
    return painter.end();
}

bool PrintControllerLinux::printCanvas()
{
    using namespace MvPrintingErrors;
    if (!m_scene || m_scene->getCanvasSize().isEmpty()) {
        emit printErrorSignal(NothingToPrint);
        return false;
    }
    if (m_copies < 1) {
        emit printErrorSignal(QuantityBelowOne);
        return false;
    }
    const QSizeF page = m_scene->getCanvasSize();
    if (page.width() > LargestPagePoints || page.height() > LargestPagePoints) {
        emit printErrorSignal(LabelTooLarge);
        return false;
    }
    if (supplyTooNarrow()) {
        emit printErrorSignal(SupplyTooNarrow);
        return false;
    }
    const QStringList missing = colorsNotLoaded();
    if (!missing.isEmpty())
        emit printErrorCodeSignal(ColorNotLoaded, missing.join(QStringLiteral(", ")));

    if (m_testMode)
        return printToPdf(page);
    QString printer = m_printerName;
    if (printer.isEmpty())
        printer = CupsQueue::defaultPrinter();
    if (printer.isEmpty())
        return printToPdf(page);
    return printToQueue(printer, page);
}

QString PrintControllerLinux::nextPdfPath() const
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = printFolder() + QStringLiteral("/label-%1.pdf").arg(stamp);
    for (int n = 2; QFile::exists(path); ++n)
        path = printFolder() + QStringLiteral("/label-%1-%2.pdf").arg(stamp).arg(n);
    return path;
}

bool PrintControllerLinux::printToPdf(const QSizeF& page)
{
    if (!QDir().mkpath(printFolder())) {
        emit printErrorCodeSignal(MvPrintingErrors::OutputNotWritten, printFolder());
        return false;
    }
    const QString path = nextPdfPath();
    if (!writePdf(m_scene, path, DefaultResolution, m_copies, title())) {
        QFile::remove(path);
        emit printErrorCodeSignal(MvPrintingErrors::OutputNotWritten, path);
        return false;
    }
    m_last = {QString(), path, 0, DefaultResolution, m_copies, page};
    emit printedSignal(QString(), 0, path);
    return true;
}

bool PrintControllerLinux::printToQueue(const QString& printer, const QSizeF& page)
{
    using namespace MvPrintingErrors;
    const CupsQueue::Attributes attributes = CupsQueue::attributes(printer);
    if (!attributes.found) {
        emit printErrorCodeSignal(PrinterNotFound, printer);
        return false;
    }
    if (attributes.stopped || !attributes.acceptingJobs) {
        emit printErrorCodeSignal(PrinterOffline, printer);
        return false;
    }
    if (attributes.lidOpen) {
        emit printErrorSignal(PrinterLidOpen);
        return false;
    }
    const int dpi = attributes.resolution > 0 ? attributes.resolution : DefaultResolution;
    // CUPS copies the file into its spool before submit returns.
    QTemporaryDir scratch;
    const QString file = scratch.filePath(QStringLiteral("label.pdf"));
    if (!scratch.isValid() || !writePdf(m_scene, file, dpi, 1, title())) {
        emit printErrorSignal(DrawingFailed);
        return false;
    }
    QString reason;
    const int job = CupsQueue::submit(printer, file, title(), m_copies, page, &reason);
    if (job <= 0) {
        emit printErrorCodeSignal(JobRefused, reason);
        return false;
    }
    m_jobs << qMakePair(printer, job);
    m_last = {printer, QString(), job, dpi, m_copies, page};
    emit printedSignal(printer, job, QString());
    return true;
}

int PrintControllerLinux::cancelPendingJobs()
{
    int canceled = 0;
    QStringList printers;
    for (const auto& job : qAsConst(m_jobs))
        if (!printers.contains(job.first))
            printers << job.first;
    for (const QString& printer : qAsConst(printers)) {
        QList<int> ours;
        for (const auto& job : qAsConst(m_jobs))
            if (job.first == printer)
                ours << job.second;
        for (int job : CupsQueue::pendingJobs(printer, ours))
            canceled += CupsQueue::cancel(printer, job) ? 1 : 0;
    }
    m_jobs.clear();
    return canceled;
}
