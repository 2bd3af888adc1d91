#include "ammonia/ammoniaeditwidget.h"

#include "ammonia/ammonialists.h"
#include "ammonia/ammoniaparts.h"
#include "ammonia/ammoniawarnings.h"
#include "ammonia/componentitemchange.h"
#include "ammonia/iiarsizetable.h"
#include "kit/arrowbuttons.h"
#include "kit/arrowsmenu.h"
#include "kit/numberfield.h"
#include "kit/panelstyle.h"
#include "kit/titledframe.h"
#include "kit/unitswitch.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "kit/warningboard.h"
#include "units/unitconversions.h"
#include "widgets/clickablelabel.h"
#include "widgets/colorlistcombo.h"
#include "widgets/dragscrolllistview.h"
#include "widgets/moduleresourceicons.h"
#include "widgets/mvcombobox.h"
#include "widgets/mvlineedit.h"
#include "widgets/mvmessagebox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGraphicsColorizeEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr int ContentFrameWidth = 440;
constexpr int RightColumnWidth = 470;
constexpr int PanelSpacing = 10;
constexpr int PartButtonSide = ArrowButtons::IconHeight + 4;
constexpr int NumberFieldWidth = 70;
constexpr int FieldHeight = 35;
constexpr int ListButtonWidth = 90;
constexpr int ListButtonHeight = 30;
constexpr int TabWidth = 110;
constexpr int TabHeight = 28;
constexpr int CloseButtonSide = TitledFrame::TitleBarHeight;
constexpr int SelectPictureHeight = 150;
constexpr int PrintPictureHeight = 120;
const QColor ButtonTint(255, 88, 0);
// Tabs take their text's width and some room around it.
const QString TabStyle =
    PanelStyle::ToggleButtonStyle + QStringLiteral("QPushButton { padding: 0 12px; }");

// Languages whose tag print buttons need more room than the others.
const QStringList WidePrintControlLocales = {"nb_NO", "ru_RU", "pt_BR", "sv_SE"};

QString inchMark()
{
    return AmmoniaEditWidget::tr("\"", "Abbreviation for Inches");
}

QString millimeterMark()
{
    return AmmoniaEditWidget::tr(" mm", "Abbreviation for Millimeters");
}

QPixmap scaledPicture(const char* path, int height)
{
    return QPixmap(QString::fromLatin1(path)).scaledToHeight(height, Qt::SmoothTransformation);
}

void tint(QPushButton* button, bool on)
{
    if (!on) {
        button->setGraphicsEffect(nullptr);
        return;
    }
    auto* effect = new QGraphicsColorizeEffect(button);
    effect->setColor(ButtonTint);
    button->setGraphicsEffect(effect);
}

void uncheckQuietly(QAbstractButton* button)
{
    const QSignalBlocker blocker(button);
    button->setChecked(false);
}

} // namespace

AmmoniaEditWidget::AmmoniaEditWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AmmoniaEditWidget"));
    setFont(PanelStyle::font(PanelStyle::CaptionPixelSize));
    qInitResources_module_resource_icons();

    m_warnings = new WarningBoard(AmmoniaWarnings::texts(), this);
    connect(m_warnings, &WarningBoard::warningStringChanged, this,
            &AmmoniaEditWidget::warningStringChanged);
    m_lists = new AmmoniaLists(this);
    createPipeDiameterModels();

    const int printControlWidth =
        WidePrintControlLocales.contains(VendrelWidgetsUtils::getCurrentLocaleName()) ? 156 : 120;
    createArrowSelectionFrame();
    createPhysicalSelectionFrame(printControlWidth);
    createPressureSelectionFrame(printControlWidth);
    m_contentFrame = createContentFrame();
    m_sizeFrame = createSizeFrame();
    m_optionFrame = createOptionFrame();
    createEditFrame();

    m_layout = new QGridLayout(this);
    m_layout->setSpacing(PanelSpacing);
    m_layout->setContentsMargins(0, 0, 0, 5);
    m_layout->addWidget(m_contentFrame, 0, 0, 2, 1, Qt::AlignLeft);
    m_layout->addWidget(m_sizeFrame, 0, 1, Qt::AlignRight);
    m_layout->addWidget(m_optionFrame, 1, 1, Qt::AlignRight);
    // The pop-up frames stand outside the layout and slide over the frames they
    // cover; the panel clips them while they move.
    for (QFrame* popup :
         {static_cast<QFrame*>(m_arrowFrame), static_cast<QFrame*>(m_editFrame),
          static_cast<QFrame*>(m_physical.frame), static_cast<QFrame*>(m_pressure.frame)}) {
        popup->hide();
        popup->raise();
    }

    connect(m_itemChange, &ComponentItemChange::updateAbbrevSignal, this,
            &AmmoniaEditWidget::updateAbbreviationSlot);
    connect(m_itemChange, &ComponentItemChange::updateComponentSignal, this,
            &AmmoniaEditWidget::updateComponentSlot);
    m_arrows = new ArrowButtons(m_symbolsMenu, m_leftArrowButton, m_rightArrowButton, m_arrowFrame,
                                m_contentFrame, PanelSpacing, this);
    connect(m_arrows, &ArrowButtons::leftArrowChangedSignal, this,
            &AmmoniaEditWidget::leftArrowChangedSignal);
    connect(m_arrows, &ArrowButtons::rightArrowChangedSignal, this,
            &AmmoniaEditWidget::rightArrowChangedSignal);

    PanelStyle::handOnFont(this);
    reportListWarnings();
}

AmmoniaEditWidget::~AmmoniaEditWidget()
{
    saveListsToFile();
}

// ---- Building ----------------------------------------------------------------

QPushButton* AmmoniaEditWidget::addCloseButton(TitledFrame* frame, const QString& objectName)
{
    auto* bar = new QHBoxLayout(frame->titleBar());
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addStretch(1);
    auto* close = new QPushButton(frame->titleBar());
    close->setObjectName(objectName);
    close->setFixedSize(CloseButtonSide, CloseButtonSide);
    close->setIcon(QIcon(QStringLiteral(":/Navigation/NavigationIcons/close.png")));
    close->setIconSize(QSize(CloseButtonSide, CloseButtonSide));
    close->setFlat(true);
    close->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"
                                        "QPushButton:pressed { background-color: %1; }")
                             .arg(VendrelConstants::HighlightOrangeCode));
    bar->addWidget(close);
    return close;
}

NumberField* AmmoniaEditWidget::createNumberField(double top, const QString& objectName,
                                                  QWidget* parent,
                                                  void (AmmoniaEditWidget::*signal)(QString))
{
    auto* field = new NumberField(top, 3, parent);
    field->setObjectName(objectName);
    field->setFixedSize(NumberFieldWidth, FieldHeight);
    connect(field, &NumberField::typingFinishedSignal, this,
            &AmmoniaEditWidget::sizeEditingFinishedSignal);
    // An emptied field says nothing; the controller hears numbers only.
    connect(field, &NumberField::typedSignal, this, [this, signal](const QString& text) {
        if (!text.isEmpty())
            emit(this->*signal)(text);
    });
    return field;
}

