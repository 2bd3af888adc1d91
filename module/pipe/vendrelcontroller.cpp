#include "pipe/vendrelcontroller.h"

#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "kit/arrowsmenu.h"
#include "kit/sizejudgement.h"
#include "kit/userunits.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "pipe/piperecord.h"
#include "pipe/vendreleditwidget.h"
#include "pipe/wizardvendrel.h"
#include "units/basicconversions.h"
#include "units/defaultunitcontroller.h"
#include "units/unitconversions.h"

#include <QCloseEvent>
#include <QDataStream>
#include <QGridLayout>
#include <QImage>
#include <QSettings>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextFrameFormat>
#include <QtMath>

namespace {
// Two text heights closer than this are the same height.
constexpr double SameHeightEpsilon = 0.0005;
// Room a wrapped label needs across the pipe per point of text height.
constexpr double WrapLandscapeFactor = 3.0;
constexpr double WrapPortraitFactor = 1.75;
} // namespace

VendrelController::VendrelController(QWidget* parent) : VendrelCommonController(parent)
{
    m_pipeDiameterIndex = 1;
    m_backgroundColor = VendrelConstants::WhiteColor;
    m_textColor = VendrelConstants::BlackColor;
    m_backgroundRecord = m_backgroundColor;
    m_textColorRecord = m_textColor;
    setObjectName(QStringLiteral("VendrelController"));

    createCanvas();
    createInitialItems();
    createEditLayout();
    m_symbolsMenu = m_editWidget->getSymbolsMenu();
    m_wizard = nullptr;

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editWidget, 0, 0, Qt::AlignCenter);

    newPipeInfo();
}

VendrelController::~VendrelController()
{
    // The panel is destroyed with the widget base, after this part of the object is
    // gone: nothing it still signals may reach the slots here.
    if (m_editWidget)
        m_editWidget->disconnect(this);
    // The wizard has no parent; the canvas is not a child either.
    delete m_wizard;
    MvCanvasModel* canvas = getCanvas();
    setCanvas(nullptr);
    delete canvas;
}

double VendrelController::modeFactor() const
{
    if (!m_wrap)
        return 1.0;
    return m_vertical ? WrapPortraitFactor : WrapLandscapeFactor;
}

void VendrelController::reportErrors(Vendrel::StatusErrorType first, bool firstOn,
                                     Vendrel::StatusErrorType second, bool secondOn)
{
    emit errorStatusSignal(first, firstOn, second, secondOn, Vendrel::NoError, false);
}

void VendrelController::markChanged()
{
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasHasChanged(true);
    emit labelEdited();
}

// ---- Canvas, panel, wizard -----------------------------------------------------------

void VendrelController::createCanvas()
{
    const AnsiSizeTable::Row& row = AnsiSizeTable::row(m_pipeDiameterIndex);
    m_labelLength = row.labelLength;
    m_labelHeight = row.labelHeight;
    m_fontHeight = row.textHeight;
    m_recommendedLength = row.labelLength;
    m_recommendedHeight = row.labelHeight;
    m_recommendedFontHeight = row.textHeight;

    const QList<QColor> palette{VendrelConstants::BlackColor, VendrelConstants::WhiteColor};
    auto* canvas = new MvCanvasModel(palette, MaxLabelLength, MaxLabelLength, m_labelLength,
                                     m_labelHeight, nullptr);
    setCanvas(canvas);
    canvas->setShowEmptyTextMarker(false);
    m_leftArrowId = 1;
    m_rightArrowId = 1;
}

