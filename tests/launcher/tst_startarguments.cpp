#include "logmessagefilter.h"
#include "startarguments.h"
#include "terminationwatcher.h"

#include <QtTest>

#include <fcntl.h>

class StartArgumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void commandLineChoosesModuleAndFile_data();
    void commandLineChoosesModuleAndFile();
    void filterDropsOnlyTheTwoImageMessages_data();
    void filterDropsOnlyTheTwoImageMessages();
    void terminationWatcherSocketsStayWithTheEditor();
};

void StartArgumentsTest::commandLineChoosesModuleAndFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");

    QTest::newRow("no arguments") << QStringList{} << false << 0 << QString();
    QTest::newRow("capital arrow wrap suffix")
        << QStringList{"label.QYAW"} << false << 2 << "label.QYAW";
    QTest::newRow("capital flag before ammonia file")
        << QStringList{"--MVTESTMODE", "x.qyam"} << true << 1 << "x.qyam";
    QTest::newRow("flag after ammonia file")
        << QStringList{"x.qyam", "--mvtestmode"} << true << 1 << "x.qyam";
    QTest::newRow("flag before pipe marker file")
        << QStringList{"--mvtestmode", "dir/p.qypm"} << true << 0 << "dir/p.qypm";
    QTest::newRow("flag after pipe marker file")
        << QStringList{"dir/p.qypm", "--mvtestmode"} << true << 0 << "dir/p.qypm";
    QTest::newRow("generic label kind is not opened")
        << QStringList{"a.qyld"} << false << 0 << QString();
    QTest::newRow("foreign suffix") << QStringList{"a.txt"} << false << 0 << QString();
    QTest::newRow("no suffix") << QStringList{"label"} << false << 0 << QString();
    QTest::newRow("dot only in folder name")
        << QStringList{"my.labels/label"} << false << 0 << QString();
    QTest::newRow("two files: only the first counts")
        << QStringList{"a.qyaw", "b.qyam"} << false << 2 << "a.qyaw";
    QTest::newRow("first file foreign, second ignored")
        << QStringList{"a.txt", "b.qyam"} << false << 0 << QString();
    QTest::newRow("flag only") << QStringList{"--mvtestmode"} << true << 0 << QString();
    QTest::newRow("second flag counts as the file")
        << QStringList{"--mvtestmode", "--MvTestMode"} << true << 0 << QString();
    QTest::newRow("relative path kept unchanged")
        << QStringList{"../x/./y.QyAm"} << false << 1 << "../x/./y.QyAm";
}

void StartArgumentsTest::commandLineChoosesModuleAndFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, testMode);
    QFETCH(int, kind);
    QFETCH(QString, path);

    arguments.prepend(QStringLiteral("/usr/bin/vendrel"));
    const StartArguments start = StartArguments::parse(arguments);
    QCOMPARE(start.testMode, testMode);
    QCOMPARE(start.kind, kind);
    QCOMPARE(start.path, path);
}

namespace {
QStringList passedOn;
void recordingHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    passedOn << message;
}
} // namespace

void StartArgumentsTest::filterDropsOnlyTheTwoImageMessages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("empty image name") << "QImage: Image filename is empty, skipped" << true;
    QTest::newRow("sRGB profile") << "libpng warning: iCCP: known incorrect sRGB profile" << true;
    QTest::newRow("other case is kept") << "image FILENAME is empty" << false;
    QTest::newRow("ordinary message") << "Error loading file: Invalid magic number: 4C" << false;
}

void StartArgumentsTest::filterDropsOnlyTheTwoImageMessages()
{
    QFETCH(QString, message);
    QFETCH(bool, dropped);

    passedOn.clear();
    const QtMessageHandler before = qInstallMessageHandler(recordingHandler);
    LogMessageFilter::install();
    qWarning("%s", qUtf8Printable(message));
    qInstallMessageHandler(before);

    QCOMPARE(passedOn.isEmpty(), dropped);
    if (!dropped)
        QCOMPARE(passedOn.value(0), message);
}

namespace {
QSet<int> openDescriptors()
{
    QSet<int> descriptors;
    const QStringList names =
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString& name : names)
        descriptors.insert(name.toInt());
    return descriptors;
}
} // namespace

// Programs started from the editor (the print stack, a help viewer) must not
// inherit the watcher's sockets: they would keep them open past the editor.
void StartArgumentsTest::terminationWatcherSocketsStayWithTheEditor()
{
    const QSet<int> before = openDescriptors();
    TerminationWatcher watcher;
    const QSet<int> added = openDescriptors() - before;
    QCOMPARE(added.size(), 2);
    for (int descriptor : added) {
        const int flags = ::fcntl(descriptor, F_GETFD);
        QVERIFY2(flags != -1 && (flags & FD_CLOEXEC), qPrintable(QString::number(descriptor)));
    }
}

QTEST_GUILESS_MAIN(StartArgumentsTest)
#include "tst_startarguments.moc"
