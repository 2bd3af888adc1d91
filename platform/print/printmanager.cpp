#include "print/printmanager.h"

#include "canvas/mvcanvasmodel.h"
#include "print/cupsqueue.h"
#include "print/printcontroller.h"
#include "print/printcontrollerlinux.h"
#include "print/printwidgetinterface.h"

#include <QApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

PrintManager::PrintManager(bool testMode, PrintWidgetInterface* widget, MvIPC* ipc,
                           PrintController* controller, MvCanvasModel* canvas,
                           MvPrinting::MvModuleTypes const& module, QWidget* parent)
    : QObject(parent), m_testMode(testMode), m_widget(widget), m_ipc(ipc), m_controller(controller),
      m_scene(canvas), m_module(module), m_parentWidget(parent)
{
    if (m_widget) {
        m_widget->setPrintManager(this);
        m_copies = qMax(1, m_widget->numberOfCopies());
        m_printer = m_widget->selectedPrinter();
    }
    if (m_controller) {
        m_controller->setNumberOfCopies(m_copies);
        m_controller->setPrinterName(m_printer);
        if (canvas)
            m_controller->setScene(canvas);
    }
}

PrintManager::~PrintManager()
{
    delete m_preview;
}

void PrintManager::setNumberOfCopies(int copies)
{
    m_copies = copies;
    if (m_controller)
        m_controller->setNumberOfCopies(copies);
    if (m_widget && m_widget->numberOfCopies() != copies)
        m_widget->setNumberOfCopies(copies);
}

void PrintManager::setScene(MvCanvasModel* canvas)
{
    m_scene = canvas;
    // The panel's choice is what prints, whatever printed before.
    if (m_controller)
        m_controller->setScene(canvas);
}

MvPrinting::PrinterType PrintManager::getPrinterType() const
{
    if (m_testMode)
        return MvPrinting::PdfFilePrinter;
    const QString name = m_printer.isEmpty() ? CupsQueue::defaultPrinter() : m_printer;
    if (name.isEmpty())
        return MvPrinting::PdfFilePrinter;
    for (const CupsQueue::Printer& printer : CupsQueue::printers())
        if (printer.name == name)
            return printer.remote ? MvPrinting::RemoteCupsPrinter : MvPrinting::CupsPrinter;
    return MvPrinting::CupsPrinter;
}

void PrintManager::setLoadedSupplies(const QString& supplySku, const QStringList& ribbonSkus,
                                     const QStringList& ribbons, int ribbonMask, int maxPrintSpeed,
                                     const QList<int>& colorHeats, int materialType,
                                     const QSizeF& supplySize, bool lidOpen)
{
    m_supplySku = supplySku;
    m_ribbonSkus = ribbonSkus;
    m_ribbons = ribbons;
    m_ribbonMask = ribbonMask;
    m_maxPrintSpeed = maxPrintSpeed;
    m_colorHeats = colorHeats;
    m_materialType = materialType;
    m_supplySize = supplySize;
    m_lidOpen = lidOpen;
}

void PrintManager::selectPrinterSlot(const QString& printer)
{
    m_printer = printer;
    if (m_controller)
        m_controller->setPrinterName(printer);
}

void PrintManager::requestPrint(int copies)
{
    if (copies < 1) {
        // Nothing prints, and the user learns why instead of a print of no copies.
        emit printErrorSignal(MvPrintingErrors::QuantityBelowOne);
        return;
    }
    if (m_lidOpen && getPrinterType() != MvPrinting::PdfFilePrinter) {
        emit printErrorSignal(MvPrintingErrors::PrinterLidOpen);
        return;
    }
    setNumberOfCopies(copies);
    if (getPrinterType() == MvPrinting::RemoteCupsPrinter)
        emit slowPrinterStartingSignal();
    emit managerPrintSignal(copies, m_widget ? m_widget->selectedTag() : 0, m_printer);
}

void PrintManager::printSlot()
{
    requestPrint(m_widget ? m_widget->numberOfCopies() : m_copies);
}

void PrintManager::quickPrintSlot()
{
    requestPrint(m_copies);
}

void PrintManager::showPrintPreview()
{
    MvCanvasModel* canvas = m_controller ? m_controller->scene() : m_scene.data();
    if (!canvas || canvas->getCanvasSize().isEmpty()) {
        emit printErrorSignal(MvPrintingErrors::NothingToPrint);
        return;
    }
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    PrintControllerLinux::setUpPage(printer, canvas->getCanvasSize(),
                                    PrintControllerLinux::DefaultResolution);
    auto* dialog = new QPrintPreviewDialog(printer, m_parentWidget);
    m_preview = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QObject::destroyed, dialog, [printer] { delete printer; });
    const int copies = qMax(1, m_copies);
    QPointer<MvCanvasModel> shown = canvas;
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [shown, copies](QPrinter* target) {
                QPainter painter(target);
                for (int copy = 0; shown && copy < copies; ++copy) {
                    if (copy > 0)
                        target->newPage();
                    PrintController::paintCanvas(shown, &painter, target);
                }
            });
    // The toolbar is for fingers, and prints as the panel does: the dialog's own
    // print and page set-up would ask for a file or a paper size instead, and the
    // label's page has one orientation only.
    if (auto* bar = dialog->findChild<QToolBar*>()) {
        bar->setIconSize(QSize(36, 36));
        // Qt's own texts of those actions, as Qt's catalogue translates them.
        static const char* const QtActions[] = {"Print", "Page setup", "Portrait", "Landscape"};
        QStringList hidden;
        for (const char* text : QtActions)
            hidden << QCoreApplication::translate("QPrintPreviewDialog", text);
        for (QAction* action : bar->actions())
            if (hidden.contains(action->text()))
                action->setVisible(false);
        bar->addSeparator();
        //: Button of the print preview that prints what it shows.
        QAction* printNow = bar->addAction(tr("Print"));
        //: Button of the print preview that closes it.
        QAction* close = bar->addAction(tr("Close"));
        for (QAction* action : {printNow, close})
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
                button->setMinimumSize(96, 44);
                button->setStyleSheet(QStringLiteral(
                    "QToolButton { background-color: white; border: 1px solid #c6c6c6; "
                    "font-weight: bold; margin-left: 6px; }"
                    "QToolButton:pressed { background-color: #fd7800; color: white; }"));
            }
        connect(printNow, &QAction::triggered, dialog, [this, dialog] {
            dialog->close();
            quickPrintSlot();
        });
        connect(close, &QAction::triggered, dialog, &QWidget::close);
    }

    // The editor's screen is 1024 x 540: the dialog covers the window, never more.
    QRect area = m_parentWidget ? m_parentWidget->window()->geometry()
                                : QApplication::primaryScreen()->availableGeometry();
    area = area.intersected(QApplication::primaryScreen()->availableGeometry());
    if (area.isEmpty())
        area = QRect(0, 0, 1024, 540);
    dialog->setGeometry(area.adjusted(0, 0, 0, 0));
    dialog->setMinimumSize(qMin(area.width(), 600), qMin(area.height(), 400));
    dialog->setMaximumSize(area.size());
    dialog->open();
}

int PrintManager::quitPrinting()
{
    delete m_preview;
    auto* cups = qobject_cast<PrintControllerLinux*>(m_controller.data());
    return cups ? cups->cancelPendingJobs() : 0;
}

void PrintManager::onPrintCanceled()
{
    quitPrinting();
    emit printErrorSignal(MvPrintingErrors::PrintCanceled);
}
