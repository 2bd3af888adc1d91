#include "window/vendrelmainwindow.h"

#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"
#include "kit/vendrelconstants.h"
#include "kit/vendrelwidgetsutils.h"
#include "ui_vendrelmainwindow.h"
#include "window/edithistory.h"
#include "window/vendrelhelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsItem>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "canvas/mvcanvasmodel.h"
#include "files/filecontroller.h"
#include "print/mvipc.h"
#include "print/mvprinting.h"
#include "print/mvprintingerrors.h"
#include "print/printcontrollerlinux.h"
#include "print/printmanager.h"
#include "print/printmessagehelper.h"
#include "print/printwidget.h"
#include "print/supplyproperties.h"
#include "widgets/applicationfont.h"
#include "widgets/dragscrollbutton.h"
#include "widgets/filemenuwidget.h"
#include "widgets/mvframe.h"
#include "widgets/mvhelpwindow.h"
#include "widgets/mvinfowidget.h"
#include "widgets/navigationbar.h"

namespace {
const char* const FileMenuItemStyle =
    "border-bottom: 1px solid #9E9E9E; border-top: 0px solid #9E9E9E;";
} // namespace

VendrelMainWindow::VendrelMainWindow(QString printerSelection, bool testMode,
                                     VendrelWidgetTypes kind, QString filePath, QWidget* parent)
    : QWidget(parent), m_ui(new Ui_VendrelMainWindow), m_modules(LabelKinds::all().size(), nullptr),
      m_currentKind(kind), m_testMode(testMode)
{
    if (!LabelKinds::byKind(kind))
        m_currentKind = kind = VendrelWidget;
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("VendrelMainWindow"));

    splitPrinterSelection(printerSelection, m_printerName, m_printerFlag);

    m_pipeFileController = new PipeFileController(this);
    m_pipeFileController->setWidgetParent(this);
    m_fileController = new FileController(nullptr, nullptr, this);
    m_editHistory = new EditHistory(this);

    for (const LabelKind* row : LabelKinds::all())
        m_moduleIcons << QIcon(QString::fromLatin1(row->icon));

    createInformationBar();
    createModuleWidget();
    radioButtonOf(kind)->setChecked(true);

    m_supplyProperties = new SupplyProperties(m_printerName, m_printerFlag);
    m_ipc = m_supplyProperties->runningMvipc();

    createPrintWidget();
    createFileMenu();
    setContentWidget(kind);
    updateModuleButtonIconSlot();

    m_ui->gridLayout->addWidget(m_fileMenuWidget, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    m_ui->gridLayout->addWidget(m_moduleWidget, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    m_ui->gridLayout->addWidget(m_printFrame, 1, 0, Qt::AlignRight | Qt::AlignBottom);
    m_ui->informationBar->raise();
    m_printFrame->raise();
    m_ui->scrollAreaControlBox->raise();
    const QString viewStyle = QStringLiteral("background-color: #828081; border: none");
    m_ui->vendrelView->setStyleSheet(viewStyle);
    m_ui->arrowWrapView->setStyleSheet(viewStyle);
    m_ui->containerLayout->removeWidget(m_ui->arrowWrapView);
    m_ui->containerLayout->addWidget(m_ui->arrowWrapView, 0, 1, Qt::AlignCenter);
    m_fileMenuWidget->hide();
    m_moduleWidget->hide();
    m_printFrame->hide();

    connect(m_ui->newButton, &QPushButton::clicked, this, &VendrelMainWindow::newSlot);
    connect(m_ui->openButton, &QPushButton::clicked, this, &VendrelMainWindow::loadSlot);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &VendrelMainWindow::saveSlot);
    connect(m_ui->saveAsButton, &QPushButton::clicked, this, &VendrelMainWindow::saveAsSlot);
    connect(m_ui->exportButton, &QPushButton::clicked, this, &VendrelMainWindow::exportSlot);
    connect(m_ui->printButton, &QPushButton::clicked, this, &VendrelMainWindow::showPrintFrameSlot);
    connect(m_printWidget, &PrintWidget::focusLost, this,
            &VendrelMainWindow::onPrintWidgetFocusLost);
    connect(m_printWidget, &PrintWidget::ammoniaPrintTagChanged, this,
            &VendrelMainWindow::ammoniaPrintComboChanged);
    connect(m_printWidget, &PrintWidget::printFrameSizeChanged, this,
            QOverload<bool>::of(&VendrelMainWindow::printFrameSizeChanged));
    // The panel is the part of the print stack that knows of a printer change.
    connect(m_printWidget, &PrintWidget::selectedPrinterChanged, this,
            &VendrelMainWindow::selectedPrinterChanged);
    // The starting module may have offered tags before the frame listened.
    printFrameSizeChanged(m_printWidget->visibleTags() != 0);
    connect(m_printManager, &PrintManager::managerPrintSignal, this,
            &VendrelMainWindow::pipePrintSlot);
    connect(m_printManager, &PrintManager::printErrorSignal, this,
            &VendrelMainWindow::printErrorSlot);
    connect(m_printController, &PrintController::printErrorSignal, this,
            &VendrelMainWindow::printErrorSlot);
    connect(m_printManager, &PrintManager::printErrorCodeSignal, this,
            &VendrelMainWindow::printErrorCodeSlot);
    connect(m_printController, &PrintController::printErrorCodeSignal, this,
            &VendrelMainWindow::printErrorCodeSlot);
    connect(m_printManager, &PrintManager::slowPrinterStartingSignal, this,
            &VendrelMainWindow::slowPrinterStartingSlot);
    for (auto signal :
         {&SupplyProperties::ribbonsLoadedChanged, &SupplyProperties::supplyTypeLoadedChanged,
          &SupplyProperties::supplyTypeCustomChanged})
        connect(m_supplyProperties, signal, this, &VendrelMainWindow::updateSupplyColors);
    connect(m_ipc, &MvIPC::HelpButton, this, &VendrelMainWindow::onHelpButtonClicked);
    connect(m_ipc, &MvIPC::PrintButton, this, &VendrelMainWindow::onQuickPrintButtonClicked);
    // The suite's launcher closes its applications without questions.
    connect(m_ipc, &MvIPC::CloseApplicationSignal, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    connect(m_ipc, &MvIPC::PrintQueueClear, m_printManager, &PrintManager::onPrintCanceled);
    connect(m_fileMenuButton, &QPushButton::clicked, this,
            &VendrelMainWindow::onFileMenuButtonClicked);
    connect(m_moduleButton, &QPushButton::clicked, this,
            &VendrelMainWindow::moduleButtonClickedSlot);
    for (int i = 0; i < m_moduleRadios.size(); ++i) {
        const auto kind = static_cast<VendrelWidgetTypes>(i);
        connect(m_moduleRadios[i], &QRadioButton::clicked, this,
                [this, kind] { switchModuleFromPopup(kind); });
    }
    connect(m_moduleWidget, &MvFrame::focusLost, this, &VendrelMainWindow::onModuleWidgetFocusLost);
    connect(m_ui->informationBar, &NavigationBar::closeSignal, this, &QWidget::close);
    connect(m_pipeFileController, &PipeFileController::currentFileChanged, this,
            &VendrelMainWindow::updateFileNameSlot);
    connect(m_undoButton, &QPushButton::clicked, this, &VendrelMainWindow::undoSlot);
    connect(m_redoButton, &QPushButton::clicked, this, &VendrelMainWindow::redoSlot);
    connect(m_editHistory, &EditHistory::availabilityChanged, this,
            &VendrelMainWindow::updateUndoButtonsSlot);
    updateUndoButtonsSlot();

    raise();
    if (!filePath.isEmpty()) {
        if (m_pipeFileController->loadTemplateFromFile(filePath, true))
            m_editHistory->restart();
        else
            m_pipeFileController->showLoadFailureMessage(filePath);
    }
}

VendrelMainWindow::~VendrelMainWindow()
{
    // Closing the window moves the focus out of the print panel: that must not reach
    // a window taken apart.
    m_printWidget->disconnect(this);
    delete m_printManager;
    delete m_printController;
    delete m_supplyProperties;
    delete m_ui;
    delete m_infoWidget;
    delete m_helpWindow;
    VendrelHelp::clearVendrelFAQs();
}

void VendrelMainWindow::splitPrinterSelection(const QString& selection, QString& name, bool& flag)
{
    const int comma = selection.indexOf(QLatin1Char(','));
    if (comma > 0) {
        name = selection.left(comma);
        flag = selection.endsWith(QLatin1Char('1'));
    } else {
        name = selection;
        flag = false;
    }
}

void VendrelMainWindow::createInformationBar()
{
    auto* addon = new QGridLayout;
    addon->setSpacing(5);
    addon->setContentsMargins(2, 0, 2, 0);

    m_fileMenuButton = new QPushButton;
    m_fileMenuButton->setObjectName(QStringLiteral("fileMenuButton"));
    m_fileMenuButton->setFixedSize(59, 54);
    m_fileMenuButton->setCheckable(true);
    m_fileMenuButton->setIconSize(QSize(59, 57));
    m_fileMenuButton->setStyleSheet(QStringLiteral(
        "QPushButton { border-image: url(:/Navigation/NavigationIcons/file_menu.png); }\n"
        "QPushButton:checked { border-image: "
        "url(:/NavBarPressed/navbar-pressed/file_menu_pressed.png); }\n"));
    addon->addWidget(m_fileMenuButton, 0, 0, Qt::AlignTop);

    m_moduleButton = new QPushButton;
    m_moduleButton->setObjectName(QStringLiteral("moduleButton"));
    m_moduleButton->setFixedSize(370, 55);
    m_moduleButton->setCheckable(true);
    m_moduleButton->setIconSize(QSize(202, 55));
    m_moduleButton->setFont(ApplicationFont::getWidgetFont(true));
    m_moduleButton->setStyleSheet(
        QStringLiteral("background-color: #2b2b2b; color: white; text-align: left; border: none"));
    addon->addWidget(m_moduleButton, 0, 1, Qt::AlignVCenter);

    // Beside the module button, as large as the bar's close button: a wrong tap
    // is taken back with one tap, not with the keyboard the device may lack.
    const auto barButton = [](const char* objectName, const char* icon, const QString& tip) {
        auto* button = new QPushButton;
        button->setObjectName(QString::fromLatin1(objectName));
        button->setFixedSize(54, 54);
        // The style's own disabled picture of a white glyph is as bright as the
        // enabled one on this dark bar.
        const QPixmap shown(QString::fromLatin1(icon));
        QPixmap faded(shown.size());
        faded.fill(Qt::transparent);
        {
            QPainter painter(&faded);
            painter.setOpacity(0.3);
            painter.drawPixmap(0, 0, shown);
        }
        QIcon picture(shown);
        picture.addPixmap(faded, QIcon::Disabled);
        button->setIcon(picture);
        button->setIconSize(QSize(54, 54));
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(tip);
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: #2b2b2b; border: none; }\n"
                           "QPushButton:pressed { background-color: #464646; }\n"));
        return button;
    };
    //: Tooltip of the button that takes back the last change of the label (Ctrl+Z).
    m_undoButton = barButton("undoButton", ":/Common/Icons/CommonIcons/undo.png", tr("Undo"));
    //: Tooltip of the button that makes an undone change again (Ctrl+Y).
    m_redoButton = barButton("redoButton", ":/Common/Icons/CommonIcons/redo.png", tr("Redo"));
    addon->addWidget(m_undoButton, 0, 2, Qt::AlignVCenter);
    addon->addWidget(m_redoButton, 0, 3, Qt::AlignVCenter);
    m_ui->informationBar->installAddon(addon);

    auto* warningLine = new QHBoxLayout;
    warningLine->setSpacing(10);
    warningLine->setContentsMargins(0, 0, 0, 0);
    //: A warning message about possible issues with the label.
    m_warningCaption = new QLabel(tr("WARNING: "));
    m_warningCaption->setObjectName(QStringLiteral("warningCaption"));
    m_warningCaption->setStyleSheet(QStringLiteral("QLabel { color: #fd7800; }"));
    m_warningCaption->setTextFormat(Qt::PlainText);
    m_warningText = new QLabel;
    m_warningText->setObjectName(QStringLiteral("warningText"));
    m_warningText->setWordWrap(true);
    m_warningText->setFixedHeight(50);
    // Three lines of the small font fit the bar, so long reports stay readable.
    m_warningText->setFont(ApplicationFont::getWidgetFontTiny(false));
    m_warningText->setMinimumWidth(250);
    // Warnings carry user-typed legends; never let them be read as markup.
    m_warningText->setTextFormat(Qt::PlainText);
    m_warningText->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
    warningLine->addWidget(m_warningCaption, 0, Qt::AlignVCenter);
    warningLine->addWidget(m_warningText, 1, Qt::AlignVCenter);
    m_warningCaption->hide();
    m_warningText->hide();
    m_ui->informationBar->installNavigationReplacement(warningLine);
    m_ui->informationBar->addCloseButton();
}

