#ifndef AMMONIALABEL_H
#define AMMONIALABEL_H

#include "ammonia/ammoniaparts.h"
#include "ammonia/iiarsizetable.h"
#include "kit/recordcolor.h"
#include "kit/vendrelconstants.h"

#include <QColor>
#include <QString>

// Everything an ammonia label file stores after its preview image, as a plain
// value. A default value is a new label: pipe diameter row 0, pipe marker mode, the
// row's sizes and the component marker's own, no abbreviation or component, no
// arrows, LIQ and HIGH, orange.
//
// Sizes are points. The length runs along the pipe, the height across it (what the
// user calls the label width).
struct AmmoniaLabel
{
    bool unitsAreInches = true;
    short pipeDiameterIndex = 0;
    bool pipeMarker = true;
    double length = IiarSizeTable::row(0).labelLength;
    double height = IiarSizeTable::row(0).labelHeight;
    double textHeight = IiarSizeTable::row(0).textHeight;
    double partWidth = IiarSizeTable::row(0).partWidth;
    // The arrows start as wide as the label is high.
    double arrowWidth = IiarSizeTable::row(0).labelHeight;
    double componentLength = IiarSizeTable::NewComponent.length;
    double componentHeight = IiarSizeTable::NewComponent.height;
    double componentTextHeight = IiarSizeTable::NewComponent.textHeight;
    double componentPartWidth = IiarSizeTable::NewComponent.partWidth;
    // As the label shows them: upper case, a single blank when there is none.
    QString abbreviation = QStringLiteral(" ");
    QString component = QStringLiteral(" ");
    QString fontFamily = VendrelConstants::DefaultFontFamily;
    int leftArrowId = 1; // 0 and 1: no arrow
    int rightArrowId = 1;
    bool vap = false;
    bool liq = true;
    bool high = true;
    bool low = false;
    // As the file holds it, also a value that is no colour (drawn orange, saved back
    // unchanged).
    RecordColor color = AmmoniaParts::newLabelColor();

    // How far the values of a label read from a file are bounded before use.
    enum class Bounds
    {
        // Only what cannot be drawn is replaced: a pipe diameter row the table lacks
        // is row 0; sizes that are not finite or not positive are the smallest
        // printable ones, sizes beyond any canvas the canvas' limit. Headless loaders.
        Drawable,
        // Also within the editor's caps: no label wider than the widest stock, no
        // text taller than it. The editor.
        Editable
    };

    // The label with its values bounded as asked. Arrow ids, texts and the colour
    // stay as they are, so that the label saves back unchanged.
    AmmoniaLabel bounded(Bounds bounds) const;

    // The colour to draw at either level: an invalid value is drawn orange.
    QColor drawnColor() const;

    bool operator==(const AmmoniaLabel& other) const;
    bool operator!=(const AmmoniaLabel& other) const { return !(*this == other); }
};

#endif
