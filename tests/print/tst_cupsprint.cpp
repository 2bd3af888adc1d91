#include "pdfpages.h"

#include "ammonia/ammoniacontroller.h"
#include "canvas/mvcanvasmodel.h"
#include "files/pipefilecontroller.h"
#include "print/cupsqueue.h"
#include "print/printcontrollerlinux.h"
#include "print/printwidget.h"
#include "print/supplyproperties.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvcombobox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace MvPrintingErrors;

namespace {
const QString Queue = QStringLiteral("vendrel-test");

// The queue's device: writes each job's file, copies and options into the folder
// its URI names, and reports two loaded ribbons as printer markers. While a file
// "hold" lies in that folder it waits, so that jobs stay queued.
const char* const Backend = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct vendreltest "Unknown" "Vendrel test output"'; exit 0; fi
dir=${DEVICE_URI#vendreltest:}
while [ -e "$dir/hold" ]; do sleep 0.1; done
echo "ATTR: marker-colors=#000000,#dc0b0b marker-names=Black,Red marker-types=ribbon-wax,ribbon-wax" >&2
if [ -n "$6" ]; then cat "$6" > "$dir/job-$1.tmp"; else cat > "$dir/job-$1.tmp"; fi
printf '%s\n' "$4" > "$dir/job-$1.copies"
printf '%s\n' "$5" > "$dir/job-$1.options"
mv "$dir/job-$1.tmp" "$dir/job-$1.pdf"
exit 0
)";

bool writeFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions = {})
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return !permissions || file.setPermissions(permissions);
}

MvCanvasModel* labelCanvas(double width, double height)
{
    auto* canvas = new MvCanvasModel({Qt::black, QColor("#f28000")}, 14400, 14400, width, height);
    canvas->setCanvasBackgroundColor(QColor("#f28000"));
    return canvas;
}
} // namespace

// One real print path: a private CUPS server with a queue whose device writes
// into a folder of the test, started and stopped by the test itself.
class CupsPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void queueIsListedWithItsAttributes();
    void labelReachesTheQueueAtItsSize_data();
    void labelReachesTheQueueAtItsSize();
    void ribbonsComeFromThePrintersMarkers();
    void unknownPrinterIsReported();
    void quitPrintingCancelsWhatIsStillQueued();
    void renderToolListsAndPrints();
    void lineListIsOneJobOfLabelsOfTheirSizes();

private:
    QString waitForJob(int job, int timeoutMs = 20000);
    bool runTool(const QString& tool, const QStringList& arguments, QString* output = nullptr);

    QTemporaryDir m_root;
    QString m_out;
    QProcess m_cupsd;
};

bool CupsPrintTest::runTool(const QString& tool, const QStringList& arguments, QString* output)
{
    QProcess process;
    process.start(tool, arguments);
    const bool ok = process.waitForFinished(15000) && process.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput() +
                                         process.readAllStandardError());
    return ok;
}

