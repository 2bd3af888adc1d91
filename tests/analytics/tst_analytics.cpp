#include "analyticslibrary.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
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
    // A complete file ends in a newline, leaving one empty piece.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QJsonObject sessionRecord()
{
    return {{QStringLiteral("applicationName"), QStringLiteral("Vendrel")},
            {QStringLiteral("sessionId"), QStringLiteral("0d6f3c1e-8a0b-4c55-9a0e-1b2c3d4e5f60")},
            {QStringLiteral("softwareVersion"), QStringLiteral("3.0.5.5")}};
}

} // namespace

class TestAnalytics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void eachHitIsOneLineWithTheRecord_data();
    void eachHitIsOneLineWithTheRecord();
    void hitsAreAppendedInOrder();
    void unwritableStoreReportsFailureAndKeepsFile_data();
    void unwritableStoreReportsFailureAndKeepsFile();
};

void TestAnalytics::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
}

void TestAnalytics::init()
{
    QDir(QFileInfo(AnalyticsLibrary::hitsFilePath()).absolutePath()).removeRecursively();
}

void TestAnalytics::eachHitIsOneLineWithTheRecord_data()
{
    QTest::addColumn<int>("hitType");
    QTest::addColumn<QJsonObject>("record");
    QTest::newRow("start of session") << 0 << sessionRecord();
    QTest::newRow("saved label") << 2 << sessionRecord();
    QTest::newRow("empty record") << 1 << QJsonObject();
    QTest::newRow("line breaks and non-ASCII stay inside the line")
        << 7
        << QJsonObject{{QStringLiteral("text"), QStringLiteral("NH\u2083\nLIQ\r\"x\"")},
                       {QStringLiteral("nested"), QJsonObject{{QStringLiteral("n"), 3}}},
                       {QStringLiteral("list"), QJsonArray{1, QStringLiteral("a")}}};
}

void TestAnalytics::eachHitIsOneLineWithTheRecord()
{
    QFETCH(int, hitType);
    QFETCH(QJsonObject, record);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    QVERIFY(AnalyticsLibrary::sendAnalyticHit(hitType, record));
    const QList<QByteArray> lines = hitLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(
        lines.first().startsWith("{\"hitType\":" + QByteArray::number(hitType) + ",\"time\":\""),
        lines.first().constData());

    QJsonParseError error;
    const QJsonObject hit = QJsonDocument::fromJson(lines.first(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(hit.keys(), (QStringList{QStringLiteral("hitType"), QStringLiteral("record"),
                                      QStringLiteral("time")}));
    QCOMPARE(hit.value(QStringLiteral("hitType")).toInt(-1), hitType);
    QCOMPARE(hit.value(QStringLiteral("record")).toObject(), record);
    const QString timeText = hit.value(QStringLiteral("time")).toString();
    QVERIFY2(timeText.endsWith(QLatin1Char('Z')), qPrintable(timeText));
    const QDateTime time = QDateTime::fromString(timeText, Qt::ISODateWithMs);
    QVERIFY(time >= before && time <= QDateTime::currentDateTimeUtc().addSecs(1));
}

void TestAnalytics::hitsAreAppendedInOrder()
{
    const QList<int> types{0, 2, 2, 1};
    for (int i = 0; i < types.size(); ++i) {
        QJsonObject record = sessionRecord();
        record.insert(QStringLiteral("n"), i);
        QVERIFY(AnalyticsLibrary::sendAnalyticHit(types.at(i), record));
    }
    const QList<QByteArray> lines = hitLines();
    QCOMPARE(lines.size(), types.size());
    for (int i = 0; i < types.size(); ++i) {
        const QJsonObject hit = QJsonDocument::fromJson(lines.at(i)).object();
        QCOMPARE(hit.value(QStringLiteral("hitType")).toInt(-1), types.at(i));
        QCOMPARE(
            hit.value(QStringLiteral("record")).toObject().value(QStringLiteral("n")).toInt(-1), i);
    }
}

void TestAnalytics::unwritableStoreReportsFailureAndKeepsFile_data()
{
    QTest::addColumn<bool>("folderIsFile");
    QTest::newRow("analytics folder is a plain file") << true;
    QTest::newRow("hits file is a folder") << false;
}

void TestAnalytics::unwritableStoreReportsFailureAndKeepsFile()
{
    QFETCH(bool, folderIsFile);
    const QString hits = AnalyticsLibrary::hitsFilePath();
    const QString folder = QFileInfo(hits).absolutePath();
    if (folderIsFile) {
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("keep me");
        blocker.close();
    } else {
        QVERIFY(QDir().mkpath(hits));
    }
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Analytics hit 2 not recorded: ")));
    QVERIFY(!AnalyticsLibrary::sendAnalyticHit(2, sessionRecord()));
    if (folderIsFile) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::ReadOnly));
        QCOMPARE(blocker.readAll(), QByteArray("keep me"));
        QVERIFY(QFile::remove(folder));
    } else {
        QVERIFY(QFileInfo(hits).isDir());
    }
}

QTEST_GUILESS_MAIN(TestAnalytics)
#include "tst_analytics.moc"
