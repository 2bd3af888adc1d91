#include "ammonia/ammoniacommoncontroller.h"

#include "ammonia/ammoniakind.h"
#include "ammonia/ammonialabel.h"
#include "ammonia/ammoniaparts.h"
#include "ammonia/slotcoloreffect.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "kit/vendrelconstants.h"

#include <QFont>
#include <QtMath>

QByteArray AmmoniaCommonController::m_highPressSvgData;
QByteArray AmmoniaCommonController::m_lowPressSvgData;
QByteArray AmmoniaCommonController::m_liqStateSvgData;
QByteArray AmmoniaCommonController::m_vapStateSvgData;

namespace {
// Share of the free length the abbreviation takes; "AMMONIA" takes the rest.
constexpr double AbbreviationShare = 0.3;
constexpr double AmmoniaShare = 0.7;
// A cap height is measured this much taller than the letter's tight box.
constexpr double CapHeightExtra = 1.0;
constexpr double NewTextPointSize = 12.0;

double atLeastZero(double value)
{
    return (qIsFinite(value) && value > 0.0) ? value : 0.0;
}

bool isArrowId(int id)
{
    return id > 1;
}

template <class Item> Item* lastItem(MvCanvasModel* canvas)
{
    const QList<QGraphicsItem*> items = canvas->items(Qt::AscendingOrder);
    return items.isEmpty() ? nullptr : qgraphicsitem_cast<Item*>(items.last());
}

// Every label item is drawn only: the user never picks or moves it on the canvas.
void makeInert(QGraphicsItem* item)
{
    item->setEnabled(false);
    item->setAcceptedMouseButtons(Qt::NoButton);
    item->setSelected(false);
}
} // namespace

AmmoniaCommonController::AmmoniaCommonController(QWidget* parent)
    : IVendrelInterface(parent), m_fontMetrics(QFont())
{
    m_capHeight = 0.0;
    m_labelColor = AmmoniaParts::newLabelColor();
    setObjectName(QStringLiteral("AmmoniaCommonController"));
    loadStateSvgsOnLabel();
}

AmmoniaCommonController::~AmmoniaCommonController() = default;

// The engine alone has no wizard and no record; the derived classes supply them.
void AmmoniaCommonController::startWizard() {}

void AmmoniaCommonController::newPipeInfo() {}

void AmmoniaCommonController::savePipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
}

void AmmoniaCommonController::loadPipeInfo(QDataStream& stream)
{
    Q_UNUSED(stream)
}

QPair<QString, QString> AmmoniaCommonController::getFileType()
{
    return AmmoniaKind::row().fileType();
}

void AmmoniaCommonController::loadStateSvgsOnLabel()
{
    m_highPressSvgData = AmmoniaParts::placeholder(AmmoniaVendrel::HighPressureTag);
    m_lowPressSvgData = AmmoniaParts::placeholder(AmmoniaVendrel::LowPressureTag);
    m_liqStateSvgData = AmmoniaParts::placeholder(AmmoniaVendrel::LiqStateTag);
    m_vapStateSvgData = AmmoniaParts::placeholder(AmmoniaVendrel::VapStateTag);
}

// ---- Items -----------------------------------------------------------------------

void AmmoniaCommonController::createInitialItems()
{
    MvCanvasModel* canvas = getCanvas();
    if (!canvas)
        return;

    const auto addSymbol = [canvas](const QByteArray& data, short id) {
        canvas->addSymbolItem(data);
        auto* item = lastItem<SymbolItem>(canvas);
        if (item) {
            item->setItemId(id);
            makeInert(item);
        }
        return item;
    };
    const auto addText = [canvas](const QString& text, short id) {
        canvas->addGenericItem(MvCanvasModel::SimpleTextType, QString(), true, QPointF(0.0, 0.0),
                               0.0, 0, true);
        auto* item = lastItem<SimpleTextItem>(canvas);
        if (item) {
            item->setTextStyleFlag(true);
            item->setFontFamily(VendrelConstants::DefaultFontFamily);
            item->setFontPointSize(NewTextPointSize);
            item->setPlainText(text);
            item->setItemId(id);
            item->setTextReadOnly();
            makeInert(item);
        }
        return item;
    };

    // Later items lie above earlier ones.
    m_leftArrow = addSymbol(QByteArray(), LeftArrowId);
    m_pipeText = addText(QStringLiteral(" "), PipeTextId);
    m_liqState = addSymbol(m_liqStateSvgData, LiqStateId);
    m_vapState = addSymbol(m_vapStateSvgData, VapStateId);
    m_ammoniaText = addText(QLatin1String(AmmoniaWord), AmmoniaTextId);
    m_pressure = addSymbol(m_highPressSvgData, PressureId);
    m_rightArrow = addSymbol(QByteArray(), RightArrowId);
    m_componentText = addText(QStringLiteral(" "), ComponentTextId);
    if (!itemsReady())
        return;

    m_leftArrow->setPos(ItemMargin, ItemMargin);
    m_componentText->setPos(ItemMargin, ItemMargin);
    updateFontMetrics(QStringLiteral("A"));

    m_leftArrowId = 1;
    m_rightArrowId = 1;
    m_isHighPressure = true;
    m_isLowPressure = false;
    m_isVapState = false;
    m_isLiqState = true;
    m_isPipeMarker = true;
    colorParts();
    updateVisibility();
}

