#include "arrowwrap/arrowwraprecord.h"

void ArrowWrapRecord::write(QDataStream& stream, const ArrowWrapLabel& label)
{
    stream << label.unitsAreInches;
    stream << static_cast<qint16>(label.pipeDiameterIndex);
    stream << label.length << label.height;
    stream << static_cast<qint16>(label.arrowCount);
    stream << label.arrowSpacing << label.arrowLength;
    stream << label.background << label.foreground;
    stream << static_cast<qint32>(label.arrowId);
    stream << label.warning;
}

ArrowWrapLabel ArrowWrapRecord::read(QDataStream& stream, ArrowWrapLabel::Bounds bounds)
{
    ArrowWrapLabel label;
    qint16 index = 0;
    qint16 count = 0;
    qint32 arrowId = 0;
    stream >> label.unitsAreInches >> index;
    stream >> label.length >> label.height >> count;
    stream >> label.arrowSpacing >> label.arrowLength;
    stream >> label.background >> label.foreground;
    stream >> arrowId >> label.warning;
    label.pipeDiameterIndex = index;
    label.arrowCount = count;
    label.arrowId = arrowId;
    return label.bounded(bounds);
}
