#include "arrowwrap/arrowwrapcontroller.h"

#include "arrowwrap/arrowwrapeditwidget.h"
#include "arrowwrap/arrowwraprecord.h"
#include "canvas/mvcanvasmodel.h"
#include "kit/arrowsmenu.h"
#include "kit/userunits.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "units/defaultunitcontroller.h"

#include <QGridLayout>
#include <QImage>
#include <QtMath>

using namespace ArrowWrap;

namespace {
// Typed values pass through unit conversions: a side this close below the supply
// minimum still counts as printable, a value this close above a cap is not cut.
bool belowSupply(double value)
{
    return value + LabelLimits::LeastSideTolerance < ArrowWrapController::LeastSupplySide;
}

bool aboveCap(double value, double cap)
{
    return value > cap + LabelLimits::CapTolerance;
}
} // namespace

ArrowWrapController::ArrowWrapController(QWidget* parent) : ArrowWrapCommonController(parent)
{
    setObjectName(QStringLiteral("ArrowWrapController"));
    createCanvas();
    createTemplateArrow();
    createEditLayout();
    pipeDiameterChangedSlot(0);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editWidget, 0, 0, Qt::AlignCenter);

    // A new wrap shows the first arrow a user can choose, black on white.
    newPipeInfo();
}

ArrowWrapController::~ArrowWrapController()
{
    // The panel goes with the widget base, after this part of the object: nothing it
    // still signals may reach the slots here.
    if (m_editWidget)
        m_editWidget->disconnect(this);
    MvCanvasModel* canvas = getCanvas();
    setCanvas(nullptr);
    m_arrows.clear();
    m_templateArrow = nullptr;
    delete canvas;
}

void ArrowWrapController::report(StatusErrorType first, bool firstOn, StatusErrorType second,
                                 bool secondOn, StatusErrorType third, bool thirdOn)
{
    if (m_editWidget)
        m_editWidget->setErrorToStatus(first, firstOn, second, secondOn, third, thirdOn);
}

void ArrowWrapController::markChanged()
{
    if (MvCanvasModel* canvas = getCanvas())
        canvas->setCanvasHasChanged(true);
    emit labelEdited();
}

// ---- Canvas and panel -------------------------------------------------------------

void ArrowWrapController::createCanvas()
{
    const ArrowWrapSizeTable::Row& row = ArrowWrapSizeTable::row(0);
    auto* canvas = new MvCanvasModel(
        QList<QColor>{VendrelConstants::BlackColor, VendrelConstants::WhiteColor}, MaxLabelLength,
        MaxLabelLength, row.labelLength, row.labelHeight, nullptr);
    canvas->setShowEmptyTextMarker(false);
    setCanvas(canvas);
}

void ArrowWrapController::createEditLayout()
{
    m_arrowsMenu = new ArrowsMenu(
        VendrelWidgetsUtils::getDataPath() + VendrelConstants::ArrowWrapSymbolDatabase, nullptr);
    m_editWidget = new ArrowWrapEditWidget(m_arrowsMenu, nullptr);

    ArrowWrapEditWidget* panel = m_editWidget;
    connect(panel, &ArrowWrapEditWidget::pipeDiameterChangedSignal, this,
            &ArrowWrapController::pipeDiameterChangedSlot);
    connect(panel, &ArrowWrapEditWidget::lengthChangedSignal, this,
            &ArrowWrapController::lengthChangedSlot);
    connect(panel, &ArrowWrapEditWidget::widthChangedSignal, this,
            &ArrowWrapController::widthChangedSlot);
    connect(panel, &ArrowWrapEditWidget::arrowCountChangedSignal, this,
            &ArrowWrapController::arrowCountChangedSlot);
    connect(panel, &ArrowWrapEditWidget::arrowSpacingChangedSignal, this,
            &ArrowWrapController::arrowSpacingChangedSlot);
    connect(panel, &ArrowWrapEditWidget::arrowWidthChangedSignal, this,
            &ArrowWrapController::arrowLengthChangedSlot);
    connect(panel, &ArrowWrapEditWidget::arrowChanged, this,
            &ArrowWrapController::arrowSymbolChangedSlot);
    connect(panel, &ArrowWrapEditWidget::warningStringChanged, this,
            &ArrowWrapController::warningStringChangedSlot);
    connect(panel, &ArrowWrapEditWidget::colorChangedSignal, this,
            &ArrowWrapController::colorChangedSlot);
}

