#ifndef CUTEMESSAGELOGGER_H
#define CUTEMESSAGELOGGER_H

#include <QString>
#include <QtGlobal>

// Entry point for code that wants to log with an explicit origin (a source
// name and a function signature) rather than the compiler's. Everything goes
// through Qt's message machinery, so the one installed handler writes it and
// tests can capture it with their own qInstallMessageHandler.
class CuteMessageLogger
{
public:
    static CuteMessageLogger& loggerInstance();

    // Logs `message` at `level` with `source` as the file and `function` as
    // the function of the message context (category "default"). QtCriticalMsg
    // is the error level and is written as "ERROR". QtFatalMsg behaves like
    // qFatal: the line is written and the process aborts.
    void write(QtMsgType level, const QString& source, const QString& function,
               const QString& message);

    // <application data folder>/logs/vendrel.log; empty when the platform
    // gives no writable application data folder.
    static QString logFilePath();

private:
    CuteMessageLogger() = default;
    Q_DISABLE_COPY(CuteMessageLogger)
};

// The process logger; the same object as CuteMessageLogger::loggerInstance().
CuteMessageLogger& loggerInstance();

// Installs the process-wide log handler: every Qt message becomes one
// timestamped, levelled line in CuteMessageLogger::logFilePath() and on stderr.
//
// Call it once the application's organisation and name are set (they decide
// the log folder). Later calls do nothing, also from a second copy of this
// library linked into another module of the same process.
//
// The handler that was installed before (for instance the launcher's noise
// filter) is kept: the formatted line is handed on to it for the stderr
// output, so whatever it drops never reaches the console. The log file gets
// every message, so a report from a user always holds the full story.
void setupLogger();

#endif
