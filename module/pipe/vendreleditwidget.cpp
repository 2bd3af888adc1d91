#include "pipe/vendreleditwidget.h"

#include "kit/arrowbuttons.h"
#include "kit/arrowsmenu.h"
#include "kit/fluidcategories.h"
#include "kit/legendlibrary.h"
#include "kit/numberfield.h"
#include "kit/panelstyle.h"
#include "kit/titledframe.h"
#include "kit/unitswitch.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "kit/warningboard.h"
#include "pipe/ansisizetable.h"
#include "pipe/vendrelwarnings.h"
#include "units/unitconversions.h"
#include "widgets/colorlistcombo.h"
#include "widgets/dragscrolllistview.h"
#include "widgets/mvcombobox.h"
#include "widgets/mvlineedit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGraphicsEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ContentFrameWidth = 430;
constexpr int ArrowFrameHeight = 280;
constexpr int SizeFrameMinimumWidth = 470;
constexpr int NumberFieldWidth = 80;

// Locales whose "Label Dimensions" caption is too long to share a row with the fields.
const QStringList OwnDimensionsRowLocales = {"es_ES", "pl_PL", "pt_BR", "fr_FR", "it_IT"};

QColor readColor(const QList<QString>& names, int index)
{
    return QColor(names.value(index));
}

bool sameColor(const QColor& a, const QColor& b)
{
    return a.isValid() && b.isValid() && a.rgba() == b.rgba();
}

} // namespace

VendrelEditWidget::VendrelEditWidget(QWidget* parent)
    : QWidget(parent), m_library(std::make_unique<LegendLibrary>())
{
    setObjectName(QStringLiteral("VendrelEditWidget"));
    setFont(PanelStyle::font(PanelStyle::CaptionPixelSize));

    const int units = UnitConversions::getCanvasUnits();
    m_fontStep = units == UnitConversions::Inches ? 0.1 : 1.0;
    createPipeDiameterModels();

    m_layout = new QGridLayout(this);
    m_layout->setSpacing(10);
    m_layout->setContentsMargins(0, 0, 0, 10);

    m_arrowFrame = createArrowFrame();
    m_library->load(VendrelWidgetsUtils::getCurrentLocaleName(),
                    VendrelWidgetsUtils::getConfigPath(),
                    VendrelWidgetsUtils::getDefaultConfigPath());
    m_libraryFrame = createLibraryFrame();
    m_contentFrame = createContentFrame();
    m_sizeFrame = createSizeFrame();
    m_formattingFrame = createFormattingFrame();

    m_layout->addWidget(m_arrowFrame, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    m_layout->addWidget(m_libraryFrame, 0, 0, 2, 1);
    m_layout->addWidget(m_contentFrame, 0, 0, 2, 1);
    m_layout->addWidget(m_sizeFrame, 0, 1);
    m_layout->addWidget(m_formattingFrame, 1, 1);
    // The picker slides in over the legend, so it has to be the upper of the two.
    m_contentFrame->raise();
    m_arrowFrame->raise();
    m_arrowFrame->hide();
    m_libraryFrame->raise();
    m_libraryFrame->hide();

    m_warnings = new WarningBoard(VendrelWarnings::texts(), this);
    connect(m_warnings, &WarningBoard::warningStringChanged, this,
            &VendrelEditWidget::warningStringChanged);

    m_arrows = new ArrowButtons(m_symbolsMenu, m_leftArrowButton, m_rightArrowButton, m_arrowFrame,
                                m_contentFrame, m_layout->spacing(), this);
    connect(m_arrows, &ArrowButtons::leftArrowChangedSignal, this,
            &VendrelEditWidget::leftArrowChangedSignal);
    connect(m_arrows, &ArrowButtons::rightArrowChangedSignal, this,
            &VendrelEditWidget::rightArrowChangedSignal);

    applyEnablingRules();

    PanelStyle::handOnFont(this);
}

VendrelEditWidget::~VendrelEditWidget() = default;

// ---- Building ----------------------------------------------------------------

NumberField* VendrelEditWidget::createNumberField(double top, const QString& objectName,
                                                  QWidget* parent) const
{
    auto* edit = new NumberField(top, 3, parent);
    edit->setObjectName(objectName);
    edit->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize));
    edit->setFixedWidth(NumberFieldWidth);
    connect(edit, &NumberField::typingFinishedSignal, this,
            &VendrelEditWidget::sizeEditingFinishedSignal);
    return edit;
}

