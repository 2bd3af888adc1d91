#include "arrowwrap/arrowwrapcommoncontroller.h"

#include "arrowwrap/arrowwrapkind.h"
#include "arrowwrap/arrowwraplabel.h"
#include "arrowwrap/arrowwrapsizetable.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/symbolitem.h"
#include "kit/arrowsymbols.h"

#include <QtMath>

ArrowWrapCommonController::ArrowWrapCommonController(QWidget* parent) : IVendrelInterface(parent)
{
    setObjectName(QStringLiteral("ArrowWrapCommonController"));
}

ArrowWrapCommonController::~ArrowWrapCommonController() = default;

void ArrowWrapCommonController::startWizard() {}

void ArrowWrapCommonController::newPipeInfo() {}

void ArrowWrapCommonController::savePipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
}

void ArrowWrapCommonController::loadPipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
}

QPair<QString, QString> ArrowWrapCommonController::getFileType()
{
    return ArrowWrapKind::row().fileType();
}

void ArrowWrapCommonController::fixArrowHeight(double& width)
{
    if (!(width >= LeastArrowWidth))
        width = LeastArrowWidth;
}

void ArrowWrapCommonController::createTemplateArrow()
{
    m_templateArrow = nullptr;
    m_arrows.clear();
    m_arrowCount = 1;
    m_arrowId = ArrowSymbols::NoArrowSymbolId;
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    canvas->addSymbolItem(QByteArray());
    const QList<QGraphicsItem*> items = canvas->items(Qt::AscendingOrder);
    auto* arrow = items.isEmpty() ? nullptr : qgraphicsitem_cast<SymbolItem*>(items.last());
    if (!arrow)
        return;
    // The arrows are drawn only: the user never picks or moves them on the canvas.
    arrow->setBackgroundColor(Qt::white);
    arrow->setEnabled(false);
    arrow->setAcceptedMouseButtons(Qt::NoButton);
    arrow->setSelected(false);
    arrow->setVisible(false);
    m_templateArrow = arrow;
    m_arrows.append(arrow);
}

void ArrowWrapCommonController::changeNumberOfArrows(int oldCount, int newCount)
{
    Q_UNUSED(oldCount)
    MvCanvasModel* canvas = getCanvas();
    if (!canvas || !m_templateArrow)
        return;
    const int wanted = ArrowWrapSizeTable::boundedArrowCount(newCount);
    while (m_arrows.size() < wanted) {
        SymbolItem* copy = m_templateArrow->copy();
        canvas->addItem(copy);
        m_arrows.append(copy);
    }
    while (m_arrows.size() > wanted) {
        SymbolItem* last = m_arrows.takeLast();
        canvas->removeItem(last);
        delete last;
    }
    m_arrowCount = static_cast<short>(m_arrows.size());
}

double ArrowWrapCommonController::computedArrowWidth() const
{
    const int count = qMax(1, static_cast<int>(m_arrowCount));
    return m_labelLength / count - m_arrowSpacing;
}

void ArrowWrapCommonController::recalculateSizes()
{
    double width = computedArrowWidth();
    fixArrowHeight(width);
    const double pitch = width + m_arrowSpacing;
    const double along = m_arrowSpacing / 2.0 - (m_arrowLength - width) / 2.0;
    const double across = (m_labelHeight - m_arrowLength) / 2.0 + (m_arrowLength - width) / 2.0;
    // Each arrow turns about the centre of its box: arrow i then covers the span from
    // i * pitch + spacing / 2 along the wrap, centred across the band.
    for (int i = 0; i < m_arrows.size(); ++i) {
        SymbolItem* arrow = m_arrows.at(i);
        arrow->resetTransform();
        arrow->setItemSize(m_arrowLength, width);
        arrow->setItemRotation(ArrowTurn);
        arrow->setZValue(i);
        arrow->setPos(i * pitch + along, across);
    }
}

void ArrowWrapCommonController::resizeCanvas()
{
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasSize(m_labelLength, m_labelHeight, true);
    emit fitCanvasInViewSignal();
}

void ArrowWrapCommonController::colorChangeAction(const QColor& background,
                                                  const QColor& foreground)
{
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasBackgroundColor(background);
    for (SymbolItem* arrow : qAsConst(m_arrows)) {
        arrow->setBackgroundColor(background);
        arrow->setForegroundColor(foreground);
    }
}

bool ArrowWrapCommonController::arrowsShow() const
{
    return static_cast<int>(m_arrowId) > ArrowSymbols::NoArrowSymbolId && m_templateArrow &&
           m_templateArrow->hasDrawing();
}

void ArrowWrapCommonController::setArrow(int id, const QByteArray& data)
{
    m_arrowId = static_cast<unsigned int>(id);
    for (SymbolItem* arrow : qAsConst(m_arrows))
        arrow->reloadItemFromData(data);
    const bool show = arrowsShow();
    for (SymbolItem* arrow : qAsConst(m_arrows))
        arrow->setVisible(show);
}

bool ArrowWrapCommonController::loadArrow(int id, const ArrowSymbols& symbols)
{
    ArrowSymbols::Symbol found;
    const bool known = symbols.selectable(id, &found);
    setArrow(id, known && id > ArrowSymbols::NoArrowSymbolId ? found.data : QByteArray());
    return known;
}

void ArrowWrapCommonController::applyGeometry(const ArrowWrapLabel& label)
{
    m_labelLength = label.length;
    m_labelHeight = label.height;
    m_arrowSpacing = label.arrowSpacing;
    m_arrowLength = label.arrowLength;
}
