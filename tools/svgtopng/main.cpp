// vendrel-svgtopng IN.svg OUT.png WIDTH HEIGHT
//
// Renders an SVG drawing into a PNG of exactly WIDTH x HEIGHT pixels. The
// drawing keeps its aspect ratio and is centred; whatever it does not cover
// stays transparent. Exits with 0 on success, 1 on bad arguments and 2 when
// the drawing cannot be read or the picture cannot be written.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int MaxSide = 4096;

int fail(int code, const QString& message)
{
    QTextStream(stderr) << "vendrel-svgtopng: " << message << '\n';
    return code;
}

bool parseSide(const QString& text, int* side)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > MaxSide)
        return false;
    *side = value;
    return true;
}

// The largest rectangle with the drawing's aspect ratio that fits the
// target, centred in it.
QRectF fittedRect(const QSizeF& drawing, const QSizeF& target)
{
    if (drawing.isEmpty())
        return QRectF(QPointF(0, 0), target);
    const QSizeF size = drawing.scaled(target, Qt::KeepAspectRatio);
    return QRectF(
        QPointF((target.width() - size.width()) / 2.0, (target.height() - size.height()) / 2.0),
        size);
}

} // namespace

int main(int argc, char* argv[])
{
    // A build machine may have no display, and the renderer never needs one,
    // whatever platform the environment asks for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5)
        return fail(1, QStringLiteral("usage: vendrel-svgtopng IN.svg OUT.png WIDTH HEIGHT"));

    int width = 0;
    int height = 0;
    if (!parseSide(args.at(3), &width) || !parseSide(args.at(4), &height))
        return fail(
            1, QStringLiteral("width and height must be whole numbers from 1 to %1").arg(MaxSide));

    QSvgRenderer renderer;
    if (!renderer.load(args.at(1)) || !renderer.isValid())
        return fail(2, QStringLiteral("cannot read the drawing %1").arg(args.at(1)));

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, fittedRect(renderer.viewBoxF().size(), QSizeF(width, height)));
    }

    if (!image.save(args.at(2), "PNG"))
        return fail(2, QStringLiteral("cannot write %1").arg(args.at(2)));
    return 0;
}
