#include "logmessagehandler.h"
#include "setuplogger.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Stands in for the launcher's filter that is installed before the logger.
struct ChainedMessage
{
    QtMsgType type;
    QString text;
};
QList<ChainedMessage> s_chained;
void recordChained(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    s_chained.append({type, text});
}

struct CapturedMessage
{
    QtMsgType type = QtDebugMsg;
    QString file;
    QString function;
    QString text;
};
CapturedMessage s_captured;
void captureMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    s_captured = {type, QString::fromUtf8(context.file), QString::fromUtf8(context.function), text};
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
    void previousHandlerStillReceivesEveryLine();
    void secondSetupDoesNotDoubleLines();
    void errorWithExplicitOriginCanBeCaptured();
    void lineFormatNamesOriginWhenKnown_data();
    void lineFormatNamesOriginWhenKnown();
    void largeLogIsMovedAside_data();
    void largeLogIsMovedAside();

private:
    QtMessageHandler m_testHandler = nullptr;
};

void TestLogging::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Vendrel"));
    QVERIFY(!QFile::exists(CuteMessageLogger::logFilePath()));
    m_testHandler = qInstallMessageHandler(recordChained);
    setupLogger();
    QVERIFY(LogMessageHandler::isInstalled());
    QVERIFY(QFile::exists(CuteMessageLogger::logFilePath()));
    QVERIFY(CuteMessageLogger::logFilePath().endsWith(QStringLiteral("/Vendrel/logs/vendrel.log")));
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
    QTest::newRow("warning macro") << QtWarningMsg << true << "WARNING";
    QTest::newRow("error macro") << QtCriticalMsg << true << "ERROR";
    QTest::newRow("info macro") << QtInfoMsg << true << "INFO";
    QTest::newRow("warning logger") << QtWarningMsg << false << "WARNING";
    QTest::newRow("error logger") << QtCriticalMsg << false << "ERROR";
    QTest::newRow("debug logger") << QtDebugMsg << false << "DEBUG";
}

void TestLogging::messagesBecomeLevelledLinesInLogFile()
{
    QFETCH(QtMsgType, type);
    QFETCH(bool, throughMacro);
    QFETCH(QString, level);
    const QString text = QStringLiteral("pump room %1 ").arg(QTest::currentDataTag()) +
                         QChar(0x00e9); // non-ASCII must survive
    const int before = logLines().size();
    if (throughMacro) {
        if (type == QtWarningMsg)
            qWarning("%s", qUtf8Printable(text));
        else if (type == QtCriticalMsg)
            qCritical("%s", qUtf8Printable(text));
        else
            qInfo("%s", qUtf8Printable(text));
    } else {
        loggerInstance().write(type, QStringLiteral("label_reader"), QStringLiteral("void read()"),
                               text);
    }
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), before + 1);
    const QString line = lines.last();
    QVERIFY2(
        QDateTime::fromString(line.section(QLatin1Char(' '), 0, 0), Qt::ISODateWithMs).isValid(),
        qPrintable(line));
    QCOMPARE(line.section(QLatin1Char(' '), 1, 1), level);
    QVERIFY2(line.contains(text), qPrintable(line));
    if (!throughMacro)
        QVERIFY2(line.endsWith(QStringLiteral("(label_reader, void read())")), qPrintable(line));
}

void TestLogging::previousHandlerStillReceivesEveryLine()
{
    s_chained.clear();
    qWarning("Image filename is empty");
    loggerInstance().write(QtCriticalMsg, QString(), QString(), QStringLiteral("disk full"));
    QCOMPARE(s_chained.size(), 2);
    QCOMPARE(s_chained.at(0).type, QtWarningMsg);
    QVERIFY(s_chained.at(0).text.contains(
        QStringLiteral(" WARNING [default] Image filename is empty")));
    QCOMPARE(s_chained.at(1).type, QtCriticalMsg);
    QVERIFY(s_chained.at(1).text.endsWith(QStringLiteral(" ERROR [default] disk full")));
    // The file keeps what a filter further down drops from the console.
    QVERIFY(
        logLines().at(logLines().size() - 2).endsWith(QStringLiteral("Image filename is empty")));
}