bool AmmoniaCommonController::itemsReady() const
{
    return m_leftArrow && m_rightArrow && m_pipeText && m_ammoniaText && m_componentText &&
           m_liqState && m_vapState && m_pressure;
}

void AmmoniaCommonController::updateFontMetrics(const QString& capitalLetter)
{
    if (!m_ammoniaText)
        return;
    m_fontMetrics = QFontMetricsF(m_ammoniaText->font());
    m_capHeight = m_fontMetrics.tightBoundingRect(capitalLetter).height() + CapHeightExtra;
}

bool AmmoniaCommonController::sideHasArrow(ArrowSide side) const
{
    if (!itemsReady())
        return false;
    if (side == LeftSide)
        return isArrowId(m_leftArrowId) && m_leftArrow->hasDrawing();
    return isArrowId(m_rightArrowId) && m_rightArrow->hasDrawing();
}

void AmmoniaCommonController::updateVisibility()
{
    if (!itemsReady())
        return;
    const bool pipe = m_isPipeMarker;
    m_leftArrow->setVisible(pipe && sideHasArrow(LeftSide));
    m_rightArrow->setVisible(pipe && sideHasArrow(RightSide));
    m_liqState->setVisible(pipe && m_isLiqState);
    m_vapState->setVisible(pipe && m_isVapState);
    m_pipeText->setVisible(pipe);
    m_ammoniaText->setVisible(pipe);
    m_componentText->setVisible(!pipe);
    m_pressure->setVisible(m_isHighPressure || m_isLowPressure);
}

// ---- Layout ----------------------------------------------------------------------

void AmmoniaCommonController::recalculateSizes()
{
    if (!itemsReady())
        return;
    updateVisibility();

    if (!m_isPipeMarker) {
        double pressureRight = ItemMargin;
        recalculatePressurePos(ItemMargin, pressureRight, m_componentBandWidth, m_componentLength);
        recalculateSizesComponent(pressureRight);
        return;
    }

    double leftEdge = ItemMargin;
    double rightConsumption = ItemMargin;
    double pressureRight = ItemMargin;
    double statesPosition = ItemMargin;
    recalculateArrowsPos(leftEdge, rightConsumption);

    double statesWidth = 0.0;
    if (m_isLiqState && m_isVapState)
        statesWidth = qMin(2.0 * m_bandWidth + ItemMargin, m_labelLength);
    else if (m_isLiqState || m_isVapState)
        statesWidth = m_bandWidth;

    recalculatePressurePos(rightConsumption, pressureRight, m_bandWidth, m_labelLength);
    recalculateSizesText(leftEdge, statesWidth, pressureRight, statesPosition);
    recalculateStatesPos(statesPosition);
}

void AmmoniaCommonController::recalculateArrowsPos(double& leftEdge, double& rightConsumption)
{
    // An arrow takes its width and a margin on either side.
    const double arrowRoom = m_arrowWidth + 2.0 * ItemMargin;
    m_leftArrow->setPos(ItemMargin, ItemMargin);
    if (sideHasArrow(LeftSide))
        leftEdge = arrowRoom;
    if (sideHasArrow(RightSide)) {
        rightConsumption = arrowRoom;
        m_rightArrow->setPos(m_labelLength - arrowRoom + ItemMargin, ItemMargin);
    }
}

void AmmoniaCommonController::recalculatePressurePos(double rightConsumption,
                                                     double& pressureRightConsumption,
                                                     double bandWidth, double labelLength)
{
    if (!m_isHighPressure && !m_isLowPressure) {
        pressureRightConsumption = rightConsumption;
        return;
    }
    // Never beyond the label's left end.
    pressureRightConsumption = qMin(rightConsumption + bandWidth + ItemMargin, labelLength);
    m_pressure->setPos(labelLength - pressureRightConsumption + ItemMargin, ItemMargin);
}