void VendrelController::createEditLayout()
{
    m_editWidget = new VendrelEditWidget(nullptr);
    pipeDiameterChangedSlot(m_pipeDiameterIndex);
    m_savedLabelHeight = -1.0;
    m_savedFontHeight = -1.0;
    fontFamilyChangedSlot(m_editWidget->getFontfamily());

    connect(m_editWidget, &VendrelEditWidget::pipeDiameterChangedSignal, this,
            &VendrelController::pipeDiameterChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::lengthChangedSignal, this,
            &VendrelController::lengthChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::widthChangedSignal, this,
            &VendrelController::widthChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::fontHeightChangedSignal, this,
            &VendrelController::fontHeightChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::resizeLabelSignal, this,
            &VendrelController::resizeLabelSlot);
    connect(m_editWidget, &VendrelEditWidget::orientationSignal, this,
            &VendrelController::orientationSlot);
    connect(m_editWidget, &VendrelEditWidget::wrapSignal, this, &VendrelController::wrapSlot);
    connect(m_editWidget, &VendrelEditWidget::topSignal, this, &VendrelController::topSlot);
    connect(m_editWidget, &VendrelEditWidget::colorChangedSignal, this,
            &VendrelController::colorChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::textContentChangedSignal, this,
            &VendrelController::pipeTextChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::fontFamilyChangedSignal, this,
            &VendrelController::fontFamilyChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::leftArrowChangedSignal, this,
            &VendrelController::leftArrowChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::rightArrowChangedSignal, this,
            &VendrelController::rightArrowChangeSlot);
    connect(m_editWidget, &VendrelEditWidget::bothArrowCheckChanged, this,
            &VendrelController::editWidgetChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::warningStringChanged, this,
            &VendrelController::warningStringChangedSlot);
    connect(m_editWidget, &VendrelEditWidget::sizeEditingFinishedSignal, this,
            &VendrelController::sizeEditingFinishedSlot);
    connect(this, &VendrelCommonController::errorStatusSignal, m_editWidget,
            &VendrelEditWidget::setErrorToStatus);
}

void VendrelController::createWizard()
{
    m_wizard = new WizardVendrel(nullptr);
    connect(m_wizard, &QDialog::finished, this, [this](int) { emit wizardEndSignal(); });
}

void VendrelController::startWizard()
{
    if (!m_wizard)
        createWizard();
    m_wizard->restart();
    m_wizard->raise();
    m_wizard->show();
}

void VendrelController::closeEvent(QCloseEvent* event)
{
    if (m_wizard) {
        m_wizard->hide();
        m_wizard->deleteLater();
        m_wizard = nullptr;
    }
    VendrelCommonController::closeEvent(event);
}

// ---- Sizes -------------------------------------------------------------------------

void VendrelController::setPipeMarkerSize()
{
    const AnsiSizeTable::Row& row = AnsiSizeTable::row(m_pipeDiameterIndex);
    m_recommendedFontHeight = row.textHeight;
    m_recommendedHeight = row.labelHeight;
    m_recommendedLength = row.labelLength;
    if (m_pipeDiameterIndex == AnsiSizeTable::CustomSizeRow)
        return;

    m_labelLength = row.labelLength;
    if (m_wrap) {
        // Two lines and two arrow rows share the height.
        m_labelHeight = qMin(WrapLandscapeFactor * row.textHeight, MaxLabelHeight);
        m_fontHeight = qMin(row.textHeight, MaxWrapTextHeight);
    } else {
        m_fontHeight = row.textHeight;
        m_labelHeight = qMin(row.labelHeight, MaxLabelHeight);
    }
}

void VendrelController::setMaxDocFromFontHeight(double factor, bool& heightChanged,
                                                bool& fontChanged)
{
    if (m_fontHeight > HeightCapSlack) {
        m_fontHeight = MaxTextHeight;
        fontChanged = true;
    }
    const double needed = m_fontHeight * factor;
    if (m_labelHeight < needed) {
        if (needed > HeightCapSlack) {
            m_labelHeight = MaxLabelHeight;
            m_fontHeight = MaxLabelHeight / factor;
            fontChanged = true;
        } else {
            m_labelHeight = needed;
        }
        heightChanged = true;
    }
}

void VendrelController::recalculateSizes(bool force)
{
    bool lengthChanged = false;
    bool heightChanged = false;
    bool fontChanged = false;
    VendrelCommonController::recalculateSizes(force, false, lengthChanged, heightChanged,
                                              fontChanged);
    if (lengthChanged)
        setLengthOnWidgets(true);
    if (heightChanged)
        setHeightOnWidgets(true);
    if (fontChanged)
        setFontOnWidgets(true);
}

bool VendrelController::judgeSize(double value, double recommended, double leastPrintable,
                                  Vendrel::StatusErrorType tooSmall,
                                  Vendrel::StatusErrorType belowRecommendation)
{
    const SizeJudgement judgement =
        SizeJudgement::judge(value, recommended, leastPrintable, SameHeightEpsilon);
    reportErrors(tooSmall, judgement.tooSmall, belowRecommendation, judgement.belowRecommendation);
    return judgement.fieldMarked;
}