void VendrelMainWindow::createModuleWidget()
{
    m_moduleWidget = new MvFrame;
    m_moduleWidget->setObjectName(QStringLiteral("ModuleWidget"));
    m_moduleWidget->setFixedSize(385, 160);
    m_moduleWidget->setStyleSheet(
        QStringLiteral("#ModuleWidget { background-color: #f2f2f2; border: 1px solid #fd7800; } "
                       "QRadioButton::indicator { width: 24px; height: 24px; } "
                       "QRadioButton::indicator:checked { image: "
                       "url(:/module_icons/ModuleIcons/radio-button_checked.png); } "
                       "QRadioButton::indicator:unchecked { image: "
                       "url(:/module_icons/ModuleIcons/radio-button_unchecked.png); } "
                       "QRadioButton::indicator:checked:disabled { image: "
                       "url(:/module_icons/ModuleIcons/radio-button_checked-disabled.png); } "
                       "QRadioButton::indicator:unchecked:disabled { image: "
                       "url(:/module_icons/ModuleIcons/radio-button_unchecked-disabled.png); }"));

    auto* layout = new QVBoxLayout(m_moduleWidget);
    //: Label in front of the pipe marking modules selector.
    auto* caption = new QLabel(tr("Pipe Modules"));
    caption->setFont(ApplicationFont::getWidgetFont(true));
    layout->addWidget(caption);
    auto* line = new QFrame;
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: #c6c6c6; border: none;"));
    layout->addWidget(line);

    const QSize radioIconSize(32, 23);
    for (const LabelKind* row : LabelKinds::all()) {
        auto* radio = new QRadioButton(row->title());
        radio->setObjectName(QString::fromLatin1(row->radioObjectName));
        radio->setIcon(m_moduleIcons.value(row->kind));
        radio->setIconSize(radioIconSize);
        radio->setFont(ApplicationFont::getWidgetFont(false));
        radio->setFocusPolicy(Qt::NoFocus);
        if (!m_moduleRadios.isEmpty())
            layout->addSpacing(10);
        layout->addWidget(radio);
        m_moduleRadios << radio;
    }
}

