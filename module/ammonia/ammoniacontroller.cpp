#include "ammonia/ammoniacontroller.h"

#include "ammonia/ammoniaeditwidget.h"
#include "ammonia/ammoniaparts.h"
#include "ammonia/ammoniarecord.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/symbolitem.h"
#include "kit/arrowsmenu.h"
#include "kit/sizejudgement.h"
#include "kit/userunits.h"
#include "kit/vendrelconstants.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"

#include <QBuffer>
#include <QDataStream>
#include <QGridLayout>
#include <QImage>
#include <QSettings>
#include <QtMath>

using namespace AmmoniaVendrel;

namespace {
// Typed values pass through unit conversions: a value this close below the
// recommendation meets it.
constexpr double SameSizeTolerance = 0.01;
} // namespace

AmmoniaController::AmmoniaController(QWidget* parent) : AmmoniaCommonController(parent)
{
    m_pipeDiameterIndex = 0;
    m_color = AmmoniaParts::newLabelColor();
    setObjectName(QStringLiteral("AmmoniaController"));
    loadStateSvgsOnLabel();
    loadStateSvgsForPrint();
    createCanvas();
    createInitialItems();
    createEditLayout();
    m_symbolsMenu = m_editWidget->getSymbolsMenu();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editWidget, 0, 0, Qt::AlignCenter);

    getCanvas()->setCanvasHasChanged(false);
    newPipeInfo();
}

AmmoniaController::~AmmoniaController()
{
    // The panel goes with the widget base, after this part of the object: nothing it
    // still signals may reach the slots here. It writes the changed lists then.
    if (m_editWidget)
        m_editWidget->disconnect(this);
    MvCanvasModel* canvas = getCanvas();
    MvCanvasModel* tags = getTagCanvas();
    setCanvas(nullptr);
    setTagCanvas(nullptr);
    delete canvas;
    delete tags;
}

void AmmoniaController::report(StatusErrorType first, bool firstOn, StatusErrorType second,
                               bool secondOn, StatusErrorType third, bool thirdOn)
{
    m_editWidget->setErrorToStatus(first, firstOn, second, secondOn, third, thirdOn);
}

void AmmoniaController::markChanged()
{
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasHasChanged(true);
    emit labelEdited();
}

void AmmoniaController::layout()
{
    recalculateSizes();
    resizeCanvasAndBands();
}

// ---- Canvas and panel -------------------------------------------------------------

void AmmoniaController::createCanvas()
{
    setPipeMarkerSize();
    initializeComponentSizes();
    const QList<QColor> palette{VendrelConstants::BlackColor, AmmoniaParts::newLabelColor()};
    auto* canvas = new MvCanvasModel(palette, MaxLabelLength, MaxLabelLength, m_labelLength,
                                     m_labelHeight, nullptr);
    canvas->setShowEmptyTextMarker(false);
    setCanvas(canvas);
    // The loose tags are drawn on a canvas of their own, sized for each tag.
    auto* tags = new MvCanvasModel(palette, MaxLabelLength, MaxLabelLength, m_labelLength,
                                   m_labelHeight, nullptr);
    tags->setShowEmptyTextMarker(false);
    setTagCanvas(tags);
}

