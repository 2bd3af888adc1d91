#include "ammonia/slotcoloreffect.h"

#include "canvas/mvcanvasmodel.h"

#include <QGraphicsItem>
#include <QPainter>

SlotColorEffect::SlotColorEffect(const QGraphicsItem* item, const QColor& color)
    : m_item(item), m_color(color)
{
}

void SlotColorEffect::setColor(const QColor& color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void SlotColorEffect::draw(QPainter* painter)
{
    // The item's scene says whether this is the editor's view or an output.
    const auto* canvas = qobject_cast<const MvCanvasModel*>(m_item->scene());
    const bool fill = canvas && !canvas->isRenderingOutput();
    if (fill)
        painter->fillRect(sourceBoundingRect(Qt::LogicalCoordinates), m_color);
    // The part is drawn in device pixels, as sharp as without the effect.
    QPoint offset;
    const QPixmap drawing = sourcePixmap(Qt::DeviceCoordinates, &offset, NoPad);
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawPixmap(offset, drawing);
    painter->restore();
}