void CupsPrintTest::initTestCase()
{
    const QString cupsd = QStandardPaths::findExecutable(
        QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    const QString lpadmin = QStandardPaths::findExecutable(
        QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    if (cupsd.isEmpty() || lpadmin.isEmpty())
        QSKIP("cupsd or lpadmin is not installed (scripts/setup.sh installs them)");
    Q_INIT_RESOURCE(module);
    qInitResources_module_resource_icons();
    QString serverBin;
    runTool(QStringLiteral("cups-config"), {QStringLiteral("--serverbin")}, &serverBin);
    serverBin = serverBin.trimmed();
    if (serverBin.isEmpty())
        serverBin = QStringLiteral("/usr/lib/cups");

    QVERIFY(m_root.isValid());
    const QDir root(m_root.path());
    for (const char* folder : {"conf", "spool/tmp", "cache", "state", "log", "bin/backend", "out"})
        QVERIFY(root.mkpath(QString::fromLatin1(folder)));
    m_out = root.filePath(QStringLiteral("out"));
    const QString socket = root.filePath(QStringLiteral("cups.sock"));
    // The spool and output folders must be usable by the server's own user.
    for (const QString& folder : {m_root.path(), m_out, root.filePath(QStringLiteral("spool")),
                                  root.filePath(QStringLiteral("spool/tmp"))})
        QFile::setPermissions(folder, QFile::Permissions(0x7777));
    // Its programs are the system's, beside the test's own backend.
    for (const char* folder : {"filter", "daemon", "cgi-bin", "notifier", "monitor", "driver"})
        QFile::link(serverBin + QLatin1Char('/') + QLatin1String(folder),
                    root.filePath(QStringLiteral("bin/") + QLatin1String(folder)));
    // Owner-only: the server runs such a backend as its own user.
    QVERIFY(writeFile(root.filePath(QStringLiteral("bin/backend/vendreltest")), Backend,
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QVERIFY(writeFile(root.filePath(QStringLiteral("conf/cupsd.conf")),
                      QStringLiteral("Listen %1\nLogLevel info\nWebInterface No\nBrowsing No\n"
                                     "DefaultAuthType None\nMaxJobTime 60\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n"
                                     "</Location>\n<Policy default>\n  <Limit All>\n"
                                     "    Order deny,allow\n    Allow all\n  </Limit>\n"
                                     "</Policy>\n")
                          .arg(socket)
                          .toUtf8()));
    const QString files =
        QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                       "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                       "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                       "ServerBin %1/bin\nDataDir /usr/share/cups\nFileDevice Yes\n")
            .arg(m_root.path());
    QVERIFY(writeFile(root.filePath(QStringLiteral("conf/cups-files.conf")), files.toUtf8()));

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"),
                          root.filePath(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                          root.filePath(QStringLiteral("conf/cups-files.conf"))});
    if (!m_cupsd.waitForStarted(5000))
        QSKIP(qPrintable(
            QStringLiteral("cupsd could not be started: %1").arg(m_cupsd.errorString())));
    QElapsedTimer timer;
    timer.start();
    bool up = false;
    while (!up && timer.elapsed() < 15000 && m_cupsd.state() == QProcess::Running) {
        QLocalSocket probe;
        probe.connectToServer(socket);
        up = probe.waitForConnected(200);
        if (!up)
            QTest::qWait(100);
    }
    if (!up) {
        QFile log(root.filePath(QStringLiteral("log/error_log")));
        log.open(QIODevice::ReadOnly);
        QSKIP(qPrintable(QStringLiteral("cupsd did not start: %1 %2")
                             .arg(QString::fromLocal8Bit(m_cupsd.readAll()),
                                  QString::fromLocal8Bit(log.readAll().right(2000)))));
    }

    // Every CUPS call of this process, and of lpadmin, goes to this server.
    qputenv("CUPS_SERVER", socket.toUtf8());
    QString output;
    QVERIFY2(runTool(lpadmin,
                     {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                      QStringLiteral("vendreltest:") + m_out},
                     &output),
             qPrintable(output));
    QVERIFY2(runTool(lpadmin, {QStringLiteral("-d"), Queue}, &output), qPrintable(output));
}

void CupsPrintTest::cleanupTestCase()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
    }
}

QString CupsPrintTest::waitForJob(int job, int timeoutMs)
{
    const QString path = m_out + QStringLiteral("/job-%1.pdf").arg(job);
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < timeoutMs)
        QTest::qWait(50);
    return QFile::exists(path) ? path : QString();
}

void CupsPrintTest::queueIsListedWithItsAttributes()
{
    const QList<CupsQueue::Printer> printers = CupsQueue::printers();
    QCOMPARE(printers.size(), 1);
    QCOMPARE(printers.first().name, Queue);
    QVERIFY(printers.first().isDefault);
    QCOMPARE(CupsQueue::defaultPrinter(), Queue);
    const CupsQueue::Attributes attributes = CupsQueue::attributes(Queue);
    QVERIFY(attributes.found);
    QVERIFY(attributes.acceptingJobs);
    QVERIFY(!attributes.stopped);

    PrintWidget panel(false);
    QCOMPARE(panel.printerCombo()->count(), 1);
    QCOMPARE(panel.selectedPrinter(), Queue);
}