void VendrelMainWindow::createPrintWidget()
{
    m_printController = new PrintControllerLinux(m_testMode, nullptr, nullptr, this);
    m_printController->setRunningMvipc(m_ipc);
    m_printWidget = new PrintWidget(m_testMode, this);
    m_printManager = new PrintManager(m_testMode, m_printWidget, m_ipc, m_printController, nullptr,
                                      MvPrinting::PipeMarking, this);
    // The panel starts on the printer the suite chose for this editor, if it has one.
    if (!m_printerName.isEmpty())
        m_printWidget->selectPrinter(m_printerName);

    m_printFrame = new MvFrame;
    m_printFrame->setObjectName(QStringLiteral("PrintFrame"));
    m_printFrame->setStyleSheet(
        QStringLiteral("#PrintFrame { background-color: #f2f2f2; border: 1px solid #fd7800; } "));
    auto* layout = new QVBoxLayout(m_printFrame);
    layout->addWidget(m_printWidget);
    m_printFrame->setFixedSize(300, m_printFrameTall ? 360 : 280);

    updateSupplyColors();
}

void VendrelMainWindow::connectTags(IVendrelInterface* module)
{
    if (!module->getTagCanvas())
        return;
    connect(module, &IVendrelInterface::previewTagSignal, this, &VendrelMainWindow::previewTagSlot);
    connect(module, &IVendrelInterface::printTagSignal, this, &VendrelMainWindow::printTagSlot);
    connect(module, &IVendrelInterface::setVisibleAmmoniaTag, m_printWidget,
            &PrintWidget::setVisibleAmmoniaTag);
}