bool AmmoniaCommonController::textIsMeasurable(const SimpleTextItem* text) const
{
    if (!qIsFinite(m_capHeight) || m_capHeight <= 0.0)
        return false;
    const double natural = text->naturalSize().height();
    return qIsFinite(natural) && natural > 0.0;
}

double AmmoniaCommonController::textHeightFor(const SimpleTextItem* text, double capitals) const
{
    // The item draws its line as high as its box: the line that many times taller
    // than its capitals gives capitals of the height asked.
    return atLeastZero(text->naturalSize().height() / m_capHeight * capitals);
}

void AmmoniaCommonController::recalculateSizesText(double leftEdge, double statesWidth,
                                                   double pressureRightConsumption,
                                                   double& statesPosition)
{
    const double available =
        m_labelLength - leftEdge - statesWidth - pressureRightConsumption - 2.0 * ItemMargin;
    if (!checkPipeTextWidth(available, leftEdge, statesPosition))
        return;

    m_pipeText->resetTransform();
    m_ammoniaText->resetTransform();
    statesPosition = leftEdge + available * AbbreviationShare + ItemMargin;
    if (!textIsMeasurable(m_ammoniaText)) {
        // Nothing to size the texts by: the parts keep their places, the texts go.
        m_pipeText->setVisible(false);
        m_ammoniaText->setVisible(false);
        return;
    }
    m_pipeText->setVisible(true);
    m_ammoniaText->setVisible(true);

    const double height = textHeightFor(m_ammoniaText, m_fontHeight);
    const double y = (m_labelHeight - height) * 0.5;
    m_pipeText->setItemSize(available * AbbreviationShare, height);
    m_ammoniaText->setItemSize(available * AmmoniaShare, height);
    m_pipeText->setPos(leftEdge, y);
    m_ammoniaText->setPos(statesPosition + statesWidth + ItemMargin, y);
}

void AmmoniaCommonController::recalculateStatesPos(double statesPosition)
{
    if (m_isLiqState) {
        m_liqState->setPos(statesPosition, ItemMargin);
        if (m_isVapState)
            m_vapState->setPos(statesPosition + ItemMargin + m_bandWidth, ItemMargin);
        return;
    }
    m_vapState->setPos(statesPosition, ItemMargin);
}

void AmmoniaCommonController::recalculateSizesComponent(double pressureRightConsumption)
{
    const double available = m_componentLength - pressureRightConsumption - ItemMargin;
    checkComponentTextWidth(available);

    m_componentText->resetTransform();
    // A label shorter than its pressure part leaves the text no length at all.
    if (available <= 0.0 || !textIsMeasurable(m_componentText)) {
        m_componentText->setVisible(false);
        return;
    }
    const double height = textHeightFor(m_componentText, m_componentFontHeight);
    m_componentText->setItemSize(available, height);
    m_componentText->setPos(ItemMargin, (m_componentHeight - height) * 0.5);
}

void AmmoniaCommonController::resizeCanvasAndBands()
{
    MvCanvasModel* canvas = getCanvas();
    if (!itemsReady() || !canvas)
        return;
    if (m_isPipeMarker) {
        const double across = atLeastZero(m_labelHeight - 2.0 * ItemMargin);
        for (SymbolItem* part : {m_liqState, m_vapState, m_pressure})
            part->setItemSize(m_bandWidth, across);
        for (SymbolItem* arrow : {m_leftArrow, m_rightArrow})
            arrow->setItemSize(m_arrowWidth, across);
        canvas->setCanvasSize(m_labelLength, m_labelHeight, true);
    } else {
        m_pressure->setItemSize(m_componentBandWidth,
                                atLeastZero(m_componentHeight - 2.0 * ItemMargin));
        canvas->setCanvasSize(m_componentLength, m_componentHeight, true);
    }
    emit fitCanvasInViewSignal();
}

bool AmmoniaCommonController::checkPipeTextWidth(double available, double leftEdge,
                                                 double& statesPosition)
{
    if (available >= LeastTextRoom)
        return true;
    m_ammoniaText->setVisible(false);
    m_pipeText->setVisible(false);
    statesPosition = leftEdge;
    return false;
}

void AmmoniaCommonController::checkComponentTextWidth(double available)
{
    Q_UNUSED(available)
}

// ---- Operations --------------------------------------------------------------------

void AmmoniaCommonController::setPipeMarkerMode(bool pipeMarker)
{
    m_isPipeMarker = pipeMarker;
    updateVisibility();
}

