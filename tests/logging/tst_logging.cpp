#include "logging/logmessagehandler.h"
#include "logging/setuplogger.h"

#include <QFile>
#include <QtTest>

namespace {

// Stands in for the launcher's filter, installed before the logger.
QStringList s_chained;
void recordChained(QtMsgType, const QMessageLogContext&, const QString& text)
{
    s_chained.append(text);
}

QtMsgType s_capturedType = QtDebugMsg;
QStringList s_captured; // file, function, text
void captureMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    s_capturedType = type;
    s_captured = QStringList{context.file, context.function, text};
}

QStringList logLines()
{
    QFile file(CuteMessageLogger::logFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

Q_DECLARE_METATYPE(QtMsgType)

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void messagesBecomeLevelledLinesInLogFile_data();
    void messagesBecomeLevelledLinesInLogFile();
    void previousHandlerStillReceivesEveryLineOnce();
    void errorWithExplicitOriginCanBeCaptured();
    void lineNamesOriginAndKeepsOneEntryPerLine();

private:
    QtMessageHandler m_testHandler = nullptr;
};

void TestLogging::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QVERIFY(CuteMessageLogger::logFilePath().endsWith(QStringLiteral("/Vendrel/logs/vendrel.log")));
    QVERIFY(!QFile::exists(CuteMessageLogger::logFilePath()));
    m_testHandler = qInstallMessageHandler(recordChained);
    setupLogger();
    QVERIFY(QFile::exists(CuteMessageLogger::logFilePath()));
}

void TestLogging::cleanupTestCase()
{
    qInstallMessageHandler(m_testHandler);
}

void TestLogging::messagesBecomeLevelledLinesInLogFile_data()
{
    QTest::addColumn<QtMsgType>("type");
    QTest::addColumn<bool>("throughMacro");
    QTest::addColumn<QString>("level");
    QTest::newRow("qWarning") << QtWarningMsg << true << "WARNING";
    QTest::newRow("qCritical") << QtCriticalMsg << true << "ERROR";
    QTest::newRow("logger warning") << QtWarningMsg << false << "WARNING";
    QTest::newRow("logger error") << QtCriticalMsg << false << "ERROR";
    QTest::newRow("logger info") << QtInfoMsg << false << "INFO";
}

void TestLogging::messagesBecomeLevelledLinesInLogFile()
{
    QFETCH(QtMsgType, type);
    QFETCH(bool, throughMacro);
    QFETCH(QString, level);
    const QString text = QStringLiteral("pump room \u00e9 ") + QTest::currentDataTag();
    const int before = logLines().size();
    if (!throughMacro)
        loggerInstance().write(type, "label_reader", "void read()", text);
    else if (type == QtWarningMsg)
        qWarning("%s", qUtf8Printable(text));
    else
        qCritical("%s", qUtf8Printable(text));

    const QStringList lines = logLines();
    QCOMPARE(lines.size(), before + 1);
    const QString line = lines.last();
    QVERIFY2(QDateTime::fromString(line.section(' ', 0, 0), Qt::ISODateWithMs).isValid(),
             qPrintable(line));
    QCOMPARE(line.section(' ', 1, 1), level);
    QVERIFY2(line.contains(text), qPrintable(line));
    if (!throughMacro)
        QVERIFY2(line.endsWith("(label_reader, void read())"), qPrintable(line));
}

void TestLogging::previousHandlerStillReceivesEveryLineOnce()
{
    setupLogger(); // a second call must not stack a second handler
    QVERIFY(!LogMessageHandler::install(CuteMessageLogger::logFilePath()));
    s_chained.clear();
    qWarning("Image filename is empty");
    QCOMPARE(s_chained.size(), 1);
    QVERIFY(s_chained.first().endsWith(" WARNING [default] Image filename is empty"));
    QCOMPARE(logLines().filter("Image filename is empty").size(), 1);
}

void TestLogging::errorWithExplicitOriginCanBeCaptured()
{
    const QtMessageHandler logger = qInstallMessageHandler(captureMessage);
    const QString function = "bool PipeFileController::loadTemplateFromFile(const QString&, bool)";
    loggerInstance().write(QtCriticalMsg, "pipe_file_controller", function,
                           "Error loading file: Invalid magic number: 4C");
    qInstallMessageHandler(logger);
    QCOMPARE(s_capturedType, QtCriticalMsg);
    QCOMPARE(s_captured, (QStringList{"pipe_file_controller", function,
                                      "Error loading file: Invalid magic number: 4C"}));
}

void TestLogging::lineNamesOriginAndKeepsOneEntryPerLine()
{
    // A local time is written as UTC.
    const QDateTime time(QDate(2024, 3, 5), QTime(9, 8, 9, 10), Qt::OffsetFromUTC, 2 * 3600);
    const QMessageLogContext full("saver.cpp", 42, "bool save()", "files");
    QCOMPARE(
        LogMessageHandler::formatLine(QtCriticalMsg, full, "failed\nfor good", time),
        "2024-03-05T07:08:09.010Z ERROR [files] failed\n\tfor good (saver.cpp:42, bool save())");
    const QMessageLogContext none;
    QCOMPARE(LogMessageHandler::formatLine(QtFatalMsg, none, "gone", time),
             "2024-03-05T07:08:09.010Z FATAL [default] gone");
}

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
