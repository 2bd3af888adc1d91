#ifndef COMMONLISTS_H
#define COMMONLISTS_H

#include <QString>
#include <QStringList>

// Lists shared by the suite's applications.
//
// The suite font "_Vad Ivar" is not installed on these machines; it is mapped
// (QFont::insertSubstitution) to the first installed of "DejaVu Sans" and
// "Liberation Sans", or else to the default sans family, so that labels and
// layouts see one stable set of metrics.
class CommonLists
{
public:
    CommonLists() = delete;

    static constexpr const char* SuiteFontFamily = "_Vad Ivar";

    // Registers the substitution of the suite font on the first call and
    // returns the family that stands in for it. Before the QGuiApplication
    // exists it registers nothing and returns an empty string.
    static QString ensureSuiteFontSubstitution();

    // The font families the label editor offers: "_Vad Ivar" first, then the
    // installed printer-friendly families among a fixed list of free fonts,
    // in that list's order, without duplicates. Registers the substitution as
    // a side effect. Before the QGuiApplication exists: "_Vad Ivar" alone.
    static QStringList createValidFontFamilies();

    // The free families looked for, in the order they are offered.
    static QStringList candidateFontFamilies();
};

#endif
