#ifndef LISTFILE_H
#define LISTFILE_H

#include <QString>
#include <QStringList>

// A list the user can extend, kept as UTF-8 text with one entry a line, each
// line ending in "\n". The program ships a factory list in its data folder; the
// user's folder holds the list once the user changed it, and then hides the
// factory list completely, also when it is empty.
class ListFile
{
public:
    ListFile() = delete;

    // The user's list named fileName when there is one, else the factory list;
    // empty when neither exists.
    static QString find(const QString& fileName, const QString& userFolder,
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
