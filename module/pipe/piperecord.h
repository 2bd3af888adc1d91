#ifndef PIPERECORD_H
#define PIPERECORD_H

#include "pipe/pipelabel.h"

#include <QDataStream>

// The bytes of a pipe marker record after its preview image. This is the only code
// that knows them; the stream's version, byte order and single floating-point
// precision are set by the label file that holds the record.
class PipeRecord
{
public:
    PipeRecord() = delete;

    static void write(QDataStream& stream, const PipeLabel& label);

    // Reads the whole record and bounds its values as the reader needs them
    // (PipeLabel::bounded). The stream's status is not looked at: a record cut short
    // reads Qt's stream defaults for the fields it lacks, and the file that holds it
    // decides what to report.
    static PipeLabel read(QDataStream& stream, PipeLabel::Bounds bounds);

    // The two arrow ids alone, for a reader positioned on them.
    static void readArrowIds(QDataStream& stream, int& leftId, int& rightId);
};

#endif
