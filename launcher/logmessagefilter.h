#ifndef LOGMESSAGEFILTER_H
#define LOGMESSAGEFILTER_H

#include <QtGlobal>

// Drops two harmless messages that image loading repeats endlessly and passes every
// other message unchanged to the handler that was in force before.
class LogMessageFilter
{
public:
    LogMessageFilter() = delete;

    static void install();
    static bool isDropped(const QString& message);

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);
    static QtMessageHandler m_previous;
};

#endif
