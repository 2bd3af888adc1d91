#ifndef PRINTCONTROLLERLINUX_H
#define PRINTCONTROLLERLINUX_H

#include "print/printcontroller.h"

#include <QList>
#include <QPair>
#include <QSizeF>
#include <QString>

class DatasourceController;
class QPrinter;

// Prints on a CUPS queue: the canvas is drawn by QtPrintSupport into a PDF page of
// exactly the label's size at the printer's resolution, which CUPS queues with the
// copies and the label's size as custom media.
//
// In test mode, and when the server knows no printer at all, every print is a PDF
// file in printFolder() instead, one page per copy, so that nothing is lost and
// tests can read what would have been printed.
class PrintControllerLinux : public PrintController
{
    Q_OBJECT

public:
    // The data source feeds merge fields, which pipe markers do not have: it is
    // accepted for the suite's interface and not used.
    PrintControllerLinux(bool testMode, MvCanvasModel* canvas, DatasourceController* source,
                         QObject* parent = nullptr);
    ~PrintControllerLinux() override;

    bool printCanvas() override;

    // Where PDF prints go: "prints" in the application's data folder
    // (~/.local/share/Morvantic/Vendrel/prints), or the folder VENDREL_PRINT_FOLDER
    // names.
    static QString printFolder();
    // When the printer reports no resolution.
    static constexpr int DefaultResolution = 300;

    // Writes the canvas as a PDF of the label's size: copies pages at dpi.
    static bool writePdf(MvCanvasModel* canvas, const QString& path, int dpi, int copies,
                         const QString& title);
    // Sets up a printer (PDF output or preview) for the canvas: page of the label's
    // size, no margins, the resolution given.
    static void setUpPage(QPrinter* printer, const QSizeF& points, int dpi);

    // Jobs queued by this controller that CUPS still holds; cancels them.
    int cancelPendingJobs();
    QList<QPair<QString, int>> queuedJobs() const { return m_jobs; }

    // The last print: its output (the PDF file or the queue), resolution and copies.
    struct LastPrint
    {
        QString printer;
        QString file;
        int job = 0;
        int dpi = 0;
        int copies = 0;
        QSizeF page;
    };
    LastPrint lastPrint() const { return m_last; }
    bool testMode() const { return m_testMode; }

private:
    bool printToPdf(const QSizeF& page);
    bool printToQueue(const QString& printer, const QSizeF& page);
    QString nextPdfPath() const;
    QString title() const;

    bool m_testMode;
    QList<QPair<QString, int>> m_jobs;
    LastPrint m_last;
};

#endif
