#include "canvas/symbolitem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>
#include <QtMath>

namespace {
// Bounds the recoloured image of one symbol; a print at a high resolution gets
// a slightly softer edge instead of a huge allocation.
constexpr int MaxDrawingPixels = 4096;

double sanitizedLength(double value)
{
    return (qIsFinite(value) && value > 0.0) ? value : 0.0;
}
} // namespace

SymbolItem::SymbolItem(const QByteArray& data, QGraphicsItem* parent)
    : QGraphicsObject(parent), m_renderer(new QSvgRenderer(this))
{
    setFlag(QGraphicsItem::ItemSendsGeometryChanges, true);
    reloadItemFromData(data);
    if (m_renderer->isValid())
        m_size = m_renderer->viewBoxF().size();
}

SymbolItem::~SymbolItem() = default;

void SymbolItem::reloadItemFromData(const QByteArray& data)
{
    m_data = data;
    m_cache = QImage();
    // Empty data is a blank symbol, not a broken one: leave the renderer alone,
    // hasDrawing() looks at the data first.
    if (!data.isEmpty() && !m_renderer->load(data))
        qWarning("SymbolItem: the symbol data is not a readable SVG drawing (%d bytes)",
                 int(data.size()));
    update();
}

bool SymbolItem::hasDrawing() const
{
    return !m_data.isEmpty() && m_renderer->isValid();
}

void SymbolItem::setItemSize(double width, double height)
{
    prepareGeometryChange();
    m_size = QSizeF(sanitizedLength(width), sanitizedLength(height));
    m_cache = QImage();
    applyRotation();
    update();
}

void SymbolItem::setItemRotation(double degrees)
{
    m_rotation = qIsFinite(degrees) ? degrees : 0.0;
    applyRotation();
}

void SymbolItem::setForegroundColor(const QColor& color)
{
    m_foreground = color;
    update();
}

void SymbolItem::setBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

SymbolItem* SymbolItem::copy() const
{
    auto* item = new SymbolItem(m_data);
    item->setItemSize(m_size.width(), m_size.height());
    item->setForegroundColor(m_foreground);
    item->setBackgroundColor(m_background);
    item->setItemRotation(m_rotation);
    item->setItemId(itemId());
    item->setPos(pos());
    item->setZValue(zValue());
    item->setVisible(isVisible());
    item->setEnabled(isEnabled());
    item->setAcceptedMouseButtons(acceptedMouseButtons());
    return item;
}

QRectF SymbolItem::boundingRect() const
{
    return QRectF(QPointF(0.0, 0.0), m_size);
}

void SymbolItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!hasDrawing() || m_size.isEmpty())
        return;

    const QRectF rect = boundingRect();
    if (m_background.alpha() > 0)
        painter->fillRect(rect, m_background);

    // Render at the resolution the painter will show, so that the symbol stays
    // sharp when the view zooms in or the canvas is printed.
    const QTransform device = painter->deviceTransform();
    const double scaleX = qSqrt(device.m11() * device.m11() + device.m12() * device.m12());
    const double scaleY = qSqrt(device.m21() * device.m21() + device.m22() * device.m22());
    QSize pixels(qCeil(rect.width() * scaleX), qCeil(rect.height() * scaleY));
    if (pixels.width() > MaxDrawingPixels || pixels.height() > MaxDrawingPixels)
        pixels.scale(MaxDrawingPixels, MaxDrawingPixels, Qt::KeepAspectRatio);
    pixels = pixels.expandedTo(QSize(1, 1));

    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(rect, tintedDrawing(pixels));
    painter->restore();
}

QImage SymbolItem::tintedDrawing(const QSize& pixels) const
{
    if (m_cache.size() == pixels && m_cacheColor == m_foreground.rgba())
        return m_cache;

    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    m_renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    // Keep only the drawing's coverage and give it the foreground colour.
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), m_foreground);
    p.end();

    m_cache = image;
    m_cacheColor = m_foreground.rgba();
    return m_cache;
}

QVariant SymbolItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemTransformHasChanged && !m_applyingTransform &&
        value.value<QTransform>().isIdentity())
        m_rotation = 0.0;
    return QGraphicsObject::itemChange(change, value);
}

void SymbolItem::applyRotation()
{
    QTransform t;
    if (m_rotation != 0.0) {
        const QPointF centre = boundingRect().center();
        t.translate(centre.x(), centre.y());
        t.rotate(m_rotation);
        t.translate(-centre.x(), -centre.y());
    }
    m_applyingTransform = true;
    setTransform(t);
    m_applyingTransform = false;
}