void AmmoniaController::createEditLayout()
{
    m_editWidget = new AmmoniaEditWidget(nullptr);
    pipeDiameterChangedSlot(m_pipeDiameterIndex);
    fontFamilyChangedSlot(m_editWidget->getFontfamily());

    AmmoniaEditWidget* panel = m_editWidget;
    connect(panel, &AmmoniaEditWidget::pipeDiameterChangedSignal, this,
            &AmmoniaController::pipeDiameterChangedSlot);
    connect(panel, &AmmoniaEditWidget::lengthChangedSignal, this,
            &AmmoniaController::lengthChangedSlot);
    connect(panel, &AmmoniaEditWidget::widthChangedSignal, this,
            &AmmoniaController::widthChangedSlot);
    connect(panel, &AmmoniaEditWidget::fontHeightChangedSignal, this,
            &AmmoniaController::fontHeightChangedSlot);
    connect(panel, &AmmoniaEditWidget::bandWidthChangedSignal, this,
            &AmmoniaController::bandWidthChangedSlot);
    connect(panel, &AmmoniaEditWidget::arrowWidthChangedSignal, this,
            &AmmoniaController::arrowWidthChangedSlot);
    connect(panel, &AmmoniaEditWidget::moduleChangedSignal, this,
            &AmmoniaController::moduleChangedSlot);
    connect(panel, &AmmoniaEditWidget::abbrevChangedSignal, this,
            &AmmoniaController::abbrevChangedSlot);
    connect(panel, &AmmoniaEditWidget::compChangedSignal, this,
            &AmmoniaController::compChangedSlot);
    connect(panel, &AmmoniaEditWidget::fontFamilyChangedSignal, this,
            &AmmoniaController::fontFamilyChangedSlot);
    connect(panel, &AmmoniaEditWidget::leftArrowChangedSignal, this,
            &AmmoniaController::leftArrowChangedSlot);
    connect(panel, &AmmoniaEditWidget::rightArrowChangedSignal, this,
            &AmmoniaController::rightArrowChangeSlot);
    connect(panel, &AmmoniaEditWidget::bothArrowCheckChanged, this,
            &AmmoniaController::editWidgetChangedSlot);
    connect(panel, &AmmoniaEditWidget::colorChangedSignal, this,
            &AmmoniaController::colorChangedSlot);
    connect(panel, &AmmoniaEditWidget::liqStateChangedSignal, this,
            &AmmoniaController::liqStateChangedSlot);
    connect(panel, &AmmoniaEditWidget::vapStateChangedSignal, this,
            &AmmoniaController::vapStateChangedSlot);
    connect(panel, &AmmoniaEditWidget::lowPressureChangedSignal, this,
            &AmmoniaController::lowPressureChangedSlot);
    connect(panel, &AmmoniaEditWidget::highPressureChangedSignal, this,
            &AmmoniaController::highPressureChangedSlot);
    connect(panel, &AmmoniaEditWidget::warningStringChanged, this,
            &AmmoniaController::warningStringChangedSlot);
    connect(panel, &AmmoniaEditWidget::sizeEditingFinishedSignal, this,
            &AmmoniaController::sizeEditingFinishedSlot);
    connect(panel, &AmmoniaEditWidget::previewTagsSignal, this,
            &AmmoniaController::previewTagsSlot);
    connect(panel, &AmmoniaEditWidget::printTagsSignal, this, &AmmoniaController::printTagsSlot);
}

void AmmoniaController::startWizard() {}

void AmmoniaController::updatePrintQuantity(int quantity)
{
    m_editWidget->updatePrintQuantity(static_cast<unsigned int>(qMax(quantity, 0)));
}

// ---- Loose tags -----------------------------------------------------------------------

QByteArray AmmoniaController::m_highPressSvgDataReal;
QByteArray AmmoniaController::m_lowPressSvgDataReal;
QByteArray AmmoniaController::m_liqStateSvgDataReal;
QByteArray AmmoniaController::m_vapStateSvgDataReal;

void AmmoniaController::loadStateSvgsForPrint()
{
    m_highPressSvgDataReal = AmmoniaParts::printDrawing(HighPressureTag);
    m_lowPressSvgDataReal = AmmoniaParts::printDrawing(LowPressureTag);
    m_liqStateSvgDataReal = AmmoniaParts::printDrawing(LiqStateTag);
    m_vapStateSvgDataReal = AmmoniaParts::printDrawing(VapStateTag);
}

void AmmoniaController::preparePrintTag(int tag)
{
    preparePrintTagSlot(static_cast<TagType>(tag));
}

