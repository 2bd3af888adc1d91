#include "arrowwrap/arrowwrapeditwidget.h"

#include "arrowwrap/arrowwrapsizetable.h"
#include "arrowwrap/arrowwrapwarnings.h"
#include "kit/arrowsmenu.h"
#include "kit/numberfield.h"
#include "kit/panelstyle.h"
#include "kit/titledframe.h"
#include "kit/unitswitch.h"
#include "kit/vendrelwidgetsutils.h"
#include "kit/warningboard.h"
#include "units/unitconversions.h"
#include "widgets/colorlistcombo.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvcombobox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr int FieldHeight = 35;
constexpr int SizeFieldWidth = 80;
constexpr int ArrowFieldWidth = 55;
constexpr int CountFieldWidth = 40;
constexpr int CaptionWidth = 100;
constexpr int MenuWidth = 424;
constexpr int MenuHeight = 138;
constexpr double MillimetersPerInch = 25.4;

QString inchMark()
{
    return ArrowWrapEditWidget::tr("\"", "Abbreviation for Inches");
}

QString millimeterMark()
{
    return ArrowWrapEditWidget::tr(" mm", "Abbreviation for Millimeters");
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setMinimumHeight(FieldHeight);
    return label;
}

} // namespace

ArrowWrapEditWidget::ArrowWrapEditWidget(ArrowsMenu* arrowsMenu, QWidget* parent)
    : QWidget(parent), m_arrowsMenu(arrowsMenu)
{
    setObjectName(QStringLiteral("ArrowWrapEditWidget"));
    setFont(PanelStyle::font(PanelStyle::CaptionPixelSize));
    qInitResources_module_resource_icons();

    m_warnings = new WarningBoard(ArrowWrapWarnings::texts(), this);
    connect(m_warnings, &WarningBoard::warningStringChanged, this,
            &ArrowWrapEditWidget::warningStringChanged);
    createPipeDiameterModels();

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("ArrowWrapFrame"));
    frame->setFixedSize(PanelWidth, PanelHeight);
    auto* stack = new QVBoxLayout(frame);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addWidget(createSizeFrame());
    stack->addStretch(1);
    stack->addWidget(createArrowFrame());

    auto* layout = new QGridLayout(this);
    layout->setSpacing(20);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(frame, 0, 0);

    m_unitSwitch->setFields(
        {m_widthEdit, m_lengthEdit, m_arrowSpacingEdit, m_arrowLengthEdit, m_arrowWidthEdit});
    updateColorCombo(QStringLiteral("#ffffff"), QStringLiteral("#000000"));
    PanelStyle::handOnFont(this);
}

ArrowWrapEditWidget::~ArrowWrapEditWidget() = default;

// ---- Building ----------------------------------------------------------------

NumberField* ArrowWrapEditWidget::createNumberField(double top, int decimals,
                                                    const QString& objectName, int width,
                                                    QWidget* parent)
{
    auto* field = new NumberField(top, decimals, parent);
    field->setObjectName(objectName);
    field->setFixedSize(width, FieldHeight);
    return field;
}

NumberField* ArrowWrapEditWidget::createTypedField(double top, const QString& objectName, int width,
                                                   QWidget* parent,
                                                   void (ArrowWrapEditWidget::*signal)(QString))
{
    NumberField* field = createNumberField(top, 3, objectName, width, parent);
    // An emptied field says nothing; the controller hears numbers only.
    connect(field, &NumberField::typedSignal, this, [this, signal](const QString& text) {
        if (!text.isEmpty())
            emit(this->*signal)(text);
    });
    return field;
}

