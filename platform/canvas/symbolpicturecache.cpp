#include "canvas/symbolpicturecache.h"

#include <QHash>
#include <QMutexLocker>

QMutex SymbolPictureCache::s_mutex;
QVector<SymbolPictureCache::Entry> SymbolPictureCache::s_entries;
qint64 SymbolPictureCache::s_bytes = 0;
quint64 SymbolPictureCache::s_clock = 0;

uint SymbolPictureCache::hashOf(const Key& key)
{
    uint seed = qHash(key.data);
    for (const double value :
         {key.itemSize.width(), key.itemSize.height(), key.toImage.m11(), key.toImage.m12(),
          key.toImage.m21(), key.toImage.m22(), key.toImage.dx(), key.toImage.dy()})
        seed = seed * 31u + qHash(value);
    return seed * 31u + qHash(key.pixels.width()) * 17u + qHash(key.pixels.height()) + key.colour;
}

bool SymbolPictureCache::same(const Key& a, const Key& b)
{
    return a.pixels == b.pixels && a.colour == b.colour && a.itemSize == b.itemSize &&
           a.toImage == b.toImage && a.data == b.data;
}

QImage SymbolPictureCache::find(const Key& key)
{
    const uint hash = hashOf(key);
    QMutexLocker lock(&s_mutex);
    for (Entry& entry : s_entries) {
        if (entry.hash == hash && same(entry.key, key)) {
            entry.used = ++s_clock;
            return entry.picture;
        }
    }
    return QImage();
}

void SymbolPictureCache::keep(const Key& key, const QImage& picture)
{
    const qint64 bytes = picture.sizeInBytes();
    if (picture.isNull() || bytes > MostBytes / 4)
        return;
    const uint hash = hashOf(key);
    QMutexLocker lock(&s_mutex);
    for (const Entry& entry : s_entries) {
        if (entry.hash == hash && same(entry.key, key))
            return;
    }
    while (!s_entries.isEmpty() && s_bytes + bytes > MostBytes) {
        int oldest = 0;
        for (int i = 1; i < s_entries.size(); ++i) {
            if (s_entries[i].used < s_entries[oldest].used)
                oldest = i;
        }
        s_bytes -= s_entries[oldest].picture.sizeInBytes();
        s_entries.remove(oldest);
    }
    s_entries.append(Entry{key, hash, picture, ++s_clock});
    s_bytes += bytes;
}

qint64 SymbolPictureCache::bytesKept()
{
    QMutexLocker lock(&s_mutex);
    return s_bytes;
}

void SymbolPictureCache::clear()
{
    QMutexLocker lock(&s_mutex);
    s_entries.clear();
    s_bytes = 0;
}
