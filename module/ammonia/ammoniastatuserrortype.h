#ifndef AMMONIASTATUSERRORTYPE_H
#define AMMONIASTATUSERRORTYPE_H

#include <QMetaType>

namespace AmmoniaVendrel {

// The warnings of the ammonia module. The values are ordered as the warning line
// shows them: the panel joins the texts of all warnings that are on in ascending
// value.
enum StatusErrorType : int
{
    NoError = 0,
    TextHeightTooSmall = 1,
    TextHeightBelowRecommendation = 2,
    LengthTooSmall = 3,
    LengthBelowRecommendation = 4,
    WidthBelowSupply = 5,
    WidthBelowRecommendation = 6,
    BandWidthTooSmall = 7,
    BandWidthBelowRecommendation = 8,
    BandWidthTooLarge = 9,
    ArrowWidthTooSmall = 10,
    ArrowWidthBelowRecommendation = 11,
    ArrowWidthTooLarge = 12,
    TextSpaceTooSmall = 13,
    ItemsOverlap = 14,
    AbbreviationAdded = 15,
    AbbreviationListUnavailable = 16,
    ComponentAdded = 17,
    ComponentListUnavailable = 18,
    OtherIssues = 19
};

// The loose tags of the parts. The values are bits, the same as those of the
// controller's set of parts a label carries.
enum TagType : int
{
    NoTag = 0,
    HighPressureTag = 1,
    LowPressureTag = 2,
    VapStateTag = 4,
    LiqStateTag = 8
};

} // namespace AmmoniaVendrel

Q_DECLARE_METATYPE(AmmoniaVendrel::StatusErrorType)
Q_DECLARE_METATYPE(AmmoniaVendrel::TagType)

#endif
