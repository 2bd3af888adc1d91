#include "kit/listfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

void logWriteError(const QString& path, const QString& reason)
{
    qCritical("Error writing list %s: %s", qUtf8Printable(QDir::toNativeSeparators(path)),
              qUtf8Printable(reason));
}

} // namespace

QString ListFile::find(const QString& fileName, const QString& userFolder,
                       const QString& factoryFolder)
{
    for (const QString& folder : {userFolder, factoryFolder}) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

bool ListFile::read(const QString& path, QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    for (QString line : text.split(QLatin1Char('\n'))) {
        // Lists edited on other systems end their lines in "\r\n".
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            lines.append(line);
    }
    return true;
}

bool ListFile::write(const QString& path, const QStringList& lines)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        logWriteError(path, QStringLiteral("the folder cannot be made"));
        return false;
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        logWriteError(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        logWriteError(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    // On the disk before it replaces the old list: a power cut then leaves the old
    // list or the new one, never an empty file.
    if (::fsync(file.handle()) != 0) {
        logWriteError(path, QString::fromLocal8Bit(std::strerror(errno)));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        logWriteError(path, file.errorString());
        return false;
    }
    return true;
}

QString ListFile::sanitized(const QString& entry)
{
    QString line = entry;
    for (QChar& c : line) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return line;
}
