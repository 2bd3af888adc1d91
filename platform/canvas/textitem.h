#ifndef TEXTITEM_H
#define TEXTITEM_H

#include "canvas/item.h"

#include <QColor>
#include <QGraphicsTextItem>

// The family of canvas text items: a QGraphicsTextItem whose document has no
// margin, so the item's natural size is exactly the size of its laid-out text.
//
// Font sizes are canvas units. setFontPointSize(12) gives a font whose em is 12
// canvas units, that is 12 pt on the printed label, on every screen and printer
// (the font is sized in pixels of the item's own coordinates, which the canvas
// maps to points), so layouts measured on screen hold on paper.
//
// Text items are created editable; the label modules edit their texts through
// their panels and call setTextReadOnly().
class TextItem : public QGraphicsTextItem, public Item
{
    Q_OBJECT
public:
    explicit TextItem(QGraphicsItem* parent = nullptr);
    ~TextItem() override;

    // True when the text holds nothing but white space (an empty text too).
    static bool isWhiteSpace(const QString& text);

    void setTextReadOnly();
    void setTextEditable();
    bool isTextReadOnly() const;

    void setFontFamily(const QString& family);
    // Sizes below 1 are raised to 1.
    void setFontPointSize(int size);
    int fontPointSize() const;

    void setTextColor(const QColor& color);
    QColor textColor() const;

    // The label lettering style: with the flag, a text narrower than its item
    // box is centred in it; without it, the text starts at the box's left edge.
    void setTextStyleFlag(bool labelStyle);
    bool textStyleFlag() const { return m_textStyleFlag; }

    // Records that the item belongs to a portrait label. The drawing does not
    // change: the quarter turn itself is the item's rotation, which the layout
    // sets with setItemRotation.
    void setVertical(bool vertical);
    bool isVertical() const { return m_vertical; }

protected:
    // Called whenever the text, the font or a layout flag changed, so that a
    // derived item can adapt its geometry. Not pure: it may run while the item
    // is being torn down.
    virtual void textLayoutChanged();

private:
    bool m_textStyleFlag = false;
    bool m_vertical = false;
};

#endif
