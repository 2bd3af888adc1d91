#include "labelrenderer.h"
#include "labelpages.h"
#include "loadermessagefilter.h"
#include "svgfontfamilies.h"

#include "files/pipefilecontroller.h"
#include "kinds/labelkinds.h"
#include "kit/arrowsymbols.h"
#include "kit/ivendrelinterface.h"
#include "kit/labelkind.h"
#include "kit/labellimits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "canvas/item.h"
#include "canvas/mvcanvasmodel.h"
#include "canvas/simpletextitem.h"
#include "canvas/symbolitem.h"
#include "files/genericlabelreader.h"

namespace {
constexpr double PointsPerInch = 72.0;

QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}
} // namespace

LabelRenderer::LabelRenderer() = default;

LabelRenderer::~LabelRenderer()
{
    // The loader may hold the canvas; drop it first.
    m_module.reset();
}

bool LabelRenderer::open(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        m_error = QStringLiteral("no such file");
        return false;
    }
    if (!file.isFile() || !file.isReadable()) {
        m_error = QStringLiteral("not a readable file");
        return false;
    }
    m_kind = file.suffix().toLower();
    if (m_kind == QLatin1String("qyld"))
        return openGeneric(path);
    const LabelKind* kind = LabelKinds::byExtension(m_kind);
    if (!kind) {
        m_error = QStringLiteral("unknown label kind \"%1\"").arg(file.suffix());
        return false;
    }
    if (!kind->makeLoader) {
        m_error =
            QStringLiteral("labels of kind \"%1\" cannot be drawn by this version").arg(m_kind);
        return false;
    }
    return openContainer(path, *kind);
}

bool LabelRenderer::openContainer(const QString& path, const LabelKind& kind)
{
    m_ownedCanvas.reset(new MvCanvasModel(QList<QColor>{Qt::black, QColor(kind.secondPaletteColor)},
                                          LabelLimits::MaxLength, LabelLimits::MaxLength,
                                          kind.defaultSize.width(), kind.defaultSize.height()));
    m_canvas = m_ownedCanvas.data();
    m_canvas->setShowEmptyTextMarker(false);
    IVendrelInterface* loader = kind.makeLoader(nullptr);
    loader->setCanvas(m_canvas);
    m_module.reset(loader);

    PipeFileController container;
    container.setContentModule(loader);
    bool opened = false;
    {
        const LoaderMessageFilter quiet(m_verbose);
        opened = container.loadTemplateFromFile(path, false);
    }
    if (!opened) {
        m_error = lowerFirst(container.lastLoadResult().reason());
        return false;
    }
    // Drawn without its arrows, the label would point nowhere: a missing data folder
    // must not pass for a label without arrows.
    const QStringList unavailable = ArrowSymbols::unavailableDatabases();
    if (!unavailable.isEmpty()) {
        m_symbolsMissing = true;
        m_error = QStringLiteral("its arrows cannot be drawn: the symbol database %1 cannot be "
                                 "opened (MORVANTIC_DATA_ROOT names the data folder)")
                      .arg(unavailable.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

bool LabelRenderer::openGeneric(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot be read");
        return false;
    }
    GenericLabelReader reader;
    m_ownedCanvas.reset(reader.readCanvas(&file));
    m_canvas = m_ownedCanvas.data();
    if (!m_canvas) {
        m_error = lowerFirst(reader.errorString());
        return false;
    }
    return true;
}

bool LabelRenderer::writePng(const QString& path, int dotsPerInch)
{
    return LabelPages::writePng(m_canvas, path, dotsPerInch, &m_error);
}

bool LabelRenderer::writePdf(const QString& path)
{
    const QSizeF points = m_canvas->getCanvasSize();
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setTitle(QFileInfo(path).completeBaseName());
    writer.setCreator(QStringLiteral("vendrel-render"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        m_error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const double scale = writer.resolution() / PointsPerInch;
    m_canvas->renderCanvas(&painter, QRectF(0, 0, points.width() * scale, points.height() * scale));
    return painter.end();
}

bool LabelRenderer::writeSvg(const QString& path)
{
    const QSizeF points = m_canvas->getCanvasSize();
    QBuffer drawing;
    drawing.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&drawing);
    generator.setResolution(72);
    generator.setSize(points.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), points));
    generator.setTitle(QFileInfo(path).completeBaseName());
    QPainter painter;
    if (!painter.begin(&generator)) {
        m_error = QStringLiteral("cannot draw the SVG of %1").arg(path);
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_canvas->renderCanvas(&painter, QRectF(QPointF(0, 0), points));
    painter.end();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(SvgFontFamilies::rewrite(drawing.data())) < 0 || !file.commit()) {
        m_error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

QJsonObject LabelRenderer::info() const
{
    QJsonArray items;
    const QList<QGraphicsItem*> sceneItems = m_canvas->items(Qt::AscendingOrder);
    for (QGraphicsItem* item : sceneItems) {
        QJsonObject entry;
        const auto* canvasItem = dynamic_cast<const Item*>(item);
        entry.insert(QStringLiteral("id"), canvasItem ? canvasItem->itemId() : 0);
        entry.insert(QStringLiteral("type"), item->type());
        entry.insert(QStringLiteral("visible"), item->isVisible());
        const QRectF rect = item->sceneBoundingRect();
        entry.insert(QStringLiteral("rect"),
                     QJsonObject{{QStringLiteral("x"), rect.x()},
                                 {QStringLiteral("y"), rect.y()},
                                 {QStringLiteral("width"), rect.width()},
                                 {QStringLiteral("height"), rect.height()}});
        double rotation = item->rotation();
        if (const auto* symbol = dynamic_cast<const SymbolItem*>(item))
            rotation = symbol->itemRotation();
        if (const auto* text = dynamic_cast<const SimpleTextItem*>(item)) {
            rotation = text->itemRotation();
            entry.insert(QStringLiteral("text"), text->toPlainText());
        }
        entry.insert(QStringLiteral("rotation"), rotation);
        items.append(entry);
    }
    const QSizeF size = m_canvas->getCanvasSize();
    QJsonObject result;
    result.insert(QStringLiteral("kind"), m_kind);
    result.insert(QStringLiteral("canvas"), QJsonObject{{QStringLiteral("width"), size.width()},
                                                        {QStringLiteral("height"), size.height()}});
    result.insert(QStringLiteral("lastWarning"), m_module ? m_module->getLastWarning() : QString());
    result.insert(QStringLiteral("items"), items);
    return result;
}