const LabelKind& VendrelMainWindow::kindRow(VendrelWidgetTypes kind)
{
    // Every kind the window is handed has been checked against the table.
    return *LabelKinds::byKind(kind);
}

QRadioButton* VendrelMainWindow::radioButtonOf(VendrelWidgetTypes kind) const
{
    return m_moduleRadios.at(kind);
}

bool VendrelMainWindow::setContentWidget(VendrelWidgetTypes kind)
{
    if (m_activeModule) {
        m_editHistory->finishEdit();
        const bool proceed = m_pipeFileController->checkResetTemplate();
        // The question may have saved the label.
        m_editHistory->noteSaved();
        if (!proceed)
            return false;
        m_activeModule->hide();
    }

    const LabelKind& row = kindRow(kind);
    IVendrelInterface*& module = m_modules[kind];
    if (!module) {
        module = row.makeModule(row, nullptr);
        // A turned label is a tall strip: its panel stands beside the turned view.
        if (row.turnedView) {
            m_ui->containerLayout->addWidget(module, 0, 0, Qt::AlignLeft);
            m_ui->arrowWrapView->setAlignment(Qt::AlignCenter);
            connect(module, &IVendrelInterface::fitCanvasInViewSignal, this,
                    &VendrelMainWindow::fitCanvasInVerticalViewSlot);
        } else {
            m_ui->containerLayout->addWidget(module, 1, 0, Qt::AlignCenter);
            connect(module, &IVendrelInterface::fitCanvasInViewSignal, this,
                    &VendrelMainWindow::fitCanvasInViewSlot);
        }
        connect(module, &IVendrelInterface::wizardEndSignal, this,
                &VendrelMainWindow::wizardEndSlot);
        connect(module, &IVendrelInterface::warningStringChanged, this,
                &VendrelMainWindow::setWarningText);
        connectTags(module);
        m_editHistory->addModule(module);
    }

    m_activeModule = module;
    m_editHistory->setActiveModule(module);
    m_currentKind = kind;
    if (m_fileNameLabel)
        m_fileNameLabel->setText(m_fileNames[kind]);

    if (kind == AmmoniaWidget)
        m_tagCanvas = module->getTagCanvas();
    m_printWidget->setVisibleAmmoniaTag(kind == AmmoniaWidget ? module->getTagsVisible() : 0);

    module->show();
    m_currentCanvas = module->getCanvas();
    PipeView* shown = row.turnedView ? m_ui->arrowWrapView : m_ui->vendrelView;
    PipeView* hidden = row.turnedView ? m_ui->vendrelView : m_ui->arrowWrapView;
    shown->setScene(m_currentCanvas);
    hidden->hide();
    shown->show();
    m_printController->setScene(m_currentCanvas);
    m_printTargetIsLabel = true;
    m_fileController->setScene(m_currentCanvas);
    m_pipeFileController->setContentModule(module);
    fitCurrentView();
    setWarningText(module->getLastWarning());
    return true;
}

void VendrelMainWindow::switchModuleFromPopup(VendrelWidgetTypes kind)
{
    if (setContentWidget(kind))
        m_moduleButton->setIcon(m_moduleIcons.value(kind));
    else
        radioButtonOf(m_currentKind)->setChecked(true);
    m_moduleButton->setChecked(false);
    moduleButtonClickedSlot(false);
}

// The radio buttons switch through switchModuleFromPopup directly, one connection
// per row of the kinds table; these slots offer the same switch by name.
void VendrelMainWindow::switchPipeModuleSlot()
{
    switchModuleFromPopup(VendrelWidget);
}

