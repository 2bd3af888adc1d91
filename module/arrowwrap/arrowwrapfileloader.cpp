#include "arrowwrap/arrowwrapfileloader.h"

#include "arrowwrap/arrowwraprecord.h"
#include "canvas/mvcanvasmodel.h"
#include "kit/arrowsymbols.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"

ArrowWrapFileLoader::ArrowWrapFileLoader(QWidget* parent) : ArrowWrapCommonController(parent)
{
    setObjectName(QStringLiteral("ArrowWrapFileLoader"));
}

ArrowWrapFileLoader::~ArrowWrapFileLoader() = default;

void ArrowWrapFileLoader::loadPipeInfo(QDataStream& stream)
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    // Clearing the canvas deletes the arrows of an earlier label; the template
    // starts the list again.
    canvas->clearSceneLocal();
    createTemplateArrow();

    // The unit and the pipe diameter only matter to an editor.
    const ArrowWrapLabel label = ArrowWrapRecord::read(stream, ArrowWrapLabel::Bounds::Drawable);
    applyGeometry(label);
    // The symbols are read for this label only; no menu is made or kept.
    const ArrowSymbols symbols(VendrelWidgetsUtils::getDataPath() +
                               VendrelConstants::ArrowWrapSymbolDatabase);
    loadArrow(label.arrowId, symbols);
    changeNumberOfArrows(1, label.arrowCount);
    colorChangeAction(label.drawnBackground(), label.drawnForeground());
    resizeCanvas();
    recalculateSizes();
    reportWarning(label.warning);
}
