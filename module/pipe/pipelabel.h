#ifndef PIPELABEL_H
#define PIPELABEL_H

#include "kit/recordcolor.h"
#include "kit/vendrelconstants.h"
#include "pipe/ansisizetable.h"

#include <QColor>
#include <QLatin1String>
#include <QString>

// Everything a pipe marker label file stores after its preview image, as a plain
// value. A default value is a new label: pipe size row 1, landscape, no wrap, "Fit
// label to text", black on white, no legend, no arrows, arrows applied to both sides.
//
// Sizes are points. The length runs along the pipe, the height across it (what the
// user calls the label width).
struct PipeLabel
{
    bool unitsAreMillimetres = false;
    short pipeDiameterIndex = NewLabelRow;
    double length = AnsiSizeTable::row(NewLabelRow).labelLength;
    double height = AnsiSizeTable::row(NewLabelRow).labelHeight;
    double textHeight = AnsiSizeTable::row(NewLabelRow).textHeight;
    int resizeOption = 0; // 0 "Fit label to text", 1 "Fit text to label", 2 "None"
    bool reserved = false;
    bool portrait = false;
    bool wrap = false;
    bool top = false;
    // As the file holds them, also a value that is no colour (drawn with the
    // fallback colours below, and saved back unchanged).
    RecordColor backgroundColor = VendrelConstants::WhiteColor;
    RecordColor textColor = VendrelConstants::BlackColor;
    // Older files keep an empty text here; it has never held anything else.
    QString reservedText = QString(QLatin1String(""));
    QString legend;
    QString fontFamily = VendrelConstants::DefaultFontFamily;
    int leftArrowId = 1; // 0 and 1: no arrow
    int rightArrowId = 1;
    bool applyBothArrows = true;
    QString lastWarning;

    static constexpr short NewLabelRow = 1;

    // How far the values of a label read from a file are bounded before use.
    enum class Bounds
    {
        // Only what cannot be drawn is replaced, the rest is drawn as the file says:
        // a pipe size row the table lacks is "Custom size"; sizes that are not finite
        // or not positive are the smallest printable ones, sizes beyond any canvas
        // the canvas' limit; an unknown resize option is "Fit label to text". Headless
        // loaders.
        Drawable,
        // Also within the editor's caps: no label longer than the longest stock, no
        // label height or text height above the widest label. The editor.
        Editable
    };

    // The label with its values bounded as asked. Arrow ids and colours stay as
    // they are, so that the label saves back unchanged.
    PipeLabel bounded(Bounds bounds) const;

    // The colours to draw at either level: an invalid value is drawn white
    // (background) or black (text).
    QColor drawnBackgroundColor() const;
    QColor drawnTextColor() const;

    bool operator==(const PipeLabel& other) const;
    bool operator!=(const PipeLabel& other) const { return !(*this == other); }
};

#endif