void VendrelMainWindow::switchAmmoniaModuleSlot()
{
    switchModuleFromPopup(AmmoniaWidget);
}

void VendrelMainWindow::switchArrowModuleSlot()
{
    switchModuleFromPopup(ArrowWrapWidget);
}

void VendrelMainWindow::updateModuleButtonIconSlot()
{
    VendrelWidgetTypes shown = VendrelWidget;
    for (int i = 0; i < m_moduleRadios.size(); ++i)
        if (m_moduleRadios[i]->isChecked())
            shown = static_cast<VendrelWidgetTypes>(i);
    m_moduleButton->setText(kindRow(shown).title());
    m_moduleButton->setIcon(m_moduleIcons.value(shown));
}

void VendrelMainWindow::moduleButtonClickedSlot(bool checked)
{
    const int h = m_moduleButton->height();
    const int p = m_moduleWidget->height();
    if (checked) {
        if (m_fileMenuWidget->isVisible()) {
            m_fileMenuWidget->hide();
            m_fileMenuButton->setChecked(false);
            m_fileMenuWidget->clearFocus();
        }
        VendrelWidgetsUtils::animatedShow(m_moduleWidget, QPoint(0, h - p), QPoint(0, h));
        m_moduleWidget->setFocus();
    } else {
        VendrelWidgetsUtils::animatedHide(m_moduleWidget, QPoint(0, h - p));
        m_moduleWidget->clearFocus();
    }
    updateModuleButtonIconSlot();
}

void VendrelMainWindow::onModuleWidgetFocusLost()
{
    const QPoint cursor = QCursor::pos();
    const QRect buttonRect(m_moduleButton->mapToGlobal(QPoint(0, 0)), m_moduleButton->size());
    if (buttonRect.contains(cursor))
        return;
    const QRect popupRect(m_moduleWidget->mapToGlobal(QPoint(0, 0)), m_moduleWidget->size());
    if (popupRect.contains(cursor)) {
        m_moduleWidget->setFocus();
        return;
    }
    m_moduleButton->setChecked(false);
    moduleButtonClickedSlot(false);
}

void VendrelMainWindow::setWarningText(QString warning)
{
    m_warningText->setText(warning);
    const bool shown = !warning.isEmpty();
    m_warningCaption->setVisible(shown);
    m_warningText->setVisible(shown);
}

void VendrelMainWindow::updateFileNameSlot(QString fileName)
{
    if (fileName.isEmpty())
        //: Default name for a new label.
        fileName = QObject::tr("Untitled Label");
    const QFontMetrics metrics(m_fileNameLabel->font());
    const QString elided =
        metrics.elidedText(fileName, Qt::ElideRight, m_fileNameLabel->width() - 4);
    m_fileNames[m_currentKind] = elided;
    m_fileNameLabel->setText(elided);
}

void VendrelMainWindow::fitCanvasInViewSlot()
{
    if (m_currentCanvas)
        m_ui->vendrelView->fitInView(m_currentCanvas->getTotalCanvasRect(), Qt::KeepAspectRatio);
}

void VendrelMainWindow::fitCanvasInVerticalViewSlot()
{
    if (!m_currentCanvas)
        return;
    QTransform turned;
    turned.rotate(270);
    m_ui->arrowWrapView->setTransform(turned);
    m_ui->arrowWrapView->fitInView(m_currentCanvas->getTotalCanvasRect(), Qt::KeepAspectRatio);
}

void VendrelMainWindow::fitCurrentView()
{
    if (kindRow(m_currentKind).turnedView)
        fitCanvasInVerticalViewSlot();
    else
        fitCanvasInViewSlot();
}

void VendrelMainWindow::wizardEndSlot() {}

void VendrelMainWindow::show()
{
    QWidget::show();
    if (m_currentCanvas)
        m_ui->vendrelView->fitInView(QRectF(QPointF(0, 0), m_currentCanvas->getCanvasSize()),
                                     Qt::KeepAspectRatio);
    fitCurrentView();
}

void VendrelMainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitCurrentView();
}

void VendrelMainWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_N:
            newSlot();
            break;
        case Qt::Key_O:
            loadSlot();
            break;
        case Qt::Key_S:
            saveSlot();
            break;
        case Qt::Key_P:
            onQuickPrintButtonClicked();
            break;
        case Qt::Key_Z:
            undoSlot();
            break;
        case Qt::Key_Y:
            redoSlot();
            break;
        default:
            break;
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_F1:
        onHelpButtonClicked();
        break;
    case Qt::Key_F2:
        saveSlot();
        break;
    case Qt::Key_F3:
        loadSlot();
        break;
    default:
        break;
    }
}

void VendrelMainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_pipeFileController->checkResetTemplate()) {
        event->ignore();
        return;
    }
    m_printManager->quitPrinting();
    if (m_activeModule)
        m_activeModule->hide();
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}

// ---- file menu and document commands ----

