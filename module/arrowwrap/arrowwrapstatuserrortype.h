#ifndef ARROWWRAPSTATUSERRORTYPE_H
#define ARROWWRAPSTATUSERRORTYPE_H

// The arrow wrap's warnings. The numbers order the warning text: a warning with a
// lower number is named first.
namespace ArrowWrap {

enum StatusErrorType : int
{
    NoError = 0, // never on; fills the spare places of a report
    ArrowsTooThin,
    ArrowsDoNotFit,
    ArrowSpacingTooLarge,
    ArrowsTooShort,
    ArrowLengthExceedsWidth,
    LengthBelowSupply,
    WidthBelowSupply
};

} // namespace ArrowWrap

#endif