void VendrelController::setLengthOnWidgets(bool show)
{
    if (show)
        m_editWidget->setLabelLength(UserUnits::shownValue(m_labelLength));
    m_editWidget->setLengthInvalid(judgeSize(m_labelLength, m_recommendedLength,
                                             LeastPrintableLength, Vendrel::LengthTooSmall,
                                             Vendrel::LengthBelowRecommendation));
}

void VendrelController::setHeightOnWidgets(bool show)
{
    if (show)
        m_editWidget->setLabelHeight(UserUnits::shownValue(m_labelHeight));
    m_editWidget->setHeightInvalid(judgeSize(m_labelHeight, m_recommendedHeight,
                                             LeastPrintableLength, Vendrel::WidthBelowSupply,
                                             Vendrel::WidthBelowRecommendation));
}

void VendrelController::setFontOnWidgets(bool show)
{
    if (show)
        m_editWidget->setFontHeight(UserUnits::shownValue(m_fontHeight));
    m_editWidget->setFontHeightInvalid(
        judgeSize(m_fontHeight, m_recommendedFontHeight, LeastPrintableTextHeight,
                  Vendrel::TextHeightTooSmall, Vendrel::TextHeightBelowRecommendation));
}

void VendrelController::setSizesOnWidgets()
{
    setLengthOnWidgets(true);
    setHeightOnWidgets(true);
    setFontOnWidgets(true);
    m_savedLabelHeight = -1.0;
    m_savedFontHeight = -1.0;
}

void VendrelController::resetLengthOnWidgets()
{
    m_editWidget->setLabelLength(UserUnits::shownValue(m_labelLength));
    m_editWidget->setLengthInvalid(false);
    reportErrors(Vendrel::LengthTooSmall, false, Vendrel::LengthBelowRecommendation, false);
}

void VendrelController::resetHeightOnWidgets()
{
    m_editWidget->setLabelHeight(UserUnits::shownValue(m_labelHeight));
    m_editWidget->setHeightInvalid(false);
    reportErrors(Vendrel::WidthBelowSupply, false, Vendrel::WidthBelowRecommendation, false);
}

void VendrelController::resetFontOnWidgets()
{
    m_editWidget->setFontHeight(UserUnits::shownValue(m_fontHeight));
    m_editWidget->setFontHeightInvalid(false);
    reportErrors(Vendrel::TextHeightTooSmall, false, Vendrel::TextHeightBelowRecommendation, false);
}

void VendrelController::resetSizesOnWidgets()
{
    resetLengthOnWidgets();
    resetHeightOnWidgets();
    resetFontOnWidgets();
    m_savedLabelHeight = -1.0;
    m_savedFontHeight = -1.0;
}

// ---- Slots of the panel ------------------------------------------------------------

void VendrelController::pipeDiameterChangedSlot(int index)
{
    forgetEditStart();
    m_pipeDiameterIndex = static_cast<short>(AnsiSizeTable::boundedRow(index));
    setPipeMarkerSize();
    resetSizesOnWidgets();
    recalculateSizes(true);
    markChanged();
}

void VendrelController::lengthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableLength) {
        // The label keeps its last length, so nothing lays out or saves a label
        // that cannot be printed; the field and the warning say why.
        m_editWidget->setLengthInvalid(true);
        reportErrors(Vendrel::LengthTooSmall, true, Vendrel::LengthBelowRecommendation, false);
        return;
    }
    m_labelLength = value;
    if (m_labelLength > LengthCapSlack) {
        m_labelLength = MaxLabelLength;
        m_editWidget->setLabelLength(UserUnits::shownValue(m_labelLength));
    }
    setLengthOnWidgets(false);
    recalculateSizes(true);
    markChanged();
}

void VendrelController::widthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableWidth) {
        // As for the length: marked and reported, the label keeps its height.
        m_editWidget->setHeightInvalid(true);
        reportErrors(Vendrel::WidthBelowSupply, true, Vendrel::WidthBelowRecommendation, false);
        return;
    }
    if (m_textHeightAtWidthEdit < 0.0)
        m_textHeightAtWidthEdit = m_fontHeight;
    m_labelHeightAtTextHeightEdit = -1.0;
    bool cut = false;
    if (value > HeightCapSlack) {
        m_labelHeight = MaxLabelHeight;
        cut = true;
    } else {
        m_labelHeight = value;
    }
    // The text the user chose, as far as the width now typed leaves room for it.
    const double textHeight = qMin(m_textHeightAtWidthEdit, m_labelHeight / modeFactor());
    if (!BasicConversions::almostEqual(textHeight, m_fontHeight, SameHeightEpsilon)) {
        m_fontHeight = textHeight;
        setFontOnWidgets(true);
    }
    setHeightOnWidgets(cut);
    recalculateSizes(true);
    markChanged();
}

