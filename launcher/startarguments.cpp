#include "startarguments.h"

#include "kinds/labelkinds.h"

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
    if (const LabelKind* kind = LabelKinds::byFileName(candidate)) {
        result.kind = kind->kind;
        result.path = candidate;
    }
    return result;
}
