#ifndef PRINTMESSAGEHELPER_H
#define PRINTMESSAGEHELPER_H

#include "print/mvprintingerrors.h"

#include <QCoreApplication>
#include <QString>

// The print errors the user is told about: for every value its meaning, the text
// of its message box and whether the print panel closes so that the label is seen
// again (the printer is gone, off or refused the job: the panel cannot help). The
// one table of them is in the source file.
class PrintMessageHelper
{
    Q_DECLARE_TR_FUNCTIONS(PrintMessageHelper)

public:
    PrintMessageHelper() = delete;

    struct Entry
    {
        MvPrintingErrors::TamsyPrintError error;
        bool closesPrintPanel;
        struct
        {
            const char* source;
            const char* comment;
        } message;
    };

    // The entry of a value; values outside the table read as a refused job.
    static const Entry& entry(MvPrintingErrors::TamsyPrintError error);
    static bool closesPrintPanel(MvPrintingErrors::TamsyPrintError error);
    // The translated text of the value.
    static QString text(MvPrintingErrors::TamsyPrintError error);
    // The text followed by what the printer or CUPS reported.
    static QString text(MvPrintingErrors::TamsyPrintError error, const QString& errorCode);

    // The message boxes (MvMessageBox, so tests can answer them).
    static void printError(MvPrintingErrors::TamsyPrintError error);
    static void printErrorCode(MvPrintingErrors::TamsyPrintError error, const QString& errorCode);
};

#endif
