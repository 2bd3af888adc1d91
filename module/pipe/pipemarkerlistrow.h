#ifndef PIPEMARKERLISTROW_H
#define PIPEMARKERLISTROW_H

#include "kit/labelrow.h"

#include <QString>

class IVendrelInterface;

// Makes a pipe marker from a line list's row: the kind's RowApplier.
class PipeMarkerListRow
{
public:
    PipeMarkerListRow() = delete;

    // The size table row whose diameters hold the diameter, or -1. "Custom size"
    // stands for no diameter and holds none.
    static int sizeRow(const PipeDiameter& diameter);

    static bool apply(IVendrelInterface* module, const LabelRow& row, QString* error);
};

#endif
