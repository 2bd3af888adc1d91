#ifndef MVPRINTING_H
#define MVPRINTING_H

#include <QMetaType>

// Values the print stack exchanges with the applications of the suite.
namespace MvPrinting {

// Which application prints; the print manager keys its remembered settings on it.
enum MvModuleTypes : int
{
    LabelDesigner = 0,
    DataLabels = 1,
    SafetySigns = 2,
    PipeMarking = 3
};

// How the selected printer takes a label.
enum PrinterType : int
{
    // A PDF file in the print folder (test mode, or no printer at all).
    PdfFilePrinter = 0,
    // A queue of the local CUPS server.
    CupsPrinter = 1,
    // A queue that CUPS forwards to another machine.
    RemoteCupsPrinter = 2
};

} // namespace MvPrinting

Q_DECLARE_METATYPE(MvPrinting::MvModuleTypes)
Q_DECLARE_METATYPE(MvPrinting::PrinterType)

#endif