QFrame* AmmoniaEditWidget::createContentFrame()
{
    auto* frame = new TitledFrame(
        QStringLiteral("PipeFrame"),
        tr("PIPE LEGEND", "Title of the window that allows users to see and change different "
                          "pipe marking attributes."),
        this);
    frame->setFixedWidth(ContentFrameWidth);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(8, 6, 8, 6);
    body->setSpacing(5);
    frame->setBody(body, TitledFrame::BodyHeight::Fill);

    auto* tabs = new QHBoxLayout();
    tabs->setSpacing(0);
    m_moduleGroup = new QButtonGroup(frame);
    m_pipeMarkerTab = new QPushButton(tr("Pipe Marker", "Type of ammonia pipe marking."), frame);
    m_pipeMarkerTab->setObjectName(QStringLiteral("PipeMarkerTab"));
    m_componentTab =
        new QPushButton(tr("Component Marker", "Type of ammonia pipe marking."), frame);
    m_componentTab->setObjectName(QStringLiteral("ComponentMarkerTab"));
    for (QPushButton* tab : {m_pipeMarkerTab, m_componentTab}) {
        tab->setCheckable(true);
        tab->setMinimumSize(TabWidth, 23);
        tab->setFixedHeight(TabHeight);
        tab->setStyleSheet(TabStyle);
        m_moduleGroup->addButton(tab);
        tabs->addWidget(tab, 1);
    }
    m_pipeMarkerTab->setChecked(true);
    connect(m_pipeMarkerTab, &QPushButton::clicked, this, [this] { moduleChangedSlot(true); });
    connect(m_componentTab, &QPushButton::clicked, this, [this] { moduleChangedSlot(false); });
    body->addLayout(tabs);

    body->addLayout(createTextContentsLayout(frame), 1);
    body->addLayout(createArrowLayout(frame));
    return frame;
}

QLayout* AmmoniaEditWidget::createTextContentsLayout(QWidget* parent)
{
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    m_listTitle =
        new QLabel(tr("Abbreviations", "Abbreviations for the pipe marking components."), parent);
    m_listTitle->setObjectName(QStringLiteral("ListTitle"));
    m_listTitle->setFont(PanelStyle::font(PanelStyle::SmallPixelSize, true));
    grid->addWidget(m_listTitle, 0, 0);

    m_listView = new DragScrollListView(parent);
    m_listView->setObjectName(QStringLiteral("AmmoniaListView"));
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setUniformItemSizes(true);
    m_listView->setStyleSheet(QStringLiteral("QListView { background-color: white; }"
                                             "QListView::item { min-height: 26px; }"
                                             "QListView::item:selected { background-color: %1; "
                                             "color: white; }"
                                             "QScrollBar:vertical { width: 24px; }")
                                  .arg(VendrelConstants::HighlightOrangeCode) +
                              VendrelConstants::ScrollBarArrowsStyle);
    // The list takes the height the buttons leave.
    grid->addWidget(m_listView, 1, 0, 4, 1);
    grid->setRowStretch(4, 1);

    m_addButton =
        new QPushButton(tr("Add", "Add a new entry for a component or abbreviation."), parent);
    m_addButton->setObjectName(QStringLiteral("AddButton"));
    m_editButton =
        new QPushButton(tr("Edit", "Add an entry for a component or abbreviation."), parent);
    m_editButton->setObjectName(QStringLiteral("EditButton"));
    m_editButton->setCheckable(true);
    m_removeButton =
        new QPushButton(tr("Remove", "Remove an entry for a component or abbreviation."), parent);
    m_removeButton->setObjectName(QStringLiteral("RemoveButton"));
    int row = 1;
    for (QPushButton* button : {m_addButton, m_editButton, m_removeButton}) {
        button->setMinimumSize(ListButtonWidth, ListButtonHeight);
        button->setStyleSheet(PanelStyle::StepButtonStyle +
                              QStringLiteral("QPushButton:checked { background-color: %1; "
                                             "color: white; }")
                                  .arg(VendrelConstants::HighlightOrangeCode));
        grid->addWidget(button, row++, 1);
    }
    m_editButton->setEnabled(false);
    m_removeButton->setEnabled(false);
    grid->setColumnStretch(0, 1);
    connect(m_addButton, &QPushButton::clicked, this, &AmmoniaEditWidget::addClicked);
    connect(m_editButton, &QPushButton::clicked, this, &AmmoniaEditWidget::editClicked);
    connect(m_removeButton, &QPushButton::clicked, this, &AmmoniaEditWidget::removeClicked);

    loadAbbreviationsFromFile();
    loadComponentsFromFile();
    m_listView->setModel(m_lists->abbreviations());
    m_listView->setModelColumn(0);
    connectSelection();
    return grid;
}

QLayout* AmmoniaEditWidget::createArrowLayout(QWidget* parent)
{
    auto* row = new QHBoxLayout();
    row->setSpacing(6);
    m_leftArrowButton = ArrowButtons::createButton(QStringLiteral("LeftArrowButton"),
                                                   m_symbolsMenu->getAddArrowIcon(), parent);
    m_rightArrowButton = ArrowButtons::createButton(QStringLiteral("RightArrowButton"),
                                                    m_symbolsMenu->getAddArrowIcon(), parent);
    for (QPushButton* button : {m_leftArrowButton, m_rightArrowButton})
        button->setToolTip(tr("Add Arrows", "Tooltip of the arrow buttons."));

    m_physical.button = new QPushButton(parent);
    m_physical.button->setObjectName(QStringLiteral("PhysicalStateButton"));
    m_physical.button->setIcon(QIcon(QStringLiteral(":/Ammonia/Icons/AmmoniaIcons/set-state.svg")));
    m_physical.button->setToolTip(
        tr("Set Physical State", "Tooltip of the physical state button."));
    m_pressure.button = new QPushButton(parent);
    m_pressure.button->setObjectName(QStringLiteral("PressureLevelButton"));
    m_pressure.button->setIcon(QIcon(QStringLiteral(":/Ammonia/Icons/AmmoniaIcons/set-level.svg")));
    m_pressure.button->setToolTip(
        tr("Set Pressure Level", "Tooltip of the pressure level button."));
    for (QPushButton* button : {m_physical.button, m_pressure.button}) {
        button->setCheckable(true);
        button->setFixedSize(PartButtonSide, PartButtonSide);
        button->setIconSize(QSize(PartButtonSide - 14, PartButtonSide - 14));
        button->setStyleSheet(PanelStyle::ToggleButtonStyle);
    }

    m_previewLabel = new QLabel(tr("TEXT", "Legend preview between the arrow buttons."), parent);
    m_previewLabel->setObjectName(QStringLiteral("LabelPreview"));
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_previewLabel->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize + 2, true));
    m_previewLabel->setFixedHeight(PartButtonSide);

    row->addWidget(m_leftArrowButton);
    row->addWidget(m_physical.button);
    row->addWidget(m_previewLabel, 1);
    row->addWidget(m_pressure.button);
    row->addWidget(m_rightArrowButton);

    connect(m_leftArrowButton, &QPushButton::clicked, this,
            &AmmoniaEditWidget::leftArrowClickedSlot);
    connect(m_rightArrowButton, &QPushButton::clicked, this,
            &AmmoniaEditWidget::rightArrowClickedSlot);
    connect(m_physical.button, &QPushButton::clicked, this,
            &AmmoniaEditWidget::physicalStateClicked);
    connect(m_pressure.button, &QPushButton::clicked, this,
            &AmmoniaEditWidget::pressureStateClicked);
    return row;
}

