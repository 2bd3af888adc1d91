#include "print/printmessagehelper.h"

#include "widgets/mvmessagebox.h"

#include <QApplication>

#include <array>

namespace {
using namespace MvPrintingErrors;

// Value, closes the panel, text, translator comment.
constexpr std::array<PrintMessageHelper::Entry, 12> Table = {{
    {PrinterNotFound, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "The printer cannot be found.",
                        "The chosen printer is not known to the print server.")},
    {NothingToPrint, false,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "There is nothing to print.",
                        "No label is open, or the label has no size.")},
    {QuantityBelowOne, false,
     QT_TRANSLATE_NOOP3("PrintMessageHelper",
                        "Enter a quantity of at least 1. Nothing was printed.",
                        "The number of copies is empty or zero.")},
    {PrinterOffline, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "The printer is offline or stopped.",
                        "The printer does not accept jobs.")},
    {LabelTooLarge, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "The label is larger than the printer can print.",
                        "The label is longer or wider than a page may be.")},
    {SupplyTooNarrow, false,
     QT_TRANSLATE_NOOP3("PrintMessageHelper",
                        "The label is wider than the supply loaded in the printer.",
                        "Another printer or supply may be chosen in the print panel.")},
    {JobRefused, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "The printer refused the label.",
                        "The print server did not take the job.")},
    {OutputNotWritten, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "The print file could not be written.",
                        "The PDF file of a print could not be saved.")},
    {PrinterLidOpen, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper",
                        "The printer's lid is open. Close it and print again.",
                        "The printer reports its cover open.")},
    {PrintCanceled, false,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "Printing was canceled.",
                        "Waiting labels were removed from the printer's queue.")},
    {ColorNotLoaded, false,
     QT_TRANSLATE_NOOP3("PrintMessageHelper",
                        "A colour of the label is not loaded in the printer; it prints in another "
                        "colour.",
                        "The ribbons loaded do not hold one of the label's colours.")},
    {DrawingFailed, true,
     QT_TRANSLATE_NOOP3("PrintMessageHelper", "The label could not be drawn.",
                        "Drawing the label for the printer failed.")},
}};
} // namespace

const PrintMessageHelper::Entry& PrintMessageHelper::entry(MvPrintingErrors::TamsyPrintError error)
{
    for (const Entry& row : Table)
        if (row.error == error)
            return row;
    return Table[JobRefused];
}

bool PrintMessageHelper::closesPrintPanel(MvPrintingErrors::TamsyPrintError error)
{
    return entry(error).closesPrintPanel;
}

QString PrintMessageHelper::text(MvPrintingErrors::TamsyPrintError error)
{
    const Entry& row = entry(error);
    return QCoreApplication::translate("PrintMessageHelper", row.message.source,
                                       row.message.comment);
}

QString PrintMessageHelper::text(MvPrintingErrors::TamsyPrintError error, const QString& errorCode)
{
    if (errorCode.isEmpty())
        return text(error);
    return text(error) + QStringLiteral("\n\n") + errorCode;
}

void PrintMessageHelper::printError(MvPrintingErrors::TamsyPrintError error)
{
    //: Title of the message box of a print error.
    MvMessageBox::information(QApplication::activeWindow(), tr("Print"), text(error));
}

void PrintMessageHelper::printErrorCode(MvPrintingErrors::TamsyPrintError error,
                                        const QString& errorCode)
{
    //: Title of the message box of a print error.
    MvMessageBox::information(QApplication::activeWindow(), tr("Print"), text(error, errorCode));
}
