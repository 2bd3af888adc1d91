#ifndef CANVASTESTHELPERS_H
#define CANVASTESTHELPERS_H

#include <QFile>
#include <QGraphicsItem>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QStyleOptionGraphicsItem>

// Paints one item alone, through its own transform, onto a transparent image:
// the way the layouts measure items.
inline QImage renderItemAlone(QGraphicsItem* item, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setTransform(item->transform());
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, nullptr);
    painter.end();
    return image;
}

// The smallest rectangle holding every pixel that is not fully transparent.
inline QRect inkRect(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

inline bool sameRect(const QRectF& a, const QRectF& b)
{
    return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6 &&
           qAbs(a.width() - b.width()) < 1e-6 && qAbs(a.height() - b.height()) < 1e-6;
}

inline QString rectText(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

inline QByteArray sourceFile(const QString& relative)
{
    QFile file(qEnvironmentVariable("VENDREL_SOURCE_DIR") + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#endif
