#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <chrono>

// Runs the real program headless, ends it the way a session logout does, and reads
// what it reported about the run.
class LauncherRunTest : public QObject
{
    Q_OBJECT

private slots:
    void runReportsStartAndEndWithOneSession();
    void shownTimeIsReportedOnlyWhenAsked_data();
    void shownTimeIsReportedOnlyWhenAsked();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();

private:
    static QString hitsFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Morvantic/Vendrel/analytics/hits.jsonl");
    }
    static qint64 steadyNanoseconds()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    static QList<QJsonObject> hits()
    {
        QFile file(hitsFile());
        QList<QJsonObject> result;
        if (!file.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                result << QJsonDocument::fromJson(line).object();
        return result;
    }
};

void LauncherRunTest::runReportsStartAndEndWithOneSession()
{
    QFile::remove(hitsFile());
    QProcess editor;
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    editor.start(QStringLiteral(VENDREL_PROGRAM), {QStringLiteral("--mvtestmode")});
    QVERIFY(editor.waitForStarted(10000));
    QTRY_COMPARE_WITH_TIMEOUT(hits().size(), 1, 30000);

    editor.terminate();
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);

    const QList<QJsonObject> lines = hits();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].value(QStringLiteral("hitType")).toInt(), 0);
    QCOMPARE(lines[1].value(QStringLiteral("hitType")).toInt(), 1);
    const QRegularExpression uuid(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    const QString session = lines[0]
                                .value(QStringLiteral("record"))
                                .toObject()
                                .value(QStringLiteral("sessionId"))
                                .toString();
    QCOMPARE(session.size(), 36);
    QVERIFY2(uuid.match(session).hasMatch(), qPrintable(session));
    for (const QJsonObject& line : lines) {
        const QJsonObject record = line.value(QStringLiteral("record")).toObject();
        QCOMPARE(record.keys(), (QStringList{"applicationName", "sessionId", "softwareVersion"}));
        QCOMPARE(record.value(QStringLiteral("applicationName")).toString(),
                 QStringLiteral("Vendrel"));
        QCOMPARE(record.value(QStringLiteral("sessionId")).toString(), session);
        QCOMPARE(record.value(QStringLiteral("softwareVersion")).toString(),
                 QStringLiteral("3.0.5.5"));
    }
}

void LauncherRunTest::shownTimeIsReportedOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("asked");
    QTest::newRow("asked") << true;
    QTest::newRow("not asked") << false;
}

// The start-up benchmark takes the time between its start of the program and the
// line as the start-up time: it must come once, after the start, and never
// unasked, since an ordinary run's output is the user's.
void LauncherRunTest::shownTimeIsReportedOnlyWhenAsked()
{
    QFETCH(bool, asked);
    QFile::remove(hitsFile());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("VENDREL_REPORT_SHOWN"));
    if (asked)
        environment.insert(QStringLiteral("VENDREL_REPORT_SHOWN"), QStringLiteral("1"));
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = steadyNanoseconds();
    editor.start(QStringLiteral(VENDREL_PROGRAM), {QStringLiteral("--mvtestmode")});
    QVERIFY(editor.waitForStarted(10000));

    QByteArray output;
    if (asked) {
        QTRY_VERIFY_WITH_TIMEOUT((output += editor.readAllStandardOutput()).contains('\n'), 30000);
    } else {
        // The start hit is sent after the window is shown; the event loop that would
        // report is running by then.
        QTRY_COMPARE_WITH_TIMEOUT(hits().size(), 1, 30000);
        QTest::qWait(200);
    }
    const qint64 read = steadyNanoseconds();
    editor.terminate();
    QVERIFY(editor.waitForFinished(30000));
    output += editor.readAllStandardOutput();

    const QList<QByteArray> lines = output.split('\n');
    QList<QByteArray> shownLines;
    for (const QByteArray& line : lines)
        if (line.startsWith("shown "))
            shownLines << line;
    if (!asked) {
        QVERIFY2(shownLines.isEmpty(), output.constData());
        return;
    }
    QCOMPARE(shownLines.size(), 1);
    bool number = false;
    const qint64 shown = shownLines.first().mid(6).toLongLong(&number);
    QVERIFY2(number, shownLines.first().constData());
    QVERIFY(shown > started);
    QVERIFY(shown < read);
}

QTEST_GUILESS_MAIN(LauncherRunTest)

void LauncherRunTest::helpAndVersionNeedNoDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("help") << QStringList{"--help"} << "Usage: vendrel [--mvtestmode] [FILE]";
    QTest::newRow("short help after a file")
        << QStringList{"a.qypm", "-h"} << "Usage: vendrel [--mvtestmode] [FILE]";
    QTest::newRow("version") << QStringList{"--version"} << "vendrel 3.0.5.5";
    QTest::newRow("help wins over version")
        << QStringList{"--version", "--help"} << "Usage: vendrel [--mvtestmode] [FILE]";
}

void LauncherRunTest::helpAndVersionNeedNoDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);
    QFile::remove(hitsFile());
    QProcess editor;
    // Without a display the editor itself could not start: only the text can come.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(VENDREL_PROGRAM), arguments);
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    const QString output = QString::fromLocal8Bit(editor.readAllStandardOutput());
    QCOMPARE(output.section(QLatin1Char('\n'), 0, 0), firstLine);
    if (firstLine.startsWith(QLatin1String("Usage"))) {
        for (const char* suffix : {".qypm", ".qyam", ".qyaw"})
            QVERIFY2(output.contains(QLatin1String(suffix)), suffix);
    }
    QVERIFY(hits().isEmpty());
}

#include "tst_launcherrun.moc"
