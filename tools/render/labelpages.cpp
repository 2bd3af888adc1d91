#include "labelpages.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "canvas/mvcanvasmodel.h"

namespace {
constexpr double PointsPerInch = 72.0;
// Lighter compression than zlib's default: a third less time for the encoding,
// which is most of a drawing's cost, for files about an eighth larger.
constexpr int PngQuality = 80;

QPageSize pageFor(const QSizeF& points)
{
    return QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch);
}
} // namespace

LabelPages::LabelPages(const QString& path, int dotsPerInch)
    : m_path(path), m_dotsPerInch(dotsPerInch)
{
}

LabelPages::~LabelPages()
{
    finish();
}

bool LabelPages::addPage(MvCanvasModel* canvas)
{
    const QSizeF points = canvas->getCanvasSize();
    if (!m_writer) {
        m_writer = std::make_unique<QPdfWriter>(m_path);
        m_writer->setResolution(m_dotsPerInch);
        m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
        m_writer->setPageSize(pageFor(points));
        m_writer->setTitle(QFileInfo(m_path).completeBaseName());
        m_writer->setCreator(QStringLiteral("vendrel-render"));
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_writer.get())) {
            m_error = QStringLiteral("cannot write %1").arg(m_path);
            m_painter.reset();
            return false;
        }
    } else {
        if (!m_painter)
            return false;
        // The size goes to the page that newPage() starts.
        m_writer->setPageSize(pageFor(points));
        if (!m_writer->newPage()) {
            m_error = QStringLiteral("cannot add a page to %1").arg(m_path);
            return false;
        }
    }
    m_painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const double scale = m_writer->resolution() / PointsPerInch;
    canvas->renderCanvas(m_painter.get(),
                         QRectF(0, 0, points.width() * scale, points.height() * scale));
    ++m_pages;
    return true;
}

bool LabelPages::finish()
{
    if (!m_painter)
        return m_error.isEmpty();
    const bool ended = m_painter->end();
    m_painter.reset();
    m_writer.reset();
    if (!ended && m_error.isEmpty())
        m_error = QStringLiteral("cannot complete %1").arg(m_path);
    return ended;
}

bool LabelPages::writePng(MvCanvasModel* canvas, const QString& path, int dotsPerInch,
                          QString* error)
{
    const QSizeF points = canvas->getCanvasSize();
    const double scale = dotsPerInch / PointsPerInch;
    const QSize pixels(qMax(1, qRound(points.width() * scale)),
                       qMax(1, qRound(points.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                               QPainter::TextAntialiasing);
        canvas->renderCanvas(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    if (!image.save(path, "PNG", PngQuality)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}