void AmmoniaController::preparePrintTagSlot(const AmmoniaVendrel::TagType& type)
{
    MvCanvasModel* tags = getTagCanvas();
    if (!tags || !m_liqState)
        return;
    tags->clearScene();
    SymbolItem* copy = m_liqState->copy();
    const QSizeF size = copy->getItemSize();
    const double w = size.width();
    const double h = size.height();
    tags->setCanvasSize(w, h + 10.0, true);
    tags->addItem(copy);
    copy->setPos(5.0, 5.0);
    copy->setItemSize(qMax(w - 10.0, 1.0), qMax(h, 1.0));

    const QByteArray* drawing = nullptr;
    switch (type) {
    case HighPressureTag:
        drawing = &m_highPressSvgDataReal;
        break;
    case LowPressureTag:
        drawing = &m_lowPressSvgDataReal;
        break;
    case VapStateTag:
        drawing = &m_vapStateSvgDataReal;
        break;
    case LiqStateTag:
        drawing = &m_liqStateSvgDataReal;
        break;
    default:
        return;
    }
    tags->setCanvasBackgroundColor(AmmoniaParts::color(type, m_labelColor));
    copy->reloadItemFromData(*drawing);
    // Also the LIQ copy: a label whose LIQ part is off still prints its tag.
    copy->setVisible(true);
}

void AmmoniaController::previewTagsSlot(const AmmoniaVendrel::TagType& type, int quantity)
{
    preparePrintTagSlot(type);
    emit previewTagSignal(quantity);
}

void AmmoniaController::printTagsSlot(const AmmoniaVendrel::TagType& type, int quantity)
{
    preparePrintTagSlot(type);
    emit printTagSignal(quantity);
}

// ---- Sizes --------------------------------------------------------------------------

void AmmoniaController::setPipeMarkerSize()
{
    const IiarSizeTable::Row& row = IiarSizeTable::row(m_pipeDiameterIndex);
    m_labelLength = row.labelLength;
    m_labelHeight = row.labelHeight;
    m_fontHeight = row.textHeight;
    m_bandWidth = row.partWidth;
    // The arrows start as wide as the label is high.
    m_arrowWidth = row.labelHeight;
    m_recommendedLength = row.labelLength;
    m_recommendedHeight = row.labelHeight;
    m_recommendedFontHeight = row.textHeight;
    m_recommendedBandWidth = row.partWidth;
}

void AmmoniaController::initializeComponentSizes()
{
    m_componentLength = IiarSizeTable::NewComponent.length;
    m_componentHeight = IiarSizeTable::NewComponent.height;
    m_componentFontHeight = IiarSizeTable::NewComponent.textHeight;
    m_componentBandWidth = IiarSizeTable::NewComponent.partWidth;
}

void AmmoniaController::resetLengthOnWidgets(double value)
{
    m_editWidget->setLabelLength(UserUnits::shownValue(value));
}

void AmmoniaController::resetHeightOnWidgets(double value)
{
    m_editWidget->setLabelHeight(UserUnits::shownValue(value));
}

void AmmoniaController::resetFontOnWidgets(double value)
{
    m_editWidget->setFontHeight(UserUnits::shownValue(value));
}

void AmmoniaController::resetBandWidthOnWidgets(double value)
{
    m_editWidget->setBandWidth(UserUnits::shownValue(value));
}

void AmmoniaController::resetArrowWidthOnWidgets()
{
    m_editWidget->setArrowWidth(UserUnits::shownValue(m_arrowWidth));
}

void AmmoniaController::resetErrorOnLength()
{
    m_editWidget->setLengthInvalid(false);
    report(LengthTooSmall, false, LengthBelowRecommendation, false);
}

void AmmoniaController::resetErrorOnWidth()
{
    m_editWidget->setHeightInvalid(false);
    report(WidthBelowSupply, false, WidthBelowRecommendation, false);
}

void AmmoniaController::resetErrorOnFontSize()
{
    m_editWidget->setFontHeightInvalid(false);
    report(TextHeightTooSmall, false, TextHeightBelowRecommendation, false);
}

void AmmoniaController::resetErrorOnBandWidth()
{
    m_editWidget->setBandWidthInvalid(false);
    report(BandWidthTooSmall, false, BandWidthBelowRecommendation, false, BandWidthTooLarge, false);
}

void AmmoniaController::resetErrorOnArrowWidth()
{
    m_editWidget->setArrowWidthInvalid(false);
    report(ArrowWidthTooSmall, false, ArrowWidthBelowRecommendation, false, ArrowWidthTooLarge,
           false);
}

