#include "files/filecontrollertools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtDebug>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool syncDescriptor(int fd)
{
    return fd < 0 || ::fsync(fd) == 0;
}

// The rename done by a commit lives in the folder's entry table; without this
// a power cut can bring back the old file even though commit succeeded.
void syncFolder(const QString& absolutePath)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(absolutePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QStringList normalisedHistory(const QStringList& entries)
{
    QStringList history;
    for (const QString& entry : entries) {
        if (!entry.isEmpty() && !history.contains(entry))
            history.append(entry);
        if (history.size() == FileControllerTools::MaxHistoryEntries)
            break;
    }
    return history;
}

} // namespace

bool FileControllerTools::closeSavedFile(const QString& absolutePath, QFileDevice* file)
{
    if (!file) {
        qWarning("Cannot finish %s: no file", qUtf8Printable(absolutePath));
        return false;
    }
    auto* saveFile = qobject_cast<QSaveFile*>(file);
    if (!file->isOpen()) {
        qWarning("Cannot finish %s: the file is not open", qUtf8Printable(absolutePath));
        return false;
    }

    // An earlier failed write leaves its error behind; a later successful
    // flush must not hide it.
    bool ok = file->error() == QFileDevice::NoError;
    ok = file->flush() && ok;
    ok = ok && syncDescriptor(file->handle());
    const QString reason = file->errorString();

    if (saveFile) {
        if (!ok)
            saveFile->cancelWriting();
        // After cancelWriting() commit only removes the temporary file.
        ok = saveFile->commit() && ok;
        if (ok)
            syncFolder(absolutePath);
    } else {
        file->close();
        ok = ok && file->error() == QFileDevice::NoError;
    }
    if (!ok)
        qWarning(
            "Saving %s failed: %s", qUtf8Printable(absolutePath),
            qUtf8Printable(file->error() != QFileDevice::NoError ? file->errorString() : reason));
    return ok;
}

void FileControllerTools::saveFileInHistory(const QString& path, QSettings& settings, bool opened,
                                            const QString& key)
{
    if (path.trimmed().isEmpty() || key.isEmpty()) {
        qWarning("Not adding \"%s\" to the file history \"%s\"", qUtf8Printable(path),
                 qUtf8Printable(key));
        return;
    }
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList history = fileHistory(settings, key);
    history.removeAll(absolute);
    history.prepend(absolute);
    while (history.size() > MaxHistoryEntries)
        history.removeLast();
    settings.setValue(key, history);
    qDebug("%s %s, file history \"%s\" now holds %d entries", opened ? "Opened" : "Saved",
           qUtf8Printable(absolute), qUtf8Printable(key), int(history.size()));
}

QSettings& FileControllerTools::applicationSettings()
{
    // Owned by the application object, so its last changes are written when the
    // application ends, before the object goes.
    static QPointer<QSettings> settings;
    if (!settings)
        settings = new QSettings(QCoreApplication::instance());
    return *settings;
}

QStringList FileControllerTools::fileHistory(QSettings& settings, const QString& key)
{
    return normalisedHistory(settings.value(key).toStringList());
}

QString FileControllerTools::getDefaultFolder()
{
    const QString last = QSettings().value(QLatin1String(LabelFolderKey)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}
