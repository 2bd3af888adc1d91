#include "print/printcontroller.h"

#include "canvas/mvcanvasmodel.h"

#include <QPagedPaintDevice>
#include <QPainter>

PrintController::PrintController(MvCanvasModel* canvas, QObject* parent)
    : QObject(parent), m_scene(canvas)
{
    qRegisterMetaType<MvPrintingErrors::TamsyPrintError>();
}

PrintController::~PrintController() = default;

void PrintController::setScene(MvCanvasModel* canvas)
{
    m_scene = canvas;
}

void PrintController::setLoadedPaperSize(const QSizeF& size, MvPrinting::PrinterType type)
{
    m_loadedPaperSize = size;
    m_printerType = type;
}

void PrintController::setLoadedPaletteColors(const QList<QColor>& palette, int ribbonMask,
                                             bool allColors, double stripeWidth, QColor stripeColor)
{
    m_palette = palette;
    m_ribbonMask = ribbonMask;
    m_allColors = allColors;
    m_stripeWidth = stripeWidth;
    m_stripeColor = stripeColor;
}

QStringList PrintController::colorsNotLoaded() const
{
    QStringList missing;
    if (m_allColors || !m_scene)
        return missing;
    QList<QColor> loaded;
    for (int i = 0; i < m_palette.size(); ++i)
        if (m_ribbonMask & (1 << i))
            loaded << m_palette[i];
    // White is the supply itself, never a ribbon.
    const QColor background = m_scene->canvasBackgroundColor();
    if (background.isValid() && background != QColor(Qt::white) &&
        !loaded.contains(background.toRgb()))
        missing << background.name();
    return missing;
}

bool PrintController::supplyTooNarrow() const
{
    if (!m_scene || m_loadedPaperSize.width() <= 0.0)
        return false;
    // Labels run along the feed: the canvas height lies across the supply.
    return m_scene->getCanvasSize().height() > m_loadedPaperSize.width() + 0.5;
}

void PrintController::paintCanvas(MvCanvasModel* canvas, QPainter* painter,
                                  QPagedPaintDevice* device)
{
    if (!canvas || !painter || !device)
        return;
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                            QPainter::SmoothPixmapTransform);
    // The page is the label: the canvas fills it at the device's resolution. The
    // canvas draws text and bands as vectors and each symbol only where it lands on
    // the page, so a 192 in label needs no image of the whole label.
    const QSizeF points = canvas->getCanvasSize();
    const double scale = device->logicalDpiX() / 72.0;
    const double scaleY = device->logicalDpiY() / 72.0;
    canvas->renderCanvas(painter,
                         QRectF(0.0, 0.0, points.width() * scale, points.height() * scaleY));
}