void AmmoniaController::resetSizesOnWidgets()
{
    resetErrorOnWidth();
    resetErrorOnLength();
    resetErrorOnFontSize();
    resetErrorOnBandWidth();
    resetErrorOnArrowWidth();
    resetHeightOnWidgets(modeHeight());
    resetLengthOnWidgets(modeLength());
    resetFontOnWidgets(modeFontHeight());
    resetBandWidthOnWidgets(modeBandWidth());
    if (m_isPipeMarker)
        resetArrowWidthOnWidgets();
}

void AmmoniaController::judgeSize(double value, double recommended, double leastPrintable,
                                  void (AmmoniaEditWidget::*markInvalid)(bool),
                                  StatusErrorType tooSmall, StatusErrorType belowRecommendation)
{
    const SizeJudgement judged =
        SizeJudgement::judge(value, recommended, leastPrintable, SameSizeTolerance);
    (m_editWidget->*markInvalid)(judged.fieldMarked);
    report(tooSmall, judged.tooSmall, belowRecommendation, judged.belowRecommendation);
}

void AmmoniaController::setLengthOnWidgets(double value)
{
    resetLengthOnWidgets(value);
    judgeSize(value, m_recommendedLength, LeastPrintableSide, &AmmoniaEditWidget::setLengthInvalid,
              LengthTooSmall, LengthBelowRecommendation);
}

void AmmoniaController::setHeightOnWidgets(double value)
{
    resetHeightOnWidgets(value);
    judgeSize(value, m_recommendedHeight, LeastPrintableSide, &AmmoniaEditWidget::setHeightInvalid,
              WidthBelowSupply, WidthBelowRecommendation);
}

void AmmoniaController::setFontOnWidgets(double value)
{
    resetFontOnWidgets(value);
    judgeSize(value, m_recommendedFontHeight, LeastPrintableSize,
              &AmmoniaEditWidget::setFontHeightInvalid, TextHeightTooSmall,
              TextHeightBelowRecommendation);
}

void AmmoniaController::setSizesOnWidgets()
{
    setHeightOnWidgets(modeHeight());
    setLengthOnWidgets(modeLength());
    setFontOnWidgets(modeFontHeight());
    resetBandWidthOnWidgets(modeBandWidth());
    recheckBandWidth(modeBandWidth(), modeLength(), modeBandWidth());
    if (m_isPipeMarker) {
        resetArrowWidthOnWidgets();
        recheckArrowWidth(m_arrowWidth);
    } else {
        resetErrorOnArrowWidth();
    }
}

void AmmoniaController::setLength(double value, double& length, double& partWidth)
{
    if (value < LeastPrintableSide) {
        m_editWidget->setLengthInvalid(true);
        report(LengthTooSmall, true, LengthBelowRecommendation, false);
    }
    if (value > MaxLabelLength + LabelLimits::CapTolerance) {
        length = MaxLabelLength;
        resetLengthOnWidgets(length);
    } else {
        length = value;
        if (value >= LeastPrintableSide)
            judgeSize(value, m_recommendedLength, LeastPrintableSide,
                      &AmmoniaEditWidget::setLengthInvalid, LengthTooSmall,
                      LengthBelowRecommendation);
    }
    recheckBandWidth(partWidth, length, partWidth);
    if (m_isPipeMarker)
        recheckArrowWidth(m_arrowWidth);
    // Parts or arrows that fill the label leave nothing printable between them.
    if (partWidth >= length || (m_isPipeMarker && length <= m_arrowWidth))
        report(LengthTooSmall, true, LengthBelowRecommendation, false);
}

bool AmmoniaController::setWidth(double value, double& width, double& textHeight)
{
    if (value < LeastPrintableSide) {
        m_editWidget->setHeightInvalid(true);
        report(WidthBelowSupply, true, WidthBelowRecommendation, false);
    }
    if (value > MaxLabelHeight + LabelLimits::CapTolerance) {
        width = MaxLabelHeight;
        resetHeightOnWidgets(width);
    } else {
        width = value;
        if (value >= LeastPrintableSide)
            judgeSize(value, m_recommendedHeight, LeastPrintableSide,
                      &AmmoniaEditWidget::setHeightInvalid, WidthBelowSupply,
                      WidthBelowRecommendation);
    }
    if (width < textHeight) {
        textHeight = width;
        return true;
    }
    return false;
}

