#include "ammonia/ammonialabel.h"

#include "kit/labellimits.h"

AmmoniaLabel AmmoniaLabel::bounded(Bounds bounds) const
{
    AmmoniaLabel label = *this;
    label.pipeDiameterIndex = static_cast<short>(IiarSizeTable::boundedRow(pipeDiameterIndex));

    // Nothing is drawn beyond the canvas' own limit; the editor also keeps label
    // widths and text heights to the widest stock.
    const bool editable = bounds == Bounds::Editable;
    const double mostAcross = editable ? LabelLimits::MaxHeight : LabelLimits::MaxLength;
    const double side = LabelLimits::LeastSide;
    const double thin = LabelLimits::LeastTextHeight;
    label.length = LabelLimits::boundedSize(length, side, LabelLimits::MaxLength);
    label.height = LabelLimits::boundedSize(height, side, mostAcross);
    label.textHeight = LabelLimits::boundedSize(textHeight, thin, mostAcross);
    label.partWidth = LabelLimits::boundedSize(partWidth, thin, LabelLimits::MaxLength);
    label.arrowWidth = LabelLimits::boundedSize(arrowWidth, thin, LabelLimits::MaxLength);
    label.componentLength = LabelLimits::boundedSize(componentLength, side, LabelLimits::MaxLength);
    label.componentHeight = LabelLimits::boundedSize(componentHeight, side, mostAcross);
    label.componentTextHeight = LabelLimits::boundedSize(componentTextHeight, thin, mostAcross);
    label.componentPartWidth =
        LabelLimits::boundedSize(componentPartWidth, thin, LabelLimits::MaxLength);
    return label;
}

QColor AmmoniaLabel::drawnColor() const
{
    return color.colorOr(AmmoniaParts::newLabelColor());
}

bool AmmoniaLabel::operator==(const AmmoniaLabel& other) const
{
    return unitsAreInches == other.unitsAreInches && pipeDiameterIndex == other.pipeDiameterIndex &&
           pipeMarker == other.pipeMarker && length == other.length && height == other.height &&
           textHeight == other.textHeight && partWidth == other.partWidth &&
           arrowWidth == other.arrowWidth && componentLength == other.componentLength &&
           componentHeight == other.componentHeight &&
           componentTextHeight == other.componentTextHeight &&
           componentPartWidth == other.componentPartWidth && abbreviation == other.abbreviation &&
           component == other.component && fontFamily == other.fontFamily &&
           leftArrowId == other.leftArrowId && rightArrowId == other.rightArrowId &&
           vap == other.vap && liq == other.liq && high == other.high && low == other.low &&
           color == other.color;
}
