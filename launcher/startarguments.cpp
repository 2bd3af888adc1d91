#include "startarguments.h"

#include "kinds/labelkinds.h"

#include "kit/labelkind.h"

namespace {
const QString TestModeFlag = QStringLiteral("--mvtestmode");

QString usage()
{
    QString kinds;
    for (const LabelKind* kind : LabelKinds::all())
        kinds += QStringLiteral("                  .%1  %2\n")
                     .arg(QString::fromLatin1(kind->extension), kind->title());
    return QStringLiteral("Usage: vendrel [--mvtestmode] [FILE]\n"
                          "Lays out and prints pipe-marker labels.\n"
                          "\n"
                          "  FILE            a label file to open; its suffix chooses the module:\n"
                          "%1"
                          "                  any other file is not opened\n"
                          "  --mvtestmode    test mode: printing writes PDF files instead of\n"
                          "                  sending jobs to a printer\n"
                          "  --help          show this text and exit\n"
                          "  --version       show the version and exit\n"
                          "\n"
                          "The data folder is /usr/share/data/Morvantic/; the environment\n"
                          "variable MORVANTIC_DATA_ROOT names another one.\n")
        .arg(kinds);
}
} // namespace

QString StartArguments::informationText(const QStringList& arguments, const QString& version)
{
    const QStringList asked = arguments.mid(1);
    if (asked.contains(QStringLiteral("--help")) || asked.contains(QStringLiteral("-h")))
        return usage();
    if (asked.contains(QStringLiteral("--version")))
        return QStringLiteral("vendrel %1\n").arg(version);
    return QString();
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
