#ifndef VENDRELSTATUSERRORTYPE_H
#define VENDRELSTATUSERRORTYPE_H

#include <QMetaType>

// The warnings of the pipe marker. The values are ordered as the warning line shows
// them: the panel joins the texts of all warnings that are on in ascending value.
namespace Vendrel {

enum StatusErrorType : int
{
    NoError = 0,
    TextHeightTooSmall = 1,
    TextHeightBelowRecommendation = 2,
    TextExceedsLength = 3,
    TextArrowsOverlap = 4,
    TextSpaceTooSmall = 5,
    LengthTooSmall = 6,
    LengthBelowRecommendation = 7,
    WidthBelowSupply = 8,
    WidthBelowRecommendation = 9,
    OtherIssues = 10
};

} // namespace Vendrel

Q_DECLARE_METATYPE(Vendrel::StatusErrorType)

#endif