void ArrowWrapController::startWizard() {}

QByteArray ArrowWrapController::getArrow(unsigned int id) const
{
    ArrowSymbols::Symbol symbol;
    if (!m_arrowsMenu || !m_arrowsMenu->symbols().selectable(static_cast<int>(id), &symbol))
        return QByteArray();
    return symbol.data;
}

// ---- Sizes --------------------------------------------------------------------------

void ArrowWrapController::setPipeMarkerSize()
{
    const ArrowWrapSizeTable::Row& row = ArrowWrapSizeTable::row(m_pipeDiameterIndex);
    m_labelHeight = row.labelHeight;
    m_labelLength = row.labelLength;
    m_arrowSpacing = row.arrowSpacing;
    m_arrowLength = row.arrowLength;
}

void ArrowWrapController::resetSizesOnWidgets()
{
    m_editWidget->setLabelHeight(UserUnits::shownValue(m_labelHeight));
    m_editWidget->setLabelLength(UserUnits::shownValue(m_labelLength));
    m_editWidget->setArrowCount(QString::number(m_arrowCount));
    m_editWidget->setArrowLength(UserUnits::shownValue(m_arrowLength));
    m_editWidget->setArrowSpacing(UserUnits::shownValue(m_arrowSpacing));
}

void ArrowWrapController::checkSpacingError()
{
    const int count = qMax(1, static_cast<int>(m_arrowCount));
    const bool tooLarge = m_arrowSpacing > m_labelLength / count - LeastArrowRoom;
    m_editWidget->setArrowSpacingInvalid(tooLarge);
    report(ArrowSpacingTooLarge, tooLarge);
    m_editWidget->setLengthInvalid(tooLarge || aboveCap(m_labelLength, MaxLabelLength) ||
                                   belowSupply(m_labelLength));
}

void ArrowWrapController::fixArrowHeight(double& width)
{
    const bool tooThin = !(width >= LeastArrowWidth);
    ArrowWrapCommonController::fixArrowHeight(width);
    if (!m_editWidget)
        return;
    // The field says what the layout could not give; the arrows are drawn at the
    // least width all the same.
    m_editWidget->setArrowHeight(tooThin ? QStringLiteral("0") : UserUnits::shownValue(width));
    report(ArrowsTooThin, tooThin, ArrowsDoNotFit, !tooThin && width > m_labelLength);
    m_editWidget->setArrowCountInvalid(tooThin);
}

// ---- Slots of the panel ------------------------------------------------------------

void ArrowWrapController::pipeDiameterChangedSlot(int index)
{
    m_pipeDiameterIndex = static_cast<short>(ArrowWrapSizeTable::boundedRow(index));
    setPipeMarkerSize();
    // The count is the arrow list's own until the table's arrows are made.
    const int count = ArrowWrapSizeTable::row(m_pipeDiameterIndex).arrowCount;
    changeNumberOfArrows(m_arrows.size(), count);
    resetSizesOnWidgets();
    m_editWidget->resetErrorStatus();
    recalculateSizes();
    resizeCanvas();
    markChanged();
}

void ArrowWrapController::widthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastTakenSize) {
        m_editWidget->setHeightInvalid(true);
        report(WidthBelowSupply, true);
        return;
    }
    const bool narrow = belowSupply(value);
    const bool exceeded = m_arrowLength > value;
    m_editWidget->setHeightInvalid(narrow || exceeded);
    report(WidthBelowSupply, narrow, ArrowLengthExceedsWidth, exceeded);

    m_labelHeight = value;
    if (aboveCap(value, MaxLabelHeight)) {
        m_labelHeight = MaxLabelHeight;
        m_editWidget->setLabelHeight(UserUnits::shownValue(m_labelHeight));
    }
    m_editWidget->setArrowLengthInvalid(m_arrowLength < LeastTakenSize ||
                                        m_arrowLength > m_labelHeight);
    recalculateSizes();
    resizeCanvas();
    markChanged();
}