void VendrelController::fontHeightChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastPrintableTextHeight) {
        m_editWidget->setFontHeightInvalid(true);
        reportErrors(Vendrel::TextHeightTooSmall, true, Vendrel::TextHeightBelowRecommendation,
                     false);
        return;
    }
    if (m_labelHeightAtTextHeightEdit < 0.0)
        m_labelHeightAtTextHeightEdit = m_labelHeight;
    m_textHeightAtWidthEdit = -1.0;
    m_fontHeight = value;
    m_savedFontHeight = -1.0;
    bool heightChanged = false;
    bool fontChanged = false;
    // The label grows for the text typed now, not for one typed on the way to it.
    if (!BasicConversions::almostEqual(m_labelHeight, m_labelHeightAtTextHeightEdit,
                                       SameHeightEpsilon)) {
        m_labelHeight = m_labelHeightAtTextHeightEdit;
        heightChanged = true;
    }
    setMaxDocFromFontHeight(modeFactor(), heightChanged, fontChanged);
    if (heightChanged)
        setHeightOnWidgets(true);
    setFontOnWidgets(fontChanged);
    recalculateSizes(heightChanged);
    markChanged();
}

bool VendrelController::keepOrRestoreFontHeight(bool keep)
{
    if (keep) {
        m_savedFontHeight = m_fontHeight;
        return false;
    }
    if (m_savedFontHeight <= 0.0 ||
        BasicConversions::almostEqual(m_savedFontHeight, m_fontHeight, SameHeightEpsilon))
        return false;
    m_fontHeight = m_savedFontHeight;
    return true;
}

bool VendrelController::refitToMode(bool heightChanged, bool fontChanged)
{
    setMaxDocFromFontHeight(modeFactor(), heightChanged, fontChanged);
    if (heightChanged)
        setHeightOnWidgets(true);
    if (fontChanged)
        setFontOnWidgets(true);
    return heightChanged;
}

void VendrelController::resizeLabelSlot(int option)
{
    forgetEditStart();
    setResizeOption(option);
    const bool fontChanged = keepOrRestoreFontHeight(m_resizeOption == FitTextToLabel);
    recalculateSizes(refitToMode(false, fontChanged));
    markChanged();
}

void VendrelController::orientationSlot(bool vertical)
{
    forgetEditStart();
    m_vertical = vertical;
    orientationSettingAction();
    refitToMode(false, keepOrRestoreFontHeight(m_vertical));
    recalculateSizes(true);
    markChanged();
}

void VendrelController::wrapSlot(bool wrap)
{
    forgetEditStart();
    m_wrap = wrap;
    updateArrowVisibility();
    updateArrowRotation();

    // Wrapping needs a taller label; switching back returns to the height held before.
    const double heldHeight = m_labelHeight;
    const bool heightRestored = m_savedLabelHeight > 0.0;
    if (heightRestored)
        m_labelHeight = m_savedLabelHeight;
    m_savedLabelHeight = heldHeight;

    recalculateSizes(refitToMode(heightRestored, false));
    markChanged();
}

void VendrelController::topSlot(bool top)
{
    m_top = top;
    recalculateSizes(false);
    updateArrowRotation();
    markChanged();
}

void VendrelController::colorChangedSlot(const QColor& background, const QColor& textColor)
{
    m_backgroundRecord = background;
    m_textColorRecord = textColor;
    showColors(background, textColor);
    markChanged();
}

void VendrelController::showColors(const QColor& background, const QColor& textColor)
{
    m_backgroundColor = background;
    m_textColor = textColor;
    colorChangedAction(m_backgroundColor, m_textColor);
    m_editWidget->updateColorCombo(m_textColor, m_backgroundColor);
}

void VendrelController::pipeTextChangedSlot(const QString& text)
{
    setLegend(text);
    recalculateSizes(false);
    markChanged();
}

void VendrelController::fontFamilyChangedSlot(const QString& family)
{
    VendrelWidgetsUtils::saveFontFamily(family);
    setFontFamily(family, QStringLiteral("M"));
    recalculateSizes(false);
    markChanged();
}