QFrame* AmmoniaEditWidget::createSizeFrame()
{
    auto* frame = new TitledFrame(QStringLiteral("SizeFrame"),
                                  tr("LABEL SIZE", "Title of the label size frame."), this);
    frame->setFixedWidth(RightColumnWidth);

    auto* body = new QGridLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(6);
    frame->setBody(body);

    body->addWidget(new QLabel(tr("Units of Measurement", "Caption of the units combo."), frame), 0,
                    0);
    m_unitsCombo = new MvComboBox(frame);
    m_unitsCombo->setObjectName(QStringLiteral("UnitsCombo"));
    m_unitsCombo->addItems(
        {tr("Inches", "Unit of measurement."), tr("Millimeters", "Unit of measurement.")});
    m_unitsCombo->setCurrentIndex(UnitConversions::getCanvasUnits());
    // Wide enough for the longer unit name in every language.
    m_unitsCombo->setFixedWidth(140);
    body->addWidget(m_unitsCombo, 0, 1, 1, 4, Qt::AlignLeft);
    connect(m_unitsCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AmmoniaEditWidget::unitsChangedSlot);

    QVBoxLayout* diameterCaption = PanelStyle::captionWithNote(
        tr("Pipe Diameter ", "Caption of the pipe diameter combo."),
        tr("including covering", "Second line of the pipe diameter."), frame);
    body->addLayout(diameterCaption, 1, 0);
    m_pipeDiaCombo = new MvComboBox(frame);
    m_pipeDiaCombo->setObjectName(QStringLiteral("PipeDiameterCombo"));
    m_pipeDiaCombo->setModel(m_pipeDiaModels.at(m_unitsCombo->currentIndex()));
    m_pipeDiaCombo->setCurrentIndex(0);
    m_pipeDiaCombo->setMinimumWidth(150);
    PanelStyle::fitComboToColumn(m_pipeDiaCombo, 14);
    body->addWidget(m_pipeDiaCombo, 1, 1, 1, 4);
    connect(m_pipeDiaCombo, QOverload<int>::of(&QComboBox::activated), this,
            &AmmoniaEditWidget::pipeDiameterChangedSignal);

    body->addWidget(new QLabel(tr("Label Dimensions", "Caption of the width and length."), frame),
                    2, 0);
    auto* widthCaption = new QLabel(tr("Width", "Caption of the label width field."), frame);
    widthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_widthEdit = createNumberField(9999.0, QStringLiteral("WidthEdit"), frame,
                                    &AmmoniaEditWidget::widthChangedSignal);
    auto* lengthCaption = new QLabel(tr("Length", "Caption of the label length field."), frame);
    lengthCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lengthEdit = createNumberField(9999.0, QStringLiteral("LengthEdit"), frame,
                                     &AmmoniaEditWidget::lengthChangedSignal);
    // The length follows the pipe diameter in this module.
    m_lengthEdit->setEnabled(false);
    body->addWidget(widthCaption, 2, 1);
    body->addWidget(m_widthEdit, 2, 2);
    body->addWidget(lengthCaption, 2, 3);
    body->addWidget(m_lengthEdit, 2, 4);
    body->setColumnStretch(1, 1);
    body->setColumnStretch(3, 1);
    connect(m_widthEdit, &NumberField::typedSignal, this,
            &AmmoniaEditWidget::updatePrintTagDimensionsLabel);

    m_unitSwitch = new UnitSwitch(m_unitsCombo, m_pipeDiaCombo, m_pipeDiaModels, this);
    return frame;
}

QFrame* AmmoniaEditWidget::createOptionFrame()
{
    auto* frame = new TitledFrame(QStringLiteral("OptionFrame"),
                                  tr("SETTINGS", "Title of the settings frame."), this);
    frame->setFixedWidth(RightColumnWidth);

    auto* body = new QGridLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setHorizontalSpacing(6);
    body->setVerticalSpacing(6);
    frame->setBody(body);

    body->addWidget(new QLabel(tr("Color", "Caption of the label colour combo."), frame), 0, 0);
    const QStringList names = VendrelWidgetsUtils::getTranslatedColorNames();
    for (const int palette : {VendrelConstants::PaletteOrange, VendrelConstants::PaletteYellow}) {
        m_colorNames << names.value(palette);
        m_backgroundColorNames << QString::fromLatin1(VendrelConstants::Palette[palette].hexCode);
        m_foregroundColorNames << QString::fromLatin1(
            VendrelConstants::Palette[VendrelConstants::PaletteBlack].hexCode);
    }
    m_colorCombo =
        new ColorListCombo(m_colorNames, m_backgroundColorNames, m_foregroundColorNames, frame);
    m_colorCombo->setObjectName(QStringLiteral("ColorCombo"));
    PanelStyle::fitComboToColumn(m_colorCombo, 8);
    body->addWidget(m_colorCombo, 0, 1, 1, 2);
    connect(m_colorCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AmmoniaEditWidget::colorChangedSlot);

    auto* fontCaption = new QLabel(tr("Font", "Caption of the font family combo."), frame);
    fontCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    body->addWidget(fontCaption, 0, 3);
    m_fontCombo = VendrelWidgetsUtils::createFontFamilyCombo(150);
    m_fontCombo->setParent(frame);
    m_fontCombo->setObjectName(QStringLiteral("FontFamilyCombo"));
    PanelStyle::fitComboToColumn(m_fontCombo, 10);
    body->addWidget(m_fontCombo, 0, 4, 1, 2);
    connect(m_fontCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                if (index >= 0)
                    emit fontFamilyChangedSignal(m_fontCombo->itemText(index));
            });

    m_bandWidthEdit = createNumberField(999.0, QStringLiteral("BandWidthEdit"), frame,
                                        &AmmoniaEditWidget::bandWidthChangedSignal);
    m_arrowWidthEdit = createNumberField(999.0, QStringLiteral("ArrowWidthEdit"), frame,
                                         &AmmoniaEditWidget::arrowWidthChangedSignal);
    m_fontHeightEdit = createNumberField(999.0, QStringLiteral("FontHeightEdit"), frame,
                                         &AmmoniaEditWidget::fontHeightChangedSignal);
    connect(m_bandWidthEdit, &NumberField::typedSignal, this,
            &AmmoniaEditWidget::updatePrintTagDimensionsLabel);
    const QStringList captions = {
        tr("State / Pressure Width", "Caption of the width of the state and pressure parts."),
        tr("Arrow Width", "Caption of the arrow width field."),
        tr("Font Height ", "Caption of the text height field.")};
    const QList<NumberField*> fields = {m_bandWidthEdit, m_arrowWidthEdit, m_fontHeightEdit};
    for (int i = 0; i < fields.size(); ++i) {
        auto* caption = new QLabel(captions.at(i), frame);
        caption->setFont(PanelStyle::font(PanelStyle::SmallPixelSize));
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        body->addWidget(caption, 1, 2 * i);
        body->addWidget(fields.at(i), 1, 2 * i + 1);
    }
    for (int column : {0, 2, 4})
        body->setColumnStretch(column, 1);

    m_unitSwitch->setFields(
        {m_fontHeightEdit, m_widthEdit, m_lengthEdit, m_bandWidthEdit, m_arrowWidthEdit});
    updateColorCombo(AmmoniaParts::newLabelColor());
    return frame;
}

