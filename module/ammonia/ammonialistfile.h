#ifndef AMMONIALISTFILE_H
#define AMMONIALISTFILE_H

#include <QString>
#include <QStringList>

// The ammonia list files: UTF-8 text, one entry a line, each line ending in "\n".
// Each language has its own pair ("AmmoniaAbbreviations_<locale>.cfg",
// "AmmoniaComponents_<locale>.cfg"); the user's folder holds the lists the user
// changed, the data folder the factory lists, and a user list hides the factory list
// completely, also when it is empty.
class AmmoniaListFile
{
public:
    AmmoniaListFile() = delete;

    enum Kind
    {
        Abbreviations,
        Components
    };

    static QString fileName(Kind kind, const QString& localeName);
    // The user's list when there is one, else the factory list; empty when neither
    // exists.
    static QString find(Kind kind, const QString& localeName, const QString& userFolder,
                        const QString& factoryFolder);

    // The lines of the file, without their line ends; lines of white space only are
    // left out. False when the file cannot be read.
    static bool read(const QString& path, QStringList& lines);
    // Replaces the file with the lines, creating its folder when needed. The lines go
    // to a new file in the same folder, which is flushed and synced before it takes
    // the list's name, so a list is never left half written. A failure is logged at
    // error level and leaves the old list as it was.
    static bool write(const QString& path, const QStringList& lines);

    // What may stand in one line of a list: tabs and line breaks become spaces.
    static QString sanitized(const QString& entry);
};

#endif
