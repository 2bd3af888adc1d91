#ifndef CUPSQUEUE_H
#define CUPSQUEUE_H

#include <QColor>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The few requests the print stack makes of the CUPS server that libcups finds
// (the CUPS_SERVER environment variable, else the system's). Every call is short
// and synchronous; without a server the lists are empty and the requests fail.
class CupsQueue
{
public:
    CupsQueue() = delete;

    struct Printer
    {
        QString name;
        QString description;
        bool isDefault = false;
        bool remote = false;
        bool offline = false;
        // The printer names the suite's maker in its make and model.
        bool mv = false;
    };

    struct Attributes
    {
        bool found = false;
        bool acceptingJobs = false;
        bool stopped = false;
        bool lidOpen = false;
        // The loaded (ready) or default media, in points; empty when not reported.
        QSizeF mediaSize;
        QString mediaName;
        // Loaded ribbons as the printer reports its markers, in the same order.
        QStringList markerNames;
        QList<QColor> markerColors;
        // Dots per inch of the printer's default resolution; 0 when not reported.
        int resolution = 0;
        QString makeAndModel;
    };

    static QList<Printer> printers();
    // The default queue, else the first one, else an empty name.
    static QString defaultPrinter();
    static Attributes attributes(const QString& printer);

    // Queues a PDF file for the printer: copies, and the page as a custom media of
    // exactly pagePoints; an empty size leaves every page the size it has (a
    // document of labels of several sizes). Returns the job id, or 0 with CUPS' reason in error.
    static int submit(const QString& printer, const QString& pdfFile, const QString& title,
                      int copies, const QSizeF& pagePoints, QString* error);
    // Ids of the jobs given that are still waiting or printing.
    static QList<int> pendingJobs(const QString& printer, const QList<int>& jobs);
    static bool cancel(const QString& printer, int job);

    // A PWG media keyword ("na_letter_8.5x11in", "oe_4x6-label_4x6in") in points.
    static QSizeF mediaSizeOf(const QString& keyword);
};

#endif