void VendrelController::applyArrow(ArrowSide side, unsigned int id, const QByteArray& data,
                                   bool mirror)
{
    setArrow(side, static_cast<int>(id), data, mirror);
    recalculateSizes(false);
    markChanged();
}

void VendrelController::leftArrowChangedSlot(unsigned int id, const QByteArray& data, bool mirror)
{
    applyArrow(LeftSide, id, data, mirror);
}

void VendrelController::rightArrowChangeSlot(unsigned int id, const QByteArray& data, bool mirror)
{
    applyArrow(RightSide, id, data, mirror);
}

void VendrelController::editWidgetChangedSlot()
{
    // The "apply to both" choice is part of the label's record.
    markChanged();
}

void VendrelController::warningStringChangedSlot(const QString& warning)
{
    reportWarning(warning);
}

void VendrelController::sizeEditingFinishedSlot()
{
    forgetEditStart();
}

void VendrelController::forgetEditStart()
{
    m_textHeightAtWidthEdit = -1.0;
    m_labelHeightAtTextHeightEdit = -1.0;
}

// ---- New label ---------------------------------------------------------------------

void VendrelController::newPipeInfo()
{
    const PipeLabel fresh;
    m_editWidget->resetErrorStatus();
    m_editWidget->setUnits(DefaultUnitController::getDefaultUnits());

    // The modes go first: the pipe size depends on wrap, and a label left wrapped
    // must not hand its wrap height on to the new one.
    applyLabelModes(fresh);

    m_pipeDiameterIndex = fresh.pipeDiameterIndex;
    m_editWidget->setPipeDiameter(m_pipeDiameterIndex);
    setPipeMarkerSize();
    resetSizesOnWidgets();

    m_editWidget->setResizeOption(m_resizeOption);
    m_editWidget->setOrientation(m_vertical);
    m_editWidget->setWrap(m_wrap);
    m_editWidget->setTop(m_top);
    applyTextStretch();

    m_backgroundColor = fresh.drawnBackgroundColor();
    m_textColor = fresh.drawnTextColor();

    m_editWidget->setTextContent(fresh.legend);
    setLegend(fresh.legend);
    m_secondTextItem->setVisible(false);

    // The family last chosen is the user's, not the label's.
    QString family =
        QSettings().value(VendrelConstants::FontFamilySettingKey, fresh.fontFamily).toString();
    m_editWidget->setFontFamily(family);
    setFontFamily(family, QStringLiteral("A"));

    setArrow(LeftSide, fresh.leftArrowId, QByteArray(), false);
    setArrow(RightSide, fresh.rightArrowId, QByteArray(), false);
    const QIcon addArrow = m_symbolsMenu ? m_symbolsMenu->getAddArrowIcon() : QIcon();
    m_editWidget->setLeftArrow(static_cast<unsigned int>(fresh.leftArrowId), addArrow);
    m_editWidget->setRightArrow(static_cast<unsigned int>(fresh.rightArrowId), addArrow);
    m_editWidget->setApplyBothArrowsChecked(fresh.applyBothArrows);

    colorChangedSlot(m_backgroundColor, m_textColor);
    orientationSlot(m_vertical);

    reportWarning(fresh.lastWarning);

    getCanvas()->setCanvasHasChanged(false);
    m_savedLabelHeight = -1.0;
    m_savedFontHeight = -1.0;
}

// ---- Label file record ---------------------------------------------------------------

void VendrelController::savePipeInfo(QDataStream& stream)
{
    MvCanvasModel* canvas = getCanvas();
    stream << (canvas ? canvas->createIcon(PreviewSide, PreviewSide) : QImage());
    saveRecord(stream);
    if (canvas)
        canvas->setCanvasHasChanged(false);
}

bool VendrelController::saveRecord(QDataStream& stream)
{
    PipeRecord::write(stream, currentLabel());
    return true;
}

PipeLabel VendrelController::currentLabel() const
{
    PipeLabel label;
    label.unitsAreMillimetres = m_editWidget->getUnits() != UnitConversions::Inches;
    label.pipeDiameterIndex = m_pipeDiameterIndex;
    label.length = m_labelLength;
    label.height = m_labelHeight;
    label.textHeight = m_fontHeight;
    label.resizeOption = m_resizeOption;
    label.portrait = m_vertical;
    label.wrap = m_wrap;
    label.top = m_top;
    label.backgroundColor = m_backgroundRecord;
    label.textColor = m_textColorRecord;
    label.legend = m_text;
    label.fontFamily = m_editWidget->getFontfamily();
    label.leftArrowId = m_leftArrowId;
    label.rightArrowId = m_rightArrowId;
    label.applyBothArrows = m_editWidget->applyBothArrowsIsChecked();
    label.lastWarning = getLastWarning();
    return label;
}

