#include "ammonia/ammoniaparts.h"

#include <QFile>

namespace {

bool onSameLabel(const AmmoniaParts::Part& part, const QColor& labelColor)
{
    return labelColor.isValid() && QColor(QLatin1String(part.color)).rgb() == labelColor.rgb();
}

// A resource that cannot be read gives an empty drawing, which draws nothing.
QByteArray readResource(const char* path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

const AmmoniaParts::Part& AmmoniaParts::part(AmmoniaVendrel::TagType tag)
{
    for (const Part& entry : Parts) {
        if (entry.tag == tag)
            return entry;
    }
    return Parts.back();
}

QColor AmmoniaParts::color(AmmoniaVendrel::TagType tag, const QColor& labelColor)
{
    const Part& entry = part(tag);
    return QColor(
        QLatin1String(onSameLabel(entry, labelColor) ? entry.colorOnSameLabel : entry.color));
}

const char* AmmoniaParts::picture(AmmoniaVendrel::TagType tag, const QColor& labelColor)
{
    const Part& entry = part(tag);
    return onSameLabel(entry, labelColor) ? entry.pictureOnSameLabel : entry.picture;
}

QByteArray AmmoniaParts::placeholder(AmmoniaVendrel::TagType tag)
{
    return readResource(part(tag).placeholder);
}

QByteArray AmmoniaParts::printDrawing(AmmoniaVendrel::TagType tag)
{
    return readResource(part(tag).printDrawing);
}