TitledFrame* ArrowWrapEditWidget::createSizeFrame()
{
    auto* frame = new TitledFrame(
        QStringLiteral("SizeWidget"),
        tr("LABEL OPTIONS", "Different user selectable options for the label."), this);
    frame->setFixedWidth(PanelWidth);

    auto* body = new QGridLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(4);
    frame->setBody(body);

    // A combo is taller than the title bar: the unit takes the first row.
    body->addWidget(
        caption(tr("Units of Measurement", "Title of the combo box that allows the users to "
                                           "select the unit of measurement: millimeters or "
                                           "inches."),
                frame),
        0, 0);
    m_unitsCombo = new MvComboBox(frame);
    m_unitsCombo->setObjectName(QStringLiteral("UnitsCombo"));
    m_unitsCombo->addItems({tr("Inches", "A unit of measurement option."),
                            tr("Millimeters", "A unit of measurement option.")});
    m_unitsCombo->setCurrentIndex(UnitConversions::getCanvasUnits());
    // Wide enough for the longer unit name in every language.
    m_unitsCombo->setFixedWidth(140);
    body->addWidget(m_unitsCombo, 0, 1, 1, 3, Qt::AlignLeft);
    connect(m_unitsCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ArrowWrapEditWidget::unitsChangedSlot);

    body->addLayout(PanelStyle::captionWithNote(
                        tr("Pipe Diameter ", "UI label for the diameter of the pipe."),
                        tr("including covering",
                           "Second line in the diameter UI label, specifying that the diameter "
                           "of the pipe includes any plastic covering."),
                        frame),
                    1, 0);
    m_pipeDiaCombo = new MvComboBox(frame);
    m_pipeDiaCombo->setObjectName(QStringLiteral("PipeDiameterCombo"));
    m_pipeDiaCombo->setModel(m_pipeDiaModels.value(m_unitsCombo->currentIndex()));
    m_pipeDiaCombo->setCurrentIndex(0);
    m_pipeDiaCombo->setMinimumWidth(140);
    PanelStyle::fitComboToColumn(m_pipeDiaCombo, 9);
    body->addWidget(m_pipeDiaCombo, 1, 1);
    connect(m_pipeDiaCombo, QOverload<int>::of(&QComboBox::activated), this,
            &ArrowWrapEditWidget::pipeDiameterChangedSignal);

    QLabel* colorCaption =
        caption(tr("Color", "The background color of the pipe marking label."), frame);
    colorCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(colorCaption, 1, 2);
    VendrelWidgetsUtils::createColorList(m_colorNames, m_backgroundColorNames,
                                         m_foregroundColorNames);
    m_colorCombo =
        new ColorListCombo(m_colorNames, m_backgroundColorNames, m_foregroundColorNames, frame);
    m_colorCombo->setObjectName(QStringLiteral("ColorCombo"));
    m_colorCombo->setMinimumSize(130, 30);
    PanelStyle::fitComboToColumn(m_colorCombo, 10);
    body->addWidget(m_colorCombo, 1, 3);
    connect(m_colorCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ArrowWrapEditWidget::colorChangedSlot);

    m_widthEdit = createTypedField(999.0, QStringLiteral("WrapWidthEdit"), SizeFieldWidth, frame,
                                   &ArrowWrapEditWidget::widthChangedSignal);
    m_widthEdit->setMaxLength(5);
    m_lengthEdit = createTypedField(9999.0, QStringLiteral("WrapLengthEdit"), SizeFieldWidth, frame,
                                    &ArrowWrapEditWidget::lengthChangedSignal);
    m_lengthEdit->setMaxLength(6);
    QLabel* widthCaption =
        caption(tr("Wrap Width", "UI label for the wrapping label width."), frame);
    QLabel* lengthCaption =
        caption(tr("Wrap Length", "UI label for the wrapping label length."), frame);
    widthCaption->setMinimumWidth(CaptionWidth);
    lengthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(widthCaption, 2, 0);
    body->addWidget(m_widthEdit, 2, 1);
    body->addWidget(lengthCaption, 2, 2);
    body->addWidget(m_lengthEdit, 2, 3);
    body->setColumnStretch(1, 1);
    body->setColumnStretch(3, 1);

    m_unitSwitch = new UnitSwitch(m_unitsCombo, m_pipeDiaCombo, m_pipeDiaModels, this);
    return frame;
}