void VendrelMainWindow::createFileMenu()
{
    struct MenuEntry
    {
        QString text;
        const char* icon;
    };
    const QList<MenuEntry> entries{
        //: Button to create a new label.
        {tr("New Label"), ":/FileMenu/FileMenuIcons/new.png"},
        //: Button to load a label.
        {tr("Load Label"), ":/FileMenu/FileMenuIcons/load.png"},
        //: Button to save the current label.
        {tr("Save Label"), ":/FileMenu/FileMenuIcons/save.png"},
        //: Button to save the current label as a new label.
        {tr("Save Label As"), ":/FileMenu/FileMenuIcons/save-as.png"},
        //: Saves the current file in a different file format.
        {tr("Export"), ":/FileMenu/FileMenuIcons/export.png"},
        //: Displays frequently asked questions about the current program.
        {tr("Help"), ":/FileMenu/FileMenuIcons/help.png"},
        //: Displays information about the current program.
        {tr("Info"), ":/FileMenu/FileMenuIcons/info.png"},
    };

    const QFontMetrics metrics(font());
    int w = 120;
    for (const MenuEntry& entry : entries)
        w = qMax(w, metrics.horizontalAdvance(entry.text));

    for (const MenuEntry& entry : entries) {
        auto* item = new DragScrollButton(QIcon(QPixmap(QString::fromLatin1(entry.icon))),
                                          entry.text, nullptr);
        m_fileMenuItems << item;
    }

    m_infoWidget = new MvInfoWidget(QString(), nullptr);
    m_infoWidget->setVersionNumber(QString::fromLatin1(VendrelConstants::SoftwareVersion));

    for (QPushButton* item : qAsConst(m_fileMenuItems))
        setUpFileMenuItem(item, w + 50);

    //: Default name for a new label.
    const QString untitled = tr("Untitled Label");
    m_fileNames.clear();
    for (int i = 0; i < LabelKinds::all().size(); ++i)
        m_fileNames << untitled;
    m_fileNameLabel = new QLabel(untitled);
    m_fileNameLabel->setObjectName(QStringLiteral("fileNameLabel"));
    m_fileNameLabel->setTextFormat(Qt::PlainText);
    m_fileNameLabel->setStyleSheet(QString::fromLatin1(FileMenuItemStyle));
    m_fileNameLabel->setFixedSize(w + 50, 42);
    m_fileNameLabel->setAlignment(Qt::AlignCenter);

    m_fileMenuWidget = new FileMenuWidget(nullptr);
    m_fileMenuWidget->setObjectName(QStringLiteral("FileMenuWidget"));
    connect(m_fileMenuWidget, &FileMenuWidget::focusLost, this,
            &VendrelMainWindow::onFileMenuWidgetLostFocus);
    m_fileMenuWidget->addMenuItem(m_fileNameLabel);
    for (QPushButton* item : qAsConst(m_fileMenuItems))
        m_fileMenuWidget->addMenuItem(item);
    m_fileMenuWidget->setFixedSize(w + 60, 339);

    connect(m_fileMenuItems[0], &QPushButton::clicked, this, &VendrelMainWindow::newSlot);
    connect(m_fileMenuItems[1], &QPushButton::clicked, this, &VendrelMainWindow::loadSlot);
    connect(m_fileMenuItems[2], &QPushButton::clicked, this, &VendrelMainWindow::saveSlot);
    connect(m_fileMenuItems[3], &QPushButton::clicked, this, &VendrelMainWindow::saveAsSlot);
    connect(m_fileMenuItems[4], &QPushButton::clicked, this, &VendrelMainWindow::exportSlot);
    connect(m_fileMenuItems[5], &QPushButton::clicked, this,
            &VendrelMainWindow::onHelpButtonClicked);
    connect(m_fileMenuItems[6], &QPushButton::clicked, m_infoWidget, &QDialog::exec);
}

void VendrelMainWindow::setUpFileMenuItem(QPushButton* menuItem, int maxButtonWidth)
{
    menuItem->setStyleSheet(QString::fromLatin1(FileMenuItemStyle));
    menuItem->setFixedSize(maxButtonWidth, 42);
    menuItem->setIconSize(QSize(40, 40));
    menuItem->setFlat(true);
    DragScrollButton::fitButtonText(menuItem, 10, 0);
    menuItem->setFocusPolicy(Qt::NoFocus);
}

void VendrelMainWindow::onFileMenuButtonClicked()
{
    const int h = m_fileMenuButton->height();
    const int m = m_fileMenuWidget->height();
    if (m_fileMenuWidget->isHidden()) {
        VendrelWidgetsUtils::animatedShow(m_fileMenuWidget, QPoint(0, h - m), QPoint(0, h));
        m_fileMenuWidget->setFocus();
        m_fileMenuButton->setChecked(true);
    } else {
        m_fileMenuWidget->clearFocus();
        VendrelWidgetsUtils::animatedHide(m_fileMenuWidget, QPoint(0, h - m));
        m_fileMenuButton->setChecked(false);
    }
}

void VendrelMainWindow::onFileMenuWidgetLostFocus()
{
    const QRect buttonRect(m_fileMenuButton->mapToGlobal(QPoint(0, 0)), m_fileMenuButton->size());
    if (buttonRect.contains(QCursor::pos()))
        m_fileMenuButton->setFocus();
    m_fileMenuButton->setChecked(false);
    VendrelWidgetsUtils::animatedHide(
        m_fileMenuWidget, QPoint(0, m_fileMenuButton->height() - m_fileMenuWidget->height()));
    m_fileMenuWidget->clearFocus();
}

