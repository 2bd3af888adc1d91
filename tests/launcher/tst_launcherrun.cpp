#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

// Runs the real program headless, ends it the way a session logout does, and reads
// what it reported about the run.
class LauncherRunTest : public QObject
{
    Q_OBJECT

private slots:
    void runReportsStartAndEndWithOneSession();

private:
    static QString hitsFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Morvantic/Vendrel/analytics/hits.jsonl");
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

QTEST_GUILESS_MAIN(LauncherRunTest)
#include "tst_launcherrun.moc"