void ArrowWrapController::lengthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastTakenSize) {
        m_editWidget->setLengthInvalid(true);
        report(LengthBelowSupply, true);
        return;
    }
    report(LengthBelowSupply, belowSupply(value));
    m_labelLength = value;
    if (aboveCap(value, MaxLabelLength)) {
        m_labelLength = MaxLabelLength;
        m_editWidget->setLabelLength(UserUnits::shownValue(m_labelLength));
    }
    // A shorter wrap keeps its count: the warnings tell when the arrows no longer fit.
    checkSpacingError();
    recalculateSizes();
    resizeCanvas();
    markChanged();
}

void ArrowWrapController::arrowCountChangedSlot(int count)
{
    int wanted = ArrowWrapSizeTable::boundedArrowCount(count);
    if (wanted == m_arrowCount)
        return;
    // Every arrow needs its spacing and some width of its own.
    const double fitting = qFloor(m_labelLength / (m_arrowSpacing + LeastArrowRoom));
    const int most =
        fitting >= ArrowWrapSizeTable::MostArrowCount
            ? ArrowWrapSizeTable::MostArrowCount
            : (fitting >= 1.0 ? static_cast<int>(fitting) : ArrowWrapSizeTable::LeastArrowCount);
    if (wanted > most) {
        wanted = most;
        m_editWidget->setArrowCount(QString::number(wanted));
    }
    if (wanted == m_arrowCount)
        return;
    changeNumberOfArrows(m_arrows.size(), wanted);
    checkSpacingError();
    recalculateSizes();
    markChanged();
}

void ArrowWrapController::arrowSpacingChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (m_labelLength < value) {
        m_arrowSpacing = m_labelLength;
        m_editWidget->setArrowSpacing(UserUnits::shownValue(m_arrowSpacing));
    } else {
        m_arrowSpacing = qMax(0.0, value);
    }
    checkSpacingError();
    recalculateSizes();
    markChanged();
}

void ArrowWrapController::arrowLengthChangedSlot(const QString& text)
{
    const double value = UserUnits::typedPoints(text);
    if (value < LeastTakenSize) {
        m_editWidget->setArrowLengthInvalid(true);
        report(ArrowsTooShort, true, ArrowLengthExceedsWidth, false);
        return;
    }
    m_arrowLength = value;
    if (aboveCap(value, MaxArrowLength)) {
        m_arrowLength = MaxArrowLength;
        m_editWidget->setArrowLength(UserUnits::shownValue(m_arrowLength));
    }
    const bool exceeds = m_labelHeight < value;
    m_editWidget->setArrowLengthInvalid(exceeds);
    report(ArrowsTooShort, false, ArrowLengthExceedsWidth, exceeds);
    // The height stays marked while it is below the supply, whatever the arrows do.
    m_editWidget->setHeightInvalid(m_labelHeight < m_arrowLength || belowSupply(m_labelHeight));
    recalculateSizes();
    markChanged();
}

void ArrowWrapController::arrowSymbolChangedSlot(unsigned int id, const QByteArray& data)
{
    setArrow(static_cast<int>(id), data);
    markChanged();
}

void ArrowWrapController::colorChangedSlot(const QColor& background, const QColor& foreground)
{
    m_backgroundColor = background;
    m_foregroundColor = foreground;
    colorChangeAction(background, foreground);
    markChanged();
}

void ArrowWrapController::warningStringChangedSlot(const QString& warning)
{
    reportWarning(warning);
}

void ArrowWrapController::showArrow(int id)
{
    if (m_arrowsMenu)
        loadArrow(id, m_arrowsMenu->symbols());
    else
        setArrow(id, QByteArray());
    m_editWidget->highlightArrow(id);
}

