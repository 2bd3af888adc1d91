#include "canvas/simpletextitem.h"

#include "canvas/mvcanvasmodel.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>
#include <QtMath>

namespace {
// Stands in for a zero scale so that the item transform stays invertible (the
// scene maps mouse positions through its inverse); nothing visible is drawn.
constexpr double TinyScale = 1e-6;

double sanitizedLength(double value)
{
    return (qIsFinite(value) && value > 0.0) ? value : 0.0;
}
} // namespace

SimpleTextItem::SimpleTextItem(QGraphicsItem* parent) : TextItem(parent)
{
    applyGeometry();
}

SimpleTextItem::~SimpleTextItem() = default;

QSizeF SimpleTextItem::naturalSize() const
{
    return document()->size();
}

void SimpleTextItem::setItemSize(double width, double height)
{
    m_mode = BoxMode::Fixed;
    m_box = QSizeF(sanitizedLength(width), sanitizedLength(height));
    applyGeometry();
}

void SimpleTextItem::fitToTextHeight(double limit, double height, bool growWidth, bool shrinkWidth)
{
    if (!qIsFinite(height) || height <= 0.0) {
        qWarning("SimpleTextItem: ignoring a text height of %g", height);
        return;
    }
    m_widthLimit = sanitizedLength(limit);
    if (growWidth && shrinkWidth) {
        m_mode = BoxMode::Fitted;
        m_fitHeight = height;
        applyGeometry();
        return;
    }
    const QSizeF natural = naturalSize();
    double width = natural.height() > 0.0 ? natural.width() * height / natural.height() : 0.0;
    if (!growWidth)
        width = qMin(width, m_box.width());
    if (!shrinkWidth)
        width = qMax(width, m_box.width());
    if (m_widthLimit > 0.0)
        width = qMin(width, m_widthLimit);
    m_mode = BoxMode::Fixed;
    m_box = QSizeF(width, height);
    applyGeometry();
}

void SimpleTextItem::setStretchToFit(bool stretch)
{
    m_stretch = stretch;
    applyGeometry();
}

void SimpleTextItem::setItemRotation(double degrees)
{
    m_rotation = qIsFinite(degrees) ? degrees : 0.0;
    applyGeometry();
}

void SimpleTextItem::resetTransform()
{
    m_mode = BoxMode::Natural;
    m_rotation = 0.0;
    applyGeometry();
}

QRectF SimpleTextItem::boundingRect() const
{
    return QRectF(-m_offsetX / m_scaleX, 0.0, m_box.width() / m_scaleX, m_box.height() / m_scaleY);
}

QPainterPath SimpleTextItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

void SimpleTextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                           QWidget* widget)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    QGraphicsTextItem::paint(painter, option, widget);
    painter->restore();

    if (!isWhiteSpace(toPlainText()))
        return;
    // An empty text would be invisible and impossible to find on the canvas
    // while editing; printing and thumbnails never show the marker.
    const auto* canvas = qobject_cast<const MvCanvasModel*>(scene());
    if (!canvas || !canvas->showEmptyTextMarker() || canvas->isRenderingOutput())
        return;
    painter->save();
    QPen pen(textColor(), 0, Qt::DashLine);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(boundingRect());
    painter->restore();
}

void SimpleTextItem::textLayoutChanged()
{
    applyGeometry();
}

QVariant SimpleTextItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    // QGraphicsItem::resetTransform() is not virtual: catch it here so that a
    // reset through a base pointer also returns the item to its natural size.
    if (change == ItemTransformHasChanged && !m_applyingTransform &&
        value.value<QTransform>().isIdentity() &&
        (m_mode != BoxMode::Natural || m_rotation != 0.0)) {
        m_mode = BoxMode::Natural;
        m_rotation = 0.0;
        applyGeometry();
    }
    return TextItem::itemChange(change, value);
}

void SimpleTextItem::applyGeometry()
{
    // Reading the natural size may finish the document layout, which signals a
    // size change and would bring us back here.
    if (m_applyingTransform)
        return;
    m_applyingTransform = true;

    const QSizeF natural = naturalSize();
    const double naturalWidth = natural.width();
    const double naturalHeight = natural.height() > 0.0 ? natural.height() : 1.0;

    QSizeF box;
    switch (m_mode) {
    case BoxMode::Natural:
        box = natural;
        break;
    case BoxMode::Fitted: {
        double width = naturalWidth * m_fitHeight / naturalHeight;
        if (m_widthLimit > 0.0)
            width = qMin(width, m_widthLimit);
        box = QSizeF(width, m_fitHeight);
        break;
    }
    case BoxMode::Fixed:
        box = m_box;
        break;
    }

    double scaleY = box.height() > 0.0 ? box.height() / naturalHeight : TinyScale;
    double scaleX = scaleY;
    double offsetX = 0.0;
    if (m_mode != BoxMode::Natural) {
        if (naturalWidth > 0.0) {
            const double uniformWidth = naturalWidth * scaleY;
            if (m_stretch || uniformWidth > box.width())
                scaleX = box.width() > 0.0 ? box.width() / naturalWidth : TinyScale;
            else if (textStyleFlag())
                offsetX = (box.width() - uniformWidth) / 2.0;
        } else if (textStyleFlag()) {
            offsetX = box.width() / 2.0;
        }
    }

    prepareGeometryChange();
    m_box = box;
    m_scaleX = scaleX;
    m_scaleY = scaleY;
    m_offsetX = offsetX;

    QTransform t;
    if (m_rotation != 0.0) {
        const QPointF centre(box.width() / 2.0, box.height() / 2.0);
        t.translate(centre.x(), centre.y());
        t.rotate(m_rotation);
        t.translate(-centre.x(), -centre.y());
    }
    t.translate(offsetX, 0.0);
    t.scale(scaleX, scaleY);
    setTransform(t);
    m_applyingTransform = false;
    update();
}