void VendrelController::loadPipeInfo(QDataStream& stream)
{
    // A record cut short leaves Qt's stream defaults in whatever was not read; the
    // record's bounds keep those (and any damaged value) drawable, and the file
    // controller refuses the file afterwards.
    const PipeLabel label = PipeRecord::read(stream, PipeLabel::Bounds::Editable);
    m_editWidget->resetErrorStatus();
    // Sizes are stored in points; the unit they were typed in is the user's
    // preference on that system, not part of the label.
    m_editWidget->setUnits(DefaultUnitController::getDefaultUnits());

    m_pipeDiameterIndex = label.pipeDiameterIndex;
    m_editWidget->setPipeDiameter(m_pipeDiameterIndex);
    setPipeMarkerSize();

    applyLabelSizes(label);
    setSizesOnWidgets();

    applyLabelModes(label);
    m_editWidget->setOrientation(m_vertical);
    m_editWidget->setResizeOption(m_resizeOption);
    m_editWidget->setWrap(m_wrap);
    m_editWidget->setTop(m_top);
    applyTextStretch();

    m_backgroundColor = label.drawnBackgroundColor();
    m_textColor = label.drawnTextColor();
    m_editWidget->setTextContent(label.legend);
    applyLabelLegend(label.legend);

    // The panel falls back to a family it has when the label's is not installed; the
    // items show what the panel shows, and saving keeps it.
    QString family = label.fontFamily;
    m_editWidget->setFontFamily(family);
    setFontFamily(family, QStringLiteral("A"));

    m_leftArrowId = label.leftArrowId;
    m_rightArrowId = label.rightArrowId;
    setArrowsData();

    m_editWidget->setApplyBothArrowsChecked(label.applyBothArrows);

    // The label's own sizes win over what switching the modes on would make of them.
    m_savedLabelHeight = -1.0;
    m_savedFontHeight = -1.0;
    // Drawn with the fallback where the file holds no colour, kept as read.
    m_backgroundRecord = label.backgroundColor;
    m_textColorRecord = label.textColor;
    showColors(m_backgroundColor, m_textColor);
    orientationSlot(m_vertical);
    applyLabelSizes(label);
    setSizesOnWidgets();
    recalculateSizes(true);

    reportWarning(label.lastWarning);

    getCanvas()->setCanvasHasChanged(false);
    m_savedLabelHeight = -1.0;
    m_savedFontHeight = -1.0;
}

// ---- Arrows after loading --------------------------------------------------------------

void VendrelController::setArrowsData()
{
    if (!m_symbolsMenu)
        return;
    const ArrowSymbols& symbols = m_symbolsMenu->symbols();
    for (const ArrowSide side : {LeftSide, RightSide}) {
        const int id = side == LeftSide ? m_leftArrowId : m_rightArrowId;
        ArrowSymbols::Symbol symbol;
        // An id the symbols do not hold shows the no-arrow picture on its button.
        const bool known = loadArrow(side, id, symbols, &symbol);
        const QIcon icon = known ? symbol.icon : symbols.noArrowIcon();
        if (side == LeftSide)
            m_editWidget->setLeftArrow(static_cast<unsigned int>(id), icon);
        else
            m_editWidget->setRightArrow(static_cast<unsigned int>(id), icon);
    }
}

// ---- Test aid ------------------------------------------------------------------------

void VendrelController::debuggingMode()
{
    const QColor tints[] = {VendrelConstants::YellowColor, QColor(Qt::lightGray)};
    SimpleTextItem* items[] = {m_textItem, m_secondTextItem};
    for (int i = 0; i < 2; ++i) {
        QTextFrame* frame = items[i]->document()->rootFrame();
        QTextFrameFormat format = frame->frameFormat();
        format.setBackground(tints[i]);
        frame->setFrameFormat(format);
        items[i]->setOpacity(0.5);
    }
    const QString text = QStringLiteral("hello world");
    m_editWidget->setTextContent(text);
    setLegend(text);
    recalculateSizes(true);
}
