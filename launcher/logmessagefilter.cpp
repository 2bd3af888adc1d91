#include "logmessagefilter.h"

#include <QString>

QtMessageHandler LogMessageFilter::m_previous = nullptr;

void LogMessageFilter::install()
{
    m_previous = qInstallMessageHandler(&LogMessageFilter::handle);
}

bool LogMessageFilter::isDropped(const QString& message)
{
    return message.contains(QLatin1String("Image filename is empty")) ||
           message.contains(QLatin1String("libpng warning: iCCP: known incorrect sRGB profile"));
}

void LogMessageFilter::handle(QtMsgType type, const QMessageLogContext& context,
                              const QString& message)
{
    if (isDropped(message))
        return;
    if (m_previous)
        m_previous(type, context, message);
}
