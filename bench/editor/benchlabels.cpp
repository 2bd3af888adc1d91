#include "benchlabels.h"

#include "benchcontroller.h"
#include "files/pipefilecontroller.h"
#include "kit/labellimits.h"
#include "pipe/vendrelcommoncontroller.h"

#include <QDir>

namespace {
const QString OrdinaryLegend = QStringLiteral("COOLING WATER SUPPLY");
// Arrow Left and Arrow Right of the pipe marker symbols.
constexpr int LeftArrow = 3;
constexpr int RightArrow = 2;
} // namespace

QString BenchLabels::m_folder;

void BenchLabels::setFolder(const QString& folder)
{
    m_folder = folder;
}

QString BenchLabels::filePath(const QString& fileName)
{
    return QDir(m_folder).filePath(fileName);
}

PipeLabel BenchLabels::ordinary()
{
    PipeLabel label;
    label.legend = OrdinaryLegend;
    label.leftArrowId = LeftArrow;
    label.rightArrowId = RightArrow;
    label.resizeOption = VendrelCommonController::FitTextToLabel;
    return label;
}

PipeLabel BenchLabels::longest()
{
    PipeLabel label = ordinary();
    label.length = LabelLimits::MaxLength;
    return label;
}

PipeLabel BenchLabels::longLegend()
{
    PipeLabel label = ordinary();
    label.resizeOption = VendrelCommonController::FitLabelToText;
    const QString words = QStringLiteral("HOT WATER RETURN TO BOILER ROOM ");
    QString legend;
    while (legend.size() < 250)
        legend += words;
    label.legend = legend.left(250);
    return label;
}

QStringList BenchLabels::names()
{
    return {QStringLiteral("ordinary"), QStringLiteral("longest"), QStringLiteral("longlegend")};
}

PipeLabel BenchLabels::byName(const QString& name)
{
    if (name == QLatin1String("longest"))
        return longest();
    if (name == QLatin1String("longlegend"))
        return longLegend();
    return ordinary();
}

bool BenchLabels::writeFiles(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    BenchController controller;
    PipeFileController files;
    files.setContentModule(&controller);
    for (const QString& name : names()) {
        controller.showLabel(byName(name));
        if (!files.saveTemplateToFile(QDir(folder).filePath(name + QStringLiteral(".qypm"))))
            return false;
    }
    return true;
}
