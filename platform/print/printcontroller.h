#ifndef PRINTCONTROLLER_H
#define PRINTCONTROLLER_H

#include "print/mvprinting.h"
#include "print/mvprintingerrors.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>

#include "canvas/mvcanvasmodel.h"
class MvIPC;
class QPagedPaintDevice;
class QPainter;

// What every print controller offers the applications: which canvas the next print
// draws, how many copies, on which printer, and what is loaded in it. Drawing a
// canvas onto a page is shared; where the page goes is the platform's.
class PrintController : public QObject
{
    Q_OBJECT

public:
    explicit PrintController(MvCanvasModel* canvas, QObject* parent = nullptr);
    ~PrintController() override;

    // The canvas the next print draws; the controller does not own it.
    void setScene(MvCanvasModel* canvas);
    MvCanvasModel* scene() const { return m_scene; }

    void setRunningMvipc(MvIPC* ipc) { m_ipc = ipc; }
    MvIPC* runningMvipc() const { return m_ipc; }

    void setNumberOfCopies(int copies) { m_copies = copies; }
    int numberOfCopies() const { return m_copies; }

    // An empty name: the server's default printer.
    void setPrinterName(const QString& name) { m_printerName = name; }
    QString printerName() const { return m_printerName; }

    // The supply loaded in the printer: its size in points (width across the feed;
    // a length of 0 for continuous stock) and what the printer is.
    void setLoadedPaperSize(const QSizeF& size, MvPrinting::PrinterType type);
    QSizeF loadedPaperSize() const { return m_loadedPaperSize; }
    // The colours the loaded ribbons print (mask: which of the palette's entries are
    // loaded); allColors when the printer prints any colour. A striped supply has a
    // stripe of the width in points and colour given (width 0: none).
    void setLoadedPaletteColors(const QList<QColor>& palette, int ribbonMask, bool allColors,
                                double stripeWidth, QColor stripeColor);
    QList<QColor> loadedPalette() const { return m_palette; }
    bool allColorsLoaded() const { return m_allColors; }

    // Prints the canvas set last, as many copies as set; errors arrive as signals.
    // Returns whether the label went out.
    virtual bool printCanvas() = 0;

    // Draws the canvas as it prints onto the device's current page, which must be
    // the label's size (a printer, a PDF writer, a preview).
    static void paintCanvas(MvCanvasModel* canvas, QPainter* painter, QPagedPaintDevice* device);

signals:
    void printErrorSignal(MvPrintingErrors::TamsyPrintError error);
    void printErrorCodeSignal(MvPrintingErrors::TamsyPrintError error, const QString& errorCode);
    // A label went out: to a CUPS queue (job id above 0) or to the PDF file named.
    void printedSignal(const QString& printer, int job, const QString& file);

protected:
    // The colours of the canvas that the loaded ribbons lack; empty when all print.
    QStringList colorsNotLoaded() const;
    // Whether a loaded supply was reported and is narrower than the canvas.
    bool supplyTooNarrow() const;

    QPointer<MvCanvasModel> m_scene;
    MvIPC* m_ipc = nullptr;
    int m_copies = 1;
    QString m_printerName;
    QSizeF m_loadedPaperSize;
    MvPrinting::PrinterType m_printerType = MvPrinting::PdfFilePrinter;
    QList<QColor> m_palette;
    int m_ribbonMask = 0;
    bool m_allColors = true;
    double m_stripeWidth = 0.0;
    QColor m_stripeColor;
};

#endif
