#include "ammonia/ammonialistfile.h"

#include "kit/listfile.h"

QString AmmoniaListFile::fileName(Kind kind, const QString& localeName)
{
    const QString pattern = kind == Abbreviations ? QStringLiteral("AmmoniaAbbreviations_%1.cfg")
                                                  : QStringLiteral("AmmoniaComponents_%1.cfg");
    return pattern.arg(localeName);
}

QString AmmoniaListFile::find(Kind kind, const QString& localeName, const QString& userFolder,
                              const QString& factoryFolder)
{
    return ListFile::find(fileName(kind, localeName), userFolder, factoryFolder);
}

bool AmmoniaListFile::read(const QString& path, QStringList& lines)
{
    return ListFile::read(path, lines);
}

bool AmmoniaListFile::write(const QString& path, const QStringList& lines)
{
    return ListFile::write(path, lines);
}

QString AmmoniaListFile::sanitized(const QString& entry)
{
    return ListFile::sanitized(entry);
}
