#include "startarguments.h"

#include <QFileInfo>

namespace {
const QString TestModeFlag = QStringLiteral("--mvtestmode");
}

StartArguments StartArguments::parse(QStringList arguments)
{
    StartArguments result;
    if (!arguments.isEmpty())
        arguments.removeFirst();

    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i).compare(TestModeFlag, Qt::CaseInsensitive) == 0) {
            result.testMode = true;
            arguments.removeAt(i);
            break;
        }
    }

    if (arguments.isEmpty())
        return result;

    // Only the first remaining argument is looked at; the suite's generic label kind
    // and foreign files are not opened here.
    const QString candidate = arguments.first();
    const QString fileName = QFileInfo(candidate).fileName();
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1).toLower();
    if (suffix == QLatin1String("qyam")) {
        result.kind = 1;
        result.path = candidate;
    } else if (suffix == QLatin1String("qyaw")) {
        result.kind = 2;
        result.path = candidate;
    } else if (suffix == QLatin1String("qypm")) {
        result.kind = 0;
        result.path = candidate;
    }
    return result;
}
