#include "logging/logmessagehandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QVariant>

#include <cstdio>

namespace {

// Marks the application object once some copy of this library has installed
// its handler, so a second copy (editor library and launcher) does not stack
// a second handler that would write every line twice.
constexpr const char* InstalledProperty = "_vendrelLogHandlerInstalled";

QMutex s_fileMutex;
// Never deleted: threads may still log while static objects are destroyed.
QFile* s_file = nullptr;
QtMessageHandler s_previous = nullptr;
bool s_installed = false;
thread_local bool s_inHandler = false;

void writeStderr(const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Something logged while we write (for instance by QFile) is only passed
    // on; handling it here again would recurse or deadlock on the mutex.
    if (s_inHandler) {
        if (s_previous)
            s_previous(type, context, message);
        return;
    }
    s_inHandler = true;
    const QString line =
        LogMessageHandler::formatLine(type, context, message, QDateTime::currentDateTimeUtc());
    {
        const QMutexLocker lock(&s_fileMutex);
        if (s_file && s_file->isOpen()) {
            s_file->write(line.toUtf8() + '\n');
            s_file->flush();
        }
    }
    // The line already names file and function; an empty context keeps the
    // default handler from adding anything of its own.
    if (s_previous)
        s_previous(type, QMessageLogContext(), line);
    else
        writeStderr(line);
    s_inHandler = false;
}

} // namespace

bool LogMessageHandler::isInstalled()
{
    if (s_installed)
        return true;
    const QCoreApplication* app = QCoreApplication::instance();
    return app && app->property(InstalledProperty).toBool();
}

bool LogMessageHandler::install(const QString& logFilePath)
{
    if (isInstalled())
        return false;

    QString problem;
    if (logFilePath.isEmpty()) {
        problem = QStringLiteral("no writable application data folder");
    } else if (!QDir().mkpath(QFileInfo(logFilePath).absolutePath())) {
        problem = QStringLiteral("cannot create the folder of ") + logFilePath;
    } else {
        auto* file = new QFile(logFilePath);
        if (file->open(QIODevice::WriteOnly | QIODevice::Append)) {
            s_file = file;
        } else {
            problem = file->fileName() + QStringLiteral(": ") + file->errorString();
            delete file;
        }
    }

    s_previous = qInstallMessageHandler(handleMessage);
    s_installed = true;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->setProperty(InstalledProperty, true);
    if (!problem.isEmpty())
        qWarning("Logging to stderr only: %s", qUtf8Printable(problem));
    return true;
}

QString LogMessageHandler::levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("DEBUG");
    case QtInfoMsg:
        return QStringLiteral("INFO");
    case QtWarningMsg:
        return QStringLiteral("WARNING");
    case QtCriticalMsg:
        return QStringLiteral("ERROR");
    case QtFatalMsg:
        return QStringLiteral("FATAL");
    }
    return QStringLiteral("UNKNOWN");
}

QString LogMessageHandler::formatLine(QtMsgType type, const QMessageLogContext& context,
                                      const QString& message, const QDateTime& time)
{
    QString line = time.toUTC().toString(Qt::ISODateWithMs);
    line += QLatin1Char(' ') + levelName(type) + QStringLiteral(" [");
    line += context.category ? QString::fromUtf8(context.category) : QStringLiteral("default");
    line += QStringLiteral("] ");
    QString text = message;
    text.replace(QLatin1Char('\n'), QStringLiteral("\n\t"));
    line += text;

    QString origin;
    if (context.file && *context.file) {
        origin = QString::fromUtf8(context.file);
        if (context.line > 0)
            origin += QLatin1Char(':') + QString::number(context.line);
    }
    if (context.function && *context.function) {
        if (!origin.isEmpty())
            origin += QStringLiteral(", ");
        origin += QString::fromUtf8(context.function);
    }
    if (!origin.isEmpty())
        line += QStringLiteral(" (") + origin + QLatin1Char(')');
    return line;
}
