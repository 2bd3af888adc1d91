#include "pipe/piperecord.h"

#include <QString>

void PipeRecord::write(QDataStream& stream, const PipeLabel& label)
{
    stream << label.unitsAreMillimetres;
    stream << static_cast<qint16>(label.pipeDiameterIndex);
    stream << label.length << label.height << label.textHeight;
    stream << static_cast<qint8>(label.resizeOption);
    stream << label.reserved;
    stream << label.portrait << label.wrap << label.top;
    stream << label.backgroundColor << label.textColor;
    stream << label.reservedText;
    stream << label.legend;
    stream << label.fontFamily;
    stream << static_cast<qint32>(label.leftArrowId) << static_cast<qint32>(label.rightArrowId);
    stream << label.applyBothArrows;
    stream << label.lastWarning;
}

PipeLabel PipeRecord::read(QDataStream& stream, PipeLabel::Bounds bounds)
{
    PipeLabel label;
    qint16 index = 0;
    qint8 option = 0;
    stream >> label.unitsAreMillimetres >> index;
    stream >> label.length >> label.height >> label.textHeight;
    stream >> option >> label.reserved >> label.portrait >> label.wrap >> label.top;
    stream >> label.backgroundColor >> label.textColor;
    stream >> label.reservedText >> label.legend >> label.fontFamily;
    readArrowIds(stream, label.leftArrowId, label.rightArrowId);
    stream >> label.applyBothArrows >> label.lastWarning;
    label.pipeDiameterIndex = index;
    label.resizeOption = option;
    return label.bounded(bounds);
}

void PipeRecord::readArrowIds(QDataStream& stream, int& leftId, int& rightId)
{
    qint32 left = 0;
    qint32 right = 0;
    stream >> left >> right;
    leftId = left;
    rightId = right;
}
