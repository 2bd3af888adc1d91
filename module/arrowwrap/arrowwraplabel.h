#ifndef ARROWWRAPLABEL_H
#define ARROWWRAPLABEL_H

#include "arrowwrap/arrowwrapsizetable.h"
#include "kit/recordcolor.h"

#include <QColor>
#include <QString>

// Everything an arrow wrap file stores after its preview image, as a plain value. A
// default value is a new label: pipe diameter row 0 with its sizes and count, the
// first arrow of the symbols, black arrows on a white band, no warning.
//
// Sizes are points. The length runs around the pipe (canvas x), the height along it
// (canvas y; what the user calls the wrap width).
struct ArrowWrapLabel
{
    // The first arrow a user can choose; 1 is the no-arrow entry.
    static constexpr int DefaultArrowId = 2;

    bool unitsAreInches = true;
    short pipeDiameterIndex = 0;
    double length = ArrowWrapSizeTable::row(0).labelLength;
    double height = ArrowWrapSizeTable::row(0).labelHeight;
    int arrowCount = ArrowWrapSizeTable::row(0).arrowCount;
    double arrowSpacing = ArrowWrapSizeTable::row(0).arrowSpacing;
    double arrowLength = ArrowWrapSizeTable::row(0).arrowLength;
    // As the file holds them, also values that are no colour (drawn with the new
    // label's colours, saved back unchanged).
    RecordColor background = QColor(Qt::white);
    RecordColor foreground = QColor(Qt::black);
    int arrowId = DefaultArrowId;
    // The warning text the label had when it was saved.
    QString warning;

    enum class Bounds
    {
        // Only what cannot be drawn is replaced: a pipe diameter row the table lacks
        // is row 0; sizes that are not finite or not positive are the smallest
        // printable ones, sizes beyond any canvas the canvas' limit; a spacing that is
        // not finite or negative is none; the count stays within the count field's
        // range. Headless loaders.
        Drawable,
        // Also within the editor's caps: no wrap and no arrow longer across the band
        // than the widest stock. The editor.
        Editable
    };

    // The label with its values bounded as asked. The arrow id, the colours and the
    // warning stay as they are, so that the label saves back unchanged.
    ArrowWrapLabel bounded(Bounds bounds) const;

    // The colours to draw at either level: values that are no colour are drawn as
    // on a new label.
    QColor drawnBackground() const;
    QColor drawnForeground() const;

    bool operator==(const ArrowWrapLabel& other) const;
    bool operator!=(const ArrowWrapLabel& other) const { return !(*this == other); }
};

#endif
