#include "ammonia/ammoniafileloader.h"

#include "ammonia/ammoniarecord.h"
#include "canvas/mvcanvasmodel.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"

AmmoniaFileLoader::AmmoniaFileLoader(QWidget* parent) : AmmoniaCommonController(parent)
{
    setObjectName(QStringLiteral("AmmoniaFileLoader"));
}

AmmoniaFileLoader::~AmmoniaFileLoader() = default;

void AmmoniaFileLoader::loadPipeInfo(QDataStream& stream)
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    canvas->clearSceneLocal();
    canvas->setCanvasDefaultPenColor(VendrelConstants::BlackColor);
    createInitialItems();
    if (!itemsReady())
        return;

    // The unit and the pipe diameter only matter to an editor.
    const AmmoniaLabel label = AmmoniaRecord::read(stream, AmmoniaLabel::Bounds::Drawable);
    applyLabel(label);
    loadArrowIds(label.leftArrowId, label.rightArrowId);

    resizeCanvasAndBands();
    recalculateSizes();
}

void AmmoniaFileLoader::loadArrows(QDataStream& stream)
{
    int leftId = 0;
    int rightId = 0;
    AmmoniaRecord::readArrowIds(stream, leftId, rightId);
    loadArrowIds(leftId, rightId);
}

void AmmoniaFileLoader::loadArrowIds(int leftId, int rightId)
{
    // A component marker shows no arrows: its ids are kept without asking the
    // symbols, so a missing database does not stand in the way of drawing it.
    if (!isPipeMarkerMode()) {
        setArrow(LeftSide, leftId, QByteArray());
        setArrow(RightSide, rightId, QByteArray());
        return;
    }
    // The symbols are read for this label only; no menu is made or kept.
    const ArrowSymbols symbols(VendrelWidgetsUtils::getDataPath() +
                               VendrelConstants::AmmoniaSymbolDatabase);
    loadArrow(LeftSide, leftId, symbols);
    loadArrow(RightSide, rightId, symbols);
}
