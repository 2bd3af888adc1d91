#ifndef SLOTCOLOREFFECT_H
#define SLOTCOLOREFFECT_H

#include <QColor>
#include <QGraphicsEffect>

class QGraphicsItem;

// Fills a part's slot with the colour of the tag that goes there, on the editor's
// view only: the label printed (or drawn into a file or a preview) keeps its faint
// placeholder, which no reader must take for the tag itself.
class SlotColorEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    // Set it on item (which then owns it) with QGraphicsItem::setGraphicsEffect.
    SlotColorEffect(const QGraphicsItem* item, const QColor& color);

    void setColor(const QColor& color);
    QColor color() const { return m_color; }

protected:
    void draw(QPainter* painter) override;

private:
    const QGraphicsItem* m_item = nullptr;
    QColor m_color;
};

#endif