bool AmmoniaController::setFontHeight(double value, double& width, double& textHeight)
{
    textHeight = value;
    bool widthChanged = false;
    bool fontChanged = false;
    setMaxDocFromFontHeight(width, textHeight, widthChanged, fontChanged);
    if (widthChanged)
        setHeightOnWidgets(width);
    if (fontChanged) {
        setFontOnWidgets(textHeight);
    } else {
        judgeSize(textHeight, m_recommendedFontHeight, LeastPrintableSize,
                  &AmmoniaEditWidget::setFontHeightInvalid, TextHeightTooSmall,
                  TextHeightBelowRecommendation);
    }
    return widthChanged;
}

void AmmoniaController::setMaxDocFromFontHeight(double& width, double& textHeight,
                                                bool& widthChanged, bool& fontChanged)
{
    // A label is never narrower than its text is high.
    if (textHeight > MaxLabelHeight + LabelLimits::CapTolerance) {
        textHeight = MaxLabelHeight;
        fontChanged = true;
        if (width < MaxLabelHeight) {
            width = MaxLabelHeight;
            widthChanged = true;
        }
    } else if (textHeight > width) {
        width = textHeight;
        widthChanged = true;
    }
}

void AmmoniaController::recheckBandWidth(double value, double labelLength, double& partWidth)
{
    if (value >= labelLength) {
        partWidth = labelLength;
        resetBandWidthOnWidgets(partWidth);
        m_editWidget->setBandWidthInvalid(true);
        report(BandWidthTooSmall, false, BandWidthBelowRecommendation, false, BandWidthTooLarge,
               true);
        return;
    }
    partWidth = value;
    const bool below = value + SameSizeTolerance < m_recommendedBandWidth;
    m_editWidget->setBandWidthInvalid(below);
    report(BandWidthTooSmall, false, BandWidthBelowRecommendation, below, BandWidthTooLarge, false);
}

void AmmoniaController::recheckArrowWidth(double value)
{
    if (m_labelLength <= value) {
        m_arrowWidth = m_labelLength;
        resetArrowWidthOnWidgets();
        m_editWidget->setArrowWidthInvalid(true);
        report(ArrowWidthTooSmall, false, ArrowWidthBelowRecommendation, false, ArrowWidthTooLarge,
               true);
        return;
    }
    m_arrowWidth = value;
    // Arrows are judged by the part width of the row, not by the label's width.
    const bool below = value + SameSizeTolerance < m_recommendedBandWidth;
    m_editWidget->setArrowWidthInvalid(below);
    report(ArrowWidthTooSmall, false, ArrowWidthBelowRecommendation, below, ArrowWidthTooLarge,
           false);
}

bool AmmoniaController::checkPipeTextWidth(double available, double leftEdge,
                                           double& statesPosition)
{
    if (available >= LegibleTextRoom) {
        report(TextSpaceTooSmall, false, ItemsOverlap, false);
        return true;
    }
    if (available < LeastTextRoom) {
        report(TextSpaceTooSmall, true, ItemsOverlap, true);
        return AmmoniaCommonController::checkPipeTextWidth(available, leftEdge, statesPosition);
    }
    report(TextSpaceTooSmall, true, ItemsOverlap, false);
    return true;
}

void AmmoniaController::checkComponentTextWidth(double available)
{
    report(TextSpaceTooSmall, available < LegibleTextRoom, ItemsOverlap, false);
}

// ---- Slots of the panel ------------------------------------------------------------

void AmmoniaController::pipeDiameterChangedSlot(int index)
{
    sizeEditingFinishedSlot();
    m_pipeDiameterIndex = static_cast<unsigned short>(IiarSizeTable::boundedRow(index));
    setPipeMarkerSize();
    resetSizesOnWidgets();
    m_editWidget->resetErrorStatus();
    layout();
    markChanged();
}

void AmmoniaController::lengthChangedSlot(const QString& text)
{
    if (text.isEmpty())
        return;
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableSide) {
        m_editWidget->setLengthInvalid(true);
        report(LengthTooSmall, true, LengthBelowRecommendation, false);
        return;
    }
    setLength(value, modeLength(), modeBandWidth());
    layout();
    markChanged();
}