QFrame* VendrelEditWidget::createContentFrame()
{
    auto* frame = new TitledFrame(QStringLiteral("PipeFrame"),
                                  tr("PIPE LEGEND", "Title of the legend frame."), this);
    frame->setFixedWidth(ContentFrameWidth);
    // At least as tall as the arrow picker laid over it, so opening the picker
    // does not change the panel's size.
    frame->setMinimumHeight(ArrowFrameHeight);

    auto* body = new QGridLayout();
    body->setContentsMargins(8, 6, 8, 6);
    body->setHorizontalSpacing(6);
    body->setVerticalSpacing(5);
    frame->setBody(body);

    // Preview row: the two arrow buttons around the legend.
    auto* previewRow = new QHBoxLayout();
    previewRow->setSpacing(6);
    m_leftArrowButton = ArrowButtons::createButton(QStringLiteral("LeftArrowButton"),
                                                   m_symbolsMenu->getAddArrowIcon(), frame);
    m_leftArrowButton->setToolTip(tr("Left arrow", "Tooltip of the left arrow button."));
    m_rightArrowButton = ArrowButtons::createButton(QStringLiteral("RightArrowButton"),
                                                    m_symbolsMenu->getAddArrowIcon(), frame);
    m_rightArrowButton->setToolTip(tr("Right arrow", "Tooltip of the right arrow button."));
    m_previewLabel = new QLabel(tr("TEXT", "Legend preview between the arrow buttons."), frame);
    m_previewLabel->setObjectName(QStringLiteral("LabelPreviewFrame"));
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_previewLabel->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize + 2, true));
    m_previewLabel->setFixedHeight(ArrowButtons::IconHeight + 4);
    m_applyBothCheckBox = new QCheckBox(tr("Apply to both", "Use one arrow on both sides."), frame);
    m_applyBothCheckBox->setObjectName(QStringLiteral("ApplyBothCheckBox"));
    m_applyBothCheckBox->setStyleSheet(PanelStyle::CheckBoxStyle);
    previewRow->addWidget(m_leftArrowButton);
    previewRow->addWidget(m_previewLabel, 1);
    previewRow->addWidget(m_rightArrowButton);
    previewRow->addWidget(m_applyBothCheckBox);
    body->addLayout(previewRow, 0, 0, 1, 4);

    connect(m_leftArrowButton, &QPushButton::clicked, this,
            &VendrelEditWidget::leftArrowClickedSlot);
    connect(m_rightArrowButton, &QPushButton::clicked, this,
            &VendrelEditWidget::rightArrowClickedSlot);
    connect(m_applyBothCheckBox, &QCheckBox::clicked, this,
            &VendrelEditWidget::applyBothArrowsSlot);

    // Text row.
    body->addWidget(new QLabel(tr("Text", "Caption of the legend text field."), frame), 1, 0);
    m_textEdit = new MvLineEdit(frame);
    m_textEdit->setObjectName(QStringLiteral("TextEdit"));
    m_textEdit->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize));
    m_libraryButton = new QPushButton(tr("Library", "Opens the list of common legends."), frame);
    m_libraryButton->setObjectName(QStringLiteral("LegendLibraryButton"));
    m_libraryButton->setFixedHeight(35);
    m_libraryButton->setMinimumWidth(QFontMetrics(PanelStyle::font(PanelStyle::CaptionPixelSize))
                                         .horizontalAdvance(m_libraryButton->text()) +
                                     24);
    m_libraryButton->setStyleSheet(PanelStyle::StepButtonStyle);
    auto* textRow = new QHBoxLayout();
    textRow->setSpacing(6);
    textRow->addWidget(m_textEdit, 1);
    textRow->addWidget(m_libraryButton);
    body->addLayout(textRow, 1, 1, 1, 3);
    connect(m_textEdit, &QLineEdit::textChanged, this,
            &VendrelEditWidget::textContentChangedSignal);
    connect(m_libraryButton, &QPushButton::clicked, this, &VendrelEditWidget::libraryClickedSlot);

    // Text height with its step buttons, then the font family.
    body->addWidget(new QLabel(tr("Height", "Caption of the text height field."), frame), 2, 0);
    auto* heightRow = new QHBoxLayout();
    heightRow->setSpacing(2);
    m_fontDecreaseButton = new QPushButton(QStringLiteral("\u2212"), frame);
    m_fontDecreaseButton->setObjectName(QStringLiteral("FontHeightDecreaseButton"));
    m_fontIncreaseButton = new QPushButton(QStringLiteral("+"), frame);
    m_fontIncreaseButton->setObjectName(QStringLiteral("FontHeightIncreaseButton"));
    for (QPushButton* button : {m_fontDecreaseButton, m_fontIncreaseButton}) {
        button->setFixedSize(32, 35);
        button->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize + 2, true));
        button->setStyleSheet(PanelStyle::StepButtonStyle);
        button->setAutoRepeat(true);
    }
    m_fontHeightEdit = createNumberField(999.0, QStringLiteral("FontHeightEdit"), frame);
    heightRow->addWidget(m_fontDecreaseButton);
    heightRow->addWidget(m_fontHeightEdit);
    heightRow->addWidget(m_fontIncreaseButton);
    body->addLayout(heightRow, 2, 1);
    connect(m_fontHeightEdit, &NumberField::typedSignal, this,
            &VendrelEditWidget::fontHeightChangedSlot);
    connect(m_fontDecreaseButton, &QPushButton::clicked, this,
            &VendrelEditWidget::fontHeightDecreaseSlot);
    connect(m_fontIncreaseButton, &QPushButton::clicked, this,
            &VendrelEditWidget::fontHeightIncreaseSlot);

    auto* fontCaption = new QLabel(tr("Font", "Caption of the font family combo."), frame);
    fontCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(fontCaption, 2, 2);
    m_fontCombo = VendrelWidgetsUtils::createFontFamilyCombo(120);
    m_fontCombo->setParent(frame);
    PanelStyle::fitComboToColumn(m_fontCombo, 10);
    m_fontCombo->setObjectName(QStringLiteral("FontFamilyCombo"));
    body->addWidget(m_fontCombo, 2, 3);
    connect(m_fontCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index >= 0)
                    emit fontFamilyChangedSignal(m_fontCombo->itemText(index));
            });
    body->setColumnStretch(3, 1);

    // Text options: three captioned columns.
    auto* options = new QGridLayout();
    options->setHorizontalSpacing(8);
    options->setVerticalSpacing(2);
    const int titleHeight =
        VendrelWidgetsUtils::getCurrentLocaleName() == QLatin1String("ru_RU") ? 55 : 35;
    const QStringList captions = {tr("Orientation", "Caption of the orientation buttons."),
                                  tr("Wrapping", "Caption of the wrap options."),
                                  tr("Auto Resize", "Caption of the resize option combo.")};
    for (int column = 0; column < captions.size(); ++column) {
        auto* caption = new QLabel(captions.at(column), frame);
        caption->setFont(PanelStyle::font(PanelStyle::SmallPixelSize, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        caption->setWordWrap(true);
        caption->setFixedHeight(titleHeight);
        options->addWidget(caption, 0, column);
    }

    m_orientationGroup = new QButtonGroup(frame);
    m_orientationGroup->setExclusive(true);
    auto* orientationRow = new QHBoxLayout();
    orientationRow->setSpacing(4);
    m_landscapeButton = new QToolButton(frame);
    m_landscapeButton->setObjectName(QStringLiteral("LandscapeButton"));
    m_landscapeButton->setText(tr("Landscape", "Orientation along the pipe."));
    m_landscapeButton->setIcon(QIcon(QStringLiteral(":/Pipe/Icons/PipeIcons/landscape.png")));
    m_portraitButton = new QToolButton(frame);
    m_portraitButton->setObjectName(QStringLiteral("PortraitButton"));
    m_portraitButton->setText(tr("Portrait", "Orientation across the pipe."));
    m_portraitButton->setIcon(QIcon(QStringLiteral(":/Pipe/Icons/PipeIcons/portrait.png")));
    for (QToolButton* button : {m_landscapeButton, m_portraitButton}) {
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(26, 26));
        button->setFont(PanelStyle::font(PanelStyle::SmallPixelSize));
        button->setFixedSize(78, 50);
        button->setStyleSheet(PanelStyle::ToggleButtonStyle);
        orientationRow->addWidget(button);
    }
    m_orientationGroup->addButton(m_landscapeButton, 0);
    m_orientationGroup->addButton(m_portraitButton, 1);
    m_landscapeButton->setChecked(true);
    options->addLayout(orientationRow, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    connect(m_orientationGroup, &QButtonGroup::idReleased, this,
            &VendrelEditWidget::orientationSlot);

    auto* wrapColumn = new QVBoxLayout();
    wrapColumn->setSpacing(2);
    m_wrapCheckBox = new QCheckBox(tr("Pipe Wrap", "Wrap the label around the pipe."), frame);
    m_wrapCheckBox->setObjectName(QStringLiteral("WrapCheckBox"));
    m_topCheckBox = new QCheckBox(tr("Top", "Turned legend line on top of the wrap."), frame);
    m_topCheckBox->setObjectName(QStringLiteral("TopCheckBox"));
    for (QCheckBox* box : {m_wrapCheckBox, m_topCheckBox}) {
        box->setStyleSheet(PanelStyle::CheckBoxStyle);
        wrapColumn->addWidget(box);
    }
    options->addLayout(wrapColumn, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    connect(m_wrapCheckBox, &QCheckBox::toggled, this, &VendrelEditWidget::wrapSlot);
    connect(m_topCheckBox, &QCheckBox::toggled, this, &VendrelEditWidget::topSlot);

    m_resizeCombo = new MvComboBox(frame);
    m_resizeCombo->setObjectName(QStringLiteral("ResizeCombo"));
    m_resizeCombo->addItems({tr("Fit label to text", "Resize option."),
                             tr("Fit text to label", "Resize option."),
                             tr("None", "Resize option.")});
    m_resizeCombo->setFont(PanelStyle::font(PanelStyle::SmallPixelSize));
    PanelStyle::fitComboToColumn(m_resizeCombo, 12);
    m_resizeCombo->setToolTip(m_resizeCombo->currentText());
    options->addWidget(m_resizeCombo, 1, 2, Qt::AlignTop);
    options->setColumnStretch(2, 1);
    connect(m_resizeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VendrelEditWidget::resizeLabelSlot);
    connect(m_resizeCombo, &QComboBox::currentTextChanged, this,
            &VendrelEditWidget::resizeOptionsChangedSlot);

    body->addLayout(options, 3, 0, 1, 4);
    return frame;
}

QFrame* VendrelEditWidget::createSizeFrame()
{
    auto* frame = new TitledFrame(QStringLiteral("SizeFrame"),
                                  tr("LABEL SIZE", "Title of the label size frame."), this);
    frame->setMinimumWidth(SizeFrameMinimumWidth);

    auto* body = new QGridLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(6);
    frame->setBody(body);

    int row = 0;
    body->addWidget(new QLabel(tr("Units of Measurement", "Caption of the units combo."), frame),
                    row, 0);
    m_unitsCombo = new MvComboBox(frame);
    m_unitsCombo->setObjectName(QStringLiteral("UnitsCombo"));
    m_unitsCombo->addItems(
        {tr("Inches", "Unit of measurement."), tr("Millimeters", "Unit of measurement.")});
    m_unitsCombo->setCurrentIndex(UnitConversions::getCanvasUnits());
    PanelStyle::fitComboToColumn(m_unitsCombo, 12);
    body->addWidget(m_unitsCombo, row, 1, 1, 4);
    connect(m_unitsCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VendrelEditWidget::unitsChangedSlot);
    ++row;

    auto* dimensions =
        new QLabel(tr("Label Dimensions", "Caption of the width and length."), frame);
    const bool ownRow =
        OwnDimensionsRowLocales.contains(VendrelWidgetsUtils::getCurrentLocaleName());
    if (ownRow) {
        body->addWidget(dimensions, row, 0, 1, 5);
        ++row;
    } else {
        body->addWidget(dimensions, row, 0);
    }
    auto* widthCaption = new QLabel(tr("Width", "Caption of the label width field."), frame);
    widthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_widthEdit = createNumberField(9999.0, QStringLiteral("WidthEdit"), frame);
    auto* lengthCaption = new QLabel(tr("Length", "Caption of the label length field."), frame);
    lengthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lengthEdit = createNumberField(9999.0, QStringLiteral("LengthEdit"), frame);
    body->addWidget(widthCaption, row, ownRow ? 0 : 1);
    body->addWidget(m_widthEdit, row, 2);
    body->addWidget(lengthCaption, row, 3);
    body->addWidget(m_lengthEdit, row, 4);
    connect(m_widthEdit, &NumberField::typedSignal, this, &VendrelEditWidget::widthChangedSlot);
    connect(m_lengthEdit, &NumberField::typedSignal, this, &VendrelEditWidget::lengthChangedSlot);
    ++row;

    QVBoxLayout* diameterCaption = PanelStyle::captionWithNote(
        tr("Pipe Diameter ", "Caption of the pipe diameter combo."),
        tr("including covering", "Second line of the pipe diameter."), frame);
    body->addLayout(diameterCaption, row, 0);
    m_pipeDiaCombo = new MvComboBox(frame);
    m_pipeDiaCombo->setObjectName(QStringLiteral("PipeDiameterCombo"));
    m_pipeDiaCombo->setModel(m_pipeDiaModels.at(m_unitsCombo->currentIndex()));
    m_pipeDiaCombo->setCurrentIndex(1);
    PanelStyle::fitComboToColumn(m_pipeDiaCombo, 16);
    body->addWidget(m_pipeDiaCombo, row, 1, 1, 4);
    connect(m_pipeDiaCombo, QOverload<int>::of(&QComboBox::activated), this,
            &VendrelEditWidget::pipeDiameterChangedSignal);

    body->setColumnStretch(2, 1);
    body->setColumnStretch(4, 1);

    m_unitSwitch = new UnitSwitch(m_unitsCombo, m_pipeDiaCombo, m_pipeDiaModels, this);
    m_unitSwitch->setFields({m_lengthEdit, m_widthEdit, m_fontHeightEdit});
    return frame;
}

QFrame* VendrelEditWidget::createFormattingFrame()
{
    auto* frame = new TitledFrame(QStringLiteral("OrientationFrame"),
                                  tr("FORMATTING", "Title of the formatting frame."), this);

    auto* body = new QHBoxLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setSpacing(8);
    frame->setBody(body);

    body->addWidget(new QLabel(tr("Color", "Caption of the label colour combo."), frame));
    VendrelWidgetsUtils::createColorList(m_colorNames, m_backgroundColorNames, m_textColorNames);
    m_colorCombo =
        new ColorListCombo(m_colorNames, m_backgroundColorNames, m_textColorNames, frame);
    m_colorCombo->setObjectName(QStringLiteral("ColorCombo"));
    PanelStyle::fitComboToColumn(m_colorCombo, 12);
    body->addWidget(m_colorCombo, 1);
    // Names the fluid category the colours stand for, so a legend printed in the
    // colours of another category is seen at once.
    m_categoryLabel = new QLabel(frame);
    m_categoryLabel->setObjectName(QStringLiteral("ColorCategoryLabel"));
    m_categoryLabel->setTextFormat(Qt::PlainText);
    m_categoryLabel->setWordWrap(true);
    m_categoryLabel->setFixedWidth(130);
    m_categoryLabel->setFont(PanelStyle::font(PanelStyle::SmallPixelSize, true));
    body->addWidget(m_categoryLabel);
    // A new label is black on white until the controller says otherwise.
    updateColorCombo(VendrelConstants::BlackColor, VendrelConstants::WhiteColor);
    connect(m_colorCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VendrelEditWidget::colorChangedSlot);
    return frame;
}

QFrame* VendrelEditWidget::createArrowFrame()
{
    auto* frame = new TitledFrame(QStringLiteral("ArrowFrame"),
                                  tr("ARROWS", "Title of the arrow selection frame."), this);
    frame->setFixedSize(ContentFrameWidth, ArrowFrameHeight);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setSpacing(6);
    frame->setBody(body, TitledFrame::BodyHeight::Fill);

    m_symbolsMenu = new ArrowsMenu(
        VendrelWidgetsUtils::getDataPath() + VendrelConstants::PipeMarkerSymbolDatabase, frame);
    body->addWidget(m_symbolsMenu, 1);
    connect(m_symbolsMenu, &ArrowsMenu::symbolSignal, this, &VendrelEditWidget::arrowSelectedSlot);

    auto* bottomRow = new QHBoxLayout();
    bottomRow->setSpacing(8);
    m_arrowFrameApplyBothCheckBox =
        new QCheckBox(tr("Apply to both ", "Use one arrow on both sides."), frame);
    m_arrowFrameApplyBothCheckBox->setObjectName(QStringLiteral("ArrowFrameApplyBothCheckBox"));
    m_arrowFrameApplyBothCheckBox->setStyleSheet(PanelStyle::CheckBoxStyle);
    m_arrowCloseButton = new QPushButton(tr("Done", "Closes the arrow selection."), frame);
    m_arrowCloseButton->setObjectName(QStringLiteral("ArrowCloseButton"));
    m_arrowCloseButton->setFixedSize(90, 35);
    m_arrowCloseButton->setStyleSheet(PanelStyle::StepButtonStyle);
    bottomRow->addWidget(m_arrowFrameApplyBothCheckBox);
    bottomRow->addStretch(1);
    bottomRow->addWidget(m_arrowCloseButton);
    body->addLayout(bottomRow);

    connect(m_arrowFrameApplyBothCheckBox, &QCheckBox::clicked, this,
            &VendrelEditWidget::applyBothArrowsSlot);
    connect(m_arrowCloseButton, &QPushButton::clicked, this, &VendrelEditWidget::arrowCloseSlot);
    return frame;
}

void VendrelEditWidget::createPipeDiameterModels()
{
    const QString custom = tr("Custom size", "Pipe diameter row without a recommended size.");
    const QString range = tr("%L2%1 - %L3%1", "Pipe diameter range: low and high bound.");
    const QString over = tr("Over %L2%1", "Pipe diameter above the last bound.");
    const QString inch = tr("\"", "Abbreviation for Inches");
    const QString millimeter = tr(" mm", "Abbreviation for Millimeters");

    auto* inches = new QStandardItemModel(this);
    auto* millimeters = new QStandardItemModel(this);
    inches->appendRow(new QStandardItem(custom));
    millimeters->appendRow(new QStandardItem(custom));
    for (int row = AnsiSizeTable::CustomSizeRow + 1; row < AnsiSizeTable::RowCount; ++row) {
        const AnsiSizeTable::Diameters& bounds = AnsiSizeTable::row(row).diameters;
        if (bounds.isOpenAbove()) {
            inches->appendRow(new QStandardItem(over.arg(inch).arg(bounds.lowInches, 0, 'f', 2)));
            millimeters->appendRow(
                new QStandardItem(over.arg(millimeter).arg(bounds.lowMillimeters)));
        } else {
            inches->appendRow(new QStandardItem(range.arg(inch)
                                                    .arg(bounds.lowInches, 0, 'f', 2)
                                                    .arg(bounds.highInches, 0, 'f', 2)));
            millimeters->appendRow(new QStandardItem(
                range.arg(millimeter).arg(bounds.lowMillimeters).arg(bounds.highMillimeters)));
        }
    }
    m_pipeDiaModels = {inches, millimeters};
}

// ---- Getters -----------------------------------------------------------------

int VendrelEditWidget::getUnits() const
{
    return m_unitsCombo->currentIndex();
}

QString VendrelEditWidget::getFontfamily() const
{
    return m_fontCombo->currentText();
}

ArrowsMenu* VendrelEditWidget::getSymbolsMenu() const
{
    return m_symbolsMenu;
}

bool VendrelEditWidget::applyBothArrowsIsChecked() const
{
    return m_applyBothCheckBox->isChecked();
}

// ---- Setters -----------------------------------------------------------------

void VendrelEditWidget::setLabelLength(const QString& length)
{
    m_lengthEdit->writeValue(length);
}

void VendrelEditWidget::setLabelHeight(const QString& height)
{
    m_widthEdit->writeValue(height);
}

void VendrelEditWidget::setFontHeight(const QString& fontHeight)
{
    m_fontHeightEdit->writeValue(fontHeight);
}

void VendrelEditWidget::setPipeDiameter(int index)
{
    // A row the list does not have (a damaged file) is shown as "Custom size".
    if (index < 0 || index >= m_pipeDiaCombo->count())
        index = 0;
    m_pipeDiaCombo->setCurrentIndex(index);
}

void VendrelEditWidget::setWrap(bool wrap)
{
    {
        const QSignalBlocker blocker(m_wrapCheckBox);
        m_wrapCheckBox->setChecked(wrap);
    }
    applyEnablingRules();
}

void VendrelEditWidget::setTop(bool top)
{
    // The label's flag, also where the box cannot show it (a file may hold it for a
    // portrait or unwrapped label, whose arrows it turns): the box shows it again
    // once it is enabled.
    m_top = top;
    showTop();
}

void VendrelEditWidget::showTop()
{
    const QSignalBlocker blocker(m_topCheckBox);
    m_topCheckBox->setChecked(m_topCheckBox->isEnabledTo(this) && m_top);
}

void VendrelEditWidget::setOrientation(bool portrait)
{
    (portrait ? m_portraitButton : m_landscapeButton)->setChecked(true);
    applyEnablingRules();
}

void VendrelEditWidget::setResizeOption(int option)
{
    if (option < FitLabelToText || option > NoResize)
        option = FitLabelToText;
    {
        const QSignalBlocker blocker(m_resizeCombo);
        m_resizeCombo->setCurrentIndex(option);
    }
    resizeOptionsChangedSlot(m_resizeCombo->currentText());
    applyEnablingRules();
}

void VendrelEditWidget::setUnits(int units)
{
    if (units != UnitConversions::Inches && units != UnitConversions::Millimeters) {
        qWarning("VendrelEditWidget: ignoring unknown units %d", units);
        return;
    }
    {
        const QSignalBlocker blocker(m_unitsCombo);
        m_unitsCombo->setCurrentIndex(units);
    }
    unitsChangedSlot(units);
}

void VendrelEditWidget::setTextContent(const QString& text)
{
    // Text put in by the controller must not come back to it as a user edit.
    disconnect(m_textEdit, &QLineEdit::textChanged, this,
               &VendrelEditWidget::textContentChangedSignal);
    m_textEdit->setText(text);
    connect(m_textEdit, &QLineEdit::textChanged, this,
            &VendrelEditWidget::textContentChangedSignal);
}

void VendrelEditWidget::setFontFamily(QString& family)
{
    VendrelWidgetsUtils::setFontFamily(m_fontCombo, family);
}

void VendrelEditWidget::setLeftArrow(unsigned int id, const QIcon& icon)
{
    m_arrows->setArrow(ArrowButtons::Left, id, icon);
}

void VendrelEditWidget::setRightArrow(unsigned int id, const QIcon& icon)
{
    m_arrows->setArrow(ArrowButtons::Right, id, icon);
}

void VendrelEditWidget::setApplyBothArrowsChecked(bool checked)
{
    // Only the box: copying one side onto the other is the user's doing.
    m_applyBothCheckBox->setChecked(checked);
    m_arrowFrameApplyBothCheckBox->setChecked(checked);
}

void VendrelEditWidget::updateColorCombo(const QColor& textColor, const QColor& backgroundColor)
{
    for (int row = 0; row < m_backgroundColorNames.size(); ++row) {
        if (sameColor(readColor(m_textColorNames, row), textColor) &&
            sameColor(readColor(m_backgroundColorNames, row), backgroundColor))
            m_colorIndex = static_cast<unsigned short>(row);
    }
    {
        const QSignalBlocker blocker(m_colorCombo);
        m_colorCombo->setColorIndex(m_colorIndex);
    }
    updatePreviewColors();
}

void VendrelEditWidget::setFontHeightInvalid(bool invalid)
{
    m_fontHeightEdit->setInvalid(invalid);
}

void VendrelEditWidget::setHeightInvalid(bool invalid)
{
    m_widthEdit->setInvalid(invalid);
}

void VendrelEditWidget::setLengthInvalid(bool invalid)
{
    m_lengthEdit->setInvalid(invalid);
}

void VendrelEditWidget::setErrorToStatus(const Vendrel::StatusErrorType& firstError,
                                         bool firstState,
                                         const Vendrel::StatusErrorType& secondError,
                                         bool secondState,
                                         const Vendrel::StatusErrorType& thirdError,
                                         bool thirdState)
{
    m_warnings->report(firstError, firstState, secondError, secondState, thirdError, thirdState);
}

void VendrelEditWidget::resetErrorStatus()
{
    m_warnings->reset();
}

// ---- Reactions to the user ---------------------------------------------------

void VendrelEditWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Another module may have switched the process-wide unit while this panel
    // was hidden; its fields must not go on showing the old unit's numbers.
    if (m_unitSwitch->followCurrentUnit())
        unitsShown();
}

void VendrelEditWidget::orientationSlot(int id)
{
    if (id != m_orientationGroup->checkedId())
        return;
    applyEnablingRules(true);
    emit orientationSignal(id != 0);
}

void VendrelEditWidget::wrapSlot(bool checked)
{
    applyEnablingRules(true);
    emit wrapSignal(checked);
}

void VendrelEditWidget::topSlot(bool checked)
{
    m_top = checked;
    emit topSignal(checked);
}

void VendrelEditWidget::resizeLabelSlot(int index)
{
    applyEnablingRules(true);
    emit resizeLabelSignal(index);
}

void VendrelEditWidget::resizeOptionsChangedSlot(const QString& text)
{
    // The combo is narrow; the tooltip shows the whole option.
    m_resizeCombo->setToolTip(text);
}

void VendrelEditWidget::unitsChangedSlot(int index)
{
    applyUnits(index);
}

void VendrelEditWidget::applyUnits(int units)
{
    m_unitSwitch->apply(units);
    unitsShown();
}

void VendrelEditWidget::unitsShown()
{
    const int units = m_unitSwitch->shownUnits();
    m_fontStep = units == UnitConversions::Inches ? 0.1 : 1.0;
    emit unitsChangedSignal(units == UnitConversions::Inches);
}

void VendrelEditWidget::widthChangedSlot(const QString& text)
{
    emit widthChangedSignal(text);
}

void VendrelEditWidget::lengthChangedSlot(const QString& text)
{
    emit lengthChangedSignal(text);
}

void VendrelEditWidget::fontHeightChangedSlot(const QString& text)
{
    emit fontHeightChangedSignal(text);
}

void VendrelEditWidget::fontHeightIncreaseSlot()
{
    bool ok = false;
    const double value = m_fontHeightEdit->text().toDouble(&ok);
    if (!ok)
        return;
    const QString text = QString::number(value + m_fontStep, 'f', 2);
    m_fontHeightEdit->setText(text);
    emit fontHeightChangedSignal(text);
}

void VendrelEditWidget::fontHeightDecreaseSlot()
{
    bool ok = false;
    const double value = m_fontHeightEdit->text().toDouble(&ok);
    if (!ok)
        return;
    const double lowered = value - m_fontStep;
    // Below a point the text would not print; the button stops instead of
    // writing a height the controller would refuse.
    if (UnitConversions::convertUserUnitsToLocalUnits(lowered) <= 1.0)
        return;
    const QString text = QString::number(lowered, 'f', 2);
    m_fontHeightEdit->setText(text);
    emit fontHeightChangedSignal(text);
}

void VendrelEditWidget::colorChangedSlot(int index)
{
    if (index < 0 || index >= m_backgroundColorNames.size())
        return;
    m_colorIndex = static_cast<unsigned short>(index);
    const QColor background = readColor(m_backgroundColorNames, index);
    const QColor text = readColor(m_textColorNames, index);
    updatePreviewColors();
    emit colorChangedSignal(background, text);
}

void VendrelEditWidget::updatePreviewColors()
{
    const FluidCategories::Category category = FluidCategories::forBandRow(m_colorIndex);
    m_categoryLabel->setText(category == FluidCategories::None
                                 //: Shown beside the colour list for colours of no fluid category.
                                 ? tr("No category")
                                 : FluidCategories::shownName(category));
    m_previewLabel->setStyleSheet(
        QStringLiteral("#LabelPreviewFrame { background-color: %1; color: %2; }")
            .arg(m_backgroundColorNames.value(m_colorIndex, QStringLiteral("#ffffff")),
                 m_textColorNames.value(m_colorIndex, QStringLiteral("#000000"))));
}

void VendrelEditWidget::leftArrowClickedSlot(bool checked)
{
    m_arrows->clicked(ArrowButtons::Left, checked, applyBothArrowsIsChecked());
}

void VendrelEditWidget::rightArrowClickedSlot(bool checked)
{
    m_arrows->clicked(ArrowButtons::Right, checked, applyBothArrowsIsChecked());
}

void VendrelEditWidget::arrowSelectedSlot(unsigned int id, const QByteArray& symbol,
                                          const QIcon& icon, QString toolTip)
{
    m_arrows->chosen(id, symbol, icon, toolTip);
}

void VendrelEditWidget::arrowCloseSlot()
{
    m_arrows->close();
}

void VendrelEditWidget::applyBothArrowsSlot(bool checked)
{
    // The legend frame and the arrow frame each carry the box; they are one setting.
    m_applyBothCheckBox->setChecked(checked);
    m_arrowFrameApplyBothCheckBox->setChecked(checked);
    m_arrows->applyToBoth(checked);
    emit bothArrowCheckChanged();
}

// ---- Enabling rules ----------------------------------------------------------

void VendrelEditWidget::enableFontResize(bool enable)
{
    m_fontHeightEdit->setEnabled(enable);
    m_fontDecreaseButton->setEnabled(enable);
    m_fontIncreaseButton->setEnabled(enable);
}

void VendrelEditWidget::applyEnablingRules(bool byUser)
{
    const bool portrait = m_orientationGroup->checkedId() == 1;
    const int option = m_resizeCombo->currentIndex();

    const bool topAllowed = !portrait && m_wrapCheckBox->isChecked();
    // A disabled box shows no tick. When the user's change takes a ticked box away,
    // the label's top line goes too, and the controller hears it, so a later return
    // to a wrapped landscape label does not bring back a top line the user saw go.
    const bool tickTaken = byUser && m_top && m_topCheckBox->isChecked() && !topAllowed;
    m_topCheckBox->setEnabled(topAllowed);
    if (tickTaken)
        m_top = false;
    showTop();
    if (tickTaken)
        emit topSignal(false);

    m_lengthEdit->setEnabled(option != FitLabelToText);
    enableFontResize(!(portrait && option == FitTextToLabel));
}

// ---- Legend library ----------------------------------------------------------

namespace {
// A band in the category's colours with a letter in its text colour, as the
// legend will be printed.
QIcon categorySwatch(FluidCategories::Category category)
{
    QPixmap swatch(36, 24);
    swatch.fill(Qt::transparent);
    const FluidCategories::Entry* entry = FluidCategories::entry(category);
    QPainter painter(&swatch);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!entry) {
        painter.setPen(QPen(QColor(QStringLiteral("#9e9e9e")), 1, Qt::DashLine));
        painter.drawRect(QRectF(0.5, 0.5, 35, 23));
        return QIcon(swatch);
    }
    const VendrelConstants::BandEntry& band = VendrelConstants::BandPalette[entry->bandRow];
    painter.setPen(QColor(QStringLiteral("#9e9e9e")));
    painter.setBrush(QColor(VendrelConstants::PaletteHexCodes.at(band.background)));
    painter.drawRect(QRectF(0.5, 0.5, 35, 23));
    painter.setPen(QColor(VendrelConstants::PaletteHexCodes.at(band.foreground)));
    painter.setFont(PanelStyle::font(PanelStyle::SmallPixelSize, true));
    painter.drawText(QRectF(0, 0, 36, 24), Qt::AlignCenter, QStringLiteral("A"));
    return QIcon(swatch);
}
} // namespace