void VendrelMainWindow::newSlot()
{
    m_fileMenuWidget->clearFocus();
    m_editHistory->finishEdit();
    m_pipeFileController->newTemplate();
    // Refused only while the label keeps unsaved changes; a new label has none.
    MvCanvasModel* canvas = m_activeModule->getCanvas();
    if (canvas && !canvas->canvasHasChanged())
        m_editHistory->restart();
}

void VendrelMainWindow::loadSlot()
{
    m_fileMenuWidget->clearFocus();
    m_editHistory->finishEdit();
    if (m_pipeFileController->loadTemplate())
        m_editHistory->restart();
    else
        m_editHistory->noteSaved();
}

void VendrelMainWindow::saveSlot()
{
    m_fileMenuWidget->clearFocus();
    m_editHistory->finishEdit();
    // A full disk or a folder that refuses the file must not pass for a save.
    if (!m_pipeFileController->saveTemplate())
        m_pipeFileController->showSaveErrorMessage();
    m_editHistory->noteSaved();
}

void VendrelMainWindow::saveAsSlot()
{
    m_fileMenuWidget->clearFocus();
    m_editHistory->finishEdit();
    if (!m_pipeFileController->saveTemplateAs())
        m_pipeFileController->showSaveErrorMessage();
    m_editHistory->noteSaved();
}

void VendrelMainWindow::undoSlot()
{
    m_editHistory->undo();
}

void VendrelMainWindow::redoSlot()
{
    m_editHistory->redo();
}

void VendrelMainWindow::updateUndoButtonsSlot()
{
    m_undoButton->setEnabled(m_editHistory->canUndo());
    m_redoButton->setEnabled(m_editHistory->canRedo());
}

void VendrelMainWindow::exportSlot()
{
    m_fileMenuWidget->clearFocus();
    if (!m_currentCanvas)
        return;
    const bool changed = m_currentCanvas->canvasHasChanged();
    QList<QGraphicsItem*> removed;
    const QList<QGraphicsItem*> items = m_currentCanvas->items(Qt::DescendingOrder);
    for (QGraphicsItem* item : items) {
        if (!item->isVisible() && item->type() != MvCanvasModel::CanvasFrameType) {
            m_currentCanvas->removeItem(item);
            removed << item;
        }
    }
    m_currentCanvas->updateSceneMap();
    m_fileController->saveLabelAs(QStringLiteral("qyld"), false, QString());
    for (QGraphicsItem* item : qAsConst(removed))
        m_currentCanvas->addItem(item);
    m_currentCanvas->updateSceneMap();
    m_currentCanvas->setCanvasHasChanged(changed);
}

void VendrelMainWindow::onHelpButtonClicked()
{
    if (!isActiveWindow())
        return;
    if (!m_helpWindow) {
        m_helpWindow = new MvHelpWindow(nullptr);
        m_helpWindow->insertHelpFAQs(VendrelHelp::getVendrelFAQs());
        m_helpWindow->populatePDF(QStringLiteral("PipeManuals"));
    }
    m_helpWindow->move(mapToGlobal(QPoint(width() / 2 - m_helpWindow->width() / 2,
                                          height() / 2 - m_helpWindow->height() / 2)));
    m_helpWindow->exec();
}

QPoint VendrelMainWindow::printFrameShownPos() const
{
    const int cw = m_ui->containerFrame->width();
    const int ch = m_ui->containerFrame->height();
    const int bh = m_ui->informationBar->height();
    return QPoint(cw - m_printFrame->width(), bh + ch - m_printFrame->height());
}

QPoint VendrelMainWindow::printFrameHiddenPos() const
{
    const int cw = m_ui->containerFrame->width();
    const int ch = m_ui->containerFrame->height();
    const int bh = m_ui->informationBar->height();
    return QPoint(cw, bh + ch - m_printFrame->height());
}

void VendrelMainWindow::showPrintFrameSlot(bool show)
{
    if (show) {
        m_printController->setScene(m_currentCanvas);
        m_printTargetIsLabel = true;
        IVendrelInterface* ammonia = m_modules.value(AmmoniaWidget);
        m_printWidget->setVisibleAmmoniaTag(
            m_currentKind == AmmoniaWidget && ammonia ? ammonia->getTagsVisible() : 0);
        // A tag the selector still shows is what the panel prints.
        if (m_printWidget->selectedTag() != 0)
            ammoniaPrintComboChanged(m_printWidget->selectedTag());
        // Let the frame take its size and the panel its layout before the focus moves.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        m_printWidget->setFocus();
        VendrelWidgetsUtils::animatedShow(m_printFrame, printFrameHiddenPos(),
                                          printFrameShownPos());
    } else {
        VendrelWidgetsUtils::animatedHide(m_printFrame, printFrameHiddenPos());
        m_printWidget->clearFocus();
        if (!m_printTargetIsLabel)
            if (IVendrelInterface* ammonia = m_modules.value(AmmoniaWidget))
                ammonia->updatePrintQuantity(m_printManager->getNumberOfCopies());
    }
}

