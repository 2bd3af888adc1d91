#include "widgets/dataroot.h"

#include <QtGlobal>

QString DataRoot::path()
{
    QString root = qEnvironmentVariable("MORVANTIC_DATA_ROOT");
    if (root.isEmpty())
        return QString::fromLatin1(InstalledPath);
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return root;
}