QFrame* VendrelEditWidget::createLibraryFrame()
{
    auto* frame =
        new TitledFrame(QStringLiteral("LegendLibraryFrame"),
                        tr("LEGEND LIBRARY", "Title of the list of common legends."), this);
    frame->setFixedWidth(ContentFrameWidth);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setSpacing(6);
    frame->setBody(body, TitledFrame::BodyHeight::Fill);

    m_libraryModel = new QStandardItemModel(frame);
    m_libraryList = new DragScrollListView(frame);
    m_libraryList->setObjectName(QStringLiteral("LegendLibraryList"));
    m_libraryList->setModel(m_libraryModel);
    m_libraryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_libraryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_libraryList->setUniformItemSizes(true);
    m_libraryList->setIconSize(QSize(36, 24));
    m_libraryList->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize));
    m_libraryList->setStyleSheet(QStringLiteral("QListView { background-color: white; }"
                                                "QListView::item { min-height: 36px; }"
                                                "QListView::item:selected { background-color: "
                                                "%1; color: white; }"
                                                "QScrollBar:vertical { width: 24px; }")
                                     .arg(VendrelConstants::HighlightOrangeCode) +
                                 VendrelConstants::ScrollBarArrowsStyle);
    body->addWidget(m_libraryList, 1);
    connect(m_libraryList, &QAbstractItemView::clicked, this, &VendrelEditWidget::legendChosenSlot);
    connect(m_libraryList, &QAbstractItemView::activated, this,
            &VendrelEditWidget::legendChosenSlot);

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(8);
    auto* add = new QPushButton(tr("Add Legend", "Adds the label's legend to the library."), frame);
    add->setObjectName(QStringLiteral("AddLegendButton"));
    m_removeLegendButton =
        new QPushButton(tr("Remove", "Removes the marked legend from the library."), frame);
    m_removeLegendButton->setObjectName(QStringLiteral("RemoveLegendButton"));
    auto* close = new QPushButton(tr("Done", "Closes the legend library."), frame);
    close->setObjectName(QStringLiteral("LegendLibraryCloseButton"));
    for (QPushButton* button : {add, m_removeLegendButton, close}) {
        button->setFixedHeight(35);
        const QFontMetrics metrics(PanelStyle::font(PanelStyle::CaptionPixelSize));
        button->setMinimumWidth(qMax(90, metrics.horizontalAdvance(button->text()) + 24));
        button->setStyleSheet(PanelStyle::StepButtonStyle);
        buttons->addWidget(button);
        if (button == m_removeLegendButton)
            buttons->addStretch(1);
    }
    body->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &VendrelEditWidget::addLegendSlot);
    connect(m_removeLegendButton, &QPushButton::clicked, this,
            &VendrelEditWidget::removeLegendSlot);
    connect(close, &QPushButton::clicked, frame, &QWidget::hide);
    return frame;
}