void CupsPrintTest::labelReachesTheQueueAtItsSize_data()
{
    QTest::addColumn<QSizeF>("label");
    QTest::addColumn<int>("copies");
    QTest::newRow("8 x 1 in, 2 copies") << QSizeF(576, 72) << 2;
    QTest::newRow("192 in continuous") << QSizeF(13824, 72) << 1;
}

void CupsPrintTest::labelReachesTheQueueAtItsSize()
{
    QFETCH(QSizeF, label);
    QFETCH(int, copies);
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(label.width(), label.height()));
    PrintControllerLinux controller(false, canvas.data(), nullptr);
    controller.setNumberOfCopies(copies);
    QSignalSpy errors(&controller, &PrintController::printErrorSignal);
    QSignalSpy codes(&controller, &PrintController::printErrorCodeSignal);
    QVERIFY(controller.printCanvas());
    QCOMPARE(errors.count() + codes.count(), 0);
    const PrintControllerLinux::LastPrint last = controller.lastPrint();
    QCOMPARE(last.printer, Queue);
    QVERIFY(last.job > 0);
    QVERIFY(last.file.isEmpty());
    QCOMPARE(last.dpi, PrintControllerLinux::DefaultResolution);

    const QString output = waitForJob(last.job);
    QVERIFY2(!output.isEmpty(), "the queue's device never received the job");
    const QList<QSizeF> pages = pdfPageSizes(output);
    QCOMPARE(pages.size(), 1);
    QVERIFY(qAbs(pages.first().width() - label.width()) < 0.5);
    QVERIFY(qAbs(pages.first().height() - label.height()) < 0.5);
    QFile copiesFile(m_out + QStringLiteral("/job-%1.copies").arg(last.job));
    QVERIFY(copiesFile.open(QIODevice::ReadOnly));
    QCOMPARE(copiesFile.readAll().trimmed().toInt(), copies);
    QFile options(m_out + QStringLiteral("/job-%1.options").arg(last.job));
    QVERIFY(options.open(QIODevice::ReadOnly));
    const QByteArray media = QByteArrayLiteral("media=Custom.") +
                             QByteArray::number(label.width(), 'f', 2) + 'x' +
                             QByteArray::number(label.height(), 'f', 2);
    QVERIFY2(options.readAll().contains(media), media.constData());
}

void CupsPrintTest::ribbonsComeFromThePrintersMarkers()
{
    // The earlier jobs made the device report its markers.
    SupplyProperties supply(Queue, false);
    QCOMPARE(supply.ribbonSource(), SupplyProperties::FromCups);
    QCOMPARE(supply.getLoadedRibbons(), (QStringList{"Black", "Red"}));
    QCOMPARE(supply.getPrintingPalette(), (QList<QColor>{QColor("#000000"), QColor("#dc0b0b")}));
    QCOMPARE(supply.getLoadedRibbonMask(), 3);
}

void CupsPrintTest::unknownPrinterIsReported()
{
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(576, 72));
    PrintControllerLinux controller(false, canvas.data(), nullptr);
    controller.setPrinterName(QStringLiteral("no-such-printer"));
    QSignalSpy codes(&controller, &PrintController::printErrorCodeSignal);
    QVERIFY(!controller.printCanvas());
    QCOMPARE(codes.count(), 1);
    QCOMPARE(codes.first().first().value<TamsyPrintError>(), PrinterNotFound);
}