TitledFrame* ArrowWrapEditWidget::createArrowFrame()
{
    auto* frame =
        new TitledFrame(QStringLiteral("ArrowWidget"),
                        tr("ARROW OPTIONS", "UI subtitle for arrow size and count options."), this);
    frame->setFixedWidth(PanelWidth);

    auto* body = new QGridLayout();
    body->setContentsMargins(10, 6, 10, 8);
    body->setHorizontalSpacing(6);
    body->setVerticalSpacing(6);
    frame->setBody(body);

    m_arrowsMenu->setParent(frame);
    m_arrowsMenu->setVerticalScrollBarVisible(false);
    m_arrowsMenu->setViewportWidth(MenuWidth);
    m_arrowsMenu->setFixedHeight(MenuHeight);
    body->addWidget(m_arrowsMenu, 0, 0, 1, 6, Qt::AlignHCenter);
    connect(m_arrowsMenu, &ArrowsMenu::symbolSignal, this, &ArrowWrapEditWidget::arrowSelectedSlot);

    m_arrowLengthEdit = createTypedField(999.0, QStringLiteral("ArrowLengthEdit"), ArrowFieldWidth,
                                         frame, &ArrowWrapEditWidget::arrowWidthChangedSignal);
    m_arrowCountEdit = createNumberField(ArrowWrapSizeTable::MostArrowCount, 0,
                                         QStringLiteral("ArrowCountEdit"), CountFieldWidth, frame);
    m_arrowCountEdit->setMaxLength(2);
    connect(m_arrowCountEdit, &NumberField::typedSignal, this,
            &ArrowWrapEditWidget::arrowCountTypedSlot);
    m_arrowSpacingEdit =
        createTypedField(999.0, QStringLiteral("ArrowSpacingEdit"), ArrowFieldWidth, frame,
                         &ArrowWrapEditWidget::arrowSpacingChangedSignal);
    const QList<QLabel*> captions = {
        caption(tr("Arrow Length", "UI label for arrow length."), frame),
        caption(tr("Arrow Count", "UI label for arrow count on label."), frame),
        caption(tr("Arrow Spacing", "UI label for the size of the space between arrows."), frame)};
    const QList<NumberField*> fields = {m_arrowLengthEdit, m_arrowCountEdit, m_arrowSpacingEdit};
    for (int i = 0; i < fields.size(); ++i) {
        captions.at(i)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        body->addWidget(captions.at(i), 1, 2 * i);
        body->addWidget(fields.at(i), 1, 2 * i + 1);
    }
    for (int column : {0, 2, 4})
        body->setColumnStretch(column, 1);

    m_arrowWidthEdit = createNumberField(9999.0, 3, QStringLiteral("CalculatedArrowWidthEdit"),
                                         ArrowFieldWidth, frame);
    m_arrowWidthEdit->setReadOnly(true);
    m_arrowWidthEdit->setFocusPolicy(Qt::NoFocus);
    m_arrowWidthEdit->setStyleSheet(
        QStringLiteral("QLineEdit { background-color: white; color: black; }"));
    QLabel* widthCaption = caption(
        tr("Calculated Arrow Width", "UI label for the calculated value of the arrow width."),
        frame);
    widthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(widthCaption, 2, 0, 1, 5);
    body->addWidget(m_arrowWidthEdit, 2, 5);
    return frame;
}

void ArrowWrapEditWidget::createPipeDiameterModels()
{
    const QString pattern = QStringLiteral("%L2%1");
    auto* inches = new QStandardItemModel(this);
    auto* millimeters = new QStandardItemModel(this);
    for (const ArrowWrapSizeTable::Row& row : ArrowWrapSizeTable::Rows) {
        inches->appendRow(
            new QStandardItem(pattern.arg(inchMark()).arg(row.diameterInches, 0, 'f', 2)));
        millimeters->appendRow(new QStandardItem(
            pattern.arg(millimeterMark()).arg(row.diameterInches * MillimetersPerInch, 0, 'f', 2)));
    }
    // The list position is the unit's number.
    m_pipeDiaModels = {inches, millimeters};
}

// ---- Getters -----------------------------------------------------------------

bool ArrowWrapEditWidget::getUnits() const
{
    return m_unitsCombo->currentIndex() == UnitConversions::Inches;
}

QString ArrowWrapEditWidget::getLabelLength() const
{
    return m_lengthEdit->text();
}

QString ArrowWrapEditWidget::getLabelHeight() const
{
    return m_widthEdit->text();
}

QString ArrowWrapEditWidget::getArrowSpacing() const
{
    return m_arrowSpacingEdit->text();
}

QString ArrowWrapEditWidget::getArrowWidth() const
{
    return m_arrowLengthEdit->text();
}

QString ArrowWrapEditWidget::getArrowCount() const
{
    return m_arrowCountEdit->text();
}

QString ArrowWrapEditWidget::getArrowHeight() const
{
    return m_arrowWidthEdit->text();
}

int ArrowWrapEditWidget::pipeDiameter() const
{
    return m_pipeDiaCombo->currentIndex();
}

bool ArrowWrapEditWidget::isHeightInvalid() const
{
    return m_widthEdit->isInvalid();
}

bool ArrowWrapEditWidget::isLengthInvalid() const
{
    return m_lengthEdit->isInvalid();
}

bool ArrowWrapEditWidget::isArrowSpacingInvalid() const
{
    return m_arrowSpacingEdit->isInvalid();
}

bool ArrowWrapEditWidget::isArrowLengthInvalid() const
{
    return m_arrowLengthEdit->isInvalid();
}

bool ArrowWrapEditWidget::isArrowCountInvalid() const
{
    return m_arrowCountEdit->isInvalid();
}