void AmmoniaController::widthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableSize) {
        m_editWidget->setHeightInvalid(true);
        report(WidthBelowSupply, true, WidthBelowRecommendation, false);
        return;
    }
    if (m_textHeightAtWidthEdit < 0.0)
        m_textHeightAtWidthEdit = modeFontHeight();
    m_widthAtTextHeightEdit = -1.0;
    const double shownTextHeight = modeFontHeight();
    // Lowered, if at all, from the text height the user had before typing.
    modeFontHeight() = m_textHeightAtWidthEdit;
    setWidth(value, modeHeight(), modeFontHeight());
    if (!qFuzzyCompare(modeFontHeight(), shownTextHeight))
        setFontOnWidgets(modeFontHeight());
    layout();
    markChanged();
}

void AmmoniaController::fontHeightChangedSlot(const QString& text)
{
    if (text.isEmpty())
        return;
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableSize) {
        m_editWidget->setFontHeightInvalid(true);
        report(TextHeightTooSmall, true, TextHeightBelowRecommendation, false);
        return;
    }
    if (m_widthAtTextHeightEdit < 0.0)
        m_widthAtTextHeightEdit = modeHeight();
    m_textHeightAtWidthEdit = -1.0;
    const double shownWidth = modeHeight();
    // Widened, if at all, from the width the user had before typing.
    modeHeight() = m_widthAtTextHeightEdit;
    bool widthChanged = setFontHeight(value, modeHeight(), modeFontHeight());
    if (!widthChanged && !qFuzzyCompare(modeHeight(), shownWidth)) {
        setHeightOnWidgets(modeHeight());
        widthChanged = true;
    }
    recalculateSizes();
    if (widthChanged)
        resizeCanvasAndBands();
    markChanged();
}

void AmmoniaController::bandWidthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableSize) {
        m_editWidget->setBandWidthInvalid(true);
        report(BandWidthTooSmall, true, BandWidthBelowRecommendation, false, BandWidthTooLarge,
               false);
        return;
    }
    recheckBandWidth(value, modeLength(), modeBandWidth());
    resizeCanvasAndBands();
    recalculateSizes();
    markChanged();
}

void AmmoniaController::arrowWidthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableSize) {
        m_editWidget->setArrowWidthInvalid(true);
        report(ArrowWidthTooSmall, true, ArrowWidthBelowRecommendation, false, ArrowWidthTooLarge,
               false);
        return;
    }
    recheckArrowWidth(value);
    resizeCanvasAndBands();
    recalculateSizes();
    markChanged();
}

void AmmoniaController::moduleChangedSlot(bool pipeMarker)
{
    sizeEditingFinishedSlot();
    setPipeMarkerMode(pipeMarker);
    setSizesOnWidgets();
    resizeCanvasAndBands();
    recalculateSizes();
    resetErrorOnArrowWidth();
    markChanged();
}

void AmmoniaController::abbrevChangedSlot(const QString& text)
{
    setAbbreviationText(text);
    recalculateSizes();
    markChanged();
}

void AmmoniaController::compChangedSlot(const QString& text)
{
    setComponentText(text);
    recalculateSizes();
    markChanged();
}

void AmmoniaController::fontFamilyChangedSlot(const QString& family)
{
    QSettings().setValue(VendrelConstants::FontFamilySettingKey, family);
    setFontFamily(family, QStringLiteral("M"));
    recalculateSizes();
    markChanged();
}

void AmmoniaController::applyArrow(ArrowSide side, unsigned int id, const QByteArray& data)
{
    setArrow(side, static_cast<int>(id), data);
    recalculateSizes();
    markChanged();
}

void AmmoniaController::leftArrowChangedSlot(unsigned int id, const QByteArray& data, bool)
{
    applyArrow(LeftSide, id, data);
}

void AmmoniaController::rightArrowChangeSlot(unsigned int id, const QByteArray& data, bool)
{
    applyArrow(RightSide, id, data);
}

void AmmoniaController::editWidgetChangedSlot()
{
    markChanged();
}

