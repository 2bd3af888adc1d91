#include "pipe/vendrelfileloader.h"

#include "canvas/mvcanvasmodel.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/piperecord.h"

#include <QSignalBlocker>
#include <QString>

VendrelFileLoader::VendrelFileLoader(QWidget* parent) : VendrelCommonController(parent)
{
    setObjectName(QStringLiteral("VendrelFileLoader"));
}

VendrelFileLoader::~VendrelFileLoader() = default;

void VendrelFileLoader::loadPipeInfo(QDataStream& stream)
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    canvas->clearSceneLocal();
    createInitialItems();
    if (!itemsReady())
        return;

    // Units and pipe diameter only matter to an editor, the apply-both choice only
    // to its panel.
    const PipeLabel label = PipeRecord::read(stream, PipeLabel::Bounds::Drawable);
    applyLabelSizes(label);
    applyLabelModes(label);
    applyTextStretch();
    applyLabelLegend(label.legend);
    setFontFamily(label.fontFamily, QStringLiteral("A"));
    loadArrowIds(label.leftArrowId, label.rightArrowId);

    colorChangedAction(label.drawnBackgroundColor(), label.drawnTextColor());
    orientationSettingAction();

    {
        // Nobody edits this label: the warning is kept for the caller to read, not
        // announced.
        const QSignalBlocker blocker(this);
        reportWarning(label.lastWarning);
    }

    bool lengthChanged = false;
    bool heightChanged = false;
    bool fontChanged = false;
    recalculateSizes(true, true, lengthChanged, heightChanged, fontChanged);
}

void VendrelFileLoader::loadArrows(QDataStream& stream)
{
    int leftId = 0;
    int rightId = 0;
    PipeRecord::readArrowIds(stream, leftId, rightId);
    loadArrowIds(leftId, rightId);
}

void VendrelFileLoader::loadArrowIds(int leftId, int rightId)
{
    const ArrowSymbols symbols(VendrelWidgetsUtils::getDataPath() +
                               VendrelConstants::PipeMarkerSymbolDatabase);
    loadArrow(LeftSide, leftId, symbols);
    loadArrow(RightSide, rightId, symbols);
}
