#include "ammonia/ammoniawarnings.h"

#include "kit/warningtexts.h"

namespace {

// The texts are the panel's: the catalogue keys them by its context.
constexpr const char* Context = "AmmoniaEditWidget";

using namespace AmmoniaVendrel;

// The "ANSI" of the width and text height texts is how users know these warnings;
// the sizes themselves follow the IIAR table.
const WarningTexts::Entry Warnings[] = {
    {TextHeightTooSmall, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Text Height Too Small To Print",
                                            "Editor warning message.")},
    {TextHeightBelowRecommendation,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Text Height Smaller Than ANSI Recommendations",
                        "Editor warning message.")},
    {LengthTooSmall, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Label Length Too Small To Print",
                                        "Editor warning message.")},
    {LengthBelowRecommendation,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Label Length Smaller Than ANSI Recommendations",
                        "Editor warning message.")},
    {WidthBelowSupply,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Label Width Smaller Than Available Supply",
                        "Editor warning message.")},
    {WidthBelowRecommendation,
     {QT_TRANSLATE_NOOP("AmmoniaEditWidget", "Label Width Smaller Than ANSI Recommendations"),
      nullptr}},
    {BandWidthTooSmall, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Band Width Too Small To Print",
                                           "Editor warning message.")},
    {BandWidthBelowRecommendation,
     {QT_TRANSLATE_NOOP("AmmoniaEditWidget", "Band Width Smaller than IIAR Recommendations"),
      nullptr}},
    {BandWidthTooLarge, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Band Width Too Large To Print",
                                           "Editor warning message.")},
    {ArrowWidthTooSmall, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Arrow Width Too Small To Print",
                                            "Editor warning message.")},
    {ArrowWidthBelowRecommendation,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Arrow Width Smaller than IIAR Recommendations",
                        "Editor warning message.")},
    {ArrowWidthTooLarge, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Arrow Width Too Large To Print",
                                            "Editor warning message.")},
    {TextSpaceTooSmall, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Text Space Too Small, Illegible",
                                           "Editor warning message.")},
    {ItemsOverlap,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Items Overlap", "Editor warning message.")},
    {AbbreviationAdded,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Abbreviation Not Found - Added To List",
                        "Editor warning message.")},
    {AbbreviationListUnavailable,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Unable To Load Abbreviation List",
                        "Editor warning message.")},
    {ComponentAdded, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Component Not Found - Added To List",
                                        "Editor warning message.")},
    {ComponentListUnavailable,
     QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Unable To Load Component List",
                        "Editor warning message.")},
    {OtherIssues, QT_TRANSLATE_NOOP3("AmmoniaEditWidget", "Other Issues Possibly Printer Related",
                                     "Editor warning message.")},
};

} // namespace

QString AmmoniaWarnings::text(AmmoniaVendrel::StatusErrorType warning)
{
    return WarningTexts::text(Context, Warnings, warning);
}

QMap<int, QString> AmmoniaWarnings::texts()
{
    return WarningTexts::texts(Context, Warnings);
}