void VendrelEditWidget::fillLibraryList()
{
    m_libraryModel->clear();
    for (const LegendLibrary::Entry& entry : m_library->entries()) {
        auto* item = new QStandardItem(categorySwatch(entry.category), entry.legend);
        item->setToolTip(FluidCategories::shownName(entry.category));
        m_libraryModel->appendRow(item);
    }
    const int row = m_library->find(m_textEdit->text());
    if (row >= 0) {
        m_libraryList->setCurrentIndex(m_libraryModel->index(row, 0));
        m_libraryList->scrollTo(m_libraryModel->index(row, 0), QAbstractItemView::PositionAtCenter);
    } else {
        m_libraryList->clearSelection();
        m_libraryList->setCurrentIndex(QModelIndex());
    }
    m_removeLegendButton->setEnabled(row >= 0);
}

void VendrelEditWidget::libraryClickedSlot()
{
    if (m_libraryFrame->isVisible()) {
        m_libraryFrame->hide();
        return;
    }
    m_arrows->close();
    fillLibraryList();
    m_libraryFrame->show();
    m_libraryFrame->raise();
}

void VendrelEditWidget::legendChosenSlot(const QModelIndex& index)
{
    // A drag that scrolled the list chose nothing.
    if (!index.isValid() || m_libraryList->isDragScrolling() ||
        index.row() >= m_library->entries().size())
        return;
    const LegendLibrary::Entry entry = m_library->entries().at(index.row());
    m_libraryFrame->hide();
    // Through the same controls as a user's edit: the text field's change and the
    // colour list's choice reach the controller like typed text and a picked row.
    m_textEdit->setText(entry.legend);
    if (const FluidCategories::Entry* category = FluidCategories::entry(entry.category))
        m_colorCombo->setCurrentIndex(category->bandRow);
}

void VendrelEditWidget::addLegendSlot()
{
    const int row = m_library->add(m_textEdit->text(), FluidCategories::forBandRow(m_colorIndex));
    if (row < 0)
        return;
    saveLibrary();
    fillLibraryList();
}

void VendrelEditWidget::removeLegendSlot()
{
    const QModelIndex current = m_libraryList->currentIndex();
    if (!current.isValid())
        return;
    m_library->remove(current.row());
    saveLibrary();
    fillLibraryList();
}

void VendrelEditWidget::saveLibrary()
{
    m_library->save(VendrelWidgetsUtils::getCurrentLocaleName(),
                    VendrelWidgetsUtils::getConfigPath());
}
