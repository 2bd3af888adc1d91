#include "arrowwrap/arrowwrapwarnings.h"

#include "kit/warningtexts.h"

namespace {

// The texts are the panel's: the catalogue keys them by its context.
constexpr const char* Context = "ArrowWrapEditWidget";

using namespace ArrowWrap;

const WarningTexts::Entry Warnings[] = {
    {ArrowsTooThin,
     QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Arrows Too Thin", "Editor warning message.")},
    {ArrowsDoNotFit, QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Arrows Don't Fit In Label Length",
                                        "Editor warning message.")},
    {ArrowSpacingTooLarge, QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Arrow Spacing Too Large",
                                              "Editor warning message.")},
    {ArrowsTooShort, QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Arrows Too Short To Print",
                                        "Editor warning message.")},
    {ArrowLengthExceedsWidth,
     QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Arrow Length Exceeds Label Width",
                        "Editor warning message.")},
    {LengthBelowSupply,
     QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Label Length Smaller Than Available Supply",
                        "Editor warning message.")},
    {WidthBelowSupply,
     QT_TRANSLATE_NOOP3("ArrowWrapEditWidget", "Label Width Smaller Than Available Supply",
                        "Editor warning message.")},
};

} // namespace

QString ArrowWrapWarnings::text(ArrowWrap::StatusErrorType warning)
{
    return WarningTexts::text(Context, Warnings, warning);
}

QMap<int, QString> ArrowWrapWarnings::texts()
{
    return WarningTexts::texts(Context, Warnings);
}
