#include "analytics/analyticslibrary.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

namespace {

QList<QByteArray> hitLines()
{
    QFile file(AnalyticsLibrary::hitsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) // a complete file ends in a newline
        lines.removeLast();
    return lines;
}

QJsonObject sessionRecord(int n)
{
    return {{"applicationName", "Vendrel"},
            {"sessionId", "0d6f3c1e-8a0b-4c55-9a0e-1b2c3d4e5f60"},
            {"softwareVersion", "3.0.5.5"},
            {"n", n}};
}

} // namespace

class TestAnalytics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hitsAreAppendedOneLineEachInOrder_data();
    void hitsAreAppendedOneLineEachInOrder();
    void unwritableStoreReportsFailure();
};

void TestAnalytics::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
}

void TestAnalytics::hitsAreAppendedOneLineEachInOrder_data()
{
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QJsonObject>("extra"); // members added to every record
    QTest::newRow("session start, saves, end") << QList<int>{0, 2, 2, 1} << QJsonObject();
    QTest::newRow("line breaks and non-ASCII stay inside the line")
        << QList<int>{2} << QJsonObject{{"text", "NH\u2083\nLIQ\r\"x\""}};
}

void TestAnalytics::hitsAreAppendedOneLineEachInOrder()
{
    QFETCH(QList<int>, types);
    QFETCH(QJsonObject, extra);
    QDir(QFileInfo(AnalyticsLibrary::hitsFilePath()).absolutePath()).removeRecursively();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    for (int i = 0; i < types.size(); ++i) {
        QJsonObject record = sessionRecord(i);
        for (auto it = extra.begin(); it != extra.end(); ++it)
            record.insert(it.key(), it.value());
        QVERIFY(AnalyticsLibrary::sendAnalyticHit(types.at(i), record));
    }

    const QList<QByteArray> lines = hitLines();
    QCOMPARE(lines.size(), types.size());
    for (int i = 0; i < types.size(); ++i) {
        QVERIFY(lines.at(i).startsWith("{\"hitType\":" + QByteArray::number(types.at(i)) +
                                       ",\"time\":\""));
        QJsonParseError error;
        const QJsonObject hit = QJsonDocument::fromJson(lines.at(i), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(hit.keys(), (QStringList{"hitType", "record", "time"}));
        QJsonObject record = sessionRecord(i);
        for (auto it = extra.begin(); it != extra.end(); ++it)
            record.insert(it.key(), it.value());
        QCOMPARE(hit.value("record").toObject(), record);
        const QString time = hit.value("time").toString();
        QVERIFY2(time.endsWith('Z'), qPrintable(time));
        const QDateTime at = QDateTime::fromString(time, Qt::ISODateWithMs);
        QVERIFY(at >= before && at <= QDateTime::currentDateTimeUtc().addSecs(1));
    }
}

void TestAnalytics::unwritableStoreReportsFailure()
{
    const QString hits = AnalyticsLibrary::hitsFilePath();
    QDir(QFileInfo(hits).absolutePath()).removeRecursively();
    QVERIFY(QDir().mkpath(hits)); // a folder where the file belongs
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Analytics hit 2 not recorded: "));
    QVERIFY(!AnalyticsLibrary::sendAnalyticHit(2, sessionRecord(0)));
    QVERIFY(QFileInfo(hits).isDir());
}

QTEST_GUILESS_MAIN(TestAnalytics)
#include "tst_analytics.moc"