void AmmoniaEditWidget::createEditFrame()
{
    m_editFrame = new TitledFrame(
        QStringLiteral("EditFrame"),
        tr("EDIT ABBREVIATIONS", "Allows users to change the pipe marking abbreviations text."),
        this);
    m_editTitle = m_editFrame->titleBar();
    QPushButton* close = addCloseButton(m_editFrame, QStringLiteral("EditCloseButton"));
    connect(close, &QPushButton::clicked, this, &AmmoniaEditWidget::editCloseSlot);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(10, 8, 10, 8);
    m_itemChange = new ComponentItemChange(m_editFrame);
    body->addWidget(m_itemChange);
    m_editFrame->setBody(body);
}

void AmmoniaEditWidget::createArrowSelectionFrame()
{
    m_arrowFrame = new TitledFrame(QStringLiteral("ArrowFrame"),
                                   tr("ARROWS", "Title for the arrows selection widget."), this);
    QPushButton* close = addCloseButton(m_arrowFrame, QStringLiteral("ArrowCloseButton"));
    connect(close, &QPushButton::clicked, this, &AmmoniaEditWidget::arrowCloseSlot);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setSpacing(4);
    m_arrowFrame->setBody(body, TitledFrame::BodyHeight::Fill);

    m_symbolsMenu = new ArrowsMenu(
        VendrelWidgetsUtils::getDataPath() + VendrelConstants::AmmoniaSymbolDatabase, m_arrowFrame);
    body->addWidget(m_symbolsMenu, 1);
    connect(m_symbolsMenu, &ArrowsMenu::symbolSignal, this, &AmmoniaEditWidget::arrowSelectedSlot);

    m_applyBothCheckBox = new QCheckBox(
        tr("Apply to both ",
           "Refers to the option to apply the same symbol on both sides of the label."),
        m_arrowFrame);
    m_applyBothCheckBox->setObjectName(QStringLiteral("ApplyBothCheckBox"));
    m_applyBothCheckBox->setStyleSheet(PanelStyle::CheckBoxStyle);
    m_applyBothCheckBox->setChecked(true);
    body->addWidget(m_applyBothCheckBox);
    connect(m_applyBothCheckBox, &QCheckBox::clicked, this,
            &AmmoniaEditWidget::applyBothArrowsSlot);
}

AmmoniaEditWidget::PartsFrame AmmoniaEditWidget::createPartsFrame(const PartsTexts& texts,
                                                                  int printControlWidth)
{
    PartsFrame parts;
    parts.frame = new TitledFrame(texts.objectName, texts.title, this);
    QPushButton* close = addCloseButton(parts.frame, texts.objectName + QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this,
            texts.firstTag == AmmoniaVendrel::LiqStateTag ? &AmmoniaEditWidget::physicalCloseSlot
                                                          : &AmmoniaEditWidget::pressureCloseSlot);

    auto* body = new QVBoxLayout();
    body->setContentsMargins(10, 6, 10, 6);
    body->setSpacing(6);
    parts.frame->setBody(body, TitledFrame::BodyHeight::Fill);

    auto* tabs = new QHBoxLayout();
    tabs->setSpacing(0);
    auto* tabGroup = new QButtonGroup(parts.frame);
    auto* selectTab = new QPushButton(
        tr("Select Tags", "Title of tab that allows users to select the physical state tags."),
        parts.frame);
    auto* printTab = new QPushButton(
        tr("Print Tags", "Title of tab that allows users to print the physical state tags."),
        parts.frame);
    for (QPushButton* tab : {selectTab, printTab}) {
        tab->setCheckable(true);
        tab->setMinimumSize(TabWidth, 23);
        tab->setFixedHeight(TabHeight);
        tab->setStyleSheet(TabStyle);
        tabGroup->addButton(tab);
        tabs->addWidget(tab);
    }
    tabs->addStretch(1);
    selectTab->setChecked(true);
    body->addLayout(tabs);

    auto* pages = new QStackedLayout();
    body->addLayout(pages, 1);
    connect(tabGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            [pages, selectTab](QAbstractButton* tab) {
                pages->setCurrentIndex(tab == selectTab ? 0 : 1);
            });

    // Select page: the two parts with their tags' pictures.
    auto* selectPage = new QWidget(parts.frame);
    auto* select = new QHBoxLayout(selectPage);
    select->setContentsMargins(0, 0, 0, 0);
    select->setSpacing(12);
    auto* captions = new QVBoxLayout();
    auto* placeholder = new QLabel(texts.placeholder, selectPage);
    placeholder->setFont(PanelStyle::font(PanelStyle::CaptionPixelSize, true));
    placeholder->setWordWrap(true);
    auto* request = new QLabel(texts.request, selectPage);
    request->setWordWrap(true);
    captions->addWidget(placeholder);
    captions->addWidget(request);
    captions->addStretch(1);
    select->addLayout(captions, 1);

    const auto addChoice = [&](const QString& name, AmmoniaVendrel::TagType tag) {
        auto* column = new QVBoxLayout();
        auto* box = new QCheckBox(name, selectPage);
        box->setObjectName(name + QStringLiteral("CheckBox"));
        box->setStyleSheet(PanelStyle::CheckBoxStyle);
        auto* picture = new ClickableLabel(selectPage);
        picture->setObjectName(name + QStringLiteral("Picture"));
        picture->setPixmap(scaledPicture(AmmoniaParts::part(tag).picture, SelectPictureHeight));
        connect(picture, &ClickableLabel::clicked, box, &QCheckBox::click);
        column->addWidget(box, 0, Qt::AlignHCenter);
        column->addWidget(picture, 0, Qt::AlignHCenter);
        column->addStretch(1);
        select->addLayout(column);
        return std::make_pair(box, static_cast<QLabel*>(picture));
    };
    auto first = addChoice(texts.firstName, texts.firstTag);
    parts.firstChoice = first.first;
    parts.firstPicture = first.second;
    parts.secondChoice = addChoice(texts.secondName, texts.secondTag).first;
    parts.firstChoice->setChecked(true);
    pages->addWidget(selectPage);

    // Print page: one tag of the two, how many, and the two buttons.
    auto* printPage = new QWidget(parts.frame);
    auto* print = new QHBoxLayout(printPage);
    print->setContentsMargins(0, 0, 0, 0);
    print->setSpacing(10);
    auto* choose = new QVBoxLayout();
    choose->addWidget(
        new QLabel(tr("Select Tag to Print", "Caption of the tag choice."), printPage));
    auto* choices = new QHBoxLayout();
    const auto addPrintChoice = [&](const QString& name, AmmoniaVendrel::TagType tag) {
        auto* column = new QVBoxLayout();
        auto* choice = new QRadioButton(name, printPage);
        choice->setObjectName(name + QStringLiteral("PrintChoice"));
        auto* picture = new ClickableLabel(printPage);
        picture->setPixmap(scaledPicture(AmmoniaParts::part(tag).picture, PrintPictureHeight));
        connect(picture, &ClickableLabel::clicked, choice, &QRadioButton::click);
        column->addWidget(choice, 0, Qt::AlignHCenter);
        column->addWidget(picture, 0, Qt::AlignHCenter);
        choices->addLayout(column);
        return std::make_pair(choice, static_cast<QLabel*>(picture));
    };
    auto firstPrint = addPrintChoice(texts.firstName, texts.firstTag);
    parts.firstPrintChoice = firstPrint.first;
    parts.firstPrintPicture = firstPrint.second;
    parts.secondPrintChoice = addPrintChoice(texts.secondName, texts.secondTag).first;
    parts.firstPrintChoice->setChecked(true);
    choose->addLayout(choices);
    choose->addStretch(1);
    parts.dimensions = new QLabel(printPage);
    parts.dimensions->setObjectName(texts.objectName + QStringLiteral("Dimensions"));
    choose->addWidget(parts.dimensions);
    print->addLayout(choose, 1);

    auto* controls = new QVBoxLayout();
    controls->setSpacing(6);
    controls->addWidget(new QLabel(tr("Quantity", "The number of tags to print."), printPage));
    parts.quantity = new MvLineEdit(printPage);
    parts.quantity->setObjectName(texts.objectName + QStringLiteral("Quantity"));
    parts.quantity->setAlignment(Qt::AlignCenter);
    parts.quantity->setValidator(new QIntValidator(1, 99, parts.quantity));
    parts.quantity->setText(QStringLiteral("1"));
    parts.preview = new QPushButton(
        tr("Preview", "Button that opens up a window that shows the print preview."), printPage);
    parts.print = new QPushButton(tr("Print", "Button that will print the tag."), printPage);
    for (QWidget* control :
         {static_cast<QWidget*>(parts.quantity), static_cast<QWidget*>(parts.preview),
          static_cast<QWidget*>(parts.print)}) {
        control->setFixedWidth(printControlWidth);
        control->setMinimumHeight(FieldHeight);
        controls->addWidget(control);
    }
    parts.preview->setStyleSheet(PanelStyle::StepButtonStyle);
    parts.print->setStyleSheet(PanelStyle::StepButtonStyle);
    // A quantity refused once is shown in red until the user types again.
    MvLineEdit* quantity = parts.quantity;
    connect(quantity, &QLineEdit::textEdited, quantity,
            [quantity] { quantity->setInvalid(false); });
    controls->addStretch(1);
    print->addLayout(controls);
    pages->addWidget(printPage);
    return parts;
}

