#ifndef SVGFONTFAMILIES_H
#define SVGFONTFAMILIES_H

#include <QByteArray>
#include <QString>

// An SVG drawing names the families its texts asked for; the labels ask for the
// suite family, which exists only as a substitution inside this program. Named
// instead: the family the text was really laid out with, then the generic family
// of its kind, so another machine draws it the same or as near as it can.
class SvgFontFamilies
{
public:
    // "'DejaVu Sans', sans-serif" for the suite family on a machine whose
    // substitute is DejaVu Sans.
    static QString portableList(const QString& requestedFamily);
    // Every font-family attribute of the drawing replaced by its portable list.
    static QByteArray rewrite(const QByteArray& svg);
};

#endif
