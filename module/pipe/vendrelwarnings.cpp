#include "pipe/vendrelwarnings.h"

#include "kit/warningtexts.h"

namespace {

// The catalogue knows these texts under the panel's context, where they were
// first written; the context and the comment are part of their key.
constexpr const char* Context = "VendrelEditWidget";

const WarningTexts::Entry Warnings[] = {
    {Vendrel::TextHeightTooSmall,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Text Height Too Small To Print",
                        "Editor warning message.")},
    {Vendrel::TextHeightBelowRecommendation,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Text Height Smaller Than ANSI Recommendations",
                        "Editor warning message.")},
    {Vendrel::TextExceedsLength,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Text Exceeds Canvas Length",
                        "Editor warning message.")},
    {Vendrel::TextArrowsOverlap,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Text And Arrows Overlap", "Editor warning message.")},
    {Vendrel::TextSpaceTooSmall,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Text Space Too Small To Print",
                        "Editor warning message.")},
    {Vendrel::LengthTooSmall,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Label Length Too Small To Print",
                        "Editor warning message.")},
    {Vendrel::LengthBelowRecommendation,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Label Length Smaller Than ANSI Recommendations",
                        "Editor warning message.")},
    {Vendrel::WidthBelowSupply,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Label Width Smaller Than Available Supply",
                        "Editor warning message.")},
    {Vendrel::WidthBelowRecommendation,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Label Width Smaller Than ANSI Recommendations",
                        "Editor warning message.")},
    {Vendrel::OtherIssues,
     QT_TRANSLATE_NOOP3("VendrelEditWidget", "Other Issues Possibly Printer Related",
                        "Editor warning message.")},
};

} // namespace

QString VendrelWarnings::text(Vendrel::StatusErrorType warning)
{
    return WarningTexts::text(Context, Warnings, warning);
}

QMap<int, QString> VendrelWarnings::texts()
{
    return WarningTexts::texts(Context, Warnings);
}
