#include "arrowwrap/arrowwraplabel.h"

#include "kit/labellimits.h"

#include <cmath>

ArrowWrapLabel ArrowWrapLabel::bounded(Bounds bounds) const
{
    ArrowWrapLabel label = *this;
    label.pipeDiameterIndex = static_cast<short>(ArrowWrapSizeTable::boundedRow(pipeDiameterIndex));
    label.arrowCount = ArrowWrapSizeTable::boundedArrowCount(arrowCount);

    const bool editable = bounds == Bounds::Editable;
    const double mostAcross = editable ? LabelLimits::MaxHeight : LabelLimits::MaxLength;
    label.length = LabelLimits::boundedSize(length, LabelLimits::LeastSide, LabelLimits::MaxLength);
    label.height = LabelLimits::boundedSize(height, LabelLimits::LeastSide, mostAcross);
    label.arrowLength =
        LabelLimits::boundedSize(arrowLength, LabelLimits::LeastTextHeight, mostAcross);
    // No spacing is a spacing; one longer than any canvas is the canvas' limit.
    label.arrowSpacing = (std::isfinite(arrowSpacing) && arrowSpacing > 0.0)
                             ? LabelLimits::boundedSize(arrowSpacing, 0.0, LabelLimits::MaxLength)
                             : 0.0;
    return label;
}

QColor ArrowWrapLabel::drawnBackground() const
{
    return background.colorOr(Qt::white);
}

QColor ArrowWrapLabel::drawnForeground() const
{
    return foreground.colorOr(Qt::black);
}

bool ArrowWrapLabel::operator==(const ArrowWrapLabel& other) const
{
    return unitsAreInches == other.unitsAreInches && pipeDiameterIndex == other.pipeDiameterIndex &&
           length == other.length && height == other.height && arrowCount == other.arrowCount &&
           arrowSpacing == other.arrowSpacing && arrowLength == other.arrowLength &&
           background == other.background && foreground == other.foreground &&
           arrowId == other.arrowId && warning == other.warning;
}