void AmmoniaController::showColor(const QColor& color)
{
    setLabelColor(color);
    m_editWidget->updateColorCombo(color);
}

void AmmoniaController::colorChangedSlot(const QColor& color)
{
    m_color = color;
    showColor(color);
    markChanged();
}

void AmmoniaController::liqStateChangedSlot(bool on)
{
    setStates(on, m_isVapState);
    recalculateSizes();
    emit setVisibleAmmoniaTag(getTagsVisible());
    markChanged();
}

void AmmoniaController::vapStateChangedSlot(bool on)
{
    setStates(m_isLiqState, on);
    recalculateSizes();
    emit setVisibleAmmoniaTag(getTagsVisible());
    markChanged();
}

void AmmoniaController::highPressureChangedSlot(bool on)
{
    setPressure(on, m_isLowPressure);
    recalculateSizes();
    emit setVisibleAmmoniaTag(getTagsVisible());
    markChanged();
}

void AmmoniaController::lowPressureChangedSlot(bool on)
{
    setPressure(m_isHighPressure, on);
    recalculateSizes();
    emit setVisibleAmmoniaTag(getTagsVisible());
    markChanged();
}

void AmmoniaController::warningStringChangedSlot(const QString& warning)
{
    reportWarning(warning);
}

void AmmoniaController::sizeEditingFinishedSlot()
{
    m_textHeightAtWidthEdit = -1.0;
    m_widthAtTextHeightEdit = -1.0;
}

// ---- New label ------------------------------------------------------------------------

void AmmoniaController::newPipeInfo()
{
    const AmmoniaLabel fresh;
    sizeEditingFinishedSlot();
    m_editWidget->resetErrorStatus();
    m_editWidget->setUnits(DefaultUnitController::getDefaultUnits() != UnitConversions::Inches);

    m_pipeDiameterIndex = static_cast<unsigned short>(fresh.pipeDiameterIndex);
    setPipeMarkerMode(fresh.pipeMarker);
    m_editWidget->setPipeDiameter(m_pipeDiameterIndex);
    setPipeMarkerSize();
    initializeComponentSizes();
    resetSizesOnWidgets();

    m_editWidget->resetAbbreviationCombo();
    m_editWidget->resetComponentCombo();
    setAbbreviationText(fresh.abbreviation);

    // A new label takes the family the user chose last.
    applyFontFamily(
        QSettings().value(VendrelConstants::FontFamilySettingKey, fresh.fontFamily).toString());

    setArrow(LeftSide, fresh.leftArrowId, QByteArray());
    setArrow(RightSide, fresh.rightArrowId, QByteArray());
    const QIcon addArrow = m_symbolsMenu ? m_symbolsMenu->getAddArrowIcon() : QIcon();
    m_editWidget->setLeftArrow(static_cast<unsigned int>(fresh.leftArrowId), addArrow);
    m_editWidget->setRightArrow(static_cast<unsigned int>(fresh.rightArrowId), addArrow);

    setStates(fresh.liq, fresh.vap);
    setPressure(fresh.high, fresh.low);
    m_editWidget->setState(fresh.liq, fresh.vap);
    m_editWidget->setPressure(fresh.high, fresh.low);

    colorChangedSlot(fresh.drawnColor());
    m_editWidget->setModule(fresh.pipeMarker);
    getCanvas()->setCanvasHasChanged(false);
}

// ---- Label file record ---------------------------------------------------------------

void AmmoniaController::savePipeInfo(QDataStream& stream)
{
    // The record starts with a picture of the label for file choosers; readers of the
    // label skip it.
    stream << getCanvas()->createIcon(PreviewSide, PreviewSide);
    saveRecord(stream);
    getCanvas()->setCanvasHasChanged(false);
}

bool AmmoniaController::saveRecord(QDataStream& stream)
{
    AmmoniaRecord::write(stream, currentLabel());
    return true;
}

