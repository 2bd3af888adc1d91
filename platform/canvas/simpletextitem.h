#ifndef SIMPLETEXTITEM_H
#define SIMPLETEXTITEM_H

#include "canvas/textitem.h"

#include <QSizeF>

// A legend text on the canvas: one line of text (more lines are kept as
// QGraphicsTextItem lays them out) shown in an item box.
//
// Text height. The text height of an item is the line height of its text:
// QFontMetricsF::height() of its font, ascent plus descent, from the top of the
// tallest accent to the bottom of the descenders. It is not the capital
// height: a capital letter covers a font-dependent part of it (about 0.6 for
// common sans fonts). A layout that wants capitals of height c divides the
// line height by the capital height measured in the same font and multiplies
// by c. getItemSize().height() is the height of the whole laid-out text, which
// for one line is exactly this text height: a text fitted to 36 reports 36 and
// its line box is drawn 36 high. Measure cap heights on font() right after
// resetTransform(), when the item is at its natural size.
//
// Geometry. The text is laid out at the item's font (its natural size); the item
// box is reached through the item's transform, which scales the natural text
// (and, after setItemRotation, turns it about the box centre). Therefore
// resetTransform() returns the item to its natural size, unturned, which is
// what the layouts rely on before measuring it again. The box is one of:
//  - natural (after creation and resetTransform()): the box is the natural text
//    size and follows the text;
//  - fitted (fitToTextHeight with both flags): the text height is fixed, the box
//    width follows the text up to the width limit;
//  - fixed (setItemSize, or fitToTextHeight with a flag off): the box stays.
// In a box of height h the text is drawn h high. Horizontally, with stretch to
// fit the glyphs are stretched or compressed to fill the box width exactly;
// without it the text keeps its proportions, is compressed only when it is
// wider than the box, and otherwise is centred (text style flag) or starts at
// the left edge.
//
// boundingRect() is the box in item coordinates, so sceneBoundingRect() is the
// box on the canvas and paint() through a painter carrying transform() draws
// the text exactly into a (box width x box height) image. Text stretched far
// wider than high is filled as glyph outlines, which the glyph cache of the
// raster engine cannot render; it looks the same, and never crashes.
class SimpleTextItem : public TextItem
{
    Q_OBJECT
public:
    enum
    {
        Type = QGraphicsItem::UserType + 21
    };

    explicit SimpleTextItem(QGraphicsItem* parent = nullptr);
    ~SimpleTextItem() override;

    int type() const override { return Type; }

    QSizeF getItemSize() const override { return m_box; }
    // The size of the text at its font, before any scaling.
    QSizeF naturalSize() const;

    // Fixes the box. Negative or not finite values count as 0.
    void setItemSize(double width, double height);

    // The text takes the given height; the box width follows the text but never
    // passes limit (a longer text is compressed horizontally). growWidth allows
    // the box to become wider than it is now, shrinkWidth narrower; with both the
    // box keeps following the text afterwards. A height that is not positive and
    // finite is ignored (the call changes nothing).
    void fitToTextHeight(double limit, double height, bool growWidth, bool shrinkWidth);

    void setStretchToFit(bool stretch);
    bool stretchToFit() const { return m_stretch; }

    // Turns the item about the centre of its box, in degrees (positive is
    // clockwise on the canvas, as QGraphicsItem rotations are).
    void setItemRotation(double degrees);
    double itemRotation() const { return m_rotation; }

    // Back to the natural size, unturned. QGraphicsItem::resetTransform() called
    // through a base pointer has the same effect.
    void resetTransform();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void textLayoutChanged() override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    enum class BoxMode
    {
        Natural,
        Fitted,
        Fixed
    };

    void applyGeometry();
    // The laid-out text as glyph outlines, in item coordinates.
    QPainterPath textOutline() const;

    BoxMode m_mode = BoxMode::Natural;
    QSizeF m_box;
    double m_fitHeight = 0.0;
    double m_widthLimit = 0.0; // 0: no limit
    bool m_stretch = false;
    double m_rotation = 0.0;

    // Derived from the above by applyGeometry().
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    double m_offsetX = 0.0;
    bool m_applyingTransform = false;
};

#endif
