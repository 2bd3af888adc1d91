#include "pipe/pipelabel.h"

#include "kit/labellimits.h"
#include "pipe/vendrelcommoncontroller.h"

#include <QtMath>

namespace {
double boundedSize(double value, double least, double most)
{
    if (!qIsFinite(value) || value <= 0.0)
        return least;
    return qMin(value, most);
}
} // namespace

PipeLabel PipeLabel::bounded(Bounds bounds) const
{
    PipeLabel label = *this;
    label.pipeDiameterIndex = static_cast<short>(AnsiSizeTable::boundedRow(pipeDiameterIndex));

    const AnsiSizeTable::Row& least = AnsiSizeTable::row(AnsiSizeTable::CustomSizeRow);
    // Nothing is drawn beyond the canvas' own limit; the editor also keeps to what
    // its fields take, and no text is taller than the widest label.
    const bool editable = bounds == Bounds::Editable;
    const double mostAcross = editable ? LabelLimits::MaxHeight : LabelLimits::MaxLength;
    label.length = boundedSize(length, least.labelLength, LabelLimits::MaxLength);
    label.height = boundedSize(height, least.labelHeight, mostAcross);
    label.textHeight = boundedSize(textHeight, least.textHeight, mostAcross);

    const bool knownOption = resizeOption >= VendrelCommonController::FitLabelToText &&
                             resizeOption <= VendrelCommonController::NoResize;
    label.resizeOption = knownOption ? resizeOption : VendrelCommonController::FitLabelToText;
    return label;
}

QColor PipeLabel::drawnBackgroundColor() const
{
    return backgroundColor.colorOr(VendrelConstants::WhiteColor);
}

QColor PipeLabel::drawnTextColor() const
{
    return textColor.colorOr(VendrelConstants::BlackColor);
}

bool PipeLabel::operator==(const PipeLabel& other) const
{
    return unitsAreMillimetres == other.unitsAreMillimetres &&
           pipeDiameterIndex == other.pipeDiameterIndex && length == other.length &&
           height == other.height && textHeight == other.textHeight &&
           resizeOption == other.resizeOption && reserved == other.reserved &&
           portrait == other.portrait && wrap == other.wrap && top == other.top &&
           backgroundColor == other.backgroundColor && textColor == other.textColor &&
           reservedText == other.reservedText && legend == other.legend &&
           fontFamily == other.fontFamily && leftArrowId == other.leftArrowId &&
           rightArrowId == other.rightArrowId && applyBothArrows == other.applyBothArrows &&
           lastWarning == other.lastWarning;
}