void AmmoniaEditWidget::createPhysicalSelectionFrame(int printControlWidth)
{
    m_physical = createPartsFrame(
        {QStringLiteral("PhysicalFrame"),
         tr("PHYSICAL STATE", "Title of the physical state selection window."),
         tr("Physical State Placeholder:", "Title for the physical state placeholder selection "
                                           "frame."),
         tr("Please select one or both", "Label requesting the user to select the physical "
                                         "state."),
         QStringLiteral("LIQ"), QStringLiteral("VAP"), AmmoniaVendrel::LiqStateTag,
         AmmoniaVendrel::VapStateTag},
        printControlWidth);
    connect(m_physical.firstChoice, &QCheckBox::clicked, this,
            &AmmoniaEditWidget::liqStateChangedSignal);
    connect(m_physical.secondChoice, &QCheckBox::clicked, this,
            &AmmoniaEditWidget::vapStateChangedSignal);
    connect(m_physical.preview, &QPushButton::clicked, this,
            &AmmoniaEditWidget::previewPhysicalTagsClicked);
    connect(m_physical.print, &QPushButton::clicked, this,
            &AmmoniaEditWidget::printPhysicalTagsClicked);
}

void AmmoniaEditWidget::createPressureSelectionFrame(int printControlWidth)
{
    m_pressure = createPartsFrame(
        {QStringLiteral("PressureFrame"),
         tr("PRESSURE LEVEL", "Title of the pressure level selection window."),
         tr("Pressure Level Placeholder: ", "Title for the pressure level placeholder selection "
                                            "frame."),
         tr("Please select one", "Label requesting the user to select the pressure level."),
         QStringLiteral("HIGH"), QStringLiteral("LOW"), AmmoniaVendrel::HighPressureTag,
         AmmoniaVendrel::LowPressureTag},
        printControlWidth);
    connect(m_pressure.firstChoice, &QCheckBox::clicked, this,
            &AmmoniaEditWidget::highPressChangedSlot);
    connect(m_pressure.secondChoice, &QCheckBox::clicked, this,
            &AmmoniaEditWidget::lowPressChangedSlot);
    connect(m_pressure.preview, &QPushButton::clicked, this,
            &AmmoniaEditWidget::previewPressureTagsClicked);
    connect(m_pressure.print, &QPushButton::clicked, this,
            &AmmoniaEditWidget::printPressureTagsClicked);
}

void AmmoniaEditWidget::createPipeDiameterModels()
{
    const QString under = tr("Under %L2%1", "The pipe diameter is under a specified value.");
    const QString range = tr("%L2%1 - %L3%1");
    const QString over = tr("Over %L2%1", "The pipe diameter is over a specified value.");
    auto* inches = new QStandardItemModel(this);
    auto* millimeters = new QStandardItemModel(this);
    for (const IiarSizeTable::Row& row : IiarSizeTable::Rows) {
        const IiarSizeTable::Diameters& d = row.diameters;
        QString inchText;
        QString millimeterText;
        if (d.isOpenBelow()) {
            inchText = under.arg(inchMark()).arg(d.highInches, 0, 'f', 2);
            millimeterText = under.arg(millimeterMark()).arg(d.highMillimeters);
        } else if (d.isOpenAbove()) {
            inchText = over.arg(inchMark()).arg(d.lowInches, 0, 'f', 2);
            millimeterText = over.arg(millimeterMark()).arg(d.lowMillimeters);
        } else {
            inchText =
                range.arg(inchMark()).arg(d.lowInches, 0, 'f', 2).arg(d.highInches, 0, 'f', 2);
            millimeterText =
                range.arg(millimeterMark()).arg(d.lowMillimeters).arg(d.highMillimeters);
        }
        inches->appendRow(new QStandardItem(inchText));
        millimeters->appendRow(new QStandardItem(millimeterText));
    }
    m_pipeDiaModels = {inches, millimeters};
}

// ---- Getters -----------------------------------------------------------------

bool AmmoniaEditWidget::getUnits() const
{
    return m_unitsCombo->currentIndex() == UnitConversions::Inches;
}

QString AmmoniaEditWidget::getFontfamily() const
{
    return m_fontCombo->currentText();
}

ArrowsMenu* AmmoniaEditWidget::getSymbolsMenu() const
{
    return m_symbolsMenu;
}

bool AmmoniaEditWidget::applyBothArrowsIsChecked() const
{
    return m_applyBothCheckBox->isChecked();
}

bool AmmoniaEditWidget::isComponentMode() const
{
    return m_componentTab->isChecked();
}

// ---- Setters -----------------------------------------------------------------

void AmmoniaEditWidget::setPipeDiameter(int index)
{
    if (!IiarSizeTable::isValidRow(index))
        index = 0;
    m_pipeDiaCombo->setCurrentIndex(index);
}

void AmmoniaEditWidget::setLabelLength(const QString& length)
{
    m_lengthEdit->writeValue(length);
}

void AmmoniaEditWidget::setLabelHeight(const QString& height)
{
    m_widthEdit->writeValue(height);
    updatePrintTagDimensionsLabel();
}

