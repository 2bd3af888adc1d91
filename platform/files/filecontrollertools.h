#ifndef FILECONTROLLERTOOLS_H
#define FILECONTROLLERTOOLS_H

#include <QString>
#include <QStringList>

class QFileDevice;
class QSettings;

// Helpers shared by every document controller of the suite: finishing a
// written file safely, the recent-file list and the folder dialogs start in.
class FileControllerTools
{
public:
    static constexpr int MaxHistoryEntries = 10;
    static constexpr const char* LabelFolderKey = "dir/labels";

    // Finishes a file that was written. For a QSaveFile: flush, fsync the
    // temporary file, commit (which replaces `absolutePath` atomically) and
    // fsync the folder so the rename survives a power cut. For a plain file:
    // flush, fsync and close. Returns false on any failure, including a write
    // that failed earlier; a failed QSaveFile is discarded, so the previous
    // file stays untouched. `absolutePath` names the target in messages and
    // decides which folder is synced.
    static bool closeSavedFile(const QString& absolutePath, QFileDevice* file);

    // The application's own settings store, one object for the life of the
    // application. Qt writes what it was given when the event loop next runs:
    // a write is two disk syncs (lock file and file), which an open or a save
    // would otherwise wait for, and the user's next touch comes after the loop
    // has run anyway. Other QSettings objects of the process see the values at
    // once. Without an application object the changes are written when the
    // store is synced or the process ends.
    static QSettings& applicationSettings();

    // Puts `path` (made absolute and cleaned) at the head of the recent-file
    // list stored as a QStringList under `key`: newest first, no duplicates,
    // at most MaxHistoryEntries. `opened` (true after an open, false after a
    // save) only changes the debug line that is logged; both kinds of entry
    // share one list. An empty path or key is refused with a warning.
    static void saveFileInHistory(const QString& path, QSettings& settings, bool opened,
                                  const QString& key);

    // The list under `key`, newest first, without empty entries or
    // duplicates and at most MaxHistoryEntries long.
    static QStringList fileHistory(QSettings& settings, const QString& key);

    // The folder of the last label ("dir/labels" in the default settings
    // store) if it still exists, else the user's documents folder if it
    // exists, else the home folder.
    static QString getDefaultFolder();
};

#endif
