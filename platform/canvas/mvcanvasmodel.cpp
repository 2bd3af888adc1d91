#include "canvas/mvcanvasmodel.h"

#include "canvas/item.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"

#include <QPainter>
#include <QtMath>

namespace {
constexpr double DefaultSceneLimit = 13824.0; // 192 inches
constexpr double ViewMarginShare = 0.03;

double sanitizedLimit(double value)
{
    return (qIsFinite(value) && value > 0.0) ? value : DefaultSceneLimit;
}

// Fits size into target keeping its proportions, centred.
QRectF fittedRect(const QSizeF& size, const QRectF& target)
{
    const QSizeF scaled = size.scaled(target.size(), Qt::KeepAspectRatio);
    return QRectF(target.x() + (target.width() - scaled.width()) / 2.0,
                  target.y() + (target.height() - scaled.height()) / 2.0, scaled.width(),
                  scaled.height());
}
} // namespace

MvCanvasModel::MvCanvasModel(const QList<QColor>& palette, double sceneLimitWidth,
                             double sceneLimitHeight, double canvasWidth, double canvasHeight,
                             QObject* parent)
    : QGraphicsScene(parent), m_palette(palette),
      m_sceneLimits(sanitizedLimit(sceneLimitWidth), sanitizedLimit(sceneLimitHeight))
{
    // The default BSP index stays: without an index, items(order) ignores the
    // order, and callers rely on real stacking order in both directions.
    setSceneRect(-m_sceneLimits.width(), -m_sceneLimits.height(), 3.0 * m_sceneLimits.width(),
                 3.0 * m_sceneLimits.height());
    if (!palette.isEmpty())
        m_defaultPenColor = palette.at(0);
    if (palette.size() > 1)
        m_backgroundColor = palette.at(1);
    setCanvasSize(canvasWidth, canvasHeight, false);
}

MvCanvasModel::~MvCanvasModel() = default;

void MvCanvasModel::setCanvasSize(double width, double height, bool notify)
{
    if (!qIsFinite(width) || !qIsFinite(height)) {
        qWarning("MvCanvasModel: ignoring a canvas size of %g x %g", width, height);
        return;
    }
    m_canvasSize = QSizeF(qBound(0.0, width, m_sceneLimits.width()),
                          qBound(0.0, height, m_sceneLimits.height()));
    invalidate(sceneRect(), QGraphicsScene::BackgroundLayer);
    if (notify)
        emit canvasSizeChangedSignal(m_canvasSize);
}

QRectF MvCanvasModel::getTotalCanvasRect() const
{
    const double margin = ViewMarginShare * qMax(m_canvasSize.width(), m_canvasSize.height());
    return getCanvasRect().adjusted(-margin, -margin, margin, margin);
}

void MvCanvasModel::setCanvasBackgroundColor(const QColor& color)
{
    m_backgroundColor = color;
    invalidate(sceneRect(), QGraphicsScene::BackgroundLayer);
}

void MvCanvasModel::setCanvasDefaultPenColor(const QColor& color)
{
    m_defaultPenColor = color;
}

void MvCanvasModel::setShowEmptyTextMarker(bool show)
{
    m_showEmptyTextMarker = show;
    update();
}

void MvCanvasModel::addSymbolItem(const QByteArray& data)
{
    auto* item = new SymbolItem(data);
    item->setForegroundColor(m_defaultPenColor);
    item->setBackgroundColor(Qt::transparent);
    addOnTop(item);
}

void MvCanvasModel::addGenericItem(int type, QString text, bool visible, QPointF pos,
                                   double rotation, short id, bool readOnly)
{
    if (type != SimpleTextType) {
        qWarning("MvCanvasModel: cannot add a generic item of type %d", type);
        return;
    }
    auto* item = new SimpleTextItem;
    item->setTextColor(m_defaultPenColor);
    item->setPlainText(text);
    item->setVisible(visible);
    item->setPos(pos);
    if (rotation != 0.0)
        item->setItemRotation(rotation);
    item->setItemId(id);
    if (readOnly)
        item->setTextReadOnly();
    addOnTop(item);
}

QImage MvCanvasModel::createIcon(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    renderCanvas(&painter, QRectF(0.0, 0.0, width, height));
    painter.end();
    return image;
}

void MvCanvasModel::renderCanvas(QPainter* painter, const QRectF& target)
{
    if (!painter || m_canvasSize.isEmpty() || target.isEmpty())
        return;
    m_renderingOutput = true;
    render(painter, fittedRect(m_canvasSize, target), getCanvasRect(), Qt::IgnoreAspectRatio);
    m_renderingOutput = false;
}

void MvCanvasModel::clearScene()
{
    deleteAllItems();
    m_canvasHasChanged = true;
}

void MvCanvasModel::clearSceneLocal()
{
    deleteAllItems();
}

void MvCanvasModel::updateSceneMap()
{
    m_sceneMap.clear();
    const QList<QGraphicsItem*> all = items(Qt::AscendingOrder);
    for (QGraphicsItem* item : all) {
        if (const auto* canvasItem = dynamic_cast<const Item*>(item))
            m_sceneMap.insert(canvasItem->itemId(), item);
    }
}

QGraphicsItem* MvCanvasModel::itemFromId(short id) const
{
    const QList<QGraphicsItem*> candidates = m_sceneMap.values(id);
    if (candidates.isEmpty())
        return nullptr;
    // The snapshot may be older than the scene: only answer with items that
    // are still here and still carry the id.
    const QList<QGraphicsItem*> all = items(Qt::AscendingOrder);
    for (QGraphicsItem* item : all) {
        if (!candidates.contains(item))
            continue;
        const auto* canvasItem = dynamic_cast<const Item*>(item);
        if (canvasItem && canvasItem->itemId() == id)
            return item;
    }
    return nullptr;
}

void MvCanvasModel::drawBackground(QPainter* painter, const QRectF& rect)
{
    QGraphicsScene::drawBackground(painter, rect);
    if (m_backgroundColor.alpha() == 0)
        return;
    const QRectF band = getCanvasRect().intersected(rect);
    if (!band.isEmpty())
        painter->fillRect(band, m_backgroundColor);
}

void MvCanvasModel::addOnTop(QGraphicsItem* item)
{
    // Among equal stacking values the item inserted last is on top, so taking
    // the highest value in use puts the new item last in
    // items(Qt::AscendingOrder) while the values stay those the callers chose.
    const QList<QGraphicsItem*> all = items();
    bool any = false;
    double top = 0.0;
    for (const QGraphicsItem* other : all) {
        if (other->parentItem())
            continue;
        top = any ? qMax(top, other->zValue()) : other->zValue();
        any = true;
    }
    item->setZValue(any ? top : 0.0);
    addItem(item);
    updateSceneMap();
}

void MvCanvasModel::deleteAllItems()
{
    clear();
    m_sceneMap.clear();
}