void AmmoniaEditWidget::setFontHeight(const QString& fontHeight)
{
    m_fontHeightEdit->writeValue(fontHeight);
}

void AmmoniaEditWidget::setBandWidth(const QString& bandWidth)
{
    m_bandWidthEdit->writeValue(bandWidth);
    updatePrintTagDimensionsLabel();
}

void AmmoniaEditWidget::setArrowWidth(const QString& arrowWidth)
{
    m_arrowWidthEdit->writeValue(arrowWidth);
}

void AmmoniaEditWidget::setUnits(bool millimeters)
{
    unitsChangedSlot(millimeters ? UnitConversions::Millimeters : UnitConversions::Inches);
}

void AmmoniaEditWidget::setFontFamily(QString& family)
{
    VendrelWidgetsUtils::setFontFamily(m_fontCombo, family);
}

void AmmoniaEditWidget::setModule(bool pipeMarker)
{
    (pipeMarker ? m_pipeMarkerTab : m_componentTab)->setChecked(true);
    moduleChangedSlot(pipeMarker);
}

void AmmoniaEditWidget::setState(bool liq, bool vap)
{
    m_physical.firstChoice->setChecked(liq);
    m_physical.secondChoice->setChecked(vap);
}

void AmmoniaEditWidget::setPressure(bool high, bool low)
{
    m_pressure.firstChoice->setChecked(high);
    m_pressure.secondChoice->setChecked(low);
}

void AmmoniaEditWidget::setLeftArrow(unsigned int id, const QIcon& icon)
{
    m_arrows->setArrow(ArrowButtons::Left, id, icon);
}

void AmmoniaEditWidget::setRightArrow(unsigned int id, const QIcon& icon)
{
    m_arrows->setArrow(ArrowButtons::Right, id, icon);
}

void AmmoniaEditWidget::setApplyBothArrowsChecked(bool checked)
{
    m_applyBothCheckBox->setChecked(checked);
}

void AmmoniaEditWidget::updateColorCombo(const QColor& color)
{
    for (int row = 0; row < m_backgroundColorNames.size(); ++row) {
        if (QColor(m_backgroundColorNames.at(row)) == color)
            m_colorIndex = static_cast<unsigned short>(row);
    }
    {
        const QSignalBlocker blocker(m_colorCombo);
        m_colorCombo->setColorIndex(m_colorIndex);
    }
    updatePreviewColors();
    updateLiqPictures();
}

void AmmoniaEditWidget::setLengthInvalid(bool invalid)
{
    m_lengthEdit->setInvalid(invalid);
}

void AmmoniaEditWidget::setHeightInvalid(bool invalid)
{
    m_widthEdit->setInvalid(invalid);
}

void AmmoniaEditWidget::setFontHeightInvalid(bool invalid)
{
    m_fontHeightEdit->setInvalid(invalid);
}

void AmmoniaEditWidget::setBandWidthInvalid(bool invalid)
{
    m_bandWidthEdit->setInvalid(invalid);
}

void AmmoniaEditWidget::setArrowWidthInvalid(bool invalid)
{
    m_arrowWidthEdit->setInvalid(invalid);
}

void AmmoniaEditWidget::setErrorToStatus(const AmmoniaVendrel::StatusErrorType& firstError,
                                         bool firstState,
                                         const AmmoniaVendrel::StatusErrorType& secondError,
                                         bool secondState,
                                         const AmmoniaVendrel::StatusErrorType& thirdError,
                                         bool thirdState)
{
    m_warnings->report(firstError, firstState, secondError, secondState, thirdError, thirdState);
}

void AmmoniaEditWidget::resetErrorStatus()
{
    m_warnings->reset();
    // A list that could not be read stays unavailable whatever label is shown.
    if (m_abbreviationsUnavailable || m_componentsUnavailable)
        reportListWarnings();
}

void AmmoniaEditWidget::reportListWarnings()
{
    using namespace AmmoniaVendrel;
    setErrorToStatus(AbbreviationListUnavailable, m_abbreviationsUnavailable,
                     ComponentListUnavailable, m_componentsUnavailable, NoError, false);
}

void AmmoniaEditWidget::updatePrintQuantity(unsigned int quantity)
{
    for (MvLineEdit* field : {m_physical.quantity, m_pressure.quantity})
        field->setText(QString::number(quantity));
}

// ---- Lists -------------------------------------------------------------------

void AmmoniaEditWidget::loadAbbreviationsFromFile()
{
    m_abbreviationsUnavailable = !m_lists->load(
        AmmoniaLists::Kind::Abbreviations, VendrelWidgetsUtils::getCurrentLocaleName(),
        VendrelWidgetsUtils::getConfigPath(), VendrelWidgetsUtils::getDefaultConfigPath());
}

void AmmoniaEditWidget::loadComponentsFromFile()
{
    m_componentsUnavailable = !m_lists->load(
        AmmoniaLists::Kind::Components, VendrelWidgetsUtils::getCurrentLocaleName(),
        VendrelWidgetsUtils::getConfigPath(), VendrelWidgetsUtils::getDefaultConfigPath());
}

void AmmoniaEditWidget::saveListsToFile()
{
    m_lists->save(VendrelWidgetsUtils::getCurrentLocaleName(),
                  VendrelWidgetsUtils::getConfigPath());
}

void AmmoniaEditWidget::connectSelection()
{
    // Every model the view is given comes with a selection model of its own.
    connect(m_listView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AmmoniaEditWidget::ammoniaListViewSelectionChanged, Qt::UniqueConnection);
}

QModelIndex AmmoniaEditWidget::selectedEntry() const
{
    const QModelIndexList selected = m_listView->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first();
}

void AmmoniaEditWidget::ammoniaListViewSelectionChanged(const QItemSelection& selected,
                                                        const QItemSelection& deselected)
{
    Q_UNUSED(selected)
    Q_UNUSED(deselected)
    const QModelIndex entry = selectedEntry();
    m_editButton->setEnabled(entry.isValid());
    m_removeButton->setEnabled(entry.isValid());
    updateDisplayedText(entry);
    if (m_editButton->isChecked())
        updateEditFrameContent();
}

void AmmoniaEditWidget::updateDisplayedText(const QModelIndex& index)
{
    const bool component = isComponentMode();
    QString text = QStringLiteral(" ");
    if (index.isValid()) {
        text = component ? m_lists->componentAt(index.row()).toUpper()
                         : m_lists->abbreviationAt(index.row()).toUpper();
    }
    if (component) {
        m_currentComponent = text;
        emit compChangedSignal(text);
    } else {
        m_currentAbbreviation = text;
        emit abbrevChangedSignal(text);
    }
}

void AmmoniaEditWidget::updateEditFrameContent()
{
    const bool component = isComponentMode();
    m_editTitle->setText(
        component
            ? tr("EDIT COMPONENTS", "Allows users to change the pipe marking components text.")
            : tr("EDIT ABBREVIATIONS",
                 "Allows users to change the pipe marking abbreviations text."));
    const QModelIndex entry = selectedEntry();
    const int row = entry.isValid() ? entry.row() : -1;
    if (component)
        m_itemChange->setup(entry, true, m_lists->componentAt(row));
    else
        m_itemChange->setup(entry, false, m_lists->abbreviationAt(row),
                            m_lists->explanationAt(row));
}

