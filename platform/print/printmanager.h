#ifndef PRINTMANAGER_H
#define PRINTMANAGER_H

#include "print/mvprinting.h"
#include "print/mvprintingerrors.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "canvas/mvcanvasmodel.h"
class MvIPC;
class PrintController;
class PrintWidgetInterface;
class QWidget;

// The print logic between the panel and the controller: how many copies, which
// printer, the preview, quick print, and stopping what this program queued.
//
// A print request (the panel's Print button or quick print) is announced with
// managerPrintSignal; the application prints on it through the controller, which
// prints the canvas set on it last. Quick print uses the last settings and asks
// nothing.
class PrintManager : public QObject
{
    Q_OBJECT

public:
    PrintManager(bool testMode, PrintWidgetInterface* widget, MvIPC* ipc,
                 PrintController* controller, MvCanvasModel* canvas,
                 MvPrinting::MvModuleTypes const& module, QWidget* parent = nullptr);
    ~PrintManager() override;

    void setNumberOfCopies(int copies);
    int getNumberOfCopies() const { return m_copies; }
    // The canvas that the panel's choice prints; the controller prints it too.
    void setScene(MvCanvasModel* canvas);
    MvCanvasModel* scene() const { return m_scene; }
    MvPrinting::PrinterType getPrinterType() const;
    MvPrinting::MvModuleTypes moduleType() const { return m_module; }

    void setLoadedSupplies(const QString& supplySku, const QStringList& ribbonSkus,
                           const QStringList& ribbons, int ribbonMask, int maxPrintSpeed,
                           const QList<int>& colorHeats, int materialType, const QSizeF& supplySize,
                           bool lidOpen);
    QString loadedSupplySku() const { return m_supplySku; }
    QStringList loadedRibbons() const { return m_ribbons; }
    QSizeF loadedSupplySize() const { return m_supplySize; }
    bool lidOpen() const { return m_lidOpen; }

    // Shows how the canvas the controller prints will come out, in a dialog that
    // fits the editor's screen.
    void showPrintPreview();
    // Cancels the jobs this program queued that the printer has not printed yet.
    int quitPrinting();

    // The preview dialog while it is open (tests and screenshots close it).
    QWidget* previewDialog() const { return m_preview; }

public slots:
    // Print with the panel's settings (its Print button).
    void printSlot();
    // Print again with the last settings, without a question.
    void quickPrintSlot();
    // The panel's printer choice.
    void selectPrinterSlot(const QString& printer);
    // The suite's print queue was cleared from outside: what this program still has
    // queued goes too, and the user is told.
    void onPrintCanceled();

signals:
    void managerPrintSignal(int copies, int tag, QString printer);
    void printErrorSignal(MvPrintingErrors::TamsyPrintError error);
    void printErrorCodeSignal(MvPrintingErrors::TamsyPrintError error, const QString& errorCode);
    // A print goes to a queue that forwards to another machine, which takes a while
    // before the label comes out.
    void slowPrinterStartingSignal();

private:
    void requestPrint(int copies);

    bool m_testMode;
    PrintWidgetInterface* m_widget;
    MvIPC* m_ipc;
    QPointer<PrintController> m_controller;
    QPointer<MvCanvasModel> m_scene;
    MvPrinting::MvModuleTypes m_module;
    QWidget* m_parentWidget;
    QPointer<QWidget> m_preview;
    int m_copies = 1;
    QString m_printer;
    QString m_supplySku;
    QStringList m_ribbonSkus;
    QStringList m_ribbons;
    int m_ribbonMask = 0;
    int m_maxPrintSpeed = 0;
    QList<int> m_colorHeats;
    int m_materialType = 0;
    QSizeF m_supplySize;
    bool m_lidOpen = false;
};

#endif
