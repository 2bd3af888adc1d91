#ifndef AMMONIALISTROW_H
#define AMMONIALISTROW_H

#include "kit/labelrow.h"

#include <QString>

class IVendrelInterface;

// Makes an ammonia marker from a line list's row: the kind's RowApplier. The legend
// is the abbreviation of a pipe marker or the component of a component marker.
class AmmoniaListRow
{
public:
    AmmoniaListRow() = delete;

    // The size table row whose diameters hold the diameter, or -1.
    static int sizeRow(const PipeDiameter& diameter);

    static bool apply(IVendrelInterface* module, const LabelRow& row, QString* error);
};

#endif
