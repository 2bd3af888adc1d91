#ifndef MVPRINTINGERRORS_H
#define MVPRINTINGERRORS_H

#include <QMetaType>

namespace MvPrintingErrors {

// What went wrong with a print. The meaning, the text the user reads and whether
// the print panel gets out of the way are one table in printmessagehelper.cpp.
enum TamsyPrintError : int
{
    PrinterNotFound = 0,
    NothingToPrint = 1,
    QuantityBelowOne = 2,
    PrinterOffline = 3,
    LabelTooLarge = 4,
    SupplyTooNarrow = 5,
    JobRefused = 6,
    OutputNotWritten = 7,
    PrinterLidOpen = 8,
    PrintCanceled = 9,
    ColorNotLoaded = 10,
    DrawingFailed = 11
};

} // namespace MvPrintingErrors

Q_DECLARE_METATYPE(MvPrintingErrors::TamsyPrintError)

#endif
