#ifndef ARROWWRAPLISTROW_H
#define ARROWWRAPLISTROW_H

#include "kit/labelrow.h"

#include <QString>

class IVendrelInterface;

// Makes an arrow wrap from a line list's row: the kind's RowApplier. A wrap carries
// no legend; its arrows show the flow.
class ArrowWrapListRow
{
public:
    ArrowWrapListRow() = delete;

    // The size table row made for the diameter, or -1. Each row is made for one
    // diameter (its length runs once around that pipe), so the diameter must be
    // that one, as closely as a line list rounds it.
    static int sizeRow(const PipeDiameter& diameter);

    static bool apply(IVendrelInterface* module, const LabelRow& row, QString* error);
};

#endif
