#ifndef SYMBOLPICTURECACHE_H
#define SYMBOLPICTURECACHE_H

#include <QByteArray>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QSizeF>
#include <QTransform>
#include <QVector>

// The recoloured pictures of symbols, kept for the whole process and shared by
// every symbol item that draws the same drawing at the same size, mapping and
// colour. Labels of a line list repeat the same few arrows on every page: a
// picture made once is handed out again as the same QImage, which a PDF writer
// then stores once (it knows images by their cache key) instead of drawing,
// compressing and writing it for every page.
//
// Bounded by the bytes of the pictures it holds; the picture used longest ago
// goes first. A picture larger than a quarter of the bound is not kept at all.
class SymbolPictureCache
{
public:
    struct Key
    {
        QByteArray data;    // the SVG drawing
        QSizeF itemSize;    // the item's box, in item units
        QTransform toImage; // item units to the picture's pixels
        QSize pixels;       // the picture's size
        QRgb colour = 0;    // the foreground colour
    };

    static constexpr qint64 MostBytes = 32 * 1024 * 1024;

    // The picture kept for the key, or a null image.
    static QImage find(const Key& key);
    static void keep(const Key& key, const QImage& picture);
    // Bytes of the pictures kept now.
    static qint64 bytesKept();
    static void clear();

private:
    struct Entry
    {
        Key key;
        uint hash = 0;
        QImage picture;
        quint64 used = 0;
    };

    static uint hashOf(const Key& key);
    static bool same(const Key& a, const Key& b);

    static QMutex s_mutex;
    static QVector<Entry> s_entries;
    static qint64 s_bytes;
    static quint64 s_clock;
};

#endif