void CupsPrintTest::quitPrintingCancelsWhatIsStillQueued()
{
    const QString hold = m_out + QStringLiteral("/hold");
    QVERIFY(writeFile(hold, "wait"));
    QScopedPointer<MvCanvasModel> canvas(labelCanvas(576, 72));
    PrintControllerLinux controller(false, canvas.data(), nullptr);
    QVERIFY(controller.printCanvas());
    const int first = controller.lastPrint().job;
    QVERIFY(controller.printCanvas());
    const int second = controller.lastPrint().job;
    QCOMPARE(CupsQueue::pendingJobs(Queue, {first, second}).size(), 2);
    QCOMPARE(controller.cancelPendingJobs(), 2);
    QVERIFY(CupsQueue::pendingJobs(Queue, {first, second}).isEmpty());
    QFile::remove(hold);
    QTest::qWait(500);
    QVERIFY(!QFile::exists(m_out + QStringLiteral("/job-%1.pdf").arg(second)));
}

void CupsPrintTest::renderToolListsAndPrints()
{
    QString listed;
    QVERIFY(runTool(QStringLiteral(VENDREL_RENDER), {QStringLiteral("--list-printers")}, &listed));
    QVERIFY2(listed.startsWith(Queue + QStringLiteral("\tdefault\tready\tlocal")),
             qPrintable(listed));

    // A label saved by the editor, printed from the command line.
    AmmoniaController ammonia;
    PipeFileController files;
    files.setContentModule(&ammonia);
    const QString label = m_root.filePath(QStringLiteral("line.qyam"));
    QVERIFY(files.saveTemplateToFile(label));
    const QSizeF size = ammonia.getCanvas()->getCanvasSize();
    QString printed;
    QVERIFY2(runTool(QStringLiteral(VENDREL_RENDER),
                     {label, QStringLiteral("--print"), Queue, QStringLiteral("--copies"),
                      QStringLiteral("3")},
                     &printed),
             qPrintable(printed));
    const int job = printed.section(QStringLiteral("job "), 1).trimmed().toInt();
    QVERIFY2(job > 0, qPrintable(printed));
    const QString output = waitForJob(job);
    QVERIFY(!output.isEmpty());
    const QSizeF page = pdfPageSizes(output).value(0);
    QVERIFY(qAbs(page.width() - size.width()) < 0.5);
    QVERIFY(qAbs(page.height() - size.height()) < 0.5);
    QFile copiesFile(m_out + QStringLiteral("/job-%1.copies").arg(job));
    QVERIFY(copiesFile.open(QIODevice::ReadOnly));
    QCOMPARE(copiesFile.readAll().trimmed(), QByteArray("3"));

    QString refused;
    QVERIFY(!runTool(QStringLiteral(VENDREL_RENDER),
                     {label, QStringLiteral("--print"), QStringLiteral("nowhere")}, &refused));
    QVERIFY2(refused.contains(QStringLiteral("cannot be found")), qPrintable(refused));
}

void CupsPrintTest::lineListIsOneJobOfLabelsOfTheirSizes()
{
    // Two pipe markers of different sizes, the second twice: one job, three pages,
    // each the size of its label.
    const QString list = m_root.filePath(QStringLiteral("lines.csv"));
    QVERIFY(writeFile(list, "legend,diameter,quantity\nSTEAM,1 in,1\nCHILLED WATER SUPPLY,8 in,2\n"));
    QString printed;
    QVERIFY2(runTool(QStringLiteral(VENDREL_RENDER),
                     {QStringLiteral("--batch"), list, QStringLiteral("--print"), Queue},
                     &printed),
             qPrintable(printed));
    const int job = printed.section(QStringLiteral("job "), 1).trimmed().toInt();
    QVERIFY2(job > 0, qPrintable(printed));
    const QString output = waitForJob(job);
    QVERIFY(!output.isEmpty());
    const QList<QSizeF> pages = pdfPageSizes(output);
    QCOMPARE(pages.size(), 3);
    QVERIFY2(pages.at(0).width() < pages.at(1).width(), "the larger pipe has the longer label");
    QCOMPARE(pages.at(1), pages.at(2));
    // No single page size was forced on the job.
    QFile options(m_out + QStringLiteral("/job-%1.options").arg(job));
    QVERIFY(options.open(QIODevice::ReadOnly));
    QVERIFY2(!options.readAll().contains("media=Custom"), "one size for every page");
}

QTEST_MAIN(CupsPrintTest)
#include "tst_cupsprint.moc"
