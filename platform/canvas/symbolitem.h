#ifndef SYMBOLITEM_H
#define SYMBOLITEM_H

#include "canvas/item.h"

#include <QByteArray>
#include <QColor>
#include <QGraphicsObject>
#include <QImage>
#include <QTransform>

class QSvgRenderer;

// A symbol (arrow, state or pressure part) drawn from SVG bytes.
//
// The drawing is stretched to the item size (an arrow set to 45 x 20 is 45 long
// and 20 wide whatever the SVG's own proportions) and recoloured: every painted
// part of the SVG takes the foreground colour, with the SVG's own coverage as
// its opacity, over a rectangle of the background colour. A transparent
// background paints no fill. An empty byte array draws nothing at all, not even
// the background; SVG bytes that cannot be read draw nothing as well and are
// reported once with qWarning.
//
// Rotation turns the item about the centre of its box, also after a later
// resize. QGraphicsItem::resetTransform() removes the rotation and keeps the
// size.
class SymbolItem : public QGraphicsObject, public Item
{
    Q_OBJECT
public:
    enum
    {
        Type = QGraphicsItem::UserType + 1
    };

    explicit SymbolItem(const QByteArray& data = QByteArray(), QGraphicsItem* parent = nullptr);
    ~SymbolItem() override;

    int type() const override { return Type; }

    void reloadItemFromData(const QByteArray& data);
    QByteArray symbolData() const { return m_data; }
    // False for empty or unreadable data.
    bool hasDrawing() const;

    // Negative or not finite values count as 0.
    void setItemSize(double width, double height);
    QSizeF getItemSize() const override { return m_size; }

    void setItemRotation(double degrees);
    double itemRotation() const { return m_rotation; }

    void setForegroundColor(const QColor& color);
    QColor foregroundColor() const { return m_foreground; }
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return m_background; }

    // A new item, in no scene and without parent, with the same drawing, size,
    // colours, rotation, position, visibility and id; the caller owns it until it
    // adds it to a scene.
    SymbolItem* copy() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void applyRotation();
    // The recoloured drawing of the item box as `toImage` maps it onto an image
    // of `size` pixels; the same picture for every item that asks the same.
    QImage tintedDrawing(const QTransform& toImage, const QSize& size) const;

    QByteArray m_data;
    QSvgRenderer* m_renderer = nullptr;
    QSizeF m_size{0.0, 0.0};
    double m_rotation = 0.0;
    QColor m_foreground = Qt::black;
    QColor m_background = Qt::transparent;
    bool m_applyingTransform = false;
};

#endif