void TestLogging::secondSetupDoesNotDoubleLines()
{
    setupLogger();
    QVERIFY(!LogMessageHandler::install(CuteMessageLogger::logFilePath()));
    s_chained.clear();
    qWarning("only once please");
    QCOMPARE(logLines().filter(QStringLiteral("only once please")).size(), 1);
    QCOMPARE(s_chained.size(), 1);
}

void TestLogging::errorWithExplicitOriginCanBeCaptured()
{
    const QtMessageHandler logger = qInstallMessageHandler(captureMessage);
    loggerInstance().write(
        QtCriticalMsg, QStringLiteral("pipe_file_controller"),
        QStringLiteral("bool PipeFileController::loadTemplateFromFile(const QString&, bool)"),
        QStringLiteral("Error loading file: Invalid magic number: 4C"));
    qInstallMessageHandler(logger);
    QCOMPARE(s_captured.type, QtCriticalMsg);
    QCOMPARE(s_captured.file, QStringLiteral("pipe_file_controller"));
    QCOMPARE(s_captured.function,
             QStringLiteral("bool PipeFileController::loadTemplateFromFile(const QString&, bool)"));
    QCOMPARE(s_captured.text, QStringLiteral("Error loading file: Invalid magic number: 4C"));
}

void TestLogging::lineFormatNamesOriginWhenKnown_data()
{
    QTest::addColumn<QtMsgType>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const QString t = QStringLiteral("2024-03-05T07:08:09.010Z");
    QTest::newRow("no origin") << QtWarningMsg << QByteArray() << 0 << QByteArray() << QByteArray()
                               << "lost" << t + " WARNING [default] lost";
    QTest::newRow("file, line and function")
        << QtCriticalMsg << QByteArray("saver.cpp") << 42 << QByteArray("bool save()")
        << QByteArray("files") << "failed"
        << t + " ERROR [files] failed (saver.cpp:42, bool save())";
    QTest::newRow("function only")
        << QtInfoMsg << QByteArray() << 0 << QByteArray("void f()") << QByteArray("default") << "hi"
        << t + " INFO [default] hi (void f())";
    QTest::newRow("fatal") << QtFatalMsg << QByteArray("a.cpp") << 0 << QByteArray() << QByteArray()
                           << "gone" << t + " FATAL [default] gone (a.cpp)";
    QTest::newRow("multi-line") << QtDebugMsg << QByteArray() << 0 << QByteArray() << QByteArray()
                                << "one\ntwo" << t + " DEBUG [default] one\n\ttwo";
}

void TestLogging::lineFormatNamesOriginWhenKnown()
{
    QFETCH(QtMsgType, type);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, category);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    const QMessageLogContext context(file.isEmpty() ? nullptr : file.constData(), line,
                                     function.isEmpty() ? nullptr : function.constData(),
                                     category.isEmpty() ? nullptr : category.constData());
    // A local time must still be written as UTC.
    const QDateTime time =
        QDateTime(QDate(2024, 3, 5), QTime(9, 8, 9, 10), Qt::OffsetFromUTC, 2 * 3600);
    QCOMPARE(LogMessageHandler::formatLine(type, context, message, time), expected);
}

void TestLogging::largeLogIsMovedAside_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("moved");
    QTest::newRow("small") << 10 << false;
    QTest::newRow("at limit") << 100 << false;
    QTest::newRow("over limit") << 101 << true;
}

void TestLogging::largeLogIsMovedAside()
{
    QFETCH(int, size);
    QFETCH(bool, moved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.log"));
    QFile older(path + QStringLiteral(".1"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("old");
    older.close();
    QFile log(path);
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write(QByteArray(size, 'x'));
    log.close();

    QCOMPARE(LogMessageHandler::rotateIfLarger(path, 100), moved);
    QCOMPARE(QFile::exists(path), !moved);
    QCOMPARE(QFileInfo(path + QStringLiteral(".1")).size(), moved ? qint64(size) : qint64(3));
}

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
