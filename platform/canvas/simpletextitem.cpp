#include "canvas/simpletextitem.h"

#include "canvas/mvcanvasmodel.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStyleOptionGraphicsItem>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

namespace {
// Stands in for a zero scale so that the item transform stays invertible (the
// scene maps mouse positions through its inverse); nothing visible is drawn.
constexpr double TinyScale = 1e-6;

// Beyond this ratio of horizontal to vertical scale the text is filled as an
// outline instead of through the paint engine's glyph cache: the font
// rasteriser fails on glyphs a few hundred times wider than high (from a ratio
// of about 500 on), and the raster engine then reads a glyph that was never
// made and crashes. Ordinary labels stay far below the bound and keep the
// cached glyphs they have always been drawn with.
constexpr double MaxCachedStretch = 64.0;

double sanitizedLength(double value)
{
    return (qIsFinite(value) && value > 0.0) ? value : 0.0;
}

// How much the painter widens the item's x axis compared with its y axis, in
// the painter's own device: the stretch the glyph cache would have to render.
double horizontalStretch(const QTransform& device)
{
    const double scaleX = qSqrt(device.m11() * device.m11() + device.m12() * device.m12());
    const double scaleY = qSqrt(device.m21() * device.m21() + device.m22() * device.m22());
    return scaleY > 0.0 ? scaleX / scaleY : qInf();
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
    const double stretch = horizontalStretch(painter->deviceTransform());
    if (stretch <= MaxCachedStretch) {
        QGraphicsTextItem::paint(painter, option, widget);
    } else if (qIsFinite(stretch)) { // a painter that flattens the text away draws nothing
        painter->fillPath(textOutline(), textColor());
        if (option && (option->state & (QStyle::State_Selected | QStyle::State_HasFocus))) {
            QPen pen(textColor(), 0, Qt::DashLine);
            pen.setCosmetic(true);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(boundingRect());
        }
    }
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

QPainterPath SimpleTextItem::textOutline() const
{
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        const QPointF origin = layout->position();
        // A block's layout holds no text of its own (it reads the document's),
        // so the runs are taken line by line.
        for (int line = 0; line < layout->lineCount(); ++line) {
            const QList<QGlyphRun> runs = layout->lineAt(line).glyphRuns();
            for (const QGlyphRun& run : runs) {
                const QRawFont font = run.rawFont();
                const QVector<quint32> glyphs = run.glyphIndexes();
                const QVector<QPointF> positions = run.positions();
                for (int i = 0; i < glyphs.size() && i < positions.size(); ++i)
                    outline.addPath(
                        font.pathForGlyph(glyphs.at(i)).translated(origin + positions.at(i)));
            }
        }
    }
    return outline;
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
