#ifndef LOGMESSAGEHANDLER_H
#define LOGMESSAGEHANDLER_H

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The Qt message handler behind setupLogger(). Its state lives in the copy of
// this library that installed it; other copies in the same process only log
// through Qt and so end up here as well.
class LogMessageHandler
{
public:
    // Installs the handler once per process; false when it was already
    // installed (by this or another copy). The file is opened for appending;
    // when it cannot be, lines still go to stderr and a warning says why.
    static bool install(const QString& logFilePath);
    static bool isInstalled();

    // "<UTC ISO time> <LEVEL> [<category>] <message>[ (<file>[:<line>], <function>)]".
    // Continuation lines of a multi-line message are indented by a tab so
    // that every entry starts with its time.
    static QString formatLine(QtMsgType type, const QMessageLogContext& context,
                              const QString& message, const QDateTime& time);
    static QString levelName(QtMsgType type);
};

#endif
