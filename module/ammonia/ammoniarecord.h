#ifndef AMMONIARECORD_H
#define AMMONIARECORD_H

#include "ammonia/ammonialabel.h"

#include <QDataStream>

// The bytes of an ammonia record after its preview image. This is the only code that
// knows them; the stream's version, byte order and single floating-point precision
// are set by the label file that holds the record.
class AmmoniaRecord
{
public:
    AmmoniaRecord() = delete;

    static void write(QDataStream& stream, const AmmoniaLabel& label);

    // Reads the whole record and bounds its values as the reader needs them
    // (AmmoniaLabel::bounded). The stream's status is not looked at: a record cut
    // short reads Qt's stream defaults for the fields it lacks, and the reader
    // decides what to make of it.
    static AmmoniaLabel read(QDataStream& stream, AmmoniaLabel::Bounds bounds);

    // The two arrow ids alone, for a reader positioned on them.
    static void readArrowIds(QDataStream& stream, int& leftId, int& rightId);
};

#endif