void ArrowWrapController::applyColors(const RecordColor& background, const RecordColor& foreground)
{
    m_backgroundColor = background;
    m_foregroundColor = foreground;
    const ArrowWrapLabel fresh;
    const QColor drawnBackground = background.colorOr(fresh.drawnBackground());
    const QColor drawnForeground = foreground.colorOr(fresh.drawnForeground());
    m_editWidget->updateColorCombo(drawnBackground.name(), drawnForeground.name());
    colorChangeAction(drawnBackground, drawnForeground);
}

// ---- New label ------------------------------------------------------------------------

void ArrowWrapController::newPipeInfo()
{
    const ArrowWrapLabel fresh;
    m_editWidget->resetErrorStatus();
    m_editWidget->setUnits(DefaultUnitController::getDefaultUnits());
    m_pipeDiameterIndex = fresh.pipeDiameterIndex;
    m_editWidget->setPipeDiameter(m_pipeDiameterIndex);
    setPipeMarkerSize();
    changeNumberOfArrows(m_arrows.size(), fresh.arrowCount);
    resetSizesOnWidgets();
    showArrow(fresh.arrowId);
    applyColors(fresh.background, fresh.foreground);
    resizeCanvas();
    recalculateSizes();
    reportWarning(QString());
    getCanvas()->setCanvasHasChanged(false);
}

// ---- Label file record ---------------------------------------------------------------

void ArrowWrapController::savePipeInfo(QDataStream& stream)
{
    // The record starts with a picture of the label for file choosers; readers of the
    // label skip it.
    stream << getCanvas()->createIcon(PreviewSide, PreviewSide);
    saveRecord(stream);
    getCanvas()->setCanvasHasChanged(false);
}

bool ArrowWrapController::saveRecord(QDataStream& stream)
{
    ArrowWrapRecord::write(stream, currentLabel());
    return true;
}

ArrowWrapLabel ArrowWrapController::currentLabel() const
{
    ArrowWrapLabel label;
    label.unitsAreInches = m_editWidget->getUnits();
    label.pipeDiameterIndex = m_pipeDiameterIndex;
    label.length = m_labelLength;
    label.height = m_labelHeight;
    label.arrowCount = m_arrowCount;
    label.arrowSpacing = m_arrowSpacing;
    label.arrowLength = m_arrowLength;
    label.background = m_backgroundColor;
    label.foreground = m_foregroundColor;
    label.arrowId = arrowId();
    label.warning = getLastWarning();
    return label;
}

void ArrowWrapController::loadPipeInfo(QDataStream& stream)
{
    // The whole record is read and its stream judged before anything changes: a
    // damaged record leaves the label as it was, and the file controller reports it.
    const ArrowWrapLabel label = ArrowWrapRecord::read(stream, ArrowWrapLabel::Bounds::Editable);
    if (stream.status() != QDataStream::Ok)
        return;

    m_editWidget->resetErrorStatus();
    // Sizes are stored in points; the unit they were typed in is the user's preference
    // on that system, not part of the label.
    m_editWidget->setUnits(DefaultUnitController::getDefaultUnits());
    m_pipeDiameterIndex = label.pipeDiameterIndex;
    m_editWidget->setPipeDiameter(m_pipeDiameterIndex);
    applyGeometry(label);
    // The count first: the spacing is judged against it.
    changeNumberOfArrows(m_arrows.size(), label.arrowCount);
    resetSizesOnWidgets();
    // The values as the fields show them, judged as if the user had typed them.
    widthChangedSlot(m_editWidget->getLabelHeight());
    lengthChangedSlot(m_editWidget->getLabelLength());
    arrowSpacingChangedSlot(m_editWidget->getArrowSpacing());
    arrowLengthChangedSlot(m_editWidget->getArrowWidth());

    showArrow(label.arrowId);
    applyColors(label.background, label.foreground);
    resizeCanvas();
    recalculateSizes();
    // The window shows the warnings the label was saved with.
    reportWarning(label.warning);
    getCanvas()->setCanvasHasChanged(false);
}
