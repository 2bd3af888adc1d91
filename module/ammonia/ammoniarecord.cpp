#include "ammonia/ammoniarecord.h"

void AmmoniaRecord::write(QDataStream& stream, const AmmoniaLabel& label)
{
    stream << label.unitsAreInches;
    stream << static_cast<qint16>(label.pipeDiameterIndex);
    stream << label.pipeMarker;
    stream << label.length << label.height << label.textHeight << label.partWidth
           << label.arrowWidth;
    stream << label.componentLength << label.componentHeight << label.componentTextHeight
           << label.componentPartWidth;
    stream << label.abbreviation << label.component << label.fontFamily;
    stream << static_cast<qint32>(label.leftArrowId) << static_cast<qint32>(label.rightArrowId);
    stream << label.vap << label.liq << label.high << label.low;
    stream << label.color;
}

AmmoniaLabel AmmoniaRecord::read(QDataStream& stream, AmmoniaLabel::Bounds bounds)
{
    AmmoniaLabel label;
    qint16 index = 0;
    stream >> label.unitsAreInches >> index >> label.pipeMarker;
    stream >> label.length >> label.height >> label.textHeight >> label.partWidth >>
        label.arrowWidth;
    stream >> label.componentLength >> label.componentHeight >> label.componentTextHeight >>
        label.componentPartWidth;
    stream >> label.abbreviation >> label.component >> label.fontFamily;
    readArrowIds(stream, label.leftArrowId, label.rightArrowId);
    stream >> label.vap >> label.liq >> label.high >> label.low;
    stream >> label.color;
    label.pipeDiameterIndex = index;
    return label.bounded(bounds);
}

void AmmoniaRecord::readArrowIds(QDataStream& stream, int& leftId, int& rightId)
{
    qint32 left = 0;
    qint32 right = 0;
    stream >> left >> right;
    leftId = left;
    rightId = right;
}