void AmmoniaEditWidget::selectCurrentEntry()
{
    const QModelIndex entry = isComponentMode() ? m_lists->findComponent(m_currentComponent)
                                                : m_lists->findAbbreviation(m_currentAbbreviation);
    {
        // The label shows this entry already; an open editor keeps its own.
        const QSignalBlocker blocker(m_listView->selectionModel());
        m_listView->selectionModel()->clearSelection();
        if (entry.isValid()) {
            m_listView->selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
            m_listView->setCurrentIndex(entry);
            m_listView->scrollTo(entry);
        }
    }
    m_editButton->setEnabled(entry.isValid());
    m_removeButton->setEnabled(entry.isValid());
    m_listView->viewport()->update();
}

void AmmoniaEditWidget::addClicked()
{
    const QString entry = tr("New Entry", "Indicates a new entry.");
    if (isComponentMode())
        addComponentSlot(entry);
    else
        addAbbreviationSlot(QString(), entry);
    if (!m_editFrame->isVisible())
        m_editButton->click();
}

void AmmoniaEditWidget::addAbbreviationSlot(const QString& abbreviation, const QString& text)
{
    const QModelIndex entry = m_lists->addAbbreviation(abbreviation, text);
    m_listView->selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
    m_listView->setCurrentIndex(entry);
    m_listView->scrollTo(entry);
}

void AmmoniaEditWidget::addComponentSlot(const QString& component)
{
    const QModelIndex entry = m_lists->addComponent(component);
    m_listView->selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
    m_listView->setCurrentIndex(entry);
    m_listView->scrollTo(entry);
}

void AmmoniaEditWidget::editClicked(bool checked)
{
    closePartsFrame(m_physical);
    closePartsFrame(m_pressure);
    if (checked) {
        closeArrowFrame();
        updateEditFrameContent();
        const QRect over = m_optionFrame->geometry();
        showPopup(m_editFrame, over, false);
    } else {
        hidePopup(m_editFrame, false);
    }
}

void AmmoniaEditWidget::editCloseSlot()
{
    closeEditFrame();
}

void AmmoniaEditWidget::closeEditFrame()
{
    if (m_editButton->isChecked())
        uncheckQuietly(m_editButton);
    hidePopup(m_editFrame, false);
}

void AmmoniaEditWidget::updateAbbreviationSlot(int row, const QString& abbreviation,
                                               const QString& text)
{
    const QModelIndex entry = m_lists->abbreviations()->index(row, 0);
    if (!entry.isValid())
        return;
    m_lists->updateAbbreviation(entry, abbreviation, text);
    if (!isComponentMode())
        updateDisplayedText(entry);
}

void AmmoniaEditWidget::updateComponentSlot(int row, const QString& component)
{
    const QModelIndex entry = m_lists->components()->index(row, 0);
    if (!entry.isValid())
        return;
    m_lists->updateComponent(entry, component);
    if (isComponentMode())
        updateDisplayedText(entry);
}

void AmmoniaEditWidget::removeClicked()
{
    const QModelIndex entry = selectedEntry();
    if (!entry.isValid())
        return;
    const QMessageBox::StandardButton answer = MvMessageBox::question(
        nullptr,
        tr("CONFIRMATION", "Title of confirmation dialog window that asks for user input."),
        tr("Are you sure you want to delete the current item?",
           "Prompts the user asking if they want to delete the selected row."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer != QMessageBox::Yes)
        return;
    m_lists->remove(isComponentMode() ? AmmoniaLists::Kind::Components
                                      : AmmoniaLists::Kind::Abbreviations,
                    entry.row());
}

void AmmoniaEditWidget::setAbbreviationCombo(const QString& abbreviation)
{
    const bool blank = abbreviation.trimmed().isEmpty();
    m_currentAbbreviation = blank ? QStringLiteral(" ") : abbreviation;
    const AmmoniaLists::Lookup found = m_lists->ensureAbbreviation(abbreviation);
    if (found == AmmoniaLists::Lookup::Added)
        setErrorToStatus(AmmoniaVendrel::AbbreviationAdded, true, AmmoniaVendrel::NoError, false,
                         AmmoniaVendrel::NoError, false);
    else if (found == AmmoniaLists::Lookup::Found)
        setErrorToStatus(AmmoniaVendrel::AbbreviationAdded, false, AmmoniaVendrel::NoError, false,
                         AmmoniaVendrel::NoError, false);
    if (!isComponentMode())
        selectCurrentEntry();
}

void AmmoniaEditWidget::setComponentCombo(const QString& component)
{
    const bool blank = component.trimmed().isEmpty();
    m_currentComponent = blank ? QStringLiteral(" ") : component;
    const AmmoniaLists::Lookup found = m_lists->ensureComponent(component);
    if (found == AmmoniaLists::Lookup::Added)
        setErrorToStatus(AmmoniaVendrel::ComponentAdded, true, AmmoniaVendrel::NoError, false,
                         AmmoniaVendrel::NoError, false);
    else if (found == AmmoniaLists::Lookup::Found)
        setErrorToStatus(AmmoniaVendrel::ComponentAdded, false, AmmoniaVendrel::NoError, false,
                         AmmoniaVendrel::NoError, false);
    if (isComponentMode())
        selectCurrentEntry();
}

void AmmoniaEditWidget::resetAbbreviationCombo()
{
    m_currentAbbreviation = QStringLiteral(" ");
    if (!isComponentMode())
        m_listView->selectionModel()->clearSelection();
}

void AmmoniaEditWidget::resetComponentCombo()
{
    // The component stays: a new label keeps the component chosen last.
}

// ---- Reactions to the user ---------------------------------------------------

void AmmoniaEditWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Another module may have switched the process-wide unit while this panel was
    // hidden.
    if (m_unitSwitch->followCurrentUnit()) {
        emit unitsChangedSignal(m_unitSwitch->shownUnits() == UnitConversions::Inches);
        updatePrintTagDimensionsLabel();
    }
}

void AmmoniaEditWidget::unitsChangedSlot(int index)
{
    m_unitSwitch->apply(index);
    emit unitsChangedSignal(index == UnitConversions::Inches);
    updatePrintTagDimensionsLabel();
}

void AmmoniaEditWidget::moduleChangedSlot(bool pipeMarker)
{
    m_arrowWidthEdit->setEnabled(pipeMarker);
    for (QWidget* control :
         {static_cast<QWidget*>(m_physical.button), static_cast<QWidget*>(m_leftArrowButton),
          static_cast<QWidget*>(m_rightArrowButton), static_cast<QWidget*>(m_physical.firstChoice),
          static_cast<QWidget*>(m_physical.secondChoice)})
        control->setVisible(pipeMarker);
    closePartsFrame(m_physical);
    closeArrowFrame();

    m_listTitle->setText(pipeMarker ? tr("Abbreviations", "Type of ammonia pipe marking submodule.")
                                    : tr("Components", "Type of ammonia pipe marking submodule."));
    if (pipeMarker)
        m_listView->setModel(m_lists->abbreviations());
    else
        m_listView->setModel(m_lists->components());
    m_listView->setModelColumn(0);
    connectSelection();
    selectCurrentEntry();

    const bool selected = selectedEntry().isValid();
    m_editButton->setEnabled(selected);
    m_removeButton->setEnabled(selected);
    if (!selected)
        closeEditFrame();
    else if (m_editFrame->isVisible())
        updateEditFrameContent();
    emit moduleChangedSignal(pipeMarker);
}

