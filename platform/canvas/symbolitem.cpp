#include "canvas/symbolitem.h"

#include "canvas/symbolpicturecache.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>

namespace {
// Bounds the side of the recoloured image of one symbol.
constexpr int MaxDrawingPixels = 4096;
// Where a picture starts within its first pixel, in steps of this fraction of a
// pixel: the same symbol on another page or at another place then gets the same
// picture, shifted by less than a thirty-second of a pixel.
constexpr double PixelSteps = 16.0;

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

    // The drawing is rendered in the painter's own device pixels, so that it
    // stays sharp when the view zooms in or the canvas is printed, and only
    // where it can be seen: a symbol far larger than the label costs no more
    // than the part of the output it covers.
    const QTransform device = painter->deviceTransform();
    if (!device.isInvertible())
        return;
    QRectF visible = device.mapRect(rect);
    if (const QPaintDevice* target = painter->device()) {
        const double ratio = qMax(1.0, target->devicePixelRatioF());
        // A widget painted into its window's backing store reports itself as the
        // device while the device transform already carries its offset in that
        // store: its area is where that offset puts it.
        const QTransform world = painter->worldTransform();
        const QTransform offset = world.isInvertible() ? world.inverted() * device : QTransform();
        if (target->width() > 0 && target->height() > 0)
            visible &=
                offset.mapRect(QRectF(0.0, 0.0, target->width() * ratio, target->height() * ratio));
    }
    if (painter->hasClipping())
        visible &= device.mapRect(painter->clipBoundingRect());
    const QRect pixels = visible.toAlignedRect();
    if (pixels.isEmpty())
        return;

    // A print at a very high resolution gets a slightly softer edge instead of
    // a huge allocation.
    const double reduce =
        qMin(1.0, double(MaxDrawingPixels) / qMax(pixels.width(), pixels.height()));
    QTransform toImage = device * QTransform::fromTranslate(-pixels.x(), -pixels.y()) *
                         QTransform::fromScale(reduce, reduce);
    toImage.setMatrix(toImage.m11(), toImage.m12(), toImage.m13(), toImage.m21(), toImage.m22(),
                      toImage.m23(), std::round(toImage.dx() * PixelSteps) / PixelSteps,
                      std::round(toImage.dy() * PixelSteps) / PixelSteps, toImage.m33());
    const QSize imageSize(qMax(1, qCeil(pixels.width() * reduce)),
                          qMax(1, qCeil(pixels.height() * reduce)));
    const QImage drawing = tintedDrawing(toImage, imageSize);

    // The image is placed through the item's own coordinates, which toImage
    // maps onto its pixels.
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->setWorldTransform(toImage.inverted() * painter->worldTransform());
    painter->drawImage(QPointF(0.0, 0.0), drawing);
    painter->restore();
}

QImage SymbolItem::tintedDrawing(const QTransform& toImage, const QSize& size) const
{
    const SymbolPictureCache::Key key{m_data, m_size, toImage, size, m_foreground.rgba()};
    QImage image = SymbolPictureCache::find(key);
    if (!image.isNull())
        return image;

    image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setTransform(toImage);
    m_renderer->render(&p, boundingRect());
    // Keep only the drawing's coverage and give it the foreground colour.
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), m_foreground);
    p.end();
    SymbolPictureCache::keep(key, image);
    return image;
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