AmmoniaLabel AmmoniaController::currentLabel() const
{
    AmmoniaLabel label;
    label.unitsAreInches = m_editWidget->getUnits();
    label.pipeDiameterIndex = static_cast<short>(m_pipeDiameterIndex);
    label.pipeMarker = m_isPipeMarker;
    label.length = m_labelLength;
    label.height = m_labelHeight;
    label.textHeight = m_fontHeight;
    label.partWidth = m_bandWidth;
    label.arrowWidth = m_arrowWidth;
    label.componentLength = m_componentLength;
    label.componentHeight = m_componentHeight;
    label.componentTextHeight = m_componentFontHeight;
    label.componentPartWidth = m_componentBandWidth;
    label.abbreviation = abbreviationText();
    label.component = componentText();
    label.fontFamily = m_editWidget->getFontfamily();
    label.leftArrowId = m_leftArrowId;
    label.rightArrowId = m_rightArrowId;
    label.vap = m_isVapState;
    label.liq = m_isLiqState;
    label.high = m_isHighPressure;
    label.low = m_isLowPressure;
    label.color = m_color;
    return label;
}

void AmmoniaController::loadPipeInfo(QDataStream& stream)
{
    // The whole record is read and its stream judged before anything changes: a
    // damaged record touches neither the label nor the lists, and the file
    // controller reports it.
    const AmmoniaLabel label = AmmoniaRecord::read(stream, AmmoniaLabel::Bounds::Editable);
    if (stream.status() != QDataStream::Ok)
        return;

    sizeEditingFinishedSlot();
    m_editWidget->resetErrorStatus();
    // Sizes are stored in points; the unit they were typed in is the user's preference
    // on that system, not part of the label.
    m_editWidget->setUnits(DefaultUnitController::getDefaultUnits() != UnitConversions::Inches);

    m_pipeDiameterIndex = static_cast<unsigned short>(label.pipeDiameterIndex);
    m_editWidget->setPipeDiameter(m_pipeDiameterIndex);
    setPipeMarkerSize();

    // The sizes, texts and parts as the file holds them.
    applyLabel(label);
    setSizesOnWidgets();

    m_editWidget->setAbbreviationCombo(label.abbreviation);
    m_editWidget->setComponentCombo(label.component);
    setAbbreviationText(label.abbreviation);
    setComponentText(label.component);

    applyFontFamily(label.fontFamily);

    m_leftArrowId = label.leftArrowId;
    m_rightArrowId = label.rightArrowId;
    setArrowsData();

    m_editWidget->setState(label.liq, label.vap);
    m_editWidget->setPressure(label.high, label.low);
    m_editWidget->setModule(label.pipeMarker);

    // Drawn orange where the file holds no colour, kept as read.
    m_color = label.color;
    showColor(label.drawnColor());
    getCanvas()->setCanvasHasChanged(false);
}

void AmmoniaController::applyFontFamily(QString family)
{
    // The combo offers the installed families only and may fall back to another one:
    // the texts take the family it shows, which is also the one saved.
    m_editWidget->setFontFamily(family);
    setFontFamily(family, QStringLiteral("A"));
}

QIcon AmmoniaController::arrowButtonIcon(int id, const ArrowSymbols::Symbol* symbol) const
{
    // No arrow invites one, as on a new label; an id the symbols do not hold has
    // the no-arrow picture.
    if (id <= ArrowSymbols::NoArrowSymbolId)
        return m_symbolsMenu->getAddArrowIcon();
    return symbol ? symbol->icon : m_symbolsMenu->symbols().noArrowIcon();
}

void AmmoniaController::setArrowsData()
{
    if (!m_symbolsMenu)
        return;
    const ArrowSymbols& symbols = m_symbolsMenu->symbols();
    ArrowSymbols::Symbol left;
    ArrowSymbols::Symbol right;
    const bool leftKnown = loadArrow(LeftSide, m_leftArrowId, symbols, &left);
    const bool rightKnown = loadArrow(RightSide, m_rightArrowId, symbols, &right);
    m_editWidget->setLeftArrow(static_cast<unsigned int>(m_leftArrowId),
                               arrowButtonIcon(m_leftArrowId, leftKnown ? &left : nullptr));
    m_editWidget->setRightArrow(static_cast<unsigned int>(m_rightArrowId),
                                arrowButtonIcon(m_rightArrowId, rightKnown ? &right : nullptr));
}