void AmmoniaEditWidget::colorChangedSlot(int index)
{
    if (index < 0 || index >= m_backgroundColorNames.size())
        return;
    m_colorIndex = static_cast<unsigned short>(index);
    updatePreviewColors();
    updateLiqPictures();
    emit colorChangedSignal(QColor(m_backgroundColorNames.at(index)));
}

void AmmoniaEditWidget::updatePreviewColors()
{
    m_previewLabel->setStyleSheet(
        QStringLiteral("#LabelPreview { background-color: %1; color: %2; }")
            .arg(m_backgroundColorNames.value(m_colorIndex),
                 m_foregroundColorNames.value(m_colorIndex)));
}

void AmmoniaEditWidget::updateLiqPictures()
{
    const char* picture = AmmoniaParts::picture(AmmoniaVendrel::LiqStateTag,
                                                QColor(m_backgroundColorNames.value(m_colorIndex)));
    m_physical.firstPicture->setPixmap(scaledPicture(picture, SelectPictureHeight));
    m_physical.firstPrintPicture->setPixmap(scaledPicture(picture, PrintPictureHeight));
}

// ---- Pop-up frames -----------------------------------------------------------

QRect AmmoniaEditWidget::rightColumnRect() const
{
    return m_sizeFrame->geometry().united(m_optionFrame->geometry());
}

void AmmoniaEditWidget::showPopup(QFrame* popup, const QRect& over, bool fromLeft)
{
    popup->setFixedSize(over.size());
    popup->raise();
    const QPoint hidden(fromLeft ? over.x() - over.width() - PanelSpacing : width(), over.y());
    VendrelWidgetsUtils::animatedShow(popup, hidden, over.topLeft());
}

void AmmoniaEditWidget::hidePopup(QFrame* popup, bool toLeft)
{
    if (!popup->isVisible())
        return;
    const QPoint hidden(toLeft ? popup->x() - popup->width() - PanelSpacing : width(), popup->y());
    VendrelWidgetsUtils::animatedHide(popup, hidden);
}

void AmmoniaEditWidget::closePartsFrame(PartsFrame& parts)
{
    uncheckQuietly(parts.button);
    tint(parts.button, false);
    hidePopup(parts.frame, false);
}

void AmmoniaEditWidget::closeArrowFrame()
{
    m_arrows->close();
}

void AmmoniaEditWidget::physicalStateClicked(bool checked)
{
    if (!checked) {
        closePartsFrame(m_physical);
        return;
    }
    closePartsFrame(m_pressure);
    closeEditFrame();
    tint(m_physical.button, true);
    showPopup(m_physical.frame, rightColumnRect(), false);
}

void AmmoniaEditWidget::pressureStateClicked(bool checked)
{
    if (!checked) {
        closePartsFrame(m_pressure);
        return;
    }
    closePartsFrame(m_physical);
    closeEditFrame();
    tint(m_pressure.button, true);
    showPopup(m_pressure.frame, rightColumnRect(), false);
}

void AmmoniaEditWidget::physicalCloseSlot()
{
    closePartsFrame(m_physical);
}

void AmmoniaEditWidget::pressureCloseSlot()
{
    closePartsFrame(m_pressure);
}

void AmmoniaEditWidget::highPressChangedSlot(bool checked)
{
    // HIGH and LOW exclude each other; both may be off.
    if (checked && m_pressure.secondChoice->isChecked()) {
        m_pressure.secondChoice->setChecked(false);
        emit lowPressureChangedSignal(false);
    }
    emit highPressureChangedSignal(checked);
}

void AmmoniaEditWidget::lowPressChangedSlot(bool checked)
{
    if (checked && m_pressure.firstChoice->isChecked()) {
        m_pressure.firstChoice->setChecked(false);
        emit highPressureChangedSignal(false);
    }
    emit lowPressureChangedSignal(checked);
}

void AmmoniaEditWidget::emitTag(const PartsFrame& parts, AmmoniaVendrel::TagType first,
                                AmmoniaVendrel::TagType second, bool print)
{
    const AmmoniaVendrel::TagType tag = parts.firstPrintChoice->isChecked() ? first : second;
    const int quantity = parts.quantity->text().toInt(nullptr, 10);
    // An empty field or 0 prints nothing; the red field tells the user why.
    parts.quantity->setInvalid(quantity < 1);
    if (quantity < 1)
        return;
    if (print)
        emit printTagsSignal(tag, quantity);
    else
        emit previewTagsSignal(tag, quantity);
}

void AmmoniaEditWidget::previewPhysicalTagsClicked()
{
    emitTag(m_physical, AmmoniaVendrel::LiqStateTag, AmmoniaVendrel::VapStateTag, false);
}

void AmmoniaEditWidget::printPhysicalTagsClicked()
{
    emitTag(m_physical, AmmoniaVendrel::LiqStateTag, AmmoniaVendrel::VapStateTag, true);
}

void AmmoniaEditWidget::previewPressureTagsClicked()
{
    emitTag(m_pressure, AmmoniaVendrel::HighPressureTag, AmmoniaVendrel::LowPressureTag, false);
}

void AmmoniaEditWidget::printPressureTagsClicked()
{
    emitTag(m_pressure, AmmoniaVendrel::HighPressureTag, AmmoniaVendrel::LowPressureTag, true);
}

void AmmoniaEditWidget::updatePrintTagDimensionsLabel()
{
    const QString unit = getUnits() ? inchMark() : millimeterMark();
    const QString text = tr("Dimensions", "The width and length of the label.") +
                         QStringLiteral(": %1%3 x %2%3")
                             .arg(QString::number(m_bandWidthEdit->text().toDouble(), 'f', 2),
                                  QString::number(m_widthEdit->text().toDouble(), 'f', 2), unit);
    for (QLabel* label : {m_physical.dimensions, m_pressure.dimensions})
        label->setText(text);
}

// ---- Arrows ------------------------------------------------------------------

void AmmoniaEditWidget::openArrowFrame(ArrowButtons::Side side, bool checked)
{
    closePartsFrame(m_physical);
    closePartsFrame(m_pressure);
    closeEditFrame();
    // The menu covers the legend frame.
    m_arrowFrame->setFixedSize(m_contentFrame->size());
    m_arrows->clicked(side, checked, applyBothArrowsIsChecked());
}

void AmmoniaEditWidget::leftArrowClickedSlot(bool checked)
{
    openArrowFrame(ArrowButtons::Left, checked);
}

void AmmoniaEditWidget::rightArrowClickedSlot(bool checked)
{
    openArrowFrame(ArrowButtons::Right, checked);
}

void AmmoniaEditWidget::arrowSelectedSlot(unsigned int id, const QByteArray& symbol,
                                          const QIcon& icon, QString toolTip)
{
    m_arrows->chosen(id, symbol, icon, toolTip);
    emit bothArrowCheckChanged();
}

void AmmoniaEditWidget::arrowCloseSlot()
{
    closeArrowFrame();
    uncheckQuietly(m_physical.button);
    uncheckQuietly(m_pressure.button);
}

void AmmoniaEditWidget::applyBothArrowsSlot(bool checked)
{
    m_arrows->applyToBoth(checked);
    emit bothArrowCheckChanged();
}
