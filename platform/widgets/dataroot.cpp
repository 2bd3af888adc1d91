#include "widgets/dataroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace {
QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// The folder of the running program. path() is also asked while the program is
// still loading, before any application object exists.
QString programFolder()
{
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (!folder.isEmpty() || !QCoreApplication::instance())
        return folder;
    return QCoreApplication::applicationDirPath();
}
} // namespace

QString DataRoot::path()
{
    return find(qEnvironmentVariable("MORVANTIC_DATA_ROOT"), QString::fromLatin1(InstalledPath),
                programFolder());
}

QString DataRoot::find(const QString& variable, const QString& installedPath,
                       const QString& programFolder)
{
    if (!variable.isEmpty())
        return withSlash(variable);
    if (QFileInfo(installedPath).isDir())
        return withSlash(installedPath);
    if (!programFolder.isEmpty()) {
        const QString prefixed =
            QDir(programFolder).absoluteFilePath(QString::fromLatin1(PrefixPath));
        if (QFileInfo(prefixed).isDir())
            return withSlash(QDir::cleanPath(prefixed));
    }
    // A program run from its build folder, without installing anything, finds the
    // data root the build assembled however deep the program sits in the build.
    if (!programFolder.isEmpty()) {
        QDir folder(programFolder);
        do {
            const QString candidate = folder.absoluteFilePath(QString::fromLatin1(BuildPath));
            if (QFileInfo(candidate).isDir())
                return withSlash(QDir::cleanPath(candidate));
        } while (folder.cdUp());
    }
    return withSlash(installedPath);
}
