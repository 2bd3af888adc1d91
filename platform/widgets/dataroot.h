#ifndef DATAROOT_H
#define DATAROOT_H

#include <QString>

// The folder that holds the suite's read-only run-time data (symbol databases,
// help files, translations). Fixed at install time; the environment variable
// MORVANTIC_DATA_ROOT replaces it for build-tree runs and tests.
class DataRoot
{
public:
    static constexpr const char* InstalledPath = "/usr/share/data/Morvantic/";

    // Always ends in "/", so callers append relative names directly.
    static QString path();
};

#endif