QString ArrowWrapEditWidget::warningText() const
{
    return m_warnings->text();
}

// ---- Setters -----------------------------------------------------------------

void ArrowWrapEditWidget::setLabelLength(const QString& length)
{
    m_lengthEdit->writeValue(length);
}

void ArrowWrapEditWidget::setLabelHeight(const QString& height)
{
    m_widthEdit->writeValue(height);
}

void ArrowWrapEditWidget::setArrowCount(const QString& count)
{
    m_arrowCountEdit->writeValue(count);
}

void ArrowWrapEditWidget::setArrowSpacing(const QString& spacing)
{
    m_arrowSpacingEdit->writeValue(spacing);
}

void ArrowWrapEditWidget::setArrowLength(const QString& length)
{
    m_arrowLengthEdit->writeValue(length);
}

void ArrowWrapEditWidget::setArrowHeight(const QString& width)
{
    m_arrowWidthEdit->writeValue(width);
}

void ArrowWrapEditWidget::setPipeDiameter(int index)
{
    m_pipeDiaCombo->setCurrentIndex(ArrowWrapSizeTable::boundedRow(index));
}

void ArrowWrapEditWidget::setUnits(int units)
{
    unitsChangedSlot(units);
}

void ArrowWrapEditWidget::setHeightInvalid(bool invalid)
{
    m_widthEdit->setInvalid(invalid);
}

void ArrowWrapEditWidget::setLengthInvalid(bool invalid)
{
    m_lengthEdit->setInvalid(invalid);
}

void ArrowWrapEditWidget::setArrowSpacingInvalid(bool invalid)
{
    m_arrowSpacingEdit->setInvalid(invalid);
}

void ArrowWrapEditWidget::setArrowLengthInvalid(bool invalid)
{
    m_arrowLengthEdit->setInvalid(invalid);
}

void ArrowWrapEditWidget::setArrowCountInvalid(bool invalid)
{
    m_arrowCountEdit->setInvalid(invalid);
}

void ArrowWrapEditWidget::setErrorToStatus(const ArrowWrap::StatusErrorType& firstError,
                                           bool firstState,
                                           const ArrowWrap::StatusErrorType& secondError,
                                           bool secondState,
                                           const ArrowWrap::StatusErrorType& thirdError,
                                           bool thirdState)
{
    m_warnings->report(firstError, firstState, secondError, secondState, thirdError, thirdState);
}

void ArrowWrapEditWidget::resetErrorStatus()
{
    // The count keeps its mark: it follows the computed width, not a typed value.
    for (NumberField* field : {m_widthEdit, m_lengthEdit, m_arrowSpacingEdit, m_arrowLengthEdit})
        field->setInvalid(false);
    m_warnings->reset();
}

void ArrowWrapEditWidget::updateColorCombo(const QString& background, const QString& foreground)
{
    for (int row = 0; row < m_backgroundColorNames.size(); ++row) {
        if (m_backgroundColorNames.at(row) == background &&
            m_foregroundColorNames.value(row) == foreground) {
            m_colorIndex = static_cast<unsigned short>(row);
            break;
        }
    }
    const QSignalBlocker blocker(m_colorCombo);
    m_colorCombo->setColorIndex(m_colorIndex);
}

void ArrowWrapEditWidget::highlightArrow(int id)
{
    m_arrowsMenu->highlightSymbol(id);
}

// ---- Reactions to the user ---------------------------------------------------

void ArrowWrapEditWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Another module may have switched the process-wide unit while this panel was
    // hidden.
    m_unitSwitch->followCurrentUnit();
}

void ArrowWrapEditWidget::unitsChangedSlot(int units)
{
    m_unitSwitch->apply(units);
}

void ArrowWrapEditWidget::colorChangedSlot(int index)
{
    if (index < 0 || index >= m_backgroundColorNames.size())
        return;
    m_colorIndex = static_cast<unsigned short>(index);
    emit colorChangedSignal(QColor(m_backgroundColorNames.at(index)),
                            QColor(m_foregroundColorNames.value(index)));
}

void ArrowWrapEditWidget::arrowSelectedSlot(unsigned int id, const QByteArray& data,
                                            const QIcon& icon, const QString& name)
{
    Q_UNUSED(icon)
    Q_UNUSED(name)
    emit arrowChanged(id, data);
}

void ArrowWrapEditWidget::arrowCountTypedSlot(const QString& text)
{
    // An emptied field or a 0 is a count on its way, not one to take.
    bool ok = false;
    const int count = text.toInt(&ok);
    if (ok && count != 0)
        emit arrowCountChangedSignal(count);
}
