#include "logging/cutemessagelogger.h"

#include <QMessageLogger>
#include <QStandardPaths>

CuteMessageLogger& CuteMessageLogger::loggerInstance()
{
    static CuteMessageLogger logger;
    return logger;
}

CuteMessageLogger& loggerInstance()
{
    return CuteMessageLogger::loggerInstance();
}

void CuteMessageLogger::write(QtMsgType level, const QString& source, const QString& function,
                              const QString& message)
{
    // The context keeps raw pointers: the byte arrays must outlive the call.
    const QByteArray file = source.toUtf8();
    const QByteArray func = function.toUtf8();
    const QByteArray text = message.toUtf8();
    const QMessageLogger logger(file.isEmpty() ? nullptr : file.constData(), 0,
                                func.isEmpty() ? nullptr : func.constData(), "default");
    switch (level) {
    case QtDebugMsg:
        logger.debug("%s", text.constData());
        break;
    case QtInfoMsg:
        logger.info("%s", text.constData());
        break;
    case QtWarningMsg:
        logger.warning("%s", text.constData());
        break;
    case QtCriticalMsg:
        logger.critical("%s", text.constData());
        break;
    case QtFatalMsg:
        logger.fatal("%s", text.constData());
    }
}

QString CuteMessageLogger::logFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/logs/vendrel.log");
}
