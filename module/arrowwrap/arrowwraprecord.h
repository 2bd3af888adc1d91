#ifndef ARROWWRAPRECORD_H
#define ARROWWRAPRECORD_H

#include "arrowwrap/arrowwraplabel.h"

#include <QDataStream>

// The bytes of an arrow wrap record after its preview image. This is the only code
// that knows them; the stream's version, byte order and single floating-point
// precision are set by the label file that holds the record.
class ArrowWrapRecord
{
public:
    ArrowWrapRecord() = delete;

    static void write(QDataStream& stream, const ArrowWrapLabel& label);

    // Reads the whole record and bounds its values as the reader needs them
    // (ArrowWrapLabel::bounded). The stream's status is not looked at: a record cut
    // short reads Qt's stream defaults for the fields it lacks, and the reader
    // decides what to make of it.
    static ArrowWrapLabel read(QDataStream& stream, ArrowWrapLabel::Bounds bounds);
};

#endif
