#ifndef MVCANVASMODEL_H
#define MVCANVASMODEL_H

#include <QColor>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>

class QPainter;

// The scene that holds one label. Lengths are canvas units, points of 1/72 inch.
//
// The canvas is the rectangle (0, 0, width, height): the label. Its background
// colour (the band colour) is painted by drawBackground over that rectangle
// only, so a view shows the label on whatever its own background is (a view
// must leave QGraphicsView::backgroundBrush unset for the scene to paint).
// The scene itself reaches one scene limit beyond the canvas on every side, so
// items may stand off the label while a layout moves them.
//
// Palette: entry 0 is the default pen colour (new text and symbol items take
// it as their drawing colour), entry 1 the initial canvas background. Missing
// entries fall back to black and white.
class MvCanvasModel : public QGraphicsScene
{
    Q_OBJECT
public:
    // Item types. Items of CanvasFrameType are the label's own frame and
    // background pieces: an export keeps them on the canvas even when hidden.
    enum ItemTypes
    {
        CanvasFrameType = QGraphicsItem::UserType + 2,
        SimpleTextType = QGraphicsItem::UserType + 21,
    };

    MvCanvasModel(const QList<QColor>& palette, double sceneLimitWidth, double sceneLimitHeight,
                  double canvasWidth, double canvasHeight, QObject* parent = nullptr);
    ~MvCanvasModel() override;

    QList<QColor> palette() const { return m_palette; }
    QSizeF sceneLimits() const { return m_sceneLimits; }

    // The size is bounded to 0 .. the scene limits; values that are not finite
    // leave the size unchanged. With notify, canvasSizeChangedSignal reports
    // the new size.
    void setCanvasSize(double width, double height, bool notify);
    QSizeF getCanvasSize() const { return m_canvasSize; }
    QRectF getCanvasRect() const { return QRectF(QPointF(0.0, 0.0), m_canvasSize); }
    // What a view fits: the canvas with a margin of 3 % of its longer side all
    // round, so the label's edges never touch the view's border.
    QRectF getTotalCanvasRect() const;

    void setCanvasBackgroundColor(const QColor& color);
    QColor canvasBackgroundColor() const { return m_backgroundColor; }
    void setCanvasDefaultPenColor(const QColor& color);
    QColor canvasDefaultPenColor() const { return m_defaultPenColor; }

    // While on (the default), a text item that holds only white space shows a
    // dashed outline in the editor. Never shown in icons or prints.
    void setShowEmptyTextMarker(bool show);
    bool showEmptyTextMarker() const { return m_showEmptyTextMarker; }
    // True while createIcon or renderCanvas draws the label for output.
    bool isRenderingOutput() const { return m_renderingOutput; }

    // Both add the new item above every other item, so that it is the last
    // entry of items(Qt::AscendingOrder). New items take the default pen colour.
    // addSymbolItem: a SymbolItem with these SVG bytes (empty bytes: a blank
    // symbol), its size the drawing's own, transparent background.
    void addSymbolItem(const QByteArray& data);
    // type SimpleTextType (65557) adds a SimpleTextItem with the text, shown
    // when visible, at pos, turned by rotation degrees, with the id, and read-only
    // when readOnly. Other types are refused with a warning and add nothing.
    void addGenericItem(int type, QString text, bool visible, QPointF pos, double rotation,
                        short id, bool readOnly);

    // A thumbnail of the label: an image of exactly width x height pixels, in
    // which the canvas keeps its proportions and is centred on transparent
    // (576 x 72 in 256 x 256 gives a 256 x 32 label band in the middle).
    QImage createIcon(int width, int height);
    // Draws the canvas rectangle, and nothing outside it, into target, keeping
    // the label's proportions and centring it there.
    void renderCanvas(QPainter* painter, const QRectF& target);

    void setCanvasHasChanged(bool changed) { m_canvasHasChanged = changed; }
    bool canvasHasChanged() const { return m_canvasHasChanged; }

    // clearScene: deletes every item; the label lost its content, so the canvas
    // counts as changed. clearSceneLocal: deletes every item and leaves the
    // changed flag alone, for a loader that rebuilds the label in place. Both
    // keep size and colours.
    void clearScene();
    void clearSceneLocal();

    // The map from item id to item is a snapshot taken by updateSceneMap() (and
    // after adding or clearing items): an export refreshes it after taking
    // hidden items out. Never touches the changed flag.
    void updateSceneMap();
    // The item with this id in the last snapshot, if it is still in the scene;
    // with several, the lowest in stacking order.
    QGraphicsItem* itemFromId(short id) const;

signals:
    void canvasSizeChangedSignal(const QSizeF& size);

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    void addOnTop(QGraphicsItem* item);
    void deleteAllItems();

    QList<QColor> m_palette;
    QSizeF m_sceneLimits;
    QSizeF m_canvasSize;
    QColor m_backgroundColor = Qt::white;
    QColor m_defaultPenColor = Qt::black;
    bool m_showEmptyTextMarker = true;
    bool m_renderingOutput = false;
    bool m_canvasHasChanged = false;
    QMultiHash<short, QGraphicsItem*> m_sceneMap;
};

#endif
