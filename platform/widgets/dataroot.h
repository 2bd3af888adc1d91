#ifndef DATAROOT_H
#define DATAROOT_H

#include <QString>

// The folder that holds the suite's read-only run-time data (symbol databases,
// help files, translations).
class DataRoot
{
public:
    static constexpr const char* InstalledPath = "/usr/share/data/Morvantic/";
    // Where a build assembles its data root: in the build folder, which holds the
    // folders of the programs (build/launcher, build/tools/render, build/tests/...).
    static constexpr const char* BuildPath = "data/Morvantic/";
    // Where an installation under another prefix than /usr (cmake --install
    // --prefix, a staged package) keeps it, relative to the program's folder.
    static constexpr const char* PrefixPath = "../share/data/Morvantic/";

    // Always ends in "/", so callers append relative names directly. Read anew on
    // every call.
    static QString path();

    // The rule of path(), with what it looks at handed in: the environment variable
    // MORVANTIC_DATA_ROOT when it is set; else the installed folder when it exists;
    // else the one of an installation under another prefix, beside the program's
    // folder; else the data root a build assembles next to the program, found by
    // walking up from the program's folder; else the installed folder, missing as it is.
    static QString find(const QString& variable, const QString& installedPath,
                        const QString& programFolder);
};

#endif