void AmmoniaCommonController::setAbbreviationText(const QString& text)
{
    if (!m_pipeText)
        return;
    m_pipeText->setPlainText(text.isEmpty() ? QStringLiteral(" ") : text);
    m_pipeText->setTextReadOnly();
}

void AmmoniaCommonController::setComponentText(const QString& text)
{
    if (!m_componentText)
        return;
    m_componentText->setPlainText(text.isEmpty() ? QStringLiteral(" ") : text);
    m_componentText->setTextReadOnly();
}

QString AmmoniaCommonController::abbreviationText() const
{
    return m_pipeText ? m_pipeText->toPlainText() : QString();
}

QString AmmoniaCommonController::componentText() const
{
    return m_componentText ? m_componentText->toPlainText() : QString();
}

void AmmoniaCommonController::setFontFamily(const QString& family, const QString& capitalLetter)
{
    if (!itemsReady())
        return;
    for (SimpleTextItem* text : {m_pipeText, m_ammoniaText, m_componentText})
        text->setFontFamily(family);
    updateFontMetrics(capitalLetter);
}

void AmmoniaCommonController::setArrow(ArrowSide side, int id, const QByteArray& data)
{
    (side == LeftSide ? m_leftArrowId : m_rightArrowId) = id;
    if (!itemsReady())
        return;
    (side == LeftSide ? m_leftArrow : m_rightArrow)->reloadItemFromData(data);
    updateVisibility();
}

bool AmmoniaCommonController::loadArrow(ArrowSide side, int id, const ArrowSymbols& symbols,
                                        ArrowSymbols::Symbol* symbol)
{
    ArrowSymbols::Symbol found;
    const bool known = symbols.selectable(id, &found);
    setArrow(side, id, known && isArrowId(id) ? found.data : QByteArray());
    if (known && symbol)
        *symbol = found;
    return known;
}

void AmmoniaCommonController::setStates(bool liq, bool vap)
{
    m_isLiqState = liq;
    m_isVapState = vap;
    updateVisibility();
}

void AmmoniaCommonController::setPressure(bool high, bool low)
{
    m_isHighPressure = high;
    m_isLowPressure = low;
    if (m_pressure && (high || low))
        m_pressure->reloadItemFromData(high ? m_highPressSvgData : m_lowPressSvgData);
    colorParts();
    updateVisibility();
}

void AmmoniaCommonController::setLabelColor(const QColor& color)
{
    m_labelColor = color;
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasBackgroundColor(color);
    if (!itemsReady())
        return;
    m_leftArrow->setBackgroundColor(color);
    m_rightArrow->setBackgroundColor(color);
    colorParts();
}

void AmmoniaCommonController::colorParts()
{
    if (!itemsReady())
        return;
    // The editor shows each part as its tag will look: the standard's colour.
    using namespace AmmoniaVendrel;
    const TagType pressure =
        (m_isLowPressure && !m_isHighPressure) ? LowPressureTag : HighPressureTag;
    const std::pair<SymbolItem*, TagType> parts[] = {
        {m_liqState, LiqStateTag}, {m_vapState, VapStateTag}, {m_pressure, pressure}};
    for (const auto& part : parts) {
        const QColor color = AmmoniaParts::color(part.second, m_labelColor);
        if (auto* effect = dynamic_cast<SlotColorEffect*>(part.first->graphicsEffect()))
            effect->setColor(color);
        else
            part.first->setGraphicsEffect(new SlotColorEffect(part.first, color));
    }
}

void AmmoniaCommonController::applyLabel(const AmmoniaLabel& label)
{
    m_labelLength = label.length;
    m_labelHeight = label.height;
    m_fontHeight = label.textHeight;
    m_bandWidth = label.partWidth;
    m_arrowWidth = label.arrowWidth;
    m_componentLength = label.componentLength;
    m_componentHeight = label.componentHeight;
    m_componentFontHeight = label.componentTextHeight;
    m_componentBandWidth = label.componentPartWidth;
    setAbbreviationText(label.abbreviation);
    setComponentText(label.component);
    setFontFamily(label.fontFamily, QStringLiteral("A"));
    setStates(label.liq, label.vap);
    setPressure(label.high, label.low);
    setLabelColor(label.drawnColor());
    setPipeMarkerMode(label.pipeMarker);
}

int AmmoniaCommonController::getTagsVisible() const
{
    using namespace AmmoniaVendrel;
    return (m_isHighPressure ? HighPressureTag : 0) | (m_isLowPressure ? LowPressureTag : 0) |
           (m_isVapState ? VapStateTag : 0) | (m_isLiqState ? LiqStateTag : 0);
}