void VendrelMainWindow::onPrintWidgetFocusLost()
{
    const QPoint cursor = QCursor::pos();
    const QRect buttonRect(m_ui->printButton->mapToGlobal(QPoint(0, 0)), m_ui->printButton->size());
    if (buttonRect.contains(cursor))
        return;
    const QRect frameRect(m_printFrame->mapToGlobal(QPoint(0, 0)), m_printFrame->size());
    if (frameRect.contains(cursor)) {
        if (m_printWidget->notTextFocus(cursor))
            m_printWidget->setFocus();
        return;
    }
    if (m_printWidget->focusInCombo(cursor)) {
        m_printWidget->setFocus();
        return;
    }
    m_ui->printButton->setChecked(false);
    showPrintFrameSlot(false);
}

void VendrelMainWindow::onQuickPrintButtonClicked()
{
    if (!isActiveWindow())
        return;
    // The label prints, unless the panel's selector names a tag: a tag printed
    // from the ammonia frames is never printed again by accident.
    const int tag = m_currentKind == AmmoniaWidget ? m_printWidget->selectedTag() : 0;
    if (tag != 0 && m_tagCanvas) {
        m_activeModule->preparePrintTag(tag);
        m_printController->setScene(m_tagCanvas);
        m_printTargetIsLabel = false;
    } else {
        m_printController->setScene(m_currentCanvas);
        m_printTargetIsLabel = true;
    }
    m_printManager->quickPrintSlot();
}

void VendrelMainWindow::pipePrintSlot()
{
    m_printController->printCanvas();
}

void VendrelMainWindow::previewTagSlot(int quantity)
{
    m_printController->setScene(m_tagCanvas);
    m_printTargetIsLabel = false;
    m_printManager->setNumberOfCopies(quantity);
    m_printManager->showPrintPreview();
}

void VendrelMainWindow::printTagSlot(int quantity)
{
    m_printController->setScene(m_tagCanvas);
    m_printTargetIsLabel = false;
    m_printManager->setNumberOfCopies(quantity);
    m_printController->printCanvas();
}

void VendrelMainWindow::ammoniaPrintComboChanged(int index)
{
    IVendrelInterface* ammonia = m_modules.value(AmmoniaWidget);
    if (index == 0 || !ammonia || !m_tagCanvas) {
        // The manager hands its scene on to the controller: the label prints again.
        m_printManager->setScene(m_currentCanvas);
        m_printTargetIsLabel = true;
        return;
    }
    ammonia->preparePrintTag(index);
    m_printManager->setScene(m_tagCanvas);
    m_printTargetIsLabel = false;
}

void VendrelMainWindow::printFrameSizeChanged(bool tall)
{
    m_printFrameTall = tall;
    m_printFrame->setFixedSize(300, tall ? 360 : 280);
    // An open frame keeps its bottom on the container's.
    if (m_printFrame->isVisible())
        m_printFrame->move(printFrameShownPos());
}

void VendrelMainWindow::printFrameSizeChanged()
{
    m_printFrame->setFixedSize(300, m_printFrameTall ? 360 : 280);
    showPrintFrameSlot(true);
}

void VendrelMainWindow::updateSupplyColors()
{
    SupplyProperties* supply = m_supplyProperties;
    m_printController->setLoadedPaperSize(supply->getLoadedSupplySize(),
                                          m_printManager->getPrinterType());
    const QList<QColor> palette = supply->getPrintingPalette();
    const int mask = supply->getLoadedRibbonMask();
    const bool allColors = mask == 0 || palette.isEmpty();
    m_printController->setLoadedPaletteColors(supply->getPrintingPalette(), mask, allColors,
                                              supply->getLoadedStripedSupplyWidth(),
                                              supply->getLoadedStripedSupplyColor());
    m_printManager->setLoadedSupplies(supply->getLoadedSupplySku(), supply->getLoadedRibbonSkus(),
                                      supply->getLoadedRibbons(), mask, supply->getMaxPrintSpeed(),
                                      supply->getColorHeats(), supply->getLoadedMaterialType(),
                                      supply->getLoadedSupplySize(), supply->getLidOpen());
}

void VendrelMainWindow::selectedPrinterChanged(QString printerName, bool printerIsRemote,
                                               bool printerIsOffline, bool printerIsMv)
{
    m_supplyProperties->setCurrentPrinter(printerName, printerIsRemote, printerIsOffline,
                                          printerIsMv);
    updateSupplyColors();
}

void VendrelMainWindow::printErrorSlot(const MvPrintingErrors::TamsyPrintError& error)
{
    if (PrintMessageHelper::closesPrintPanel(error)) {
        m_ui->printButton->setChecked(false);
        if (m_printFrame->isVisible())
            showPrintFrameSlot(false);
    }
    PrintMessageHelper::printError(error);
}

void VendrelMainWindow::printErrorCodeSlot(const MvPrintingErrors::TamsyPrintError& error,
                                           const QString& errorCode)
{
    PrintMessageHelper::printErrorCode(error, errorCode);
}

void VendrelMainWindow::slowPrinterStartingSlot() {}
