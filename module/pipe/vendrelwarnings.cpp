#include "pipe/vendrelwarnings.h"

#include <QCoreApplication>

namespace {

// The catalogue knows these texts under the panel's context, where they were
// first written; the context and the comment are part of their key.
constexpr const char* Context = "VendrelEditWidget";

struct Warning
{
    Vendrel::StatusErrorType type;
    struct
    {
        const char* source;
        const char* comment;
    } text;
};

const Warning Warnings[] = {
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

QString translated(const Warning& warning)
{
    return QCoreApplication::translate(Context, warning.text.source, warning.text.comment);
}

} // namespace

QString VendrelWarnings::text(Vendrel::StatusErrorType warning)
{
    for (const Warning& entry : Warnings) {
        if (entry.type == warning)
            return translated(entry);
    }
    return QString();
}

QMap<int, QString> VendrelWarnings::texts()
{
    QMap<int, QString> texts;
    for (const Warning& entry : Warnings)
        texts.insert(entry.type, translated(entry));
    return texts;
}
